#!/usr/bin/env bash
# The windowed program on Win32 under Wine and the native one (Qt, offscreen)
# on the same simulated office, for the same span: the requests they send,
# in order, must be the same (times and answers aside, which follow the
# clock). The shorter run decides how many are compared; both must have
# polled a few times.
#
# compare-windowed-trace.sh NATIVE_QUORIL WINDOWS_QUORIL
# Wine's own settings (WINEPREFIX, WINEDEBUG) come from the environment, and
# WINE names the loader; the caller provides the X display.
set -euo pipefail
native=$1 windows=$2
wine=${WINE:-wine}
source "$(dirname "$0")/wine-path.sh"
span_ms=4150
least=$((12 + 3 * 14))  # the card's opening, then three polls

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windows_trace=$(wine_path -w "$work/windows.trace")
"$wine" "$windows" --simulate --quit-after=$span_ms --trace="$windows_trace"
QT_QPA_PLATFORM=offscreen "$native" --simulate --quit-after=$span_ms \
  --trace="$work/native.trace" 2>/dev/null

# The closing calls at the end go too: where each run stops within a poll
# follows the load, and the shorter run's close would stand against the
# other's poll.
requests() {
  tr -d '\r' <"$1" | sed -E 's/^[0-9]+\.[0-9]+ //; s/ answer=.*$//' |
    awk '{ line[NR] = $0 } END { n = NR; while (n > 0 && line[n] ~ /^close /) n--
                                 for (i = 1; i <= n; i++) print line[i] }'
}
requests "$work/windows.trace" >"$work/windows.requests"
requests "$work/native.trace" >"$work/native.requests"
lines=$(wc -l <"$work/windows.requests")
other=$(wc -l <"$work/native.requests")
[ "$other" -lt "$lines" ] && lines=$other
if [ "$lines" -lt "$least" ]; then
  echo "too few requests to compare: $lines (at least $least)" >&2
  exit 1
fi
diff -u --label "quoril.exe" --label "quoril" \
  <(head -n "$lines" "$work/windows.requests") <(head -n "$lines" "$work/native.requests")
echo "the same $lines requests"
