# SDL2: window, events, audio, timers.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by run_recipe
package=libsdl2
version=2.26.5+dfsg-1

build() {
    cmake_recipe -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_INSTALL_TESTS=OFF
}
