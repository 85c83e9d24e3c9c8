#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Runs clang-tidy over every C++ source of the tree that the given build
# compiles, two files at a time; any finding fails (WarningsAsErrors in
# .clang-tidy). The fuzz targets build only with clang in their own folder
# and are checked there when that build exists.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build}
status=0
# The headers to check: the product's folders as the build lists them.
header_filter() { cat "$1/clang-tidy-header-filter.txt"; }

git ls-files '*.cpp' | grep -v '^fuzz/' |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$build_dir" --header-filter="$(header_filter "$build_dir")" --quiet 2> >(grep -v -E 'warnings generated|^Suppressed|header-filter|non-user code' >&2) ||
    status=1

if [ -f build-fuzz/compile_commands.json ]; then
    git ls-files 'fuzz/*.cpp' | xargs -r clang-tidy -p build-fuzz --header-filter="$(header_filter build-fuzz)" --quiet 2> >(grep -v -E 'warnings generated|^Suppressed|header-filter|non-user code' >&2) ||
        status=1
fi
exit $status
