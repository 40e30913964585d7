#!/usr/bin/env bash
# The release archive as a user meets it. Its files: complete, matching SHA256SUMS,
# stripped DLLs linked to their symbols, version resources and manifests of the
# archive's version. Then, in a fresh Wine prefix where nothing is registered, for
# both widths: install-user.cmd through Wine's cmd, the control created and used from
# a script client, uninstall-user.cmd and no key of the control left under
# HKEY_CURRENT_USER\Software\Classes; the same with the machine-wide pair and
# HKEY_LOCAL_MACHINE. An install script without its DLL, with a broken DLL or with a
# wrong argument fails with its message and a non-zero exit code.
# Needs a display (xvfb-run): the script client makes the control's windows. With
# 64-only, where this machine cannot start 32-bit programs, the x86 DLL is only checked
# as a file and the scripts run from the 64-bit cmd.
#   package_test.sh <ZelvaneTextBox-<version>.zip> [64-only]
set -uo pipefail
source "$(dirname "$0")/../../scripts/system_folder.sh"
source "$(dirname "$0")/../../scripts/wine_prefix.sh"
archive=$(realpath "$1")
only64=${2:-}
client=$(realpath "$(dirname "$0")/list_members.vbs")

clsid='{22440534-3A76-42C3-84E7-00FCA90987ED}'
libid='{424BCF31-2237-4FBE-95AA-0BD02DDF6A89}'
iid='{C6152ADB-714E-45B9-9D31-2F62CF65C188}'
events_iid='{CEBF5B36-4409-48AA-8DE7-776C664C5B46}'
control_keys=("CLSID\\$clsid" ZelvaneTextBox.Zelvane ZelvaneTextBox.Zelvane.1 "TypeLib\\$libid"
  "Interface\\$iid" "Interface\\$events_iid")

version=$(basename "$archive" .zip)
version=${version#ZelvaneTextBox-}
IFS=. read -r major minor patch tweak <<<"$version"
file_version=$major.${minor:-0}.${patch:-0}.${tweak:-0}
typelib_version=$major.${minor:-0}

source "$(dirname "$0")/checks.sh"

work=$(mktemp -d /tmp/zelvane-package.XXXXXX)
export WINEPREFIX=$work/prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winedbg.exe=d}
WINE64=${WINE64:-$(dpkg -L wine64 | grep 'wine/wine64$' | head -n 1)}
wineserver=$(dirname "$WINE64")/wineserver
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "== the archive's files"
pkg=$work/unpacked
python3 -m zipfile -e "$archive" "$pkg" || exit 1
expected="LICENSE README.txt SHA256SUMS THIRD-PARTY-NOTICES.txt install-machine.cmd install-user.cmd
register.cmd uninstall-machine.cmd uninstall-user.cmd"
for width in x64 x86; do
  expected+=" $width/ZelvaneTextBox.X.manifest $width/ZelvaneTextBox.dep $width/ZelvaneTextBox.dll $width/ZelvaneTextBox.dll.debug"
done
check "the archive holds exactly the release files" \
  test "$(cd "$pkg" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)" = "$(tr ' ' '\n' <<<"$expected" | LC_ALL=C sort)"
check "every file matches SHA256SUMS" bash -c "cd '$pkg' && sha256sum --quiet -c SHA256SUMS"
for text in "$pkg"/*.cmd "$pkg"/*.txt "$pkg"/LICENSE "$pkg"/x*/ZelvaneTextBox.dep; do
  check "$(basename "$text") has CR LF line ends" test -z "$(grep -v $'\r$' "$text")"
done
check "README.txt names version $version" grep -q "^ZelvaneTextBox $version" "$pkg/README.txt"
check "README.txt gives the assembly version $file_version" grep -qF "version=\"$file_version\"" "$pkg/README.txt"

