#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Prints the start-up, Auto and job file figures of a build (make bench). These are
# measurements, not tests: nothing here passes or fails on a time.
#
# usage: bench/run-benchmarks.sh BUILD_DIR [START_UP_RUNS] [AUTO_REPEATS]
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 3 ]; then
    echo "usage: $0 BUILD_DIR [START_UP_RUNS] [AUTO_REPEATS]" >&2
    exit 2
fi
build_dir=$(cd "$1" && pwd)
start_up_runs=${2:-20}
auto_repeats=${3:-1001}

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
echo "Machine: $(nproc) cores, $(uname -m), build $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build_dir/CMakeCache.txt")"
echo
"$build_dir/bench/bench_startup" "$build_dir/railpin" "$start_up_runs"
echo
"$build_dir/bench/bench_auto" "$auto_repeats"
echo
"$build_dir/bench/bench_job_file"
echo
"$build_dir/bench/bench_job_sheet"
echo
"$build_dir/bench/bench_job_window" "$start_up_runs"
