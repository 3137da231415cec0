#!/usr/bin/env bash
# A reply written in a real Thunderbird on a virtual X server and sent to a local SMTP sink, then
# read back from the sink's folder as the e-mail file that the collector drops on Fyn.
# thunderbird_reply.sh TEST-BINARY
test=thunderbird_reply
set -euo pipefail
. "$(dirname "$0")/../support/x_session.sh"
for tool in thunderbird /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        [ -n "${CI:-}" ] && fail "$tool is missing"
        echo "$test: $tool is missing, skipped"
        exit 77
    fi
done
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 -m aiosmtpd -n -l "127.0.0.1:$port" -c aiosmtpd.handlers.Mailbox "$work/sink" \
    >"$work/sink.log" 2>&1 &
sink_pid=$!
stop_parts() {
    local status=$?
    kill "$sink_pid" 2>/dev/null || true
    if [ -n "${tb_pid:-}" ]; then kill -9 "$tb_pid" 2>/dev/null || true; fi
    (exit "$status")
    finish
}
trap stop_parts EXIT

# A profile with one identity, the publisher's, that sends plain text through the sink.
profile="$work/profile"
mkdir -p "$profile"
cat >"$profile/user.js" <<PREFS
user_pref("mail.accountmanager.accounts", "account1");
user_pref("mail.accountmanager.defaultaccount", "account1");
user_pref("mail.account.account1.identities", "id1");
user_pref("mail.account.account1.server", "server1");
user_pref("mail.server.server1.type", "none");
user_pref("mail.server.server1.hostname", "Local Folders");
user_pref("mail.server.server1.userName", "nobody");
user_pref("mail.identity.id1.useremail", "maria@example.sk");
user_pref("mail.identity.id1.fullName", "Maria Novakova");
user_pref("mail.identity.id1.smtpServer", "smtp1");
user_pref("mail.identity.id1.compose_html", false);
user_pref("mail.identity.id1.fcc", false);
user_pref("mail.smtpservers", "smtp1");
user_pref("mail.smtp.defaultserver", "smtp1");
user_pref("mail.smtpserver.smtp1.hostname", "127.0.0.1");
user_pref("mail.smtpserver.smtp1.port", $port);
user_pref("mail.smtpserver.smtp1.authMethod", 1);
user_pref("mail.smtpserver.smtp1.try_ssl", 0);
user_pref("mail.warn_on_send_accel_key", false);
user_pref("mail.shell.checkDefaultClient", false);
user_pref("mail.provider.enabled", false);
user_pref("mailnews.start_page.enabled", false);
user_pref("mail.rights.version", 1);
user_pref("mail.spellcheck.inline", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
PREFS
HOME="$work" thunderbird --profile "$profile" --no-remote >"$work/thunderbird.log" 2>&1 &
tb_pid=$!
main=$(timeout 90 xdotool search --sync --onlyvisible --name "Thunderbird" | head -n 1) ||
    fail "Thunderbird did not start: $(tail -n 20 "$work/thunderbird.log")"
sleep 5
xdotool windowactivate --sync "$main" 2>/dev/null || focus "$main"
xdotool key --window "$main" ctrl+n
compose=$(timeout 60 xdotool search --sync --onlyvisible --name "^Write" | head -n 1) ||
    fail "no compose window"
sleep 3
focus "$compose"
# The reply as the publisher types it above the quoted reminder, field by field (xdotool
# types ASCII reliably on the virtual server's keymap; the reader folds diacritics anyway).
xdotool mousemove --window "$compose" 500 122 click 1
xdotool type --delay 20 "zber@example.sk"
xdotool key Return
xdotool mousemove --window "$compose" 500 158 click 1
xdotool type --delay 20 "Re: Report"
xdotool mousemove --window "$compose" 500 300 click 1
xdotool type --delay 20 "Hodiny: 40"
xdotool key Return
xdotool type --delay 20 "Biblicke studia: 2"
xdotool key Return Return
xdotool type --delay 20 "> Odoslite svoj prehlad za oktober."
sleep 1
xdotool key ctrl+Return
for _ in $(seq 150); do
    sent=$(find "$work/sink/new" -type f 2>/dev/null | head -n 1)
    [ -n "$sent" ] && break
    sleep 0.2
done
[ -n "${sent:-}" ] || fail "nothing reached the sink: $(tail -n 20 "$work/thunderbird.log")"
cp "$sent" "$work/reply.eml"
FYN_THUNDERBIRD_REPLY="$work/reply.eml" "$1" \
    "readsFilesAndRefusesWhatIsNoMessage:thunderbird-reply.eml"
