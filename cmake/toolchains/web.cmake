# Compiles for the browser (WebAssembly) with Debian's Emscripten.
# Emscripten's JavaScript optimiser needs Debian's node modules (acorn) on NODE_PATH; the build
# machine's node may not search /usr/share/nodejs by itself.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set(SIXDICE_EMSCRIPTEN_ROOT /usr/share/emscripten CACHE PATH "Emscripten's installation")
if(NOT "$ENV{NODE_PATH}" MATCHES "/usr/share/nodejs")
    if("$ENV{NODE_PATH}" STREQUAL "")
        set(ENV{NODE_PATH} /usr/share/nodejs)
    else()
        set(ENV{NODE_PATH} "$ENV{NODE_PATH}:/usr/share/nodejs")
    endif()
endif()
# Programs built for node (configure checks such as Emscripten's check_type_size, which reads a
# program's exit status, and the tests) run without node's own fetch(): Emscripten 3.1.6's
# loader takes it for a browser's and fails to load the .wasm from a file path (exit status 7).
find_program(SIXDICE_NODE NAMES nodejs node NO_CMAKE_FIND_ROOT_PATH)
set(CMAKE_CROSSCOMPILING_EMULATOR "${SIXDICE_NODE};--no-experimental-fetch")
include("${SIXDICE_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake")

# emcc and em++ run with NODE_PATH at build time too (the optimiser runs when linking), also when
# the build is started by a bare `ninja` without the presets' environment.
foreach(tool IN ITEMS C CXX)
    set(CMAKE_${tool}_COMPILER_LAUNCHER env NODE_PATH=$ENV{NODE_PATH})
    set(CMAKE_${tool}_LINKER_LAUNCHER env NODE_PATH=$ENV{NODE_PATH})
endforeach()
