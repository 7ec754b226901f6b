# Helpers of the dependency builder: messages, the cache key, the relocation of a finished prefix.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

note() { echo "[deps] $*" >&2; }
die() {
    echo "[deps] error: $*" >&2
    exit 1
}

# cache_key TOOLCHAIN_FILE CROSS_DIR COMPILER_VERSION: the first 16 hex digits of a SHA-256 over
# the toolchain file, the builder itself, this target's options and recipes (which pin the source
# versions) and the compiler's version, so any change to what goes into the prefix gives a new one.
cache_key() {
    local toolchain=$1 dir=$2 compiler=$3 f
    {
        printf 'toolchain\n'
        cat "$toolchain"
        printf 'compiler %s\n' "$compiler"
        for f in "$dir/build-deps" "$dir"/lib/*.sh "$target_file"; do
            printf 'file %s\n' "${f#"$dir"/}"
            cat "$f"
        done
        for f in "${recipes[@]}"; do
            printf 'recipe %s\n' "$f"
            cat "$dir/recipes/$f.sh"
        done
    } | sha256sum | cut -c1-16
}

# relocate_prefix STAGE FINAL: the recipes install into STAGE; the CMake package files, pkg-config
# files and scripts that name it absolutely are rewritten to name FINAL, where the prefix is moved.
relocate_prefix() {
    local stage=$1 final=$2 f
    while IFS= read -r -d '' f; do
        if grep -Iq -F "$stage" "$f"; then
            sed -i "s|$stage|$final|g" "$f"
        fi
    done < <(find "$stage" -type f \( -name '*.cmake' -o -name '*.pc' -o -name '*-config' \
        -o -name '*.la' \) -print0)
    if grep -rIl -F "$stage" "$stage" >/dev/null 2>&1; then
        grep -rIl -F "$stage" "$stage" | sed 's/^/[deps]   still naming the build folder: /' >&2
        die "the prefix could not be relocated"
    fi
}

# write_manifest STAGE TARGET TOOLCHAIN RECIPE...: what the prefix was built from, for people.
write_manifest() {
    local stage=$1 target=$2 toolchain=$3
    shift 3
    mkdir -p "$stage/share"
    {
        echo "target: $target"
        echo "toolchain: $toolchain"
        echo "compiler: $(compiler_version)"
        echo "built: $(date -u +%Y-%m-%dT%H:%M:%SZ)"
        cat "$stage/.sources"
    } >"$stage/share/sixdice-deps.txt"
    rm -f "$stage/.sources"
}
