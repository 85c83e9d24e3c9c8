#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Installs the Debian packages that one kind of work on Railpin Calculator
# needs, chosen by the first argument (default: dev, everything):
#   run   build the program and run it
#   test  run, and everything the test suite needs
#   dev   test, and fuzzing, the style gates and the packaging checks of CI
# Safe to run again: it installs only what is missing.
set -euo pipefail

set=${1:-dev}

run=(
    # compiler, build system and Qt
    cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools
    # libcups, to ask the print server with a time limit; libxcb, to look for a display
    libcups2-dev libxcb1-dev
    # translations: lupdate and lrelease with their CMake functions, and Qt's own texts
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # fonts the windows and sheets are drawn with
    fonts-dejavu-core fonts-liberation2
)

test=(
    "${run[@]}"
    # a display for tests without one
    xvfb xauth
    # printing through a private CUPS server, and reading the PDFs back
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    # reading the exported DXF drawings back
    python3-ezdxf
    # a spreadsheet reader (ssconvert) for the exported CSV
    gnumeric
    # the sources of the es_ES and fr_FR locales that the CSV test generates
    # for its run with localedef (libc-bin)
    locales
)

dev=(
    "${test[@]}"
    # fuzzing and the sanitizer build
    clang libclang-rt-dev
    # code style gates
    clang-format clang-tidy
    # packaging checks
    desktop-file-utils appstream dpkg-dev file
)

case $set in
run) packages=("${run[@]}") ;;
test) packages=("${test[@]}") ;;
dev) packages=("${dev[@]}") ;;
*)
    echo "usage: $0 [run|test|dev]" >&2
    exit 2
    ;;
esac

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
# A fresh desktop often runs its updates at boot: wait up to ten minutes for
# the package manager's lock rather than fail on it.
wait_for_lock=(-o DPkg::Lock::Timeout=600)
"${sudo[@]}" apt-get "${wait_for_lock[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${wait_for_lock[@]}" install -y -qq "${missing[@]}"
