#!/usr/bin/env bash
# Sets up a Debian/Ubuntu machine for the editor, builds it, and then
#   run       starts the editor
#   test      runs every test headless, then builds and checks the package
#   sanitize  builds and runs the tests with AddressSanitizer and UBSan
#   package   builds the Debian package build/kvr210c_<version>_<arch>.deb
#   build     only builds
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
          libgl-dev fonts-dejavu-core xvfb xauth)
# Checking the install and building the package: validators of the desktop
# entry and the AppStream file, the manual page formatter, dpkg-shlibdeps.
packages+=(desktop-file-utils appstream groff-base dpkg-dev file)

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
if [ "$mode" = sanitize ]; then
    build_dir="$root/build-sanitize"
    extra=(-DKVR_SANITIZE=ON)
fi

cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
cmake --build "$build_dir" -j"$(nproc)"

# Builds the Debian package with CPack and checks its file list.
package() {
    (cd "$build_dir" && cpack -G DEB >/dev/null)
    deb=$(ls -t "$build_dir"/kvr210c_*.deb | head -n 1)
    "$root/scripts/check-install.sh" --deb "$deb" "$root"
    echo "Package: $deb"
}

case "$mode" in
run)
    exec "$build_dir/src/kvr210c"
    ;;
test)
    (cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    package
    ;;
sanitize)
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
package)
    package
    ;;
build) ;;
*)
    echo "usage: $0 [run|test|sanitize|package|build]" >&2
    exit 2
    ;;
esac
