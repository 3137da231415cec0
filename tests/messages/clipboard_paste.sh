#!/usr/bin/env bash
# The paste through the real clipboard: TestMessageWays on a virtual X server, with xclip
# putting the message on the clipboard as a user's other program would.
# clipboard_paste.sh TEST-BINARY
test=clipboard_paste
set -euo pipefail
. "$(dirname "$0")/../support/x_session.sh"
if ! command -v xclip >/dev/null 2>&1; then
    [ -n "${CI:-}" ] && fail "xclip is missing"
    echo "$test: xclip is missing, skipped"
    exit 77
fi
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" "$1" pastedTextIsStoredOnEnter
