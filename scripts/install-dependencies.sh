#!/usr/bin/env bash
# Installs the Debian packages Daubwerk needs, when any is missing (as root, or through sudo).
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    libgtest-dev libbenchmark-dev clang-format
    # Whole-painting work on every core; the benchmarks' anchor picture.
    libtbb-dev libpng-dev
    # The benchmarks' dab anchor: a reference brush library.
    libmypaint-dev
    # The sanitizer build and the fuzz targets: clang with its sanitizer and fuzzer runtimes.
    clang libclang-rt-14-dev
    # Pictures: the common kinds by their maintained decoders, the rest by DevIL behind a fence.
    libdevil-dev libpng-dev libjpeg-dev libtiff-dev libwebp-dev libgif-dev libstb-dev
    # OpenRaster archives.
    libzip-dev
    qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev fonts-dejavu-core
    # The GUI's end-to-end tests: a virtual display, a small window manager, a hand on the mouse.
    xvfb xauth openbox wmctrl xdotool x11-utils imagemagick
    # The desktop services' tests: printed pages to pictures, the desktop's file-type tools.
    poppler-utils desktop-file-utils xdg-utils shared-mime-info
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "Need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
