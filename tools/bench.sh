#!/usr/bin/env bash
# Measures Fyn against its budgets with the largest sheet (127 publishers, 254 remarks) and
# prints a table of the median and the maximum of several runs:
#   - start to the main window shown, as a ratio to a bare Qt dialog with a 127-line list
#     started the same way in the same round (both under one Xvfb, timed by FYN_EXIT_WHEN_SHOWN);
#     beside it the CPU time the process used until then, which other load on the machine
#     disturbs less than the wall-clock time;
#   - peak resident memory of the program with that sheet, when its window is shown;
#   - loading and writing that sheet (tests/bench/BenchLoadWrite.cpp);
#   - fyn --pdf of that sheet, the whole process (skipped while the build has no --pdf);
#   - fyn --csv of that sheet, the whole process (skipped while the build has no --csv);
#   - drawing that sheet's printed list into a PDF in memory, and one repaint of the preview
#     (tests/bench/BenchPrint.cpp).
# Usage: tools/bench.sh [RUNS]   (default 11; the load and write figures take RUNS/2 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/virtual-display.sh
runs=${1:-11}

echo "== release build with the benchmarks (build/bench)" >&2
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" \
    --target fyn fyn-bench-bare-dialog fyn-bench-load-write fyn-bench-print fyn-make-largest \
    >/dev/null
bin=$PWD/build/bench

work=$(mktemp -d)
xvfb=
cleanup() {
    [[ -z $xvfb ]] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display "$work"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset QT_QPA_PLATFORM
"$bin/tools/sheetgen/fyn-make-largest" "$work/largest.t09"

# Prints "microseconds-to-shown peak-RSS-kB CPU-microseconds" of one start of a program.
start_to_shown() {
    local start line
    start=$(date +%s%6N)
    line=$(FYN_EXIT_WHEN_SHOWN=1 "$@" 2>/dev/null | grep '^shown ')
    read -r _ shown rss cpu _ <<<"$line"
    echo "$((shown - start)) $rss $cpu"
}
# median and maximum of the numbers on standard input, each divided by $1, with $2 decimals
spread() {
    sort -g | awk -v scale="$1" -v digits="$2" '
        { v[NR] = $1 / scale }
        END {
            m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.*f | %.*f", digits, m, digits, v[NR]
        }'
}

echo "== start-up, $runs rounds" >&2
start_to_shown "$bin/src/fyn" "$work/largest.t09" >/dev/null # caches warm for both
start_to_shown "$bin/tests/bench/fyn-bench-bare-dialog" >/dev/null
: >"$work/starts"
for _ in $(seq "$runs"); do
    read -r fyn rss cpu < <(start_to_shown "$bin/src/fyn" "$work/largest.t09")
    read -r bare bareRss bareCpu < <(start_to_shown "$bin/tests/bench/fyn-bench-bare-dialog")
    echo "$fyn $rss $bare $bareRss $(awk -v a="$fyn" -v b="$bare" 'BEGIN { print a / b }')" \
        "$cpu $bareCpu $(awk -v a="$cpu" -v b="$bareCpu" 'BEGIN { print a / b }')" \
        >>"$work/starts"
done

echo "== load and write, $(((runs + 1) / 2)) runs" >&2
: >"$work/load"
for _ in $(seq $(((runs + 1) / 2))); do
    "$bin/tests/bench/fyn-bench-load-write" 2000 >>"$work/load"
done

# One table row: the whole-process time of an export option of fyn on the largest sheet.
exportRow() {
    local option=$1 goal=$2
    local label="| \`fyn --$option\` of that sheet, whole process (ms) |"
    if ! "$bin/src/fyn" --help | grep -q -- "--$option"; then
        echo "$label skipped: this build has no --$option | | $goal |"
        return
    fi
    echo "== fyn --$option, $runs runs" >&2
    : >"$work/$option"
    for _ in $(seq "$runs"); do
        start=$(date +%s%6N)
        env -u DISPLAY "$bin/src/fyn" "--$option" "$work/largest.$option" "$work/largest.t09"
        echo "$(($(date +%s%6N) - start))" >>"$work/$option"
    done
    echo "$label $(spread 1000 0 <"$work/$option") | $goal |"
}
pdfRow=$(exportRow pdf "< 300")
csvRow=$(exportRow csv "< 100")

echo "== printed list and preview, $runs rounds" >&2
QT_QPA_PLATFORM=offscreen "$bin/tests/bench/fyn-bench-print" "$runs" >"$work/print" 2>/dev/null
# "median | max" of one line of the printing benchmark, in milliseconds
printed() { sed -n "s#^$1 *median *\\([0-9.]*\\) ms *slowest *\\([0-9.]*\\) ms\$#\\1 | \\2#p" "$work/print"; }

column() { awk -v n="$1" '{ print $n }' "$work/starts"; }
measured() { sed -n "s|^  $1 *\\([0-9.]*\\) us\$|\\1|p" "$work/load"; }
cat <<TABLE
Largest sheet: 127 publishers, 254 remarks; $runs runs on $(nproc) cores, $(date +%Y-%m-%d).

| figure | median | max | goal |
| --- | ---: | ---: | --- |
| start to main window shown, fyn ÷ bare Qt dialog (ratio) | $(column 5 | spread 1 2) | ≤ 1.1 |
| start to main window shown, fyn (ms) | $(column 1 | spread 1000 0) | |
| start to dialog shown, bare Qt dialog with 127 lines (ms) | $(column 3 | spread 1000 0) | |
| CPU time until shown, fyn ÷ bare Qt dialog (ratio) | $(column 8 | spread 1 2) | |
| CPU time until shown, fyn (ms) | $(column 6 | spread 1000 0) | |
| CPU time until shown, bare Qt dialog (ms) | $(column 7 | spread 1000 0) | |
| peak resident memory, fyn with the sheet (MB) | $(column 2 | spread 1024 1) | < 48 |
| peak resident memory, bare Qt dialog (MB) | $(column 4 | spread 1024 1) | |
| Load (µs) | $(measured 'Load' | spread 1 0) | < 1000 |
| Load + Write to /dev/shm (µs) | $(measured 'Load + Write, /dev/shm' | spread 1 0) | < 1000 each |
| Load + Write to disk, with fsync (µs) | $(measured 'Load + Write, disk (fsync)' | spread 1 0) | |
$pdfRow
$csvRow
| printed list of that sheet drawn into a PDF in memory (ms) | $(printed 'PDF of 127 publishers, in memory') | < 300 |
| one repaint of the preview (ms) | $(printed 'preview repaint on screen') | < 5 |
TABLE
