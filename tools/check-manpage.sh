#!/usr/bin/env bash
# Checks the manual page against the program it documents: every option that `fyn --help`
# prints today must be described, and man must render the page without a warning.
#   tools/check-manpage.sh FYN_BINARY MANPAGE (troff, plain or gzipped)
set -euo pipefail
fyn=$1
page=$2

if [[ $page == *.gz ]]; then troff=$(gzip -dc "$page"); else troff=$(cat "$page"); fi
# In troff a hyphen in an option is written \-; man readers see it as -.
text=${troff//\\-/-}

help=$(QT_QPA_PLATFORM=offscreen "$fyn" --help)
mapfile -t options < <(grep -oE '(^|[[:space:]])--?[[:alnum:]][[:alnum:]-]*' <<<"$help" |
    sed 's/^[[:space:]]*//' | sort -u)
if ((${#options[@]} < 2)); then
    echo "fyn --help names no options:" >&2
    echo "$help" >&2
    exit 1
fi

missing=0
for option in "${options[@]}"; do
    if grep -qE -- "(^|[^[:alnum:]-])${option}([^[:alnum:]-]|$)" <<<"$text"; then
        echo "described: $option"
    else
        echo "NOT in the manual page: $option" >&2
        missing=1
    fi
done

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
if [[ -n $warnings ]]; then
    echo "man warns about the page:" >&2
    echo "$warnings" >&2
    missing=1
fi
exit "$missing"
