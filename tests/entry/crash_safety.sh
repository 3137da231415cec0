#!/bin/sh
# A report accepted in Fyn is in the sheet file at once. The real program runs on a virtual X
# server and is worked with keys through xdotool; with its main window still open it is killed
# with SIGKILL, and fyn-crash-check compares the file with the sheet it started from.
#
#   crash_safety.sh FYN FYN-CRASH-CHECK EXAMPLE-SHEET
#
# Without Xvfb or xdotool the test is skipped (exit 77), except in CI ($CI set), where it fails.
set -eu

fyn=$1
check=$2
example=$3

test=crash_safety
. "$(dirname "$0")/../support/x_session.sh"

cp "$example" "$work/Skupina3.t09"
chmod u+w "$work/Skupina3.t09"
run_fyn "$fyn" "$work/Skupina3.t09"

# Waits until no visible window's title matches.
closed() {
    tries=0
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || fail "the window \"$1\" did not close"
        sleep 0.1
    done
}
keys() {
    xdotool key --clearmodifiers --delay 100 "$@"
}
# Opens the report dialog of the publisher in list row $1 (from 0), titled $2.
open_report() {
    focus "$main"
    sleep 0.3
    keys Home
    row=0
    while [ "$row" -lt "$1" ]; do
        keys Down
        row=$((row + 1))
    done
    keys Return
    dialog=$(window "$2")
    [ -n "$dialog" ] || fail "the report dialog \"$2\" did not open"
    focus "$dialog"
    # The dialog takes its first focus once it is shown; keys sent before then go astray.
    sleep 0.5
}

main=$(window 'Skupina 3')
[ -n "$main" ] || fail "the main window did not open"

# Peter Ďurica: in service, 3 hours, 2 Bible studies.
open_report 2 '^Peter '
keys space Return 3 Return 2 Return
closed '^Peter '

# Oľga Blahová, regular pioneer: 72 hours, 1 Bible study.
open_report 19 'Blahov'
keys space Return 7 2 Return 1 Return
closed 'Blahov'

# Eva Horváthová: a zero report, the remark 0.
open_report 7 '^Eva '
keys alt+p
sleep 0.5
keys 0 Return Return Return
closed '^Eva '

kill -0 "$fyn_pid" 2>/dev/null || fail "Fyn ended by itself"
xdotool search --onlyvisible --name 'Skupina 3' >/dev/null || fail "the main window closed"
kill -9 "$fyn_pid"
wait "$fyn_pid" 2>/dev/null || true
fyn_pid=

"$check" "$example" "$work/Skupina3.t09" report:3:3:2 report:20:72:1 zero:8

# The file as it was before Fyn first overwrote it, kept once.
set -- "$work"/data/fyn/backups/*
[ "$#" -eq 1 ] && [ -f "$1" ] || fail "expected one backup, found: $*"
cmp "$example" "$1" || fail "the backup differs from the original sheet"
