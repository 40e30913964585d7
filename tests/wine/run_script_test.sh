#!/usr/bin/env bash
# Registers ZelvaneTextBox.dll in the Wine prefix, runs one VBScript through
# cscript and unregisters again; the script's exit code is the test's.
# Usage: run_script_test.sh <runner that starts a Windows program> <path of ZelvaneTextBox.dll> <script.vbs>
set -u
run=$1
dll=$2
script=$3
dir=$(cd "$(dirname "$dll")" && pwd)
name=$(basename "$dll")
script_dir=$(cd "$(dirname "$script")" && pwd)

(cd "$dir" && "$run" regsvr32 /s "$name") || { echo "FAIL regsvr32 $name"; exit 1; }
# Z: is the Unix root in every Wine prefix.
windows_script="Z:$(sed 's|/|\\|g' <<<"$script_dir/$(basename "$script")")"
"$run" cscript //nologo "$windows_script" | tr -d '\r'
status=${PIPESTATUS[0]}
(cd "$dir" && "$run" regsvr32 /s /u "$name") || { echo "FAIL regsvr32 /u $name"; exit 1; }
exit "$status"
