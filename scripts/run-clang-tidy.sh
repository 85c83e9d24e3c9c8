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

# clang-tidy reads the build's commands with clang, which does not know
# GCC's flag that keeps each function's rare blocks in place: it reads a
# copy without it.
tidy_commands=$(mktemp -d)
trap 'rm -rf "$tidy_commands"' EXIT
sed 's/ -fno-reorder-blocks-and-partition//g' "$build_dir/compile_commands.json" >"$tidy_commands/compile_commands.json"

git ls-files '*.cpp' | grep -v '^fuzz/' |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$tidy_commands" --header-filter="$(header_filter "$build_dir")" --quiet 2> >(grep -v -E 'warnings generated|^Suppressed|header-filter|non-user code' >&2) ||
    status=1

if [ -f build-fuzz/compile_commands.json ]; then
    git ls-files 'fuzz/*.cpp' | xargs -r clang-tidy -p build-fuzz --header-filter="$(header_filter build-fuzz)" --quiet 2> >(grep -v -E 'warnings generated|^Suppressed|header-filter|non-user code' >&2) ||
        status=1
fi
exit $status
