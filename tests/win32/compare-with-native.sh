#!/usr/bin/env bash
# Runs one quoril-cli command natively on the simulated card, and under Wine
# with quoril-cli.exe over the stand-in W32N50.dll on the same scenario, and
# fails unless both give the same standard output, standard error and exit
# status (Windows line ends aside).
#
# compare-with-native.sh NATIVE_CLI WINDOWS_CLI LIBRARY_DIR SCENARIO COMMAND [ARG...]
# LIBRARY_DIR "none" runs without any W32N50.dll; the native run then uses
# SCENARIO as it is (no-card, to compare "no library" with "no card").
# Wine's own settings (WINEPREFIX, WINEDEBUG) come from the environment, and
# WINE names the loader (64-bit Wine for the 64-bit build).
# With EXPECTED_CAUSE set, the Windows program must also print that line below
# "Can not find the PC card WLAN" (why its library can reach no card).
set -euo pipefail
wine=${WINE:-wine}
source "$(dirname "$0")/wine-path.sh"
native=$1 windows=$2 library=$3 scenario=$4
shift 4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

set +e
"$native" "$@" --simulate="$scenario" >"$work/native.out" 2>"$work/native.err"
native_status=$?
set -e
if [ "$native_status" -eq 2 ]; then
  # Two refusals of the command line would compare equal and prove nothing.
  echo "the native program refused the command line:" >&2
  cat "$work/native.err" >&2
  exit 1
fi
if [ -n "${EXPECTED_CAUSE:-}" ]; then
  awk -v cause="$EXPECTED_CAUSE" '{ print } $0 == "Can not find the PC card WLAN" { print cause }' \
    "$work/native.err" >"$work/native.err.cause"
  mv "$work/native.err.cause" "$work/native.err"
fi
echo "exit status $native_status" >>"$work/native.err"

winepath=""
[ "$library" = none ] || winepath=$(wine_path -w "$library")
case "$scenario" in
  /*) scenario=$(wine_path -w "$scenario") ;;
esac
set +e
WINEPATH="$winepath" QUORIL_STANDIN_SCENARIO="$scenario" \
  "$wine" "$windows" "$@" >"$work/windows.out" 2>"$work/windows.err"
echo "exit status $?" >>"$work/windows.err"
set -e

status=0
for stream in out err; do
  tr -d '\r' <"$work/windows.$stream" >"$work/windows.$stream.unix"
  if ! diff -u --label "native std$stream" --label "windows std$stream" \
      "$work/native.$stream" "$work/windows.$stream.unix"; then
    status=1
  fi
done
if [ "$status" -eq 0 ]; then
  echo "same output: $(wc -l <"$work/native.out") lines, $(tail -1 "$work/native.err")"
fi
exit "$status"
