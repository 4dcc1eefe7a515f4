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
  # function; each is looked up in the list of its library. The last line
  # of the result counts the functions and the libraries.
  result=$(awk -v lists="$lists" -v name="$name" '
    function load(dll,   file, line) {
      file = lists "/" dll ".txt"
      listed[dll] = (getline line < file) > 0
      if (!listed[dll]) return
      known[dll, line] = 1
      while ((getline line < file) > 0) known[dll, line] = 1
      close(file)
    }
    /^\tDLL Name: / {
      dll = tolower($3); libraries++; load(dll)
      if (!listed[dll]) print name ": imports " dll ", which Windows XP does not have"
      next
    }
    dll != "" && /^\t[0-9a-f]+\t/ {
      functions++
      if (listed[dll] && !known[dll, $NF])
        print name ": imports " $NF " from " dll ", which Windows XP lacks"
    }
    END {
      if (!libraries) print name ": no import table found"
      print functions + 0, libraries + 0
    }' <<<"$headers")
  read -r functions libraries <<<"$(tail -n 1 <<<"$result")"
  problems=$(sed '$d' <<<"$result")
  if [ -n "$problems" ]; then
    echo "$problems" >&2
    status=1
  else
    echo "$name: subsystem $major.$minor, $functions imports from $libraries libraries," \
      "all in Windows XP"
  fi
done
exit "$status"
