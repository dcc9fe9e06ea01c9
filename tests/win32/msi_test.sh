#!/usr/bin/env bash
# The installer as Windows reads it and as Windows Installer runs it (under Wine): its tables
# (the Start menu shortcut's name character for character, the version, a per-machine install
# into Program Files\Quotara), then an install that puts the program and the shortcut in place
# and an uninstall that leaves nothing of either.
# Usage: msi_test.sh SESSION DIR PACKAGE.msi PROGRAM.exe MENU_NAME VERSION
#   SESSION is wine_session.sh and DIR its folder; PROGRAM the program the package carries;
#   MENU_NAME the shortcut's name as the Start menu shows it; VERSION the product version.
set -euo pipefail
[[ $# -eq 6 ]] || { sed -n 's/^# Usage: //p' "$0" >&2; exit 2; }
session=$1 dir=$2 msi=$(realpath "$3") program=$4 menu_name=$5 version=$6
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The tables, read back as Windows Installer reads them: a UTF-8 database.
table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
[[ $(table _ForceCodepage | sed -n 3p) == "65001"$'\t_ForceCodepage' ]] ||
  fail "the database's code page is not UTF-8 (65001)"
shortcut_name=$(table Shortcut | awk -F'\t' '$1 == "MenuShortcut" { print $3 }')
[[ ${shortcut_name#*|} == "$menu_name" ]] ||
  fail "the shortcut is named '${shortcut_name#*|}', not '$menu_name'"
[[ $(table Shortcut | awk -F'\t' '$1 == "MenuShortcut" { print $2 }') == ProgramMenuFolder ]] ||
  fail "the shortcut is not in the Start menu's Programs"
property() { table Property | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
[[ $(property ProductVersion) == "$version" ]] || fail "ProductVersion $(property ProductVersion), not $version"
[[ $(property ALLUSERS) == 1 ]] || fail "not a per-machine package (ALLUSERS $(property ALLUSERS))"
[[ $(table Directory | awk -F'\t' '$1 == "INSTALLDIR" { print $2 "\\" $3 }') == 'ProgramFiles64Folder\Quotara' ]] ||
  fail "the program does not go into Program Files\\Quotara"

# Install and uninstall in the tests' own prefix.
wine() { "$session" "$dir" run "$@"; }
prefix=$dir/prefix/drive_c
program_files="$prefix/Program Files"
start_menu="$prefix/ProgramData/Microsoft/Windows/Start Menu/Programs"
# Wine 8's msiexec puts a per-machine package's (ALLUSERS=1) ProgramMenuFolder in the user's
# Start menu, where Windows takes the all-users one: the shortcut may land in either here.
user_start_menu="$prefix/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
windows_msi="Z:${msi//\//\\}"
# What the two folders hold with nothing of Quotara installed.
listing() { find "$program_files" "$start_menu" "$user_start_menu" 2>/dev/null | sort; }
wine msiexec /x "$windows_msi" /qn >/dev/null 2>&1 || true  # a run cut short
before=$(listing)
installed=false
trap '$installed && wine msiexec /x "$windows_msi" /qn >/dev/null 2>&1' EXIT

if wine msiexec /i "$windows_msi" /qn; then
  installed=true
  cmp -s "$program_files/Quotara/quotara.exe" "$program" ||
    fail "Program Files\\Quotara\\quotara.exe is not $program"
  [[ -f $start_menu/$menu_name.lnk || -f $user_start_menu/$menu_name.lnk ]] ||
    fail "no Start menu shortcut '$menu_name.lnk': $(ls "$start_menu" "$user_start_menu")"
else
  fail "msiexec /i failed"
fi
if $installed; then
  if wine msiexec /x "$windows_msi" /qn; then
    installed=false
    after=$(listing)
    [[ $after == "$before" ]] || fail "left after uninstalling: $(comm -13 <(echo "$before") <(echo "$after"))"
  else
    fail "msiexec /x failed"
  fi
fi
((failures == 0)) && echo "$msi: '$menu_name', version $version; installed and removed without a trace"
((failures == 0))
