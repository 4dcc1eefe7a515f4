#!/usr/bin/env bash
# Records one quoril-cli command under Wine, quoril-cli.exe over the stand-in
# W32N50.dll, then replays the recording with the native quoril-cli, and
# fails unless both give the same standard output, standard error and exit
# status (Windows line ends aside).
#
# replay-wine-recording.sh NATIVE_CLI WINDOWS_CLI LIBRARY_DIR SCENARIO COMMAND [ARG...]
# Wine's own settings (WINEPREFIX, WINEDEBUG) come from the environment, and
# WINE names the loader (64-bit Wine for the 64-bit build).
set -euo pipefail
native=$1 windows=$2 library=$3 scenario=$4
shift 4
wine=${WINE:-wine}
source "$(dirname "$0")/wine-path.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
recording="$work/session.json"
windows_library=$(wine_path -w "$library")
windows_recording=$(wine_path -w "$recording")

set +e
WINEPATH="$windows_library" QUORIL_STANDIN_SCENARIO="$scenario" \
  "$wine" "$windows" "$@" --record="$windows_recording" \
  >"$work/windows.out" 2>"$work/windows.err"
echo "exit status $?" >>"$work/windows.err"
"$native" "$@" --simulate="$recording" >"$work/native.out" 2>"$work/native.err"
echo "exit status $?" >>"$work/native.err"
set -e

# A refused command line or an empty session would compare equal and prove nothing.
if [ ! -f "$recording" ] || [ "$(wc -l <"$recording")" -lt 20 ]; then
  echo "the Windows program recorded next to nothing:" >&2
  cat "$work/windows.err" "$recording" >&2
  exit 1
fi

status=0
for stream in out err; do
  tr -d '\r' <"$work/windows.$stream" >"$work/windows.$stream.unix"
  if ! diff -u --label "windows std$stream" --label "replayed std$stream" \
      "$work/windows.$stream.unix" "$work/native.$stream"; then
    status=1
  fi
done
if [ "$status" -eq 0 ]; then
  echo "same output: $(wc -l <"$work/native.out") lines, $(wc -l <"$recording") recorded"
fi
exit "$status"
