# Recipe options of the 64-bit Windows target (cmake/toolchains/windows-x86_64.cmake).
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by build-deps and the recipes

recipes=(libogg libvorbis freetype libsdl2 libsdl2-ttf libsdl2-mixer)

# The compiler and the MinGW runtime it links: a new version of either gives a new cache key.
compiler_version() {
    echo "$(x86_64-w64-mingw32-gcc-posix --version | head -n 1)" \
        "$(dpkg-query -W -f='${Version} ' gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev 2>/dev/null)"
}

# FreeType reads compressed fonts with MinGW's static zlib (Debian's libz-mingw-w64-dev).
target_zlib_library=/usr/x86_64-w64-mingw32/lib/libz.a
target_zlib_include=/usr/x86_64-w64-mingw32/include

# Autoconf projects: the host triplet selects the MinGW tools; the compilers of the posix model.
target_configure=(env CC=x86_64-w64-mingw32-gcc-posix CXX=x86_64-w64-mingw32-g++-posix
    CC_FOR_BUILD=cc)
target_configure_host=--host=x86_64-w64-mingw32
target_make=(make)
