#!/usr/bin/env bash
# Checks what the install rules deliver, as two packages: kvr210c-cli (the
# command line and the simulator, no display needed) and kvr210c (the editor
# and its desktop integration, depending on kvr210c-cli).
#   check-install.sh --stage BUILD_DIR SOURCE_DIR   installs each package's part of
#       BUILD_DIR into its own fresh DESTDIR, checks its file list, validates the
#       desktop entry and the AppStream description, checks the copyright and
#       changelog, follows every relative link of the installed guides, and
#       runs the installed editor without a display (and, where Xvfb is at
#       hand, on one, for its window class)
#   check-install.sh --deb PACKAGE_DIR SOURCE_DIR   checks the newest
#       kvr210c-cli_*.deb and kvr210c_*.deb in PACKAGE_DIR: file lists, versions,
#       dependencies, hardened and stripped programs, and their debugging
#       symbols in the -dbgsym packages
# The headless package, its programs and the fuzzers need no Qt GUI or Widgets library.
set -euo pipefail

mode=${1:-}
target=${2:-}
source_dir=${3:-}
usage() {
    echo "usage: $0 --stage BUILD_DIR SOURCE_DIR | --deb PACKAGE_DIR SOURCE_DIR" >&2
    exit 2
}
if [ -z "$mode" ] || [ -z "$target" ] || [ -z "$source_dir" ]; then
    usage
fi

app_id=org.kvr210c.kvr210c
# Component name, package name and the package's files.
cli_files=(
    usr/bin/kvr210c-cli
    usr/bin/kvr210c-devicesim
    usr/share/man/man1/kvr210c-cli.1.gz
    usr/share/man/man1/kvr210c-devicesim.1.gz
    usr/share/doc/kvr210c-cli/copyright
    usr/share/doc/kvr210c-cli/changelog.gz
    usr/share/doc/kvr210c-cli/stations.md
    usr/share/doc/kvr210c-cli/library.md
    usr/share/lintian/overrides/kvr210c-cli
    usr/share/kvr210c/library/generic.kvrlib.json
)
if [ -f "$source_dir/tools/cli/kvr210c-cli.bash-completion" ]; then
    cli_files+=(usr/share/bash-completion/completions/kvr210c-cli)
fi
desktop_files=(
    usr/bin/kvr210c
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/mime/packages/kvr210c.xml
    usr/share/man/man1/kvr210c.1.gz
    usr/share/doc/kvr210c/copyright
    usr/share/doc/kvr210c/changelog.gz
    usr/share/doc/kvr210c/README.md
    usr/share/doc/kvr210c/docs/editor.md
    usr/share/doc/kvr210c/docs/developers.md
    usr/share/doc/kvr210c/docs/stations.md
    usr/share/doc/kvr210c/docs/library.md
)
for size in 16 32 48 64 128 256; do
    desktop_files+=("usr/share/icons/hicolor/${size}x${size}/apps/kvr210c.png")
done
# Every screenshot of the guides, beside them as in the source.
for picture in "$source_dir"/docs/screenshots/*.png; do
    desktop_files+=("usr/share/doc/kvr210c/docs/screenshots/${picture##*/}")
done
declare -A package_of=([cli]=kvr210c-cli [desktop]=kvr210c)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# compare_list WHAT EXPECTED_NAME ACTUAL: every expected file is there and nothing else.
compare_list() {
    local what=$1 actual=$3
    local -n wanted=$2
    local f
    for f in "${wanted[@]}"; do
        grep -qxF "$f" <<<"$actual" || fail "$what lacks $f"
    done
    while IFS= read -r f; do
        [ -n "$f" ] || continue
        printf '%s\n' "${wanted[@]}" | grep -qxF "$f" || fail "$what has $f, which is not on its list"
    done <<<"$actual"
}

