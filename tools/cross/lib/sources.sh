# Fetching Debian source packages without touching the machine's apt configuration.
# A private source list with one deb-src line for bookworm main (its archive address taken from
# the machine's own apt sources) and private lists and cache folders are given to apt-get with -o.
# apt checks the Sources index against the signed Release file and every downloaded file against
# the Sources index; dpkg-source -x then checks the tarballs against the .dsc's checksums and
# applies Debian's patches.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

debian_suite=bookworm
debian_keyring=/usr/share/keyrings/debian-archive-keyring.gpg

# The archive address of the machine's Debian bookworm main entry, from apt's own view of its
# sources (one-line and deb822 files alike); falls back to reading the files when apt has not
# fetched their lists yet.
debian_archive_uri() {
    local uri
    uri=$(apt-get indextargets --format '$(REPO_URI)' "Origin: Debian" "Codename: $debian_suite" \
        "Component: main" 2>/dev/null | grep -v -- '-security/\?$' | head -n 1 || true)
    if [[ -z "$uri" ]]; then
        uri=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk -v suite="$debian_suite" '$1 == "deb" && $0 ~ (" " suite " ") {
                for (i = 2; i <= NF; i++) if ($i ~ /^[a-z+]+:\/\//) { print $i; exit } }')
    fi
    if [[ -z "$uri" ]]; then
        uri=$(awk -v suite="$debian_suite" '
            /^[ \t]*$/ { if (types ~ /deb/ && suites ~ ("(^| )" suite "( |$)") && uris != "") {
                             split(uris, u, " "); print u[1]; exit }
                         types = suites = uris = ""; next }
            /^Types:/ { types = $0 } /^Suites:/ { suites = $0 }
            /^URIs:/ { sub(/^URIs:[ \t]*/, ""); uris = $0 }
            END { if (types ~ /deb/ && suites ~ ("(^| )" suite "( |$)") && uris != "") {
                      split(uris, u, " "); print u[1] } }' \
            /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v -- '-security/\?$' | head -n 1 || true)
    fi
    [[ -n "$uri" ]] || die "no Debian $debian_suite archive in the machine's apt sources"
    echo "${uri%/}"
}

# The apt-get options that point apt at the private list and folders under $cache_root/sources/apt.
apt_private_options() {
    local dir=$cache_root/sources/apt
    printf '%s\n' -o "Dir::Etc::sourcelist=$dir/sources.list" -o "Dir::Etc::sourceparts=-" \
        -o "Dir::State::lists=$dir/lists" -o "Dir::Cache=$dir/cache" \
        -o "Dir::Cache::archives=$dir/cache/archives" -o "APT::Get::List-Cleanup=0" \
        -o "APT::Sandbox::User=$(id -un)"
}

apt_private_updated=0
apt_private_update() {
    ((apt_private_updated)) && return 0
    local dir=$cache_root/sources/apt
    mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial"
    echo "deb-src [signed-by=$debian_keyring] $(debian_archive_uri) $debian_suite main" \
        >"$dir/sources.list"
    note "reading Debian's $debian_suite source index"
    local -a options
    mapfile -t options < <(apt_private_options)
    apt-get -q "${options[@]}" update >"$dir/update.log" 2>&1 ||
        {
            cat "$dir/update.log" >&2
            die "apt-get update of the private source list failed"
        }
    if grep -q '^[WE]:' "$dir/update.log"; then
        cat "$dir/update.log" >&2
        die "apt could not verify Debian's source index"
    fi
    apt_private_updated=1
}

# fetch_source PACKAGE VERSION: sets source_dir to the folder (under $cache_root/sources) holding
# the package's .dsc and tarballs, downloaded and checked by apt on the first call.
fetch_source() {
    local package=$1 version=$2 lock=
    local dir=$cache_root/sources/${package}_$version
    if [[ ! -f "$dir/.complete" ]]; then
        # Builds of two targets may fetch at once: one apt at a time on the private folders.
        mkdir -p "$cache_root/sources"
        exec {lock}>"$cache_root/sources/.lock"
        flock "$lock"
    fi
    if [[ ! -f "$dir/.complete" ]]; then
        apt_private_update
        local -a options
        mapfile -t options < <(apt_private_options)
        local tmp
        mkdir -p "$cache_root/sources"
        tmp=$(mktemp -d "$cache_root/sources/.fetching-$package.XXXXXX")
        note "downloading the source package $package $version"
        if ! (cd "$tmp" && apt-get -q "${options[@]}" source --download-only \
            "$package=$version" >"$tmp/.log" 2>&1); then
            cat "$tmp/.log" >&2
            rm -rf "$tmp"
            die "apt-get could not download $package $version (is it still in Debian $debian_suite?)"
        fi
        rm -f "$tmp/.log"
        touch "$tmp/.complete"
        rm -rf "$dir"
        mv "$tmp" "$dir"
    fi
    [[ -z "$lock" ]] || exec {lock}>&-
    source_dir=$dir
}

# extract_source PACKAGE VERSION DEST: DEST receives the package's source with Debian's patches
# applied, after dpkg-source has checked every file against the .dsc.
extract_source() {
    local package=$1 version=$2 dest=$3 dsc
    fetch_source "$package" "$version"
    dsc=$source_dir/${package}_${version#*:}.dsc
    [[ -f "$dsc" ]] || die "no .dsc for $package $version in $source_dir"
    dpkg-source --require-strong-checksums -x "$dsc" "$dest" >"$dest.extract.log" 2>&1 || {
        cat "$dest.extract.log" >&2
        die "dpkg-source could not extract $dsc"
    }
}
