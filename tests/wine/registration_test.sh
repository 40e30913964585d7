#!/usr/bin/env bash
# Registers ZelvaneTextBox.dll for the machine and for the current user with
# regsvr32 in the Wine prefix, checks the keys, unregisters and checks they are gone.
# Usage: registration_test.sh <runner that starts a Windows program> <path of ZelvaneTextBox.dll>
#        <type library version, major.minor>
set -u
run=$1
dll=$2
typelib_version=$3
cd "$(dirname "$dll")" || exit 1
name=$(basename "$dll")

clsid='{22440534-3A76-42C3-84E7-00FCA90987ED}'
libid='{424BCF31-2237-4FBE-95AA-0BD02DDF6A89}'
iid='{C6152ADB-714E-45B9-9D31-2F62CF65C188}'
safe_for_scripting='{7DD95801-9882-11CF-9FA9-00AA006C42C4}'
safe_for_initialising='{7DD95802-9882-11CF-9FA9-00AA006C42C4}'
passed=0
failed=0

pass() { passed=$((passed + 1)); echo "ok   $1"; }
fail() { failed=$((failed + 1)); echo "FAIL $1"; }
regsvr() {
  if "$run" regsvr32 /s "$@"; then pass "regsvr32 $*"; else fail "regsvr32 $* exited $?"; fi
}

# Each Wine start costs seconds: every tree is read once, with its subkeys and values.
dump=""
read_tree() { dump+=$("$run" reg query "$1" /s 2>/dev/null | tr -d '\r')$'\n\n'; }
exists() { "$run" reg query "$1" >/dev/null 2>&1; }

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
expect_no_key() { if exists "$1"; then fail "left behind: $1"; else pass "absent: $1"; fi; }
expect_no_subkey() {
  if grep -qixF -- "$(full_name "$1")" <<<"$dump"; then fail "unexpected: $1"; else pass "absent: $1"; fi
}

check_registered() {
  local root=$1
  local cls="$root\\CLSID\\$clsid"
  dump=""
  read_tree "$cls"
  read_tree "$root\\ZelvaneTextBox.Zelvane"
  read_tree "$root\\ZelvaneTextBox.Zelvane.1"
  read_tree "HKCR\\TypeLib\\$libid"
  read_tree "HKCR\\Interface\\$iid"
  for sub in InprocServer32 ProgID VersionIndependentProgID Control ToolboxBitmap32 MiscStatus\\1 TypeLib \
    Version "Implemented Categories\\{40FC6ED4-2438-11CF-A3DB-080036F12502}"; do
    expect_key "$cls\\$sub"
  done
  expect_value "$cls" "(Default)" "Zelvane Class"
  expect_value "$cls\\InprocServer32" "(Default)" "$name"
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
  expect_key "HKCR\\TypeLib\\$libid\\$typelib_version"
  expect_key "HKCR\\Interface\\$iid"
}

check_unregistered() {
  local root=$1
  expect_no_key "$root\\CLSID\\$clsid"
  expect_no_key "$root\\ZelvaneTextBox.Zelvane"
  expect_no_key "$root\\ZelvaneTextBox.Zelvane.1"
  expect_no_key "HKCR\\TypeLib\\$libid"
  expect_no_key "HKCR\\Interface\\$iid"
}

machine='HKLM\Software\Classes'
user='HKCU\Software\Classes'

echo "== machine registration"
regsvr "$name"
check_registered "$machine"
expect_no_key "$user\\CLSID\\$clsid"
regsvr /u "$name"
check_unregistered "$machine"

echo "== per-user registration"
regsvr /n /i:user "$name"
check_registered "$user"
expect_no_key "$machine\\CLSID\\$clsid"
regsvr /u /n /i:user "$name"
check_unregistered "$user"

echo "== unregistering twice is no error"
regsvr /u "$name"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
