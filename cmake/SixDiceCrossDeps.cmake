# Cross builds (Windows, the browser): the libraries the game links come from the dependency
# builder (tools/cross/build-deps), which builds them from Debian's source packages for the
# toolchain this build was configured with and caches them outside the build folder. It runs here,
# at configure time, with its progress on the terminal; a warm cache costs a moment.
# SIXDICE_DEPS_PREFIX names a prefix to use instead (the builder then does not run). A toolchain
# the builder has no recipes for (a cross build for another Linux, say) finds its libraries in
# its own sysroot, as any cross build would.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

set(SIXDICE_DEPS_PREFIX "" CACHE PATH
    "Prefix with the cross-built libraries (empty: build them with tools/cross/build-deps)")

get_filename_component(_sixdice_cross_dir "${CMAKE_CURRENT_LIST_DIR}/../tools/cross" ABSOLUTE)
get_filename_component(_sixdice_target "${CMAKE_TOOLCHAIN_FILE}" NAME_WE)

if(SIXDICE_DEPS_PREFIX)
    set(_sixdice_deps "${SIXDICE_DEPS_PREFIX}")
elseif(EXISTS "${_sixdice_cross_dir}/targets/${_sixdice_target}.sh")
    message(STATUS "Dependencies for ${_sixdice_target}: tools/cross/build-deps")
    execute_process(
        COMMAND "${_sixdice_cross_dir}/build-deps" "${CMAKE_TOOLCHAIN_FILE}"
        OUTPUT_VARIABLE _sixdice_deps
        OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE _sixdice_result)
    if(NOT _sixdice_result EQUAL 0)
        message(FATAL_ERROR "The ${_sixdice_target} dependencies could not be built (see above)")
    endif()
    # A changed recipe or builder configures again (and so rebuilds the dependencies).
    file(GLOB_RECURSE _sixdice_cross_files "${_sixdice_cross_dir}/*")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_sixdice_cross_files})
else()
    message(STATUS "Dependencies for ${_sixdice_target}: from the toolchain's sysroot (the "
                   "dependency builder has no tools/cross/targets/${_sixdice_target}.sh)")
    return()
endif()

if(NOT EXISTS "${_sixdice_deps}/lib/cmake/SDL2")
    message(FATAL_ERROR "${_sixdice_deps} holds no SDL2 for ${_sixdice_target}")
endif()
message(STATUS "Dependencies for ${_sixdice_target}: ${_sixdice_deps}")
# The toolchains search only beneath their find roots: the prefix is the first of them, ahead of
# the sysroot (Emscripten's has an SDL2 package file of its own that downloads SDL at build time).
list(PREPEND CMAKE_FIND_ROOT_PATH "${_sixdice_deps}")
list(PREPEND CMAKE_PREFIX_PATH "${_sixdice_deps}")
# pkg-config sees the target's libraries, never the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} "${_sixdice_deps}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(SIXDICE_DEPS_DIR "${_sixdice_deps}" CACHE INTERNAL "Prefix of the cross-built libraries in use")

if(EMSCRIPTEN)
    # SDL2's browser audio resumes the page's audio context on the first gesture through
    # JavaScript functions of Emscripten's that only Emscripten's own SDL port asks to be linked;
    # with SDL built from source every program on it has to name them. (A response file: their
    # names begin with $, which no quoting survives through CMake, ninja and the shell alike.)
    set(_sixdice_rsp "${CMAKE_BINARY_DIR}/sdl2-emscripten-link.rsp")
    file(WRITE "${_sixdice_rsp}" "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=$autoResumeAudioContext,$dynCall\n")
    add_link_options("@${_sixdice_rsp}")
endif()