for width in x64 x86; do
  if [ "$width" = x64 ]; then tools=x86_64-w64-mingw32 format=pei-x86-64 arch=amd64; else tools=i686-w64-mingw32 format=pei-i386 arch=x86; fi
  dll=$pkg/$width/ZelvaneTextBox.dll
  sections=$("$tools-objdump" -h "$dll")
  check "$width DLL is a $format image" grep -q "file format $format" <<<"$sections"
  check "$width DLL carries no debugging information" test -z "$(grep -F .debug_ <<<"$sections")"
  check "$width DLL links ZelvaneTextBox.dll.debug" bash -c "grep -qF .gnu_debuglink <<<\"\$0\" && grep -aqF ZelvaneTextBox.dll.debug '$dll'" "$sections"
  check "$width symbols hold debugging information and DllRegisterServer" \
    bash -c "'$tools-objdump' -h '$dll.debug' | grep -qF .debug_info && '$tools-nm' '$dll.debug' | grep -q DllRegisterServer"
  resource=$("$tools-windres" -i "$dll" -O rc | tr -d '\r')
  for line in "FILEVERSION ${file_version//./, }" "PRODUCTVERSION ${file_version//./, }" \
    "VALUE \"FileVersion\", \"$file_version\"" "VALUE \"ProductVersion\", \"$version\"" \
    'VALUE "ProductName", "ZelvaneTextBox"' 'VALUE "FileDescription", "Orvik Components Zelvane TextBox"' \
    'VALUE "LegalCopyright", "Copyright (c) 2026 ZelvaneTextBox developers"' 'VALUE "Translation", 0x409, 1200'; do
    check "$width version resource: $line" grep -qF -- "$line" <<<"$resource"
  done
  check "$width dependency file: version $file_version, registered by itself" \
    bash -c "tr -d '\r' <'$pkg/$width/ZelvaneTextBox.dep' | grep -qxF 'Version=$file_version' &&
             tr -d '\r' <'$pkg/$width/ZelvaneTextBox.dep' | grep -qxF 'Register=\$(DLLSelfRegister)'"
  manifest=$(tr -d '\r\n' <"$pkg/$width/ZelvaneTextBox.X.manifest")
  check "$width manifest: assembly $file_version for $arch, type library $typelib_version" \
    bash -c "grep -qE 'name=\"ZelvaneTextBox.X\" version=\"$file_version\" type=\"win32\" +processorArchitecture=\"$arch\"' <<<\"\$0\" &&
             grep -qF 'version=\"$typelib_version\"' <<<\"\$0\"" "$manifest"
done

echo "== a fresh Wine prefix"
wine_prefix_init "$WINE64"
cp -r "$pkg" "$WINEPREFIX/drive_c/ZelvaneTextBox"
mkdir -p "$WINEPREFIX/drive_c/test"
# VBScript has no include: the client runs after the shared checks, from one file.
cat "$(dirname "$client")/script_checks.vbs" "$client" >"$WINEPREFIX/drive_c/test/client.vbs"
folder='C:\ZelvaneTextBox'
cmd64="$(system_folder 64)\cmd.exe" cmd32="$(system_folder 32)\cmd.exe"

# expect_run CODE TEXT WHAT PROGRAM ARGS...: the program ends with CODE and says TEXT.
expect_run() {
  local code=$1 text=$2 what=$3 out status=0
  shift 3
  out=$("$WINE64" "$@" </dev/null 2>&1 | tr -d '\r') || status=$?
  if [ "$status" -eq "$code" ] && grep -qF -- "$text" <<<"$out"; then
    pass "$what (exit $status)"
  else
    fail "$what: exit $status, expected $code and \"$text\"; said: $out"
  fi
}
exists() { "$WINE64" reg query "$1" "$2" >/dev/null 2>&1; }
expect_key() { check "present: $1 ($2)" exists "$@"; }
expect_no_key() { if exists "$@"; then fail "left behind: $1 ($2)"; else pass "absent: $1 ($2)"; fi; }

