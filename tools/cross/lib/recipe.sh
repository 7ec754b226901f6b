# Running one recipe: a file in tools/cross/recipes/ that sets `package` and `version` (a Debian
# source package of bookworm) and defines `build`, which runs in the extracted, patched source and
# installs into $stage, and may define `amend`, which corrects the installed files afterwards.
# Recipes read the target's options (target_* variables of
# tools/cross/targets/<target>.sh) to differ between targets.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

# run_recipe NAME: extracts, builds and installs one recipe; its output goes to a log that is
# shown when it fails.
run_recipe() {
    local name=$1 log=$work/logs/$1.log started=$SECONDS
    mkdir -p "$work/logs" "$work/src"
    (
        # shellcheck source=/dev/null
        source "$here/recipes/$name.sh"
        [[ -n "${package:-}" && -n "${version:-}" ]] || die "recipe $name sets no package or version"
        note "$name: $package $version"
        src=$work/src/$name
        extract_source "$package" "$version" "$src"
        echo "source: $package $version" >>"$stage/.sources"
        cd "$src"
        # Run outside any `if` or `||`, where bash would ignore set -e inside the recipe.
        set +e
        (
            set -e
            build
            if declare -F amend >/dev/null; then amend; fi
        ) >"$log" 2>&1
        status=$?
        set -e
        if ((status != 0)); then
            tail -n 60 "$log" >&2
            die "$name failed to build (the whole log: $log, kept with SIXDICE_CROSS_KEEP_BUILD=1)"
        fi
    )
    note "$name: done in $((SECONDS - started)) s"
}

# cmake_recipe [OPTION...]: configures the current folder's CMake project for the target, builds
# it and installs it into the stage; static libraries, release build, no tests.
cmake_recipe() {
    local build_dir=$work/build/$name
    cmake -S . -B "$build_dir" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$stage" \
        -DCMAKE_INSTALL_LIBDIR=lib \
        -DCMAKE_PREFIX_PATH="$stage" \
        -DCMAKE_FIND_ROOT_PATH="$stage" \
        -DBUILD_SHARED_LIBS=OFF \
        -DBUILD_TESTING=OFF \
        "$@"
    cmake --build "$build_dir" -j "$jobs"
    cmake --install "$build_dir"
}

# autotools_recipe [CONFIGURE_OPTION...] -- [MAKE_TARGET...]: configures the current folder's
# autoconf project for the target (the target's `target_configure` command: a cross compiler's host
# triplet, or a wrapper such as emconfigure), makes the targets and installs into the stage; static
# libraries only.
autotools_recipe() {
    local options=() targets=()
    while (($# > 0)) && [[ "$1" != -- ]]; do
        options+=("$1")
        shift
    done
    (($# == 0)) || shift
    targets=("$@")
    ((${#target_configure[@]} > 0)) || die "target $target has no target_configure for $name"
    "${target_configure[@]}" ./configure "$target_configure_host" --prefix="$stage" --libdir="$stage/lib" \
        --disable-shared --enable-static "${options[@]}"
    "${target_make[@]}" -j "$jobs" "${targets[@]}"
}

# amend_config FILE: appends the CMake code on standard input to an installed package file (a
# fix to its link interface), between marker lines, once.
amend_config() {
    local file=$stage/$1 marker="# -- amended by Six Dice's dependency builder --"
    [[ -f "$file" ]] || die "cannot amend $1: not installed"
    grep -qxF "$marker" "$file" && return 0
    {
        echo
        echo "$marker"
        cat
    } >>"$file"
}
