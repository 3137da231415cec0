# Sourced by the tests that work the real program on a virtual X server through xdotool.
# Needs $test (the test's name for its messages). Sets $work (a temporary folder, removed at
# the end), starts Xvfb and exports DISPLAY (processes added to $helper_pids end with it);
# run_fyn starts Fyn there with its own settings and
# data folders and keeps its process in $fyn_pid. Without Xvfb or xdotool the test is skipped
# (exit 77), except in CI ($CI set), where it fails.

fail() {
    echo "$test: $*" >&2
    exit 1
}

for tool in Xvfb xdotool timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        [ -n "${CI:-}" ] && fail "$tool is missing"
        echo "$test: $tool is missing, skipped"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
fyn_pid=
helper_pids=
finish() {
    status=$?
    if [ -n "$fyn_pid" ]; then kill -9 "$fyn_pid" 2>/dev/null || true; fi
    for pid in $helper_pids; do kill "$pid" 2>/dev/null || true; done
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [ "$status" -ne 0 ] && [ -f "$work/fyn.log" ]; then cat "$work/fyn.log" >&2; fi
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
mkdir -p "$work/config/fyn" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"

# run_fyn FYN SHEET
run_fyn() {
    QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 "$1" "$2" >"$work/fyn.log" 2>&1 &
    fyn_pid=$!
}
# The first visible window whose title matches, once it is there.
window() {
    timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}
focus() {
    timeout 10 xdotool windowfocus --sync "$1" || fail "cannot focus window $1"
}
