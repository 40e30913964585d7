# Shared by the demo and test commands: package set-up and the Wine environment.
# Sourcing it sets no shell option: each script sets its own.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=${JOBS:-$(nproc)}

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# Installs the Debian packages that are missing; a no-op when all are present.
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  apt_update
  apt_install "${missing[@]}"
}

apt_install() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

BUILD_PACKAGES=(cmake ninja-build g++ git python3)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev)
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-x86-64
  binutils-mingw-w64-i686 wine64 wine xvfb xauth)
# The release: the archive, the Windows Installer packages (wixl builds them, msiinfo
# reads them back) and their optional signatures.
PACKAGE_PACKAGES=(zip wixl msitools osslsigncode)

# An index that cannot be fetched (a mirror in sync) fails the update, yet the indexes
# it has are enough for most installs; an install that needs the missing one fails
# clearly by itself.
apt_update() {
  as_root apt-get update -qq || echo "== apt-get update could not fetch every index; going on with those it has"
}

source "$ROOT/scripts/system_folder.sh"
source "$ROOT/scripts/wine32_packages.sh"
source "$ROOT/scripts/i686.sh"
source "$ROOT/scripts/wine_prefix.sh"

# A private Wine prefix for this run, made once; Wine's own chatter is silenced.
setup_wine() {
  WINE64=$(dpkg -L wine64 | grep 'wine/wine64$' | head -n 1)
  export WINE64
  export WINEDEBUG=-all
  # No Mono/Gecko installers; a crashing program ends instead of waiting in winedbg.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX=$(mktemp -d /tmp/zelvane-wine.XXXXXX)
    export WINEPREFIX
    trap 'wineserver_stop; rm -rf "$WINEPREFIX"' EXIT
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating Wine prefix $WINEPREFIX"
    wine_prefix_init "$WINE64"
  fi
}

wineserver_wait() {
  local server
  server=$(dirname "$WINE64")/wineserver
  [ -x "$server" ] && "$server" -w || true
}

wineserver_stop() {
  local server
  server=$(dirname "$WINE64")/wineserver
  [ -x "$server" ] && "$server" -k >/dev/null 2>&1 || true
}

configure_and_build() {
  local preset=$1
  shift
  echo "== build: $preset"
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build --preset "$preset" -j "$JOBS"
}

# The project's version (project(... VERSION) in CMakeLists.txt) as a configured build tree has it.
project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# sign_file FILE: signs a DLL or an MSI in place when the person packaging names a
# certificate and its key, and does nothing when neither is named:
#   ZELVANE_SIGN_CERT           the code-signing certificate (PEM or DER, with its chain)
#   ZELVANE_SIGN_KEY            its private key (PEM or DER, not encrypted)
#   ZELVANE_SIGN_TIMESTAMP_URL  optional: an RFC 3161 time-stamping server, so the
#                               signature stays valid after the certificate expires
sign_file() {
  [ -n "${ZELVANE_SIGN_CERT:-}${ZELVANE_SIGN_KEY:-}" ] || return 0
  if [ -z "${ZELVANE_SIGN_CERT:-}" ] || [ -z "${ZELVANE_SIGN_KEY:-}" ]; then
    echo "signing needs both ZELVANE_SIGN_CERT and ZELVANE_SIGN_KEY" >&2
    return 1
  fi
  local timestamp=()
  [ -n "${ZELVANE_SIGN_TIMESTAMP_URL:-}" ] && timestamp=(-ts "$ZELVANE_SIGN_TIMESTAMP_URL")
  osslsigncode sign -certs "$ZELVANE_SIGN_CERT" -key "$ZELVANE_SIGN_KEY" -h sha256 -n ZelvaneTextBox \
    "${timestamp[@]}" -in "$1" -out "$1.signed" >/dev/null
  mv "$1.signed" "$1"
}

# build_msi x86|x64 WXS OUTPUT: the Windows Installer package of that width from the
# ZelvaneTextBox.wxs a build configured beside the files its package target staged
# (cmake/ZelvanePackage.cmake).
build_msi() { wixl -a "$1" -o "$3" "$2"; }
