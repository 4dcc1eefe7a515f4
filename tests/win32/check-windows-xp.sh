#!/usr/bin/env bash
# Checks that Windows programs can start on Windows XP SP3 and every later
# Windows: the PE header asks for subsystem version 5.01 or lower, and every
# function they import is one that the XP system library of that name exports
# (lists in winxp-api/). Windows refuses to start a program with a single
# missing import, so one is enough to fail. A library without a list, such as
# a MinGW runtime DLL, fails too: the runtime must be linked in statically.
#
# check-windows-xp.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift
lists="$(dirname "$0")/winxp-api"

status=0
for program in "$@"; do
  name=$(basename "$program")
  if [ ! -f "$program" ]; then
    echo "$name: not built" >&2
    status=1
    continue
  fi
  headers=$("$objdump" -p "$program")
  read -r major minor < <(awk '
    $1 == "MajorSubsystemVersion" { major = $2 }
    $1 == "MinorSubsystemVersion" { minor = $2 }
    END { print major + 0, minor + 0 }' <<<"$headers")
  if [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; then
    echo "$name: subsystem version $major.$minor; Windows XP starts 5.01 or lower" >&2
    status=1
  fi
  # "DLL Name: KERNEL32.dll", then one "<address> <hint> <name>" line per
  # function: every pair is printed as "kernel32.dll Name".
  imports=$(awk '
    /^\tDLL Name: / { dll = tolower($3); print dll, "-"; next }
    dll != "" && /^\t[0-9a-f]+\t/ { print dll, $NF }' <<<"$headers")
  [ -n "$imports" ] || { echo "$name: no import table found" >&2; status=1; continue; }
  missing=0
  while read -r dll function; do
    if [ ! -f "$lists/$dll.txt" ]; then
      [ "$function" = - ] && echo "$name: imports $dll, which Windows XP does not have" >&2
      missing=$((missing + 1))
    elif [ "$function" != - ] && ! grep -qxF "$function" "$lists/$dll.txt"; then
      echo "$name: imports $function from $dll, which Windows XP lacks" >&2
      missing=$((missing + 1))
    fi
  done <<<"$imports"
  if [ "$missing" -gt 0 ]; then
    status=1
  else
    echo "$name: subsystem $major.$minor, $(grep -vc ' -$' <<<"$imports") imports from" \
      "$(grep -c ' -$' <<<"$imports") libraries, all in Windows XP"
  fi
done
exit "$status"
