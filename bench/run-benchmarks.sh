#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Prints the start-up, Auto, job file, drawing export and PDF figures of a build (make bench). These are
# measurements, not tests: nothing here passes or fails on a time.
#
# Start-up is measured offscreen and under a private Xvfb. Where the start-up
# yardstick sits next to the repository (../shared/perf), its floor programs
# are built in this run and start-up is also given as ratios to them:
# instructions to the first frame (callgrind, stable run to run), first frame
# and peak memory. Elsewhere only the absolute figures are printed.
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
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        "$build_dir/bench/bench_startup" "$build_dir/railpin" "$start_up_runs" xcb
else
    echo "Start-up under a virtual X display skipped: xvfb-run is not installed"
fi
echo

perf_dir="$(cd "$(dirname "$0")/.." && pwd)/../shared/perf"
if [ -x "$perf_dir/startup.py" ] && [ -x "$perf_dir/build.sh" ] && command -v valgrind >/dev/null; then
    export PERF_BUILD="$build_dir/perf-floor"
    echo "Start-up against the floor programs of ../shared/perf (built now in $PERF_BUILD)"
    "$perf_dir/build.sh" >/dev/null
    for platform in offscreen xcb; do
        echo
        echo "== $platform: instructions to the first frame vs floor-fonts (goal <= 1.05x)"
        "$perf_dir/startup.py" "$build_dir/railpin" --vs "$PERF_BUILD/floor/floor-fonts" --instructions \
            --platform "$platform" | grep -E "instructions to first frame|^ratio instructions A/B"
        echo "== $platform: first frame and peak memory vs floor, $start_up_runs interleaved pairs" \
            "(goals: memory <= 1.06x; first frame under xcb <= 1.12x)"
        "$perf_dir/startup.py" "$build_dir/railpin" --vs "$PERF_BUILD/floor/floor" --runs "$start_up_runs" \
            --platform "$platform" | tail -n 1
    done
else
    echo "Start-up ratios to the floor skipped: ../shared/perf (or valgrind) is absent; the absolute figures above stand alone"
fi
echo
if command -v valgrind >/dev/null; then
    # One section's marks on standard output, no window, no display, against a
    # bare Qt Core program that prints the same text read from a file.
    instructions() {
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
            sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
    }
    marks=(--marks --length 36 --width "1 3/8" --max-gap 4)
    marks_text=$(mktemp)
    "$build_dir/railpin" "${marks[@]}" >"$marks_text"
    marks_instructions=$(instructions "$build_dir/railpin" "${marks[@]}")
    print_instructions=$(instructions "$build_dir/bench/bench_print_text" "$marks_text")
    rm -f "$marks_text"
    echo "railpin --marks for one section: ${marks_instructions:-?} instructions," \
        "bench_print_text ${print_instructions:-?}:" \
        "$(awk -v a="${marks_instructions:-0}" -v b="${print_instructions:-0}" \
            'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "?" }') (goal <= 1.5x)"
else
    echo "railpin --marks instructions skipped: valgrind is not installed"
fi
echo
"$build_dir/bench/bench_auto" "$auto_repeats"
echo
"$build_dir/bench/bench_job_file"
echo
"$build_dir/bench/bench_job_sheet"
echo
"$build_dir/bench/bench_drawing_files" "$build_dir/railpin" "$build_dir/bench/bench_write_bytes"
for format in dxf svg; do
    "$build_dir/bench/bench_drawing_export" "$format"
done
echo
"$build_dir/bench/bench_job_window" "$start_up_runs"
echo
if command -v valgrind >/dev/null; then
    "$build_dir/bench/bench_long_sections"
else
    echo "The job window with long sections skipped: valgrind is not installed"
fi
echo
if command -v valgrind >/dev/null; then
    # The PDFs of the command line against bench_pdf_writer, a minimal
    # QPdfWriter program drawing the same pages (bench_pdf_record writes them
    # down from the command line's own sheet), and --pdf's cost per railpin.
    # Qt's hash seed is fixed for these runs alone: the order of a few hash
    # tables otherwise moves each figure by up to 1 %.
    pdf_folder=$(mktemp -d)
    ratio() {
        awk -v a="${1:-0}" -v b="${2:-0}" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "?" }'
    }
    "$build_dir/bench/bench_pdf_record" --twenty-sections "$pdf_folder/twenty.railpin"
    for output in pdf template; do
        sheet=(--"$output" "$pdf_folder/railpin.pdf" --paper letter "$pdf_folder/twenty.railpin")
        pages=$("$build_dir/bench/bench_pdf_record" "$pdf_folder/pages" "${sheet[@]}")
        ours=$(QT_HASH_SEED=0 instructions "$build_dir/railpin" "${sheet[@]}")
        floor=$(QT_HASH_SEED=0 instructions "$build_dir/bench/bench_pdf_writer" "$pdf_folder/pages" \
            "$pdf_folder/minimal.pdf")
        goal=$([ "$output" = pdf ] && echo 1.5 || echo 1.3)
        echo "railpin --$output, the 20-section job of bench_job_sheet ($pages pages):" \
            "$((${ours:-0} / 1000000)) M instructions," \
            "bench_pdf_writer $((${floor:-0} / 1000000)) M: $(ratio "$ours" "$floor") (goal <= ${goal}x)"
    done
    # One section of 2,000 railpins less one of 1,000 at the same gap.
    long=$(QT_HASH_SEED=0 instructions "$build_dir/railpin" --pdf "$pdf_folder/railpin.pdf" --length 9503.5 \
        --width 1.5 --max-gap 4 --count 2000)
    short=$(QT_HASH_SEED=0 instructions "$build_dir/railpin" --pdf "$pdf_folder/railpin.pdf" --length 4753.375 \
        --width 1.5 --max-gap 4 --count 1000)
    echo "railpin --pdf, instructions per added railpin (2,000 railpins less 1,000, / 1,000):" \
        "$(awk -v a="${long:-0}" -v b="${short:-0}" 'BEGIN { printf "%.3f M", (a - b) / 1e9 }') (goal <= 0.6 M)"
    rm -rf "$pdf_folder"
else
    echo "railpin --pdf and --template against bench_pdf_writer skipped: valgrind is not installed"
fi
