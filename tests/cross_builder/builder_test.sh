#!/usr/bin/env bash
# Tests the cross-build dependency builder (tools/cross/build-deps) without the network: a copy of
# the builder gets a target of the build machine itself and a recipe for a tiny source package made
# here with dpkg-source and placed in the download cache. Checks the build and its relocation,
# the cache (a second run builds nothing; a changed recipe gives a new prefix), that a failing
# recipe leaves neither a prefix nor a temporary folder, and that a damaged download is refused.
#   builder_test.sh TOOLS_CROSS_DIR
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail

source_cross=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# The builder's copy with a target "host" and one recipe.
cross=$tmp/cross
cp -r "$source_cross" "$cross"
cat >"$cross/targets/host.sh" <<'EOF'
recipes=(hello)
compiler_version() { cc --version | head -n 1; }
EOF
cat >"$cross/recipes/hello.sh" <<'EOF'
package=sixdice-hello
version=1.0
build() {
    cmake_recipe -DHELLO_GREETING=hello
}
EOF
toolchain=$tmp/host.cmake
echo 'set(CMAKE_SYSTEM_NAME Linux)' >"$toolchain"

# The source package: a static library whose CMake package file and pkg-config file name the
# install prefix absolutely, as many real ones do.
make_source_package() {
    local dir=$tmp/pkg/sixdice-hello-1.0
    rm -rf "$tmp/pkg"
    mkdir -p "$dir/debian/source"
    cat >"$dir/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(hello C)
set(HELLO_GREETING "" CACHE STRING "")
file(WRITE "${CMAKE_BINARY_DIR}/hello.c" "const char* hello(void) { return \"${HELLO_GREETING}\"; }\n")
add_library(hello STATIC "${CMAKE_BINARY_DIR}/hello.c")
install(TARGETS hello ARCHIVE DESTINATION lib)
file(WRITE "${CMAKE_BINARY_DIR}/helloConfig.cmake" "set(HELLO_LIBRARY \"${CMAKE_INSTALL_PREFIX}/lib/libhello.a\")\n")
file(WRITE "${CMAKE_BINARY_DIR}/hello.pc" "prefix=${CMAKE_INSTALL_PREFIX}\nName: hello\nDescription: test\nVersion: 1.0\nLibs: -L\${prefix}/lib -lhello\n")
install(FILES "${CMAKE_BINARY_DIR}/helloConfig.cmake" DESTINATION lib/cmake/hello)
install(FILES "${CMAKE_BINARY_DIR}/hello.pc" DESTINATION lib/pkgconfig)
EOF
    echo "3.0 (native)" >"$dir/debian/source/format"
    cat >"$dir/debian/control" <<'EOF'
Source: sixdice-hello
Maintainer: Six Dice <sixdice@example.org>

Package: sixdice-hello
Architecture: any
Description: test package
 A test package of the dependency builder's test.
EOF
    cat >"$dir/debian/changelog" <<'EOF'
sixdice-hello (1.0) unstable; urgency=medium

  * Test package.

 -- Six Dice <sixdice@example.org>  Wed, 09 Dec 2026 00:00:00 +0000
EOF
    (cd "$tmp/pkg" && dpkg-source -b sixdice-hello-1.0 >/dev/null 2>&1)
    local cached=$XDG_CACHE_HOME/sixdice/sources/sixdice-hello_1.0
    rm -rf "$cached"
    mkdir -p "$cached"
    cp "$tmp/pkg"/sixdice-hello_1.0.dsc "$tmp/pkg"/sixdice-hello_1.0.tar.* "$cached/"
    touch "$cached/.complete"
}

export XDG_CACHE_HOME=$tmp/cache
export SIXDICE_CROSS_JOBS=1
deps=$XDG_CACHE_HOME/sixdice/deps
make_source_package

# A first build: the prefix is complete and names itself, never the temporary folder.
if ! prefix=$("$cross/build-deps" "$toolchain" 2>"$tmp/first.log"); then
    cat "$tmp/first.log"
    fail "the first build failed"
