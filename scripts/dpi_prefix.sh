# Sourced by the scripts and the Windows tests that run a program at another DPI.
# The DPI is a setting of a whole Wine prefix, read when its server starts, so such
# a run gets a copy of the shared prefix and its own wineserver: the shared one
# stays at 96 dpi for everything else.
# dpi_prefix_make SOURCE DPI RUNNER: prints the new prefix's path.
dpi_prefix_make() {
  local source=$1 dpi=$2 run=$3 prefix
  prefix=$(mktemp -d "${TMPDIR:-/tmp}/zelvane-dpi$dpi.XXXXXX")
  cp -a "$source/." "$prefix/"
  WINEPREFIX=$prefix "$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  dpi_prefix_stop "$prefix"
  echo "$prefix"
}

# dpi_prefix_stop PREFIX: ends the prefix's wineserver (and so its programs).
dpi_prefix_stop() {
  local server
  server=$(dirname "${WINE64:-$(dpkg -L wine64 | grep 'wine/wine64$' | head -n 1)}")/wineserver
  WINEPREFIX=$1 "$server" -k >/dev/null 2>&1 || true
}

# dpi_prefix_remove PREFIX
dpi_prefix_remove() {
  dpi_prefix_stop "$1"
  rm -rf "$1"
}
