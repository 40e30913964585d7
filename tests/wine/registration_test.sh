#!/usr/bin/env bash
# Registers ZelvaneTextBox.dll for the machine and for the current user with the
# regsvr32 of its width in the Wine prefix, checks the keys in that width's registry
# view, unregisters and checks they are gone from both views. Given the other
# width's DLL as well, registers both for the machine side by side and removes one,
# then the other.
# Usage: registration_test.sh <runner that starts a Windows program> <path of ZelvaneTextBox.dll>
#        <its width, 32 or 64> <type library version, major.minor> [<the other width's DLL>]
set -u
source "$(dirname "$0")/../../scripts/system_folder.sh"
run=$1
dll=$2
width=$3
typelib_version=$4
other_dll=${5:-}
cd "$(dirname "$dll")" || exit 1
name=$(basename "$dll")
other_width=$((96 - width))
# Z: is the Unix root in every Wine prefix.
winpath() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }

clsid='{22440534-3A76-42C3-84E7-00FCA90987ED}'
libid='{424BCF31-2237-4FBE-95AA-0BD02DDF6A89}'
iid='{C6152ADB-714E-45B9-9D31-2F62CF65C188}'
safe_for_scripting='{7DD95801-9882-11CF-9FA9-00AA006C42C4}'
safe_for_initialising='{7DD95802-9882-11CF-9FA9-00AA006C42C4}'
passed=0
failed=0

pass() { passed=$((passed + 1)); echo "ok   $1"; }
fail() { failed=$((failed + 1)); echo "FAIL $1"; }
# The programs of one width: the 32-bit ones see the 32-bit registry view, where the
# class keys are their own and the ProgID keys shared with the 64-bit view. (Wine's
# 64-bit reg with /reg:32 does not show the shared keys.)
# regsvr WIDTH ARGS...
regsvr() {
  local program
  program="$(system_folder "$1")\regsvr32.exe"
  shift
  if "$run" "$program" /s "$@"; then pass "$program $*"; else fail "$program $* exited $?"; fi
}

# The registry view the reads below look at: 32 or 64.
view=$width
# Each Wine start costs seconds: every tree is read once, with its subkeys and values.
dump=""
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
# Every tree read is expected to be there: a query that fails is tried once more (a
# Wine program start fails now and then on a loaded machine), then reported as such
# rather than as missing keys.
read_tree() {
  local out attempt
  for attempt in 1 2; do
    if out=$("$run" "$(system_folder "$view")\reg.exe" query "$1" /s 2>"$errors"); then
      dump+=$(tr -d '\r' <<<"$out")$'\n\n'
      return
    fi
  done
  echo "note: reg query $1 (view $view) failed twice: $(tr -d '\r' <"$errors" | head -n 3) $(head -n 1 <<<"$out")"
}
exists() { "$run" "$(system_folder "$2")\reg.exe" query "$1" >/dev/null 2>&1; }

# The lines of one key's section in the dump: its values.
section() {
  # Through the environment: awk -v would read the backslashes as escapes.
  KEY="$1" awk 'BEGIN { k = tolower(ENVIRON["KEY"]) }
    /^HKEY_/ { inside = (tolower($0) == k); next }
    inside && NF { print }' <<<"$dump"
}
full_name() { sed -e 's/^HKLM\\/HKEY_LOCAL_MACHINE\\/' -e 's/^HKCU\\/HKEY_CURRENT_USER\\/' -e 's/^HKCR\\/HKEY_CLASSES_ROOT\\/' <<<"$1"; }
expect_key() {
  if grep -qixF -- "$(full_name "$1")" <<<"$dump"; then pass "present: $1"; else fail "missing: $1"; fi
}
# expect_value KEY NAME EXPECTED: NAME "(Default)" for the key's default value.
expect_value() {
  local line
  line=$(section "$(full_name "$1")" | grep -F -- "    $2    ")
  if grep -qF -- "$3" <<<"$line"; then pass "$1 [$2] = $3"; else fail "$1 [$2]: expected '$3', got '$line'"; fi
}
# expect_no_key KEY [VIEW]: absent from VIEW, by default from both views.
expect_no_key() {
  local v
  for v in ${2:-32 64}; do
    if exists "$1" "$v"; then fail "left behind: $1 (view $v)"; else pass "absent: $1 (view $v)"; fi
  done
}
expect_no_subkey() {
  if grep -qixF -- "$(full_name "$1")" <<<"$dump"; then fail "unexpected: $1"; else pass "absent: $1"; fi
}

