#!/usr/bin/env bash
# Installs the Debian packages that building, testing and screenshots need (with --packaging also
# those of the Debian package, with --fuzz clang and libFuzzer); quiet when all is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-charts-dev
    libqt6opengl6-dev  # Qt Charts' CMake package asks for Qt OpenGL
    libgl-dev libusb-1.0-0-dev
    umockdev libumockdev-dev
    xvfb xauth imagemagick
    desktop-file-utils appstream strace
)
for option in "$@"; do
    case "$option" in
        # The Debian package and its checks.
        --packaging) packages+=(dpkg-dev fakeroot file lintian) ;;
        # The fuzz targets: clang with the libFuzzer runtime.
        --fuzz) packages+=(clang libclang-rt-dev) ;;
        *) echo "usage: scripts/setup-deps.sh [--packaging] [--fuzz]" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
