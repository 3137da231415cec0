#!/usr/bin/env bash
# Measures Fyn against its budgets with the largest sheet (127 publishers, 254 remarks) and
# prints a table of the median and the maximum of several runs:
#   - the start as a user waits for it: from exec to the main window mapped, as a ratio to a bare
#     Qt dialog with a 127-line list and two buttons (tests/bench/BareDialog.cpp) started the
#     same way in the same round. Both run under one Xvfb without a window manager, and
#     tools/map-timer.py takes the time when the server reports the map, so that nothing polls
#     beside them. With it, the CPU time the process used until then (which other load on the
#     machine disturbs less than the wall-clock time) and the shared objects it had mapped;
#   - peak resident memory of the program with that sheet, when its window is mapped;
#   - loading and writing that sheet (tests/bench/BenchLoadWrite.cpp);
#   - fyn --pdf of that sheet, the whole process (skipped while the build has no --pdf);
#   - fyn --csv of that sheet, the whole process (skipped while the build has no --csv);
#   - fyn --year-pdf of that sheet, the whole process;
#   - drawing that sheet's printed list into a PDF in memory, and one repaint of the preview
#     (tests/bench/BenchPrint.cpp);
#   - the group's year window opened on that sheet, to its first paint on the virtual display
#     (tests/bench/BenchYear.cpp), the first time with the loading of its module.
# Usage: tools/bench.sh [RUNS]   (default 11; the load and write figures take RUNS/2 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/virtual-display.sh
runs=${1:-11}

echo "== release build with the benchmarks (build/bench)" >&2
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" \
    --target fyn fyn-bench-bare-dialog fyn-bench-load-write fyn-bench-print fyn-bench-year \
    fyn-make-largest \
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

# Prints "ms-to-mapped CPU-ms peak-RSS-kB shared-objects" of one start of a program. The pause
# first lets the X server and the kernel finish with the program before: a start right after
# Fyn has drawn its window and ended took tens of milliseconds longer.
start_to_mapped() {
    sleep 1
    /usr/bin/python3 tools/map-timer.py "$@" 2>/dev/null
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
load=$(cut -d' ' -f1 /proc/loadavg)
start_to_mapped "$bin/src/fyn" "$work/largest.t09" >/dev/null # caches warm for both
start_to_mapped "$bin/tests/bench/fyn-bench-bare-dialog" >/dev/null
: >"$work/starts"
for round in $(seq "$runs"); do
    # Each goes first in every other round, so that neither always follows the other.
    if ((round % 2)); then
        read -r fyn cpu rss objects < <(start_to_mapped "$bin/src/fyn" "$work/largest.t09")
    fi
    read -r bare bareCpu bareRss bareObjects < <(start_to_mapped \
        "$bin/tests/bench/fyn-bench-bare-dialog")
    if ((round % 2 == 0)); then
        read -r fyn cpu rss objects < <(start_to_mapped "$bin/src/fyn" "$work/largest.t09")
    fi
    echo "$fyn $rss $bare $bareRss $(awk -v a="$fyn" -v b="$bare" 'BEGIN { print a / b }')" \
        "$cpu $bareCpu $(awk -v a="$cpu" -v b="$bareCpu" 'BEGIN { print a / b }')" \
        "$objects $bareObjects" >>"$work/starts"
done
load="$load to $(cut -d' ' -f1 /proc/loadavg)"

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
yearPdfRow=$(exportRow year-pdf "< 300")

echo "== the group's year window, $runs rounds" >&2
FYN_MODULE_DIR=$(dirname "$(find "$bin/lib" -name year.so | head -n 1)") QT_QPA_PLATFORM=xcb \
    "$bin/tests/bench/fyn-bench-year" "$runs" >"$work/year" 2>/dev/null
firstYear=$(sed -n 's#^year window, first opening (module load) *\([0-9.]*\) ms$#\1#p' "$work/year")
yearOpened=$(sed -n "s#^year window, opening *median *\([0-9.]*\) ms *slowest *\([0-9.]*\) ms\$#\1 | \2#p" \
    "$work/year")

echo "== printed list and preview, $runs rounds" >&2
QT_QPA_PLATFORM=offscreen "$bin/tests/bench/fyn-bench-print" "$runs" >"$work/print" 2>/dev/null
# "median | max" of one line of the printing benchmark, in milliseconds
printed() { sed -n "s#^$1 *median *\\([0-9.]*\\) ms *slowest *\\([0-9.]*\\) ms\$#\\1 | \\2#p" "$work/print"; }

column() { awk -v n="$1" '{ print $n }' "$work/starts"; }
measured() { sed -n "s|^  $1 *\\([0-9.]*\\) us\$|\\1|p" "$work/load"; }
cat <<TABLE
Largest sheet: 127 publishers, 254 remarks; $runs runs on $(nproc) cores, $(date +%Y-%m-%d);
load average (1 min) $load during the start-up rounds.

| figure | median | max | goal |
| --- | ---: | ---: | --- |
| exec to main window mapped, fyn ÷ bare Qt dialog (ratio) | $(column 5 | spread 1 2) | ≤ 1.1 |
| exec to main window mapped, fyn (ms) | $(column 1 | spread 1 0) | |
| exec to dialog mapped, bare Qt dialog with 127 lines and two buttons (ms) | $(column 3 | spread 1 0) | |
| CPU time until mapped, fyn ÷ bare Qt dialog (ratio) | $(column 8 | spread 1 2) | |
| CPU time until mapped, fyn (ms) | $(column 6 | spread 1 0) | |
| CPU time until mapped, bare Qt dialog (ms) | $(column 7 | spread 1 0) | |
| shared objects mapped by then, fyn | $(column 9 | spread 1 0) | |
| shared objects mapped by then, bare Qt dialog | $(column 10 | spread 1 0) | |
| peak resident memory, fyn with the sheet (MB) | $(column 2 | spread 1024 1) | < 48 |
| peak resident memory, bare Qt dialog (MB) | $(column 4 | spread 1024 1) | |
| Load (µs) | $(measured 'Load' | spread 1 0) | < 1000 |
| Load + Write to /dev/shm (µs) | $(measured 'Load + Write, /dev/shm' | spread 1 0) | < 1000 each |
| Load + Write to disk, with fsync (µs) | $(measured 'Load + Write, disk (fsync)' | spread 1 0) | |
$pdfRow
$csvRow
$yearPdfRow
| printed list of that sheet drawn into a PDF in memory (ms) | $(printed 'PDF of 127 publishers, in memory') | < 300 |
| one repaint of the preview (ms) | $(printed 'preview repaint on screen') | < 5 |
| the group's year window opened, the first time with its module (ms) | $firstYear | | < 100 |
| the group's year window opened again (ms) | $yearOpened | < 100 |
TABLE
