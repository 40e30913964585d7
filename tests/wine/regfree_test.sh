#!/usr/bin/env bash
# Registration-free use: in a fresh Wine prefix where ZelvaneTextBox is not
# registered, a host creates the control by ProgID through its side-by-side manifest,
# once from an activation context made from the manifest and once through the
# host's own application manifest.
#   regfree_test.sh <wine-run> <ZelvaneRegFreeHost.exe> <host .exe.manifest> <bundle dir>
set -euo pipefail
wine_run=$1 host=$2 host_manifest=$3 bundle=$4

work=$(mktemp -d /tmp/zelvane-regfree.XXXXXX)
export WINEPREFIX=$work/prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
WINE64=${WINE64:-$(dpkg -L wine64 | grep 'wine/wine64$' | head -n 1)}
cleanup() {
  "$(dirname "$WINE64")/wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/../../scripts/wine_prefix.sh"
mkdir -p "$work/app"
wine_prefix_init "$WINE64"

# A host finds only an assembly of its own architecture: x86 for the 32-bit DLL.
pe_architecture() {
  local header
  header=$(od -An -tu4 -j 60 -N 4 "$1" | tr -d ' ')
  case $(od -An -tx2 -j $((header + 4)) -N 2 "$1" | tr -d ' ') in
    014c) echo x86 ;;
    8664) echo amd64 ;;
    *) echo unknown ;;
  esac
}
arch=$(pe_architecture "$bundle/ZelvaneTextBox.dll")
for manifest in "$bundle/ZelvaneTextBox.X.manifest" "$host_manifest"; do
  grep -q "processorArchitecture=\"$arch\"" "$manifest" ||
    { echo "FAIL $(basename "$manifest") does not name processorArchitecture=\"$arch\""; exit 1; }
done
[ "$(pe_architecture "$host")" = "$arch" ] || { echo "FAIL $(basename "$host") is not a $arch program"; exit 1; }
echo "== $arch: the manifests name the DLL's architecture"

cp "$bundle/ZelvaneTextBox.dll" "$bundle/ZelvaneTextBox.X.manifest" "$host" "$work/app/"
cp "$host_manifest" "$work/app/$(basename "$host").manifest"
cd "$work/app"
exe=$(basename "$host")

echo "== activation context from ZelvaneTextBox.X.manifest"
"$wine_run" "$exe" 'ZelvaneTextBox.X.manifest'
echo "== application manifest naming the ZelvaneTextBox.X assembly"
"$wine_run" "$exe"