# Windows merges HKCU\Software\Classes into HKEY_CLASSES_ROOT, so a registration for
# the user serves the user's programs; Wine 8 looks in HKLM\Software\Classes only (and
# registers a user's type library there). The script client of a user round runs with
# the user's keys of the control copied there, in the width's view, and deleted after.
user_keys=("CLSID\\$clsid" ZelvaneTextBox.Zelvane ZelvaneTextBox.Zelvane.1)
show_user_keys_to_wine() {
  local key
  for key in "${user_keys[@]}"; do
    "$WINE64" reg export "HKCU\\Software\\Classes\\$key" 'C:\test\key.reg' /y "$1" >/dev/null 2>&1 || return 1
    iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/test/key.reg" | tr -d '\r' | tail -n +2
  done | sed -e '1i Windows Registry Editor Version 5.00' -e 's/^\[HKEY_CURRENT_USER\\/[HKEY_LOCAL_MACHINE\\/' \
    >"$WINEPREFIX/drive_c/test/machine.reg" || return 1
  "$WINE64" reg import 'C:\test\machine.reg' "$1" >/dev/null 2>&1
}
hide_user_keys_from_wine() {
  local key
  for key in "${user_keys[@]}"; do "$WINE64" reg delete "HKLM\\Software\\Classes\\$key" /f "$1" >/dev/null 2>&1; done
}

# round SCOPE WIDTH SHELL [ARGUMENT]: install, use, uninstall and check the registry,
# with the scripts run by SHELL (64- or 32-bit cmd) with ARGUMENT or without one.
round() {
  local scope=$1 width=$2 shell=$3 argument=(${4:+"$4"})
  local root='HKCU\Software\Classes' other='HKLM\Software\Classes' view=/reg:64
  local cscript="$(system_folder "$width")\cscript.exe"
  [ "$scope" = machine ] && root='HKLM\Software\Classes' other='HKCU\Software\Classes'
  [ "$width" = x86 ] && view=/reg:32
  echo "== $scope, $width: install-$scope.cmd ${argument[*]:-without an argument} from $shell"
  expect_run 0 "ZelvaneTextBox $width is registered" "install-$scope.cmd" "$shell" /c "$folder\\install-$scope.cmd" "${argument[@]}"
  expect_key "$root\\CLSID\\$clsid" $view
  expect_key "$root\\TypeLib\\$libid\\$typelib_version" $view
  expect_no_key "$other\\CLSID\\$clsid" $view
  [ "$scope" = user ] && check "the user's keys shown to Wine" show_user_keys_to_wine $view
  expect_run 0 " passed, 0 failed" "the script client uses the control" "$cscript" //nologo 'C:\test\client.vbs'
  [ "$scope" = user ] && hide_user_keys_from_wine $view
  expect_run 0 "ZelvaneTextBox $width is no longer registered" "uninstall-$scope.cmd" \
    "$shell" /c "$folder\\uninstall-$scope.cmd" "${argument[@]}"
  for key in "${control_keys[@]}"; do expect_no_key "$root\\$key" $view; done
  expect_no_key "HKCR\\TypeLib\\$libid" $view
}

round user x64 "$cmd64"
if [ "$only64" = 64-only ]; then
  round machine x64 "$cmd64"
else
  round user x86 "$cmd64" x86
  round machine x64 "$cmd32" x64
  round machine x86 "$cmd32"
fi

echo "== failures are told"
mkdir -p "$WINEPREFIX/drive_c/nodll" "$WINEPREFIX/drive_c/broken/x64"
for f in install-user.cmd register.cmd; do
  cp "$pkg/$f" "$WINEPREFIX/drive_c/nodll/"
  cp "$pkg/$f" "$WINEPREFIX/drive_c/broken/"
done
cp "$pkg/README.txt" "$WINEPREFIX/drive_c/broken/x64/ZelvaneTextBox.dll"
expect_run 2 'x64\ZelvaneTextBox.dll was not found beside install-user.cmd' "install-user.cmd without its DLL" \
  "$cmd64" /c 'C:\nodll\install-user.cmd'
expect_run 3 'Windows could not load "C:\broken\x64\ZelvaneTextBox.dll"' "install-user.cmd with a broken DLL" \
  "$cmd64" /c 'C:\broken\install-user.cmd' x64
expect_run 1 'usage: install-user.cmd x86 or x64' "install-user.cmd with a wrong argument" \
  "$cmd64" /c "$folder\\install-user.cmd" arm64

checks_summary