# check_registered ROOT [DLL]: the class served by that DLL, in the current view.
# Given the DLL, the other width has just been removed: Wine, unlike Windows, shares
# HKCR\Interface between the views, so that removal took the interface keys (which
# in-process use does not need) from both.
check_registered() {
  local root=$1 file=$name
  [ $# -gt 1 ] && file=$(winpath "$2")
  local cls="$root\\CLSID\\$clsid"
  # A user's type library and interfaces are the user's too (HKEY_CLASSES_ROOT shows
  # them on Windows, not in Wine).
  local classes=HKCR
  [ "$root" = "$user" ] && classes=$root
  dump=""
  read_tree "$cls"
  read_tree "$root\\ZelvaneTextBox.Zelvane"
  read_tree "$root\\ZelvaneTextBox.Zelvane.1"
  read_tree "$classes\\TypeLib\\$libid"
  [ $# -gt 1 ] || read_tree "$classes\\Interface\\$iid"
  for sub in InprocServer32 ProgID VersionIndependentProgID Control ToolboxBitmap32 MiscStatus\\1 TypeLib \
    Version "Implemented Categories\\{40FC6ED4-2438-11CF-A3DB-080036F12502}"; do
    expect_key "$cls\\$sub"
  done
  expect_value "$cls" "(Default)" "Zelvane Class"
  expect_value "$cls\\InprocServer32" "(Default)" "$file"
  expect_value "$cls\\InprocServer32" ThreadingModel "Apartment"
  expect_value "$cls\\ProgID" "(Default)" "ZelvaneTextBox.Zelvane.1"
  expect_value "$cls\\VersionIndependentProgID" "(Default)" "ZelvaneTextBox.Zelvane"
  expect_value "$cls\\ToolboxBitmap32" "(Default)" "$name, 1"
  expect_value "$cls\\MiscStatus" "(Default)" "0"
  expect_value "$cls\\MiscStatus\\1" "(Default)" "131473"
  expect_value "$cls\\TypeLib" "(Default)" "$libid"
  expect_value "$cls\\Version" "(Default)" "$typelib_version"
  expect_value "$root\\ZelvaneTextBox.Zelvane" "(Default)" "Zelvane Class"
  expect_value "$root\\ZelvaneTextBox.Zelvane\\CLSID" "(Default)" "$clsid"
  expect_value "$root\\ZelvaneTextBox.Zelvane\\CurVer" "(Default)" "ZelvaneTextBox.Zelvane.1"
  expect_value "$root\\ZelvaneTextBox.Zelvane.1\\CLSID" "(Default)" "$clsid"
  # Not safe for scripting or initialising: a page could read another control's saved list.
  expect_no_subkey "$cls\\Implemented Categories\\$safe_for_scripting"
  expect_no_subkey "$cls\\Implemented Categories\\$safe_for_initialising"
  expect_key "$classes\\TypeLib\\$libid\\$typelib_version\\409\\win$view"
  expect_value "$classes\\TypeLib\\$libid\\$typelib_version" "(Default)" "Orvik Components Zelvane TextBox"
  [ $# -gt 1 ] || expect_key "$classes\\Interface\\$iid"
}

check_unregistered() {
  local root=$1
  expect_no_key "$root\\CLSID\\$clsid"
  expect_no_key "$root\\ZelvaneTextBox.Zelvane"
  expect_no_key "$root\\ZelvaneTextBox.Zelvane.1"
  expect_no_key "HKCR\\TypeLib\\$libid"
  expect_no_key "HKCR\\Interface\\$iid"
  if [ "$root" = "$user" ]; then
    expect_no_key "$root\\TypeLib\\$libid"
    expect_no_key "$root\\Interface\\$iid"
  fi
}

machine='HKLM\Software\Classes'
user='HKCU\Software\Classes'

echo "== machine registration, $width-bit"
regsvr "$width" "$name"
check_registered "$machine"
expect_no_key "$user\\CLSID\\$clsid"
expect_no_key "$machine\\CLSID\\$clsid" "$other_width"
regsvr "$width" /u "$name"
check_unregistered "$machine"

echo "== per-user registration, $width-bit"
regsvr "$width" /n /i:user "$name"
check_registered "$user"
expect_no_key "$machine\\CLSID\\$clsid"
regsvr "$width" /u /n /i:user "$name"
check_unregistered "$user"

echo "== unregistering twice is no error"
regsvr "$width" /u "$name"

if [ -n "$other_dll" ]; then
  # 64-bit Windows shares the ProgID keys between the views: removing one width must
  # leave the other's registration whole.
  echo "== both widths registered for the machine, the $width-bit one removed"
  regsvr "$width" "$name"
  regsvr "$other_width" "$(winpath "$other_dll")"
  regsvr "$width" /u "$name"
  expect_no_key "$machine\\CLSID\\$clsid" "$width"
  view=$other_width
  check_registered "$machine" "$other_dll"
  regsvr "$other_width" /u "$(winpath "$other_dll")"
  check_unregistered "$machine"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
