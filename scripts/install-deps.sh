#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Railpin
# Calculator needs. Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    # build
    cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools
    # translations: lupdate and lrelease with their CMake functions, and Qt's own texts
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # fuzzing and the sanitizer build
    clang libclang-rt-dev
    # code style gates
    clang-format clang-tidy
    # a display for people and tests without one, and fonts to draw with
    xvfb xauth fonts-dejavu-core fonts-liberation2
    # printing through a real CUPS server, and reading the PDFs back
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    # packaging checks
    desktop-file-utils appstream dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
