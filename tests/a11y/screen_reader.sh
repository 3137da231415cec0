#!/usr/bin/env bash
# Fyn as a screen reader sees it: a virtual X server, a private D-Bus session with its own
# accessibility bus, and screen_reader.py in Slovak and in English.
#
#   screen_reader.sh FYN EXAMPLE-SHEET [--counts]
set -euo pipefail

fyn=$1
example=$2
test=screen_reader
source "$(dirname "$0")/../support/x_session.sh"

for tool in dbus-daemon /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        [ -n "${CI:-}" ] && fail "$tool is missing"
        echo "$test: $tool is missing, skipped"
        exit 77
    fi
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || {
    [ -n "${CI:-}" ] && fail "python3-pyatspi is missing"
    echo "$test: python3-pyatspi is missing, skipped"
    exit 77
}

# The forked bus keeps no descriptor of ours open, or CTest would wait for it.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid" \
    </dev/null >/dev/null 2>&1
helper_pids="$helper_pids $(cat "$work/bus.pid")"
DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
export DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$work/runtime"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
helper_pids="$helper_pids $!"
sleep 1

for language in sk en; do
    /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$fyn" "$example" "$language" "$work" \
        "${@:3}"
done
