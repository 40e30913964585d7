#!/usr/bin/env bash
# The Windows Installer packages as an IT department deploys them, in a fresh Wine
# prefix. Their tables: no SelfReg table and no custom action, the width's platform,
# per machine. Then, for x64: an older version installed and upgraded in place (one
# Uninstall entry, only the new type library version key, the control works from a
# script client); the older package refused over it, changing nothing; the keys the
# package wrote compared with regsvr32's for the same DLL, key for key and value for
# value. The x86 package beside it: its keys are x64's in the 32-bit view; removing
# either width leaves the other's keys whole; removing both leaves nothing. Then
# regsvr32 registering over an older version of its width: the older type library
# version goes, another width's keys stay. Signing: the older version's DLL and package
# signed with a certificate made here and verified; today's packages unsigned.
# Needs a display (xvfb-run) for the script client. With 64-only, where this machine
# cannot start 32-bit programs, no 32-bit program uses the x86 package's control.
#   installer_test.sh <x86_64 build folder with the tests> <x64 .msi> <x86 .msi> [64-only]
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
build=$(realpath "$1")
msi64=$(realpath "$2")
msi86=$(realpath "$3")
only64=${4:-}
client=$(realpath "$(dirname "$0")/list_members.vbs")

clsid='{22440534-3A76-42C3-84E7-00FCA90987ED}'
libid='{424BCF31-2237-4FBE-95AA-0BD02DDF6A89}'
older_version=1.0.0
version=$(project_version "$build")
IFS=. read -r major minor _ <<<"$version"
typelib_version=$major.$minor

source "$(dirname "$0")/checks.sh"
# same WHAT EXPECTED ACTUAL
same() {
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1:"$'\n'"$(diff <(echo "$2") <(echo "$3"))"; fi
}

work=$(mktemp -d /tmp/zelvane-installer.XXXXXX)
export WINEPREFIX=$work/prefix
WINE64=${WINE64:-$(dpkg -L wine64 | grep 'wine/wine64$' | head -n 1)}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
wineserver=$(dirname "$WINE64")/wineserver
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
winpath() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }

echo "== the packages' tables"
for width in x64 x86; do
  msi=$msi64 platform=x64
  [ "$width" = x86 ] && msi=$msi86 platform=Intel
  check "$width: no SelfReg table" bash -c "! msiinfo tables '$msi' | grep -qx SelfReg"
  check "$width: no custom action" test "$(msiinfo export "$msi" CustomAction | wc -l)" -eq 3
  check "$width: platform $platform" bash -c "msiinfo suminfo '$msi' | grep -qx 'Template: $platform;1033'"
  check "$width: per machine (ALLUSERS 1)" bash -c "msiinfo export '$msi' Property | tr -d '\r' | grep -qx $'ALLUSERS\t1'"
  check "$width: an older version refused over it, with the reason" bash -c "msiinfo export '$msi' LaunchCondition |
    grep -qF \"A newer version of ZelvaneTextBox ($width) is already installed.\""
  check "$width: unsigned when no certificate is named" bash -c "! osslsigncode verify -in '$msi' >/dev/null 2>&1"
done

echo "== an older version, signed with a certificate made here"
cmake --build "$build" --target zelvane_older_package >/dev/null || fail "building the older version"
older=$build/tests/wine/older
older_msi=$work/ZelvaneTextBox-$older_version-x64.msi
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=ZelvaneTextBox test" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" >/dev/null 2>&1
(
  export ZELVANE_SIGN_CERT=$work/cert.pem ZELVANE_SIGN_KEY=$work/key.pem
  sign_file "$older/x64/ZelvaneTextBox.dll" && build_msi x64 "$older/ZelvaneTextBox.wxs" "$older_msi" &&
    sign_file "$older_msi"
) || fail "signing and packaging the older version"
for file in "$older/x64/ZelvaneTextBox.dll" "$older_msi"; do
  check "signature verified: $(basename "$file")" \
    bash -c "osslsigncode verify -CAfile '$work/cert.pem' -in '$file' 2>&1 | grep -q 'Signature verification: ok'"
done

echo "== a fresh Wine prefix"
wine_prefix_init "$WINE64"
mkdir -p "$WINEPREFIX/drive_c/test"
# VBScript has no include: the client runs after the shared checks, from one file.
cat "$(dirname "$client")/script_checks.vbs" "$client" >"$WINEPREFIX/drive_c/test/client.vbs"
program_files=$WINEPREFIX/drive_c/'Program Files'/ZelvaneTextBox
program_files86=$WINEPREFIX/drive_c/'Program Files (x86)'/ZelvaneTextBox
installed='C:\Program Files\ZelvaneTextBox\ZelvaneTextBox.dll'

# msiexec ARGS...: its exit code, which Wine cuts to 8 bits (1603 reads 67).
msiexec() { "$WINE64" msiexec "$@" /qn </dev/null >/dev/null 2>&1; }
run() { "$WINE64" "$@" </dev/null 2>&1 | tr -d '\r'; }
regsvr() { "$WINE64" 'C:\windows\system32\regsvr32.exe' /s "$@" </dev/null >/dev/null 2>&1; }

