# Vorbis audio decoding; the mixer plays the game's music through vorbisfile.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by run_recipe
package=libvorbis
version=1.3.7-1

build() {
    cmake_recipe
}
