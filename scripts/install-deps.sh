#!/usr/bin/env bash
# Installs the Debian packages Quarrytide needs to build, test and package. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config git clang-format clang-tidy clang-14 libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-webengine-dev qt6-webengine-dev-tools libqt6svg6-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgl1-mesa-dev libxkbcommon-dev
    libbenchmark-dev wamerican libc-ares-dev libpsl-dev publicsuffix zlib1g-dev libxxhash-dev qtkeychain-qt6-dev libsqlite3-dev
    xvfb xauth imagemagick
    desktop-file-utils appstream dpkg-dev file whois
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
