#!/usr/bin/env bash
# "current": the shipped catalogues are up to date with the code: running
# lupdate on a copy of each would not change it (a new, changed or removed
# text fails here until the catalogue follows). "complete": also no entry is
# unfinished, vanished or obsolete. "update" runs lupdate on the catalogues
# themselves, as the build's update_translations target does.
set -euo pipefail
lupdate=${1:?usage: check-translations.sh LUPDATE SOURCE_DIR [current|complete|update]}
root=${2:?usage: check-translations.sh LUPDATE SOURCE_DIR [current|complete|update]}
mode=${3:-complete}

# The same files as qt_add_translations in src/editor/CMakeLists.txt.
mapfile -t sources < <(cd "$root" && ls src/engine/*.h src/engine/*.cpp \
    src/editor/*.h src/editor/*.cpp src/editor/forms/*.ui src/app/*.h src/app/*.cpp | sort)
update() { (cd "$root" && "$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -ts "$1" 2>/dev/null); }

status=0
for ts in "$root"/translations/kvr210c_*.ts; do
    name=$(basename "$ts")
    if [ "$mode" = update ]; then
        update "$ts"
        continue
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp "$ts" "$work/$name"
    update "$work/$name" >/dev/null
    if ! diff -u "$ts" "$work/$name" >"$work/diff"; then
        echo "$name is out of date with the code; run scripts/check-translations.sh $lupdate $root update and translate the new texts:" >&2
        head -n 40 "$work/diff" >&2
        status=1
    fi
    left=0
    [ "$mode" != complete ] || left=$(grep -cE 'type="(unfinished|vanished|obsolete)"' "$ts" || true)
    if [ "$left" -ne 0 ]; then
        echo "$name has $left entries unfinished or left over, first:" >&2
        grep -nE -B2 'type="(unfinished|vanished|obsolete)"' "$ts" | head -n 12 >&2
        status=1
    fi
    rm -rf "$work"
    trap - EXIT
done
[ "$mode" = update ] || [ $status -ne 0 ] || echo "catalogues: $mode"
exit $status