# check_links ROOT DOC_DIR: every relative link and picture of the guides under
# ROOT/DOC_DIR names a file installed under ROOT, seen from where the guide is
# installed (as a viewer resolves it, through the guide's own symbolic link).
check_links() {
    local root=$1 guide target
    while IFS= read -r guide; do
        while IFS= read -r target; do
            target=${target%%#*}
            case "$target" in
            "" | *://* | mailto:*) continue ;;
            /*) fail "${guide#"$root/"} links $target, an absolute path" ;;
            *) [ -f "$(dirname "$guide")/$target" ] || fail "${guide#"$root/"} links $target, which is not installed" ;;
            esac
        done < <(grep -o '\]([^)]*)' "$guide" | sed 's/^](\([^ )]*\).*/\1/')
    done < <(find "$root/$2" -name '*.md')
}

# The changelog's newest entry names the version: "kvr210c (1.0.1) unstable; ...".
changelog_version() {
    zcat "$1" | sed -n '1s/^kvr210c (\([^)]*\)).*/\1/p'
}

# Debian's changelog.gz is made with gzip -n: no file name, no time stamp.
check_gzip_header() {
    local header
    header=$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')
    [ "${header:0:4}" = 1f8b ] || { fail "$1 is not gzip-compressed"; return; }
    [ $((0x${header:6:2} & 0x08)) -eq 0 ] || fail "$1 carries a file name (gzip without -n)"
    [ "${header:8:8}" = 00000000 ] || fail "$1 carries a time stamp (gzip without -n)"
}

case "$mode" in
--deb)
    version=""
    for component in cli desktop; do
        package=${package_of[$component]}
        deb=$(ls -t "$target/${package}"_*.deb 2>/dev/null | head -n 1 || true)
        if [ -z "$deb" ]; then
            fail "no ${package}_*.deb in $target"
            continue
        fi
        [ "$(dpkg-deb --field "$deb" Package)" = "$package" ] || fail "$deb is not the package $package"
        # A symbolic link is listed as "path -> target".
        listing=$(dpkg-deb --contents "$deb" | awk '{print ($(NF - 1) == "->") ? $(NF - 2) : $NF}' \
            | sed 's|^\./||' | grep -v '/$')
        compare_list "package $package" "${component}_files" "$listing"
        this_version=$(dpkg-deb --field "$deb" Version)
        [ -z "$version" ] || [ "$this_version" = "$version" ] || fail "$package is version $this_version, not $version"
        version=$this_version
        changelog=$(mktemp)
        dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "./usr/share/doc/$package/changelog.gz" >"$changelog" || true
        [ "$(changelog_version "$changelog" || true)" = "$this_version" ] \
            || fail "$package $this_version: its changelog's newest entry is not this version"
        rm -f "$changelog"
        # Programs built hardened and shipped stripped; their symbols, by build
        # id, in the package's -dbgsym companion of the same version.
        # Fortification is left to lintian, whose overrides name the programs
        # with no call that could be fortified; no program in Debian 12 is
        # marked for control flow protection (its C start files are not).
        dbgsym=$(ls -t "$target/${package}-dbgsym_${this_version}_"*.*deb 2>/dev/null | head -n 1 || true)
        [ -n "$dbgsym" ] || fail "no ${package}-dbgsym_${this_version}_*.ddeb in $target"
        unpacked=$(mktemp -d)
        dpkg-deb --extract "$deb" "$unpacked"
        symbols=""
        [ -z "$dbgsym" ] || symbols=$(dpkg-deb --contents "$dbgsym" | awk '{print $NF}' | sed 's|^\./||')
        for program in "$unpacked"/usr/bin/*; do
            name=${program#"$unpacked/"}
            file -b "$program" | grep -q 'ELF.*, stripped' || fail "$package: $name is not stripped"
            hardening-check --quiet --nocfprotection --nofortify "$program" >&2 \
                || fail "$package: $name is not built hardened (hardening-check, from devscripts)"
            build_id=$(readelf -n "$program" | sed -n 's/^ *Build ID: *//p')
            if [ -z "$build_id" ]; then
                fail "$package: $name has no build id"
            elif [ -n "$dbgsym" ]; then
                grep -qxF "usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" <<<"$symbols" \
                    || fail "$package: the symbols of $name (build id $build_id) are not in $dbgsym"
            fi
        done
        rm -rf "$unpacked"
        depends=$(dpkg-deb --field "$deb" Depends)
        grep -q 'libqt6serialport6' <<<"$depends" || fail "$package does not depend on the Qt 6 serial port library: $depends"
        case "$component" in
        desktop)
            grep -q 'libqt6widgets6' <<<"$depends" || fail "$package does not depend on the Qt 6 widgets library: $depends"
            grep -qF "kvr210c-cli (= $this_version)" <<<"$depends" \
                || fail "$package does not depend on kvr210c-cli of its own version: $depends"
            dpkg-deb --field "$deb" Recommends | grep -q 'qt6-translations-l10n' \
                || fail "$package does not recommend Qt's own translations for its standard buttons"
            ;;
        cli)
            if grep -qE '(^|[ ,])kvr210c( |,|$)' <<<"$depends"; then
                fail "$package depends on the editor's package: $depends"
            fi
            if grep -qE 'libqt6(widgets|gui)6' <<<"$depends"; then
                fail "$package needs Qt's GUI libraries, so it is not headless: $depends"
            fi
            grep -q 'libqt6sql6-sqlite' <<<"$depends" \
                || fail "$package does not depend on Qt's SQLite driver for its records: $depends"
            dpkg-deb --field "$deb" Recommends | grep -q 'libqt6sql6-psql' \
                || fail "$package does not recommend Qt's PostgreSQL driver for records on a server"
            ;;
        esac
    done
    ;;
