# GoogleTest: the system's for native builds; for a cross build compiled from Debian's GoogleTest
# sources (/usr/src/googletest, installed with libgtest-dev) by the cross compiler. The browser
# build's tests run under node.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest REQUIRED)
    return()
endif()

set(SIXDICE_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest's sources for cross builds")
if(NOT EXISTS "${SIXDICE_GTEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "GoogleTest's sources are missing at ${SIXDICE_GTEST_SOURCE} "
                        "(Debian package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory("${SIXDICE_GTEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
foreach(part gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${part})
        add_library(GTest::${part} ALIAS ${part})
    endif()
endforeach()

if(EMSCRIPTEN)
    # Emscripten 3.1's loader takes node's fetch for a web browser's and cannot read the
    # module's file with it; without fetch, node reads the file.
    find_program(SIXDICE_NODE node REQUIRED)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${SIXDICE_NODE};--no-experimental-fetch")
endif()