# The registry as Wine saves it, once the programs have ended.
snapshot() { "$wineserver" -w; }
# The control's keys in both views, one line per value ("key<TAB>value line", a key
# without values as "key<TAB>"), keys as Wine's registry file writes them.
interfaces=$(tr -d '\r\n' <"$ROOT/src/com/zelvane_text_box.idl" |
  grep -oE 'uuid\([0-9A-Fa-f-]+\)[^]]*\][[:space:]]*(disp)?interface[[:space:]]' | grep -oE '[0-9A-Fa-f-]{36}')
control_keys() {
  local tops="clsid\\\\$clsid typelib\\\\$libid zelvanetextbox.zelvane zelvanetextbox.zelvane.1" iid
  for iid in $interfaces; do tops+=" interface\\\\{$iid}"; done
  TOPS=$tops awk '
    BEGIN { n = split(tolower(ENVIRON["TOPS"]), top, " "); classes = "software\\\\classes\\\\"; wow = "wow6432node\\\\" }
    function ours(key, rest, i) {
      rest = tolower(key)
      if (index(rest, classes) != 1) return 0
      rest = substr(rest, length(classes) + 1)
      if (index(rest, wow) == 1) rest = substr(rest, length(wow) + 1)
      for (i = 1; i <= n; i++) if (rest == top[i] || index(rest, top[i] "\\\\") == 1) return 1
      return 0
    }
    function flush() { if (inside && !values) print key "\t" }
    /^\[/ { flush(); key = substr($0, 2); sub(/\] [0-9]+$/, "", key); inside = ours(key); values = 0; next }
    /^#/ || !NF { next }
    inside { print key "\t" $0; values = 1 }
    END { flush() }' "$WINEPREFIX/system.reg" | LC_ALL=C sort
}
# The Uninstall entries of the control's packages: "name | publisher | version".
uninstall_entries() {
  awk '
    function value(line) { sub(/^"[^"]*"="/, "", line); sub(/"$/, "", line); return line }
    function flush() { if (name ~ /^ZelvaneTextBox/) print name " | " publisher " | " version; name = "" }
    /^\[/ { flush(); inside = ($0 ~ /CurrentVersion\\\\Uninstall\\\\/); next }
    inside && /^"DisplayName"=/ { name = value($0) }
    inside && /^"Publisher"=/ { publisher = value($0) }
    inside && /^"DisplayVersion"=/ { version = value($0) }
    END { flush() }' "$WINEPREFIX/system.reg" | LC_ALL=C sort
}
# The type library's keys below its identifier, in one line.
typelib_keys() {
  control_keys | cut -f1 | grep -iF "typelib\\\\$libid\\\\" | sed "s/^.*$libid\\\\\\\\//" | LC_ALL=C sort -u | tr '\n' ' '
}
# typelib VERSION WIDTH...: what typelib_keys shows for a version with those widths' files.
typelib() {
  local v=$1 w
  shift
  printf '%s ' "$v"
  for w; do printf '%s\\\\409\\\\%s ' "$v" "$w"; done
  printf '%s\\\\FLAGS ' "$v"
}
script_client_works() {
  run 'C:\windows\system32\cscript.exe' //nologo 'C:\test\client.vbs' | tail -n 1 | grep -qE '^[0-9]+ passed, 0 failed$'
}
# The x64 lines as the x86 package writes them: the 32-bit view, its folder and file key.
as_x86() {
  sed -e 's/^Software\\\\Classes\\\\\(CLSID\|Interface\|ZelvaneTextBox\)/Software\\\\Classes\\\\Wow6432Node\\\\\1/' \
    -e 's/\\\\win64\t/\\\\win32\t/' -e 's/Program Files\\\\/Program Files (x86)\\\\/'
}
progid_lines() { grep -F 'Classes\\ZelvaneTextBox.Zelvane'; }

echo "== the older version, then today's over it"
check "installing $older_version" msiexec /i "$(winpath "$older_msi")"
snapshot
same "its Uninstall entry" "ZelvaneTextBox (x64) | Orvik Components | $older_version" "$(uninstall_entries)"
older_typelib=${older_version%.*}
same "its type library version" "$(typelib "$older_typelib" win64)" "$(typelib_keys)"
check "upgrading to $version" msiexec /i "$(winpath "$msi64")"
snapshot
same "one Uninstall entry, of $version" "ZelvaneTextBox (x64) | Orvik Components | $version" "$(uninstall_entries)"
same "only the type library version $typelib_version" "$(typelib "$typelib_version" win64)" "$(typelib_keys)"
check "the script client uses the control" script_client_works
upgraded=$(control_keys)

echo "== the older version over today's"
code=0
msiexec /i "$(winpath "$older_msi")" /l*v 'C:\test\downgrade.log' || code=$?
check "refused (exit $code)" test "$code" -ne 0
# The package's launch condition shows the reason (checked with the tables above);
# Wine's log tells only that the newer product was found.
check "because $version is installed" grep -qF "WIX_DOWNGRADE_DETECTED = {" "$WINEPREFIX/drive_c/test/downgrade.log"
snapshot
same "the keys unchanged" "$upgraded" "$(control_keys)"
same "the Uninstall entry unchanged" "ZelvaneTextBox (x64) | Orvik Components | $version" "$(uninstall_entries)"

echo "== the package's keys against regsvr32's"
check "regsvr32 /u of the installed DLL" regsvr /u "$installed"
snapshot
same "regsvr32 /u removed every key the package wrote" "" "$(control_keys)"
check "regsvr32 of the installed DLL" regsvr "$installed"
snapshot
same "regsvr32 writes what the package wrote" "$upgraded" "$(control_keys)"

echo "== both widths"
check "installing x86 beside x64" msiexec /i "$(winpath "$msi86")"
snapshot
same "the x86 keys are x64's in the 32-bit view" "$(LC_ALL=C sort -u <(echo "$upgraded") <(as_x86 <<<"$upgraded"))" \
  "$(control_keys)"
check "the x86 files in Program Files (x86)" test -f "$program_files86/ZelvaneTextBox.dll" -a -f "$program_files86/ZelvaneTextBox.X.manifest"
check "removing x64" msiexec /x "$(winpath "$msi64")"
snapshot
# The ProgID keys belong to both packages: they stay while one is installed.
same "the x86 keys whole" "$(LC_ALL=C sort -u <(as_x86 <<<"$upgraded") <(progid_lines <<<"$upgraded"))" "$(control_keys)"
check "the x64 files gone" test ! -e "$program_files"
if [ "$only64" != 64-only ]; then
  check "the 32-bit script client uses the control" \
    bash -c "'$WINE64' 'C:\\windows\\syswow64\\cscript.exe' //nologo 'C:\\test\\client.vbs' </dev/null 2>&1 | tr -d '\r' | tail -n 1 | grep -qE '^[0-9]+ passed, 0 failed$'"
fi
check "installing x64 again" msiexec /i "$(winpath "$msi64")"
check "removing x86" msiexec /x "$(winpath "$msi86")"
snapshot
# Wine keeps the ProgID keys per registry view, where Windows shares them between the
# views: here the 32-bit view's copies stay with the x64 package.
same "the x64 keys whole" "$(LC_ALL=C sort -u <(echo "$upgraded") <(progid_lines <<<"$upgraded" | as_x86))" \
  "$(control_keys)"
check "the script client uses the control" script_client_works
check "removing x64" msiexec /x "$(winpath "$msi64")"
snapshot
same "nothing left but Wine's 32-bit view copies of the ProgID keys" "$(progid_lines <<<"$upgraded" | as_x86)" \
  "$(control_keys)"
same "no Uninstall entry" "" "$(uninstall_entries)"
check "no files" test ! -e "$program_files" -a ! -e "$program_files86"

echo "== regsvr32 over an older version of the same width"
older_dll=$(winpath "$older/x64/ZelvaneTextBox.dll")
today_dll=$(winpath "$build/src/com/ZelvaneTextBox.dll")
register_both() { regsvr "$older_dll" && regsvr "$today_dll"; }
check "registering $older_version, then $version" register_both
snapshot
same "only the type library version $typelib_version" "$(typelib "$typelib_version" win64)" "$(typelib_keys)"
check "unregistering $version" regsvr /u "$today_dll"
snapshot
same "no type library key left" "" "$(typelib_keys)"

echo "== the same with the other width registered at both versions"
other='C:\x86\ZelvaneTextBox.dll'
{
  echo REGEDIT4
  for v in "$older_typelib" "$typelib_version"; do
    printf '[HKEY_LOCAL_MACHINE\\Software\\Classes\\TypeLib\\%s\\%s]\n@="Orvik Components Zelvane TextBox"\n' "$libid" "$v"
    printf '[HKEY_LOCAL_MACHINE\\Software\\Classes\\TypeLib\\%s\\%s\\FLAGS]\n@="0"\n' "$libid" "$v"
    printf '[HKEY_LOCAL_MACHINE\\Software\\Classes\\TypeLib\\%s\\%s\\409\\win32]\n@="%s"\n' "$libid" "$v" "${other//\\/\\\\}"
  done
} >"$WINEPREFIX/drive_c/test/other.reg"
import_other() { "$WINE64" reg import 'C:\test\other.reg' </dev/null >/dev/null 2>&1; }
check "the other width's keys imported" import_other
check "registering $older_version, then $version" register_both
snapshot
same "the older version keeps only the other width" \
  "$(typelib "$older_typelib" win32)$(typelib "$typelib_version" win32 win64)" "$(typelib_keys)"
check "unregistering $version" regsvr /u "$today_dll"
snapshot
same "the other width's keys stay" "$(typelib "$older_typelib" win32)$(typelib "$typelib_version" win32)" "$(typelib_keys)"

checks_summary
