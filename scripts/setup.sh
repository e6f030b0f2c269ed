#!/usr/bin/env bash
# Installs what building, running and testing the program need, from Debian's packages.
# Only packages that are missing are installed; run as root (or with sudo) on Debian 12.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins
    libqt6svg6 libqt6multimedia6 libqt6printsupport6
    fonts-liberation2
    xvfb xauth xdotool x11-utils time
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
