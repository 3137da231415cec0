#!/usr/bin/env bash
# Cancel on the progress window stops a run of reminders before the next message, as a user
# does it: the real program on a virtual X server, a mail command that takes two seconds a
# message, Ctrl+E, Enter, and Esc on the progress window while the first message is on its way.
# Exactly one message may go; the other four publishers stay for the next round.
#
#   reminder_cancel.sh FYN EXAMPLE-SHEET
#
# Without Xvfb or xdotool the test is skipped (exit 77), except in CI ($CI set), where it fails.
set -euo pipefail

fyn=$1
example=$2
fail() {
    echo "reminder_cancel: $*" >&2
    exit 1
}
for tool in Xvfb xdotool timeout; do
    if ! command -v "$tool" >/dev/null; then
        [[ -n ${CI:-} ]] && fail "$tool is missing"
        echo "reminder_cancel: $tool is missing, skipped"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb=
fyn_pid=
finish() {
    local status=$?
    [[ -z $fyn_pid ]] || kill -9 "$fyn_pid" 2>/dev/null || true
    [[ -z $xvfb ]] || kill "$xvfb" 2>/dev/null || true
    ((status == 0)) || cat "$work/fyn.log" >&2 || true
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT
source "$(dirname "$0")/../../tools/virtual-display.sh"
start_virtual_display "$work"

mkdir -p "$work/config/fyn" "$work/data" "$work/sent"
cat >"$work/slow-mail" <<SCRIPT
#!/bin/sh
sleep 2
cat >"$work/sent/\$\$.eml"
SCRIPT
chmod +x "$work/slow-mail"
printf '[Mail]\nCommand=%s\nFrom=zber@example.sk\n' "$work/slow-mail" >"$work/config/fyn/fyn.ini"
cp "$example" "$work/Skupina3.t09"
chmod u+w "$work/Skupina3.t09"
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" LC_ALL=C.UTF-8 \
    "$fyn" "$work/Skupina3.t09" >"$work/fyn.log" 2>&1 &
fyn_pid=$!

shown() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
visible() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
focus() { timeout 10 xdotool windowfocus --sync "$1" || fail "cannot focus window $1"; }

main=$(shown 'Skupina 3')
[[ -n $main ]] || fail "the main window did not open"
focus "$main"
sleep 0.3
xdotool key ctrl+e
reminders=$(shown '^Pripomienky za')
[[ -n $reminders ]] || fail "the reminder dialog did not open"
focus "$reminders"
sleep 0.5
before=$(visible)
xdotool key Return
progress=
for _ in $(seq 30); do
    progress=$(comm -13 <(echo "$before") <(visible) | head -n 1)
    [[ -n $progress ]] && break
    sleep 0.05
done
[[ -n $progress ]] || fail "no progress window showed"
# The button stands in the window's lower right corner.
eval "$(xdotool getwindowgeometry --shell "$progress")"
sleep 0.5
xdotool mousemove --window "$progress" $((WIDTH - 45)) $((HEIGHT - 18)) click 1

# Five messages would take ten seconds; the summary comes after the first.
sleep 5
sent=$(find "$work/sent" -name '*.eml' | wc -l)
((sent == 1)) || fail "$sent reminders went after Cancel, expected 1"
kill -0 "$fyn_pid" || fail "Fyn ended"
echo "reminder_cancel: one reminder went, Cancel stopped the other four"
