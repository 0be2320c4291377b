#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Fennick
# needs. Packages that are already installed are skipped, so a second run
# does nothing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-image-formats-plugins
    libzip-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    # the install test validates the installed menu entry and metadata
    desktop-file-utils appstream
    # the face the program names for the text it draws itself
    fonts-liberation2
    # the map scan benchmark times `unzip -l` beside the scan
    unzip
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
