#!/usr/bin/env bash
# Checks what the install rules deliver.
#   check-install.sh --stage BUILD_DIR SOURCE_DIR   installs BUILD_DIR into a fresh
#       DESTDIR, checks every file, validates the desktop entry and the AppStream
#       description, and runs the installed editor without a display
#   check-install.sh --deb PACKAGE SOURCE_DIR       checks the package's file list
set -euo pipefail

mode=${1:-}
target=${2:-}
source_dir=${3:-}
if [ -z "$mode" ] || [ -z "$target" ] || [ -z "$source_dir" ]; then
    echo "usage: $0 --stage BUILD_DIR SOURCE_DIR | --deb PACKAGE SOURCE_DIR" >&2
    exit 2
fi

app_id=org.kvr210c.kvr210c
expected=(
    usr/bin/kvr210c
    usr/bin/kvr210c-cli
    usr/bin/kvr210c-devicesim
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/mime/packages/kvr210c.xml
    usr/share/man/man1/kvr210c.1.gz
    usr/share/man/man1/kvr210c-cli.1.gz
    usr/share/man/man1/kvr210c-devicesim.1.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/kvr210c.png")
done
if [ -f "$source_dir/tools/cli/kvr210c-cli.bash-completion" ]; then
    expected+=(usr/share/bash-completion/completions/kvr210c-cli)
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

case "$mode" in
--deb)
    listing=$(dpkg-deb --contents "$target" | awk '{print $NF}' | sed 's|^\./||')
    for f in "${expected[@]}"; do
        grep -qxF "$f" <<<"$listing" || fail "package lacks $f"
    done
    depends=$(dpkg-deb --field "$target" Depends)
    grep -q 'libqt6widgets6' <<<"$depends" || fail "package does not depend on the Qt 6 widgets library: $depends"
    grep -q 'libqt6serialport6' <<<"$depends" || fail "package does not depend on the Qt 6 serial port library: $depends"
    ;;
--stage)
    stage=$(mktemp -d)
    trap 'rm -rf "$stage"' EXIT
    DESTDIR="$stage" cmake --install "$target" --prefix /usr >/dev/null
    for f in "${expected[@]}"; do
        [ -e "$stage/$f" ] || fail "not installed: $f"
    done
    for size in 16 32 48 64 128 256; do
        icon="$stage/usr/share/icons/hicolor/${size}x${size}/apps/kvr210c.png"
        [ -e "$icon" ] || continue
        file -b "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $icon is not $size x $size"
    done
    desktop-file-validate "$stage/usr/share/applications/$app_id.desktop" || fail "desktop entry"
    appstreamcli validate --no-net "$stage/usr/share/metainfo/$app_id.metainfo.xml" || fail "AppStream description"
    # The entry opens the file type that the MIME package declares.
    type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$stage/usr/share/mime/packages/kvr210c.xml")
    grep -q "^MimeType=.*$type;" "$stage/usr/share/applications/$app_id.desktop" || fail "entry does not open $type"
    if command -v groff >/dev/null; then
        for page in "$stage"/usr/share/man/man1/*.1.gz; do
            warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1) || fail "man page $page"
            [ -z "$warnings" ] || fail "man page $page: $warnings"
        done
    fi
    # No display: neither the help nor the version may need one.
    for option in --help --version; do
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/usr/bin/kvr210c" "$option" >/dev/null \
            || fail "installed kvr210c $option"
    done
    ;;
*)
    echo "usage: $0 --stage BUILD_DIR SOURCE_DIR | --deb PACKAGE SOURCE_DIR" >&2
    exit 2
    ;;
esac

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install checks passed ($mode, ${#expected[@]} files)"
