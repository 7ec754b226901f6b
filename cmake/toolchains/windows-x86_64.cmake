# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers.
# The posix thread model is needed: the win32 one has no std::mutex or std::thread with GCC 12.
# Programs link libgcc, libstdc++ and winpthread statically, so an .exe needs only Windows' own DLLs.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SIXDICE_CROSS_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SIXDICE_CROSS_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SIXDICE_CROSS_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SIXDICE_CROSS_TRIPLET}-windres)
set(CMAKE_AR ${SIXDICE_CROSS_TRIPLET}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${SIXDICE_CROSS_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "Archive indexer")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Libraries and headers come from the MinGW sysroot and from prefixes given by the build (the
# dependency builder's), never from the build machine's own /usr.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${SIXDICE_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The dependency prefix holds static archives only. In the MinGW sysroot find_library prefers a
# DLL's import library (CMake's Windows platform file sets the suffixes after this file): ask for
# static ones where a module offers it (ZLIB_USE_STATIC_LIBS, ...) or name the .a.

# Tests and helper programs of the build run under Wine.
find_program(SIXDICE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(SIXDICE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${SIXDICE_WINE}")
endif()
