#!/usr/bin/env bash
# Registers ZelvaneTextBox.dll in the Wine prefix with the regsvr32 of its width,
# runs one VBScript (after script_checks.vbs) through the cscript of that width and
# unregisters again. The script passes when it exits 0 and its last line reads
# "<n> passed, 0 failed":
# Wine's cscript exits 0 without a word on an error the script does not handle.
# Usage: run_script_test.sh <runner that starts a Windows program> <path of ZelvaneTextBox.dll>
#        <its width, 32 or 64> <script.vbs>
set -u
source "$(dirname "$0")/../../scripts/system_folder.sh"
run=$1
dll=$2
width=$3
script=$4
dir=$(cd "$(dirname "$dll")" && pwd)
name=$(basename "$dll")
system=$(system_folder "$width")

(cd "$dir" && "$run" "$system\\regsvr32.exe" /s "$name") || { echo "FAIL regsvr32 $name"; exit 1; }
# VBScript has no include: the script runs after the shared checks, from one file.
combined=$(mktemp --suffix=.vbs)
trap 'rm -f "$combined"' EXIT
cat "$(dirname "$0")/script_checks.vbs" "$script" >"$combined"
# Z: is the Unix root in every Wine prefix.
windows_script="Z:$(sed 's|/|\\|g' <<<"$combined")"
status=0
output=$(set -o pipefail; "$run" "$system\\cscript.exe" //nologo "$windows_script" | tr -d '\r') || status=$?
echo "$output"
(cd "$dir" && "$run" "$system\\regsvr32.exe" /s /u "$name") || { echo "FAIL regsvr32 /u $name"; exit 1; }
[ "$status" -eq 0 ] || exit "$status"
grep -qE '^[0-9]+ passed, 0 failed$' <<<"$(tail -n 1 <<<"$output")" && exit 0
echo "FAIL the script stopped before its summary"
exit 1
