#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Runs every libFuzzer target of a fuzz build (make fuzz) for SECONDS each.
# Each starts from its seeds in fuzz/corpus/<target>/, copied to a scratch
# folder so that the committed seeds stay small. A crash, a violated
# property, a timeout or running out of memory fails the run; the input that
# did it is kept in BUILD_DIR/fuzz-artifacts/ and the log in BUILD_DIR/fuzz-logs/.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [SECONDS]" >&2
    exit 2
fi
build_dir=$(cd "$1" && pwd)
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

mapfile -t targets < <(find "$build_dir/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' -printf '%f\n' | sort)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets in $build_dir/fuzz: run make fuzz first" >&2
    exit 2
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build_dir/fuzz-artifacts" "$build_dir/fuzz-logs"

failed=()
for target in "${targets[@]}"; do
    corpus="$scratch/$target"
    mkdir -p "$corpus"
    if [ -d "$root/fuzz/corpus/$target" ]; then
        cp "$root/fuzz/corpus/$target/"* "$corpus/"
    fi
    log="$build_dir/fuzz-logs/$target.log"
    echo "$target: ${seconds}s"
    if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build_dir/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$target-" > "$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
        coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
        echo "  ok: ${runs:-?} runs, ${speed:-?}/s, ${coverage:-cov: ?}, corpus $(find "$corpus" -type f | wc -l) inputs"
    else
        failed+=("$target")
        echo "  FAILED; the end of $log:"
        tail -n 40 "$log" | sed 's/^/    /'
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found problems in: ${failed[*]}" >&2
    exit 1
fi
echo "all ${#targets[@]} fuzz targets ran ${seconds}s each without a finding"
