# The Ogg container, under Vorbis.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by run_recipe
package=libogg
version=1.3.5-3

build() {
    cmake_recipe -DINSTALL_DOCS=OFF
}
