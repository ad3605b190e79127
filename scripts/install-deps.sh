#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    libssl-dev nlohmann-json3-dev
    qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    dpkg-dev file
    libpoppler-cpp-dev poppler-utils libxlsxwriter-dev
    python3-xlrd unzip
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