else
    [[ "$prefix" == "$deps"/host-* ]] || fail "prefix $prefix is not in $deps"
    [[ -f "$prefix/lib/libhello.a" && -f "$prefix/.complete" ]] || fail "the prefix is incomplete"
    grep -qF "\"$prefix/lib/libhello.a\"" "$prefix/lib/cmake/hello/helloConfig.cmake" ||
        fail "the CMake package file does not name the final prefix"
    grep -qxF "prefix=$prefix" "$prefix/lib/pkgconfig/hello.pc" ||
        fail "the pkg-config file does not name the final prefix"
    ! grep -rqF ".building-" "$prefix" || fail "a file still names the temporary folder"
    grep -qxF "source: sixdice-hello 1.0" "$prefix/share/sixdice-deps.txt" ||
        fail "the manifest does not name the source package"
    compgen -G "$deps/.building-*" >/dev/null && fail "a temporary folder was left behind"
fi

# A second run finds the cache and builds nothing.
if ! again=$("$cross/build-deps" "$toolchain" 2>"$tmp/second.log"); then
    fail "the second run failed"
else
    [[ "$again" == "$prefix" ]] || fail "the second run gave another prefix: $again"
    grep -q "cached in" "$tmp/second.log" || fail "the second run did not use the cache"
    ! grep -q "hello: done" "$tmp/second.log" || fail "the second run built the recipe again"
fi

# A changed recipe option is a new key, so a new prefix; the old one stays for whoever uses it.
sed -i 's/HELLO_GREETING=hello/HELLO_GREETING=ahoj/' "$cross/recipes/hello.sh"
if ! changed=$("$cross/build-deps" "$toolchain" 2>"$tmp/changed.log"); then
    cat "$tmp/changed.log"
    fail "the build with a changed recipe failed"
else
    [[ "$changed" != "$prefix" && -f "$changed/.complete" ]] || fail "a changed recipe kept the key"
    [[ -f "$prefix/.complete" ]] || fail "the older prefix was removed"
fi
# So is a changed toolchain file.
echo '# changed' >>"$toolchain"
if other=$("$cross/build-deps" "$toolchain" 2>"$tmp/toolchain.log"); then
    [[ "$other" != "$changed" ]] || fail "a changed toolchain file kept the key"
else
    fail "the build with a changed toolchain failed"
fi

# A recipe that fails leaves no prefix and no temporary folder, and says which recipe failed.
echo 'message(FATAL_ERROR "broken on purpose")' >>"$toolchain"
before=$(find "$deps" -mindepth 1 -maxdepth 1 | sort)
if "$cross/build-deps" "$toolchain" >"$tmp/broken.out" 2>"$tmp/broken.log"; then
    fail "a failing recipe was reported as success"
fi
[[ ! -s "$tmp/broken.out" ]] || fail "a failed build printed a prefix"
grep -q "hello failed to build" "$tmp/broken.log" || fail "the failing recipe was not named"
grep -q "broken on purpose" "$tmp/broken.log" || fail "the recipe's log was not shown"
after=$(find "$deps" -mindepth 1 -maxdepth 1 | sort)
[[ "$before" == "$after" ]] || fail "a failed build changed the cache: $(diff <(echo "$before") <(echo "$after"))"
sed -i '$d' "$toolchain"

# A damaged download is refused by dpkg-source's checks against the .dsc.
echo '# another change' >>"$toolchain"
tarball=$(compgen -G "$XDG_CACHE_HOME/sixdice/sources/sixdice-hello_1.0/sixdice-hello_1.0.tar.*")
printf 'x' >>"$tarball"
if "$cross/build-deps" "$toolchain" >/dev/null 2>"$tmp/damaged.log"; then
    fail "a damaged source tarball was built"
fi
grep -q "dpkg-source could not extract" "$tmp/damaged.log" || fail "the damaged tarball was not reported"

# Usage errors: no toolchain, a toolchain for which no target exists.
"$cross/build-deps" >/dev/null 2>&1 && fail "no argument was accepted"
touch "$tmp/nowhere.cmake"
"$cross/build-deps" "$tmp/nowhere.cmake" 2>"$tmp/unknown.log" >/dev/null && fail "an unknown target was accepted"
grep -q 'no recipe options for target "nowhere"' "$tmp/unknown.log" || fail "the unknown target was not named"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "dependency builder: all checks passed"
