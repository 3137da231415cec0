#!/usr/bin/env bash
# Takes the README's pictures under a virtual X server, from a copy of the example sheet:
# the main window, the report dialog with the late-report warning, the preview, the group's year,
# the main window in Czech, three windows at 200 %, a printed page and a printed year. Run it again after a change to
# the interface:
#   tools/take-screenshots.sh [FYN_BINARY]   (default: build/release/src/fyn, built if missing)
# Needs Xvfb, xdotool, ImageMagick's import and poppler's pdftoppm (tools/install-dependencies.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/virtual-display.sh
fyn=${1:-build/release/src/fyn}
out=docs
if [[ ! -x $fyn ]]; then
    cmake --preset release
    cmake --build --preset release -j "$(nproc)"
fi
fyn=$(realpath "$fyn")

work=$(mktemp -d)
xvfb=
program=
cleanup() {
    [[ -z $program ]] || kill "$program" 2>/dev/null || true
    [[ -z $xvfb ]] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of its own, and a fresh user whose settings and backups stay in the scratch folder.
start_virtual_display "$work"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data LC_ALL=C.UTF-8
cp examples/Skupina3.t09 "$work/Skupina3.t09"

shoot() { # window, picture
    import -window "$1" "$work/shot.png"
    # Fewer colours keep the pictures small; the dialogs use only a few.
    /usr/bin/convert "$work/shot.png" -strip -colors 64 "PNG8:$out/$2"
    echo "$out/$2"
}
windows() { xdotool search --onlyvisible --pid "$program" 2>/dev/null || true; }
new_window() { # windows before; waits up to 5 s for one more
    for _ in $(seq 50); do
        local id
        id=$(windows | grep -vxF -f <(printf '%s\n' "$@") | head -n 1 || true)
        if [[ -n $id ]]; then
            sleep 0.5 # let it paint
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

mkdir -p "$out"
"$fyn" "$work/Skupina3.t09" >"$work/fyn.log" 2>&1 &
program=$!
main=$(new_window) || { cat "$work/fyn.log"; echo "no main window" >&2; exit 1; }
shoot "$main" main-window.png

# Jozef Horvath's report; Alt+M and one month back make it a late report for October.
xdotool windowfocus --sync "$main"
xdotool type --delay 60 "Hor"
xdotool key Return
report=$(new_window "$main") || { echo "the report dialog did not open" >&2; exit 1; }
xdotool key alt+m
sleep 0.3
xdotool key Up Return
sleep 0.5
shoot "$report" report-late.png
xdotool key Escape
sleep 0.5

# The preview, once the main window's "preview and print" button opens one.
xdotool mousemove --window "$main" 335 51 click 1
if preview=$(new_window "$main"); then
    shoot "$preview" preview.png
    xdotool key Escape
else
    echo "skipped: the preview button opens no window in this build"
fi

# The group's year, Ctrl+R, on the report month of the first publisher.
xdotool windowfocus --sync "$main"
xdotool key ctrl+r
if year=$(new_window "$main"); then
    shoot "$year" year-window.png
    xdotool key Escape
else
    echo "skipped: Ctrl+R opens no year window in this build"
fi

# The main window once more, in Czech, chosen in the settings of a second scratch user.
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
mkdir -p "$work/config-cs/fyn"
printf '[Interface]\nLanguage=cs\n' >"$work/config-cs/fyn/fyn.ini"
XDG_CONFIG_HOME=$work/config-cs "$fyn" "$work/Skupina3.t09" >"$work/fyn-cs.log" 2>&1 &
program=$!
czech=$(new_window) || { cat "$work/fyn-cs.log"; echo "no Czech main window" >&2; exit 1; }
shoot "$czech" main-window-cs.png

# Twice the size, as a partly sighted user sets the desktop: the main window, a report and the
# reminders, each text whole.
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
QT_SCALE_FACTOR=2 "$fyn" "$work/Skupina3.t09" >"$work/fyn-large.log" 2>&1 &
program=$!
large=$(new_window) || { cat "$work/fyn-large.log"; echo "no main window at 200 %" >&2; exit 1; }
shoot "$large" large-main-window.png
xdotool windowfocus --sync "$large"
xdotool type --delay 60 "Hor"
xdotool key Return
report=$(new_window "$large") || { echo "no report dialog at 200 %" >&2; exit 1; }
shoot "$report" large-report.png
xdotool key Escape
sleep 0.5
xdotool windowfocus --sync "$large"
xdotool key ctrl+e
reminders=$(new_window "$large") || { echo "no reminder dialog at 200 %" >&2; exit 1; }
shoot "$reminders" large-reminders.png
xdotool key Escape

if "$fyn" --help | grep -q -- '--pdf'; then
    "$fyn" --pdf "$work/list.pdf" "$work/Skupina3.t09"
    pdftoppm -r 50 -png -f 1 -l 1 -singlefile "$work/list.pdf" "$work/page"
    /usr/bin/convert "$work/page.png" -strip -colors 16 "PNG8:$out/printed-page.png"
    echo "$out/printed-page.png"
else
    echo "skipped: this build has no fyn --pdf for the printed page"
fi

if "$fyn" --help | grep -q -- '--year-pdf'; then
    "$fyn" --year-pdf "$work/year.pdf" "$work/Skupina3.t09"
    pdftoppm -r 60 -png -f 1 -l 1 -singlefile "$work/year.pdf" "$work/year"
    /usr/bin/convert "$work/year.png" -strip -colors 16 "PNG8:$out/printed-year.png"
    echo "$out/printed-year.png"
fi
