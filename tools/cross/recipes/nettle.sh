# Nettle's hashes without its public-key half (no GMP): the browser build's MD5, which the
# on-line table's check value needs.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2034 # read by run_recipe
package=nettle
version=3.8.1-2

build() {
    autotools_recipe --disable-public-key --disable-assembler --disable-documentation \
        --disable-openssl --disable-gcov --disable-fat --disable-x86-aesni --disable-x86-sha-ni \
        --disable-arm-neon -- install-headers install-static install-pkgconfig
}
