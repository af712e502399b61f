#!/usr/bin/env bash
# Sets up a Debian/Ubuntu machine for the editor, builds it, and then
#   run       starts the editor
#   test      runs every test headless, then builds and checks the packages
#   sanitize  builds and runs the tests with AddressSanitizer and UBSan
#   package   builds the Debian packages build/kvr210c-cli_<version>_<arch>.deb
#             (command line and simulator) and build/kvr210c_<version>_<arch>.deb (editor),
#             with their -dbgsym_<version>_<arch>.ddeb; it needs the maintainer:
#             cmake -B build -DCPACK_PACKAGE_CONTACT="Name <address>"
#   fuzz [SECONDS]  also builds the fuzzing harnesses with clang in build-fuzz/
#             and runs each for SECONDS (default 60)
#   build     only builds
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
          libgl-dev fonts-dejavu-core xvfb xauth)
# The window's catalogues: lupdate and lrelease with their CMake functions, and
# Qt's own translations of its standard buttons and dialogs.
packages+=(qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# The companion's records in a database: Qt's SQLite and PostgreSQL drivers,
# and a PostgreSQL server that the tests start in a folder of their own.
packages+=(libqt6sql6-sqlite libqt6sql6-psql postgresql)
# Checking the install and building the packages: validators of the desktop
# entry and the AppStream file, the manual page formatter, dpkg-shlibdeps, and
# xwininfo for the editor's window class under Xvfb.
packages+=(desktop-file-utils appstream groff-base dpkg-dev file x11-utils)
# Debian's package checker and hardening-check.
packages+=(lintian devscripts)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="$root/build"
extra=()
# The tests, the picture check and warnings as errors; a plain build keeps
# what the build folder was configured with.
checked=(-DBUILD_TESTING=ON -DKVR_IMAGEGEN=ON -DKVR_WERROR=ON)
case "$mode" in
test) extra=("${checked[@]}") ;;
sanitize)
    build_dir="$root/build-sanitize"
    extra=("${checked[@]}" -DKVR_SANITIZE=ON)
    ;;
esac

cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
cmake --build "$build_dir" -j"$(nproc)"

# Builds the two Debian packages with CPack, checks their file lists and has
# lintian check them. "package test" makes test packages when no maintainer is
# set; otherwise cpack refuses.
package() {
    local cpack_args=(-G DEB)
    [ "${1:-}" != test ] || cpack_args+=(-D KVR_TEST_PACKAGES=ON)
    (cd "$build_dir" && cpack "${cpack_args[@]}" >/dev/null)
    "$root/scripts/check-install.sh" --deb "$build_dir" "$root"
    local debs=() name report
    for name in kvr210c-cli kvr210c; do
        debs+=("$(ls -t "$build_dir/${name}"_*.deb | head -n 1)")
    done
    for name in kvr210c-cli kvr210c; do
        debs+=("$(ls -t "$build_dir/${name}"-dbgsym_*.ddeb | head -n 1)")
    done
    # Errors, warnings and hardening tags fail; a tag kept on purpose is
    # overridden, with its reason, in the package's lintian overrides (data/lintian/).
    report=$(lintian --pedantic -I -E --fail-on none "${debs[@]}")
    [ -z "$report" ] || echo "$report"
    if grep -qE '^([EW]: |[A-Z]: [^ ]+: hardening-)' <<<"$report"; then
        echo "lintian: errors, warnings or hardening tags in the packages" >&2
        return 1
    fi
    for name in "${debs[@]:0:2}"; do
        echo "Package: $name"
    done
}

# The harnesses of fuzz/, built with clang, libFuzzer and the sanitizers, each
# run for $1 seconds from a work copy of its seeds in build-fuzz/corpus/ (the
# repository's corpus never grows). A crash, a broken invariant, a hang or a slow
# unit is a finding: the input stays in build-fuzz/findings/<harness>/ and the
# result is 1. Every input is at most a few MiB and must be read in well under
# $slow seconds; libFuzzer only reports a slow unit, so it is looked for here.
fuzz() {
    local seconds=$1 dir="$root/build-fuzz" failed=0 slow=2 timeout=10
    local tools=(clang libclang-rt-14-dev) need=()
    for p in "${tools[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
    done
    if [ ${#need[@]} -gt 0 ]; then
        echo "Installing: ${need[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
    fi
    local harnesses=(configfile configjson recordstream programclip stationfile commandlibrary)
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKVR_FUZZ=ON \
        -DKVR_WERROR=ON
    cmake --build "$dir" -j"$(nproc)" --target "${harnesses[@]/#/fuzz_}"
    for name in "${harnesses[@]}"; do
        local work="$dir/corpus/$name" findings="$dir/findings/$name" log="$dir/fuzz_$name.log"
        mkdir -p "$work" "$findings"
        cp "$root/fuzz/corpus/$name/"* "$work/"
        echo "fuzz_$name: ${seconds}s, log in $log"
        if "$dir/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout="$timeout" -report_slow_units="$slow" \
            -print_final_stats=1 -dict="$root/fuzz/$name.dict" -artifact_prefix="$findings/" "$work" >"$log" 2>&1 \
            && ! grep -q '^Slowest unit' "$log"; then
            grep -E '^(#[0-9]+.*cov:|stat::number_of_executed_units)' "$log" | tail -n 2
        else
            grep -E 'invariant broken|ERROR: |SUMMARY: |ALARM: |Slowest unit|Test unit written to|slow-unit-' "$log" \
                || tail -n 20 "$log"
            echo "fuzz_$name: FINDING; the input is in $findings/" >&2
            failed=1
        fi
    done
    return $failed
}

case "$mode" in
run)
    exec "$build_dir/src/app/kvr210c"
    ;;
test)
    (cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    package test
    ;;
sanitize)
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
package)
    package
    ;;
build) ;;
fuzz)
    fuzz "${2:-60}"
    ;;
*)
    echo "usage: $0 [run|test|sanitize|package|build|fuzz [SECONDS]]" >&2
    exit 2
    ;;
esac
