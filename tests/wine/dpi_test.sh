#!/usr/bin/env bash
# Runs the control's layout and per-monitor font checks at 144 and 192 dpi, each in
# a copy of the shared Wine prefix set to that DPI.
# Usage: dpi_test.sh <runner that starts a Windows program> <test_visual_styles_wine.exe>
set -euo pipefail
source "$(dirname "$0")/../../scripts/dpi_prefix.sh"
run=$1
program=$2
: "${WINEPREFIX:?the shared Wine prefix}"

prefix=
trap '[ -z "$prefix" ] || dpi_prefix_remove "$prefix"' EXIT
for dpi in 144 192; do
  prefix=$(dpi_prefix_make "$WINEPREFIX" "$dpi" "$run")
  echo "== $dpi dpi"
  WINEPREFIX=$prefix "$run" "$program" --gtest_filter='*LayoutFollowsTheDpi*:*PerMonitor*'
  dpi_prefix_remove "$prefix"
  prefix=
done
