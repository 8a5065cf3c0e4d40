#!/usr/bin/env bash
# Installs the Debian 12 packages this project builds and tests with, and only
# the ones that are missing, so a warm machine does not touch the network.
# Runs as root (CI and the developer machines are root); uses sudo otherwise.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
    # Qt6UiTools' CMake package needs Qt6OpenGLWidgets, which qt6-tools-dev
    # only recommends; recommendations are not installed here.
    libqt6opengl6-dev
    libgl-dev libvulkan-dev libxkbcommon-dev
    fonts-dejavu-core
    libbenchmark-dev
    libicu-dev
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
