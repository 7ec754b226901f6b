# FreeType, under SDL2_ttf: TrueType only, no HarfBuzz, Brotli, bzip2 or PNG (no colour emoji).
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by run_recipe
package=freetype
version=2.12.1+dfsg-5+deb12u4

build() {
    local zlib=(-DFT_DISABLE_ZLIB=ON)
    if [[ -n "$target_zlib_library" ]]; then
        zlib=(-DFT_REQUIRE_ZLIB=ON -DZLIB_LIBRARY="$target_zlib_library"
            -DZLIB_INCLUDE_DIR="$target_zlib_include")
    fi
    cmake_recipe -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_BZIP2=ON \
        -DFT_DISABLE_PNG=ON "${zlib[@]}"
}