--stage)
    stage=$(mktemp -d)
    trap 'rm -rf "$stage"' EXIT
    for component in cli desktop; do
        DESTDIR="$stage/$component" cmake --install "$target" --prefix /usr --component "$component" >/dev/null
        listing=$(cd "$stage/$component" && find . ! -type d | sed 's|^\./||' | sort)
        compare_list "component $component" "${component}_files" "$listing"
    done
    # Both packages on one machine, as the editor's dependency installs them: the
    # README and the guides it reaches link only to what is installed.
    for component in cli desktop; do
        DESTDIR="$stage/both" cmake --install "$target" --prefix /usr --component "$component" >/dev/null
    done
    check_links "$stage/both" usr/share/doc/kvr210c
    # A rule without a component would be in neither package.
    DESTDIR="$stage/unspecified" cmake --install "$target" --prefix /usr --component Unspecified >/dev/null
    if [ -d "$stage/unspecified" ] && [ -n "$(find "$stage/unspecified" ! -type d)" ]; then
        fail "installed outside both packages: $(cd "$stage/unspecified" && find . ! -type d | tr '\n' ' ')"
    fi

    # The command line and the simulator run where there is no desktop, and so
    # do the fuzzers: none of them may load Qt's GUI or widgets.
    for program in "$stage"/cli/usr/bin/* "$target"/fuzz/fuzz_*; do
        [ -x "$program" ] && [ -f "$program" ] || continue
        if ldd "$program" | grep -E 'libQt6(Widgets|Gui)\.so'; then
            fail "$program loads Qt's GUI libraries"
        fi
    done

    desktop="$stage/desktop"
    for size in 16 32 48 64 128 256; do
        icon="$desktop/usr/share/icons/hicolor/${size}x${size}/apps/kvr210c.png"
        [ -e "$icon" ] || continue
        file -b "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $icon is not $size x $size"
    done
    entry="$desktop/usr/share/applications/$app_id.desktop"
    desktop-file-validate "$entry" || fail "desktop entry"
    appstreamcli validate --no-net "$desktop/usr/share/metainfo/$app_id.metainfo.xml" || fail "AppStream description"
    # The entry opens the file type that the MIME package declares.
    type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$desktop/usr/share/mime/packages/kvr210c.xml")
    grep -q "^MimeType=.*$type;" "$entry" || fail "entry does not open $type"
    if command -v groff >/dev/null; then
        for page in "$stage"/*/usr/share/man/man1/*.1.gz; do
            warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1) || fail "man page $page"
            [ -z "$warnings" ] || fail "man page $page: $warnings"
        done
    fi
    # No display: neither the help nor the version may need one.
    for option in --help --version; do
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$desktop/usr/bin/kvr210c" "$option" >/dev/null \
            || fail "installed kvr210c $option"
    done
    version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$desktop/usr/bin/kvr210c" --version \
        | sed -n 's/^kvr210c //p')
    for component in cli desktop; do
        doc="$stage/$component/usr/share/doc/${package_of[$component]}"
        [ -f "$doc/copyright" ] || continue
        head -n 1 "$doc/copyright" \
            | grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
            || fail "$doc/copyright is not in the machine-readable format"
        # Every License: field names a licence whose text is given in a paragraph of its own.
        while IFS= read -r licence; do
            awk -v l="$licence" 'BEGIN { RS = ""; FS = "\n" } $1 == "License: " l && NF > 1 { found = 1 } END { exit !found }' \
                "$doc/copyright" || fail "$doc/copyright: no text for the licence $licence"
        done < <(sed -n 's/^License: //p' "$doc/copyright" | sort -u)
        check_gzip_header "$doc/changelog.gz"
        [ "$(changelog_version "$doc/changelog.gz")" = "$version" ] \
            || fail "$doc/changelog.gz: the newest entry is not version $version"
    done
    # On a display, the window's class is the one the entry names, so that the
    # desktop groups the window with its launcher.
    wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
    [ -n "$wm_class" ] || fail "entry names no StartupWMClass"
    if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
        mkdir -p "$stage/home"
        # Two xvfb-run -a started at the same moment (by tests run side by side) can
        # race for one display number, and one of them fails: a second try settles it.
        classes=""
        for attempt in 1 2 3; do
            # shellcheck disable=SC2016
            classes=$(env HOME="$stage/home" XDG_CONFIG_HOME="$stage/home/.config" QT_QPA_PLATFORM=xcb \
                timeout 120 xvfb-run -a sh -c '
                    "$1" & pid=$!
                    i=0
                    while [ $i -lt 300 ]; do
                        found=$(xwininfo -root -children | grep "\"KVR210C" || true)
                        if [ -n "$found" ]; then
                            echo "$found"
                            break
                        fi
                        i=$((i + 1))
                        sleep 0.1
                    done
                    kill $pid' sh "$desktop/usr/bin/kvr210c" 2>/dev/null || true)
            [ -n "$classes" ] && break
            sleep "$attempt"
        done
        if [ -z "$classes" ]; then
            fail "the installed editor showed no window under Xvfb"
        else
            # xwininfo prints ("instance" "class"); the desktop matches the class.
            grep -qF "\"$wm_class\")" <<<"$classes" \
                || fail "the editor's window class is not StartupWMClass=$wm_class: $classes"
        fi
    fi
    ;;
*)
    usage
    ;;
esac

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install checks passed ($mode, $((${#cli_files[@]} + ${#desktop_files[@]})) files)"
