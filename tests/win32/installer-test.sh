#!/usr/bin/env bash
# The Windows installer under Wine: a silent install, quoril-cli.exe run from
# the installed folder over the stand-in W32N50.dll (placed there for the
# test only), and a silent uninstall that leaves none of the installed files,
# the Start-menu entry or the uninstall registration behind, but keeps the
# user's settings.
#
# installer-test.sh SETUP STANDIN_DIR PROGRAM...
# PROGRAM: the programs the installer must hold (quoril-cli.exe, ...).
# Wine's own settings (WINEPREFIX, WINEDEBUG) come from the environment, and
# WINE names the loader (64-bit Wine for the 64-bit build).
set -euo pipefail
wine=${WINE:-wine}
source "$(dirname "$0")/wine-path.sh"
setup=$1 standin=$2
shift 2

fail() {
  echo "installer: $*" >&2
  exit 1
}
# A step that fails without a word of its own still names itself.
trap 'echo "installer: failed at line $LINENO: $BASH_COMMAND" >&2' ERR
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\WLAN Quoril'
# A value of its own beside the programs' settings, which other tests read.
settings_key='HKCU\Software\WLAN Quoril'
# reg_value KEY NAME: the value's data, or nothing (status 1) when it is absent.
reg_value() {
  "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+REG_[A-Z_]+[ \t]+/, ""); print; found = 1 }
                      END { exit !found }'
}
drive_c="$WINEPREFIX/drive_c"
shortcuts() { find "$drive_c" -name 'WLAN Quoril.lnk' 2>/dev/null; }

"$wine" "$setup" /S || fail "the silent install failed"
location=$(reg_value "$uninstall_key" InstallLocation) || fail "no uninstall registration"
folder=$(wine_path -u "$location")
for program in "$@"; do
  [ -f "$folder/$program" ] || fail "$program is not installed in $location"
done
for doc in README.md copyright.txt docs/cli.md uninstall.exe; do
  [ -f "$folder/$doc" ] || fail "$doc is not installed in $location"
done
[ ! -e "$folder/W32N50.dll" ] || fail "the installer put a W32N50.dll in $location"
[ -n "$(shortcuts)" ] || fail "no Start-menu entry"

# The programs run from where they are installed, with the card's library
# beside them as the driver's installation may put it.
cp "$standin/W32N50.dll" "$folder/"
probe=$(QUORIL_STANDIN_SCENARIO=office "$wine" "$location\\quoril-cli.exe" probe | tr -d '\r') ||
  fail "quoril-cli.exe probe failed from $location"
rm "$folder/W32N50.dll"
grep -qx 'Adapter: PRISM2_1' <<<"$probe" || fail "quoril-cli.exe probe printed: $probe"

"$wine" reg add "$settings_key" /v InstallerTest /t REG_DWORD /d 5 /f >/dev/null
uninstaller=$(reg_value "$uninstall_key" QuietUninstallString) || fail "no quiet uninstall"
# The uninstaller runs a copy of itself from the temporary folder, so that it
# can delete its own file, and returns at once: wait for the folder to go.
[[ "$uninstaller" =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "quiet uninstall: $uninstaller"
"$wine" "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} || fail "the silent uninstall failed"
for _ in $(seq 120); do
  [ -e "$folder" ] || break
  sleep 0.5
done
if [ -e "$folder" ]; then
  fail "left behind in $location: $(cd "$folder" && find . -mindepth 1 | tr '\n' ' ')"
fi
[ -z "$(shortcuts)" ] || fail "the Start-menu entry is left: $(shortcuts)"
! reg_value "$uninstall_key" DisplayName >/dev/null || fail "the uninstall registration is left"
[ "$(reg_value "$settings_key" InstallerTest)" = 0x5 ] || fail "the user's settings were removed"
"$wine" reg delete "$settings_key" /v InstallerTest /f >/dev/null
echo "$(basename "$setup"): installed $* in $location, ran quoril-cli.exe probe there," \
  "uninstalled cleanly"
