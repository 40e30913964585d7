# Sourced by the scripts and tests that make a Wine prefix of their own.

# wine_prefix_init LOADER: makes the Wine prefix $WINEPREFIX with the wine64 LOADER.
# No window manager runs under Xvfb, yet Wine waits up to two seconds for one whenever
# a window it lets a manager handle is hidden or destroyed: its windows stay unmanaged.
wine_prefix_init() {
  local loader=$1
  mkdir -p "$WINEPREFIX"
  "$loader" wineboot -i >/dev/null 2>&1 || true
  "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$(dirname "$loader")/wineserver" -w
}
