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
include("${SIXDICE_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake")

# emcc and em++ run with NODE_PATH at build time too (the optimiser runs when linking), also when
# the build is started by a bare `ninja` without the presets' environment.
foreach(tool IN ITEMS C CXX)
    set(CMAKE_${tool}_COMPILER_LAUNCHER env NODE_PATH=$ENV{NODE_PATH})
    set(CMAKE_${tool}_LINKER_LAUNCHER env NODE_PATH=$ENV{NODE_PATH})
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR node)
