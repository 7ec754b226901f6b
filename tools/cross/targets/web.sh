# Recipe options of the browser target (cmake/toolchains/web.cmake, Emscripten).
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by build-deps and the recipes

# nettle gives the browser build its MD5 (the desktop builds use the system's own).
recipes=(libogg libvorbis freetype libsdl2 libsdl2-ttf libsdl2-mixer nettle)

# Emscripten's JavaScript optimiser needs Debian's node modules (acorn).
case ":${NODE_PATH:-}:" in
*:/usr/share/nodejs:*) ;;
*) export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs ;;
esac

# The compiler and its system libraries: a new version gives a new cache key.
compiler_version() {
    echo "$(emcc --version 2>/dev/null | head -n 1)" \
        "$(dpkg-query -W -f='${Version}' emscripten 2>/dev/null)"
}

# No zlib: the game's fonts are plain TrueType files, and Emscripten's zlib would be downloaded.
target_zlib_library=
target_zlib_include=

# Autoconf projects: Emscripten's wrappers pass its compiler and tools to configure and make.
target_configure=(emconfigure env CC_FOR_BUILD=cc)
target_configure_host=--host=wasm32-unknown-emscripten
target_make=(emmake make)
