#!/usr/bin/env bash
# Cancel on the progress window stops a run of reminders before the next message, as a user
# does it: the real program on a virtual X server, a mail command that takes two seconds a
# message, Ctrl+E, Enter, and a click on Cancel in the progress window while the first message
# is on its way. Exactly one message may go; the other four publishers stay for the next round.
#
#   reminder_cancel.sh FYN EXAMPLE-SHEET
set -euo pipefail

fyn=$1
example=$2
test=reminder_cancel
source "$(dirname "$0")/../support/x_session.sh"

mkdir -p "$work/sent"
printf '#!/bin/sh\nsleep 2\ncat >"%s/$$.eml"\n' "$work/sent" >"$work/slow-mail"
chmod +x "$work/slow-mail"
printf '[Mail]\nCommand=%s\nFrom=zber@example.sk\n' "$work/slow-mail" >"$work/config/fyn/fyn.ini"
cp "$example" "$work/Skupina3.t09"
chmod u+w "$work/Skupina3.t09"
run_fyn "$fyn" "$work/Skupina3.t09"

visible() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
main=$(window 'Skupina 3')
[[ -n $main ]] || fail "the main window did not open"
focus "$main"
sleep 0.3
xdotool key ctrl+e
reminders=$(window '^Pripomienky za')
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
