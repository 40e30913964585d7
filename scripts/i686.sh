# Sourced by lib.sh: how this machine runs 32-bit Windows programs, the i686 build's
# audience (VB6, 32-bit Office). Debian's wine32:i386 runs them in the same 64-bit
# prefix. Where the kernel starts 32-bit x86 programs, that is all. Where it cannot
# (virtual machines that run 64-bit user code only), QEMU's user-mode emulator runs
# them, registered with binfmt_misc inside a private user and mount namespace, so that
# nothing changes for the rest of the machine.
#
# i686_prepare sets I686 to native, emulated or skipped (with I686_WHY) and prints it in
# one line; i686_enter runs the calling script again where 32-bit programs start;
# i686_self_check runs a 32-bit Windows program in $WINEPREFIX and fails unless it says
# its pointers have 4 bytes.
# ZELVANE_I686=emulated takes the emulated way even where the kernel runs them itself.

# Exported, so that the scripts a script runs take its answer instead of asking again.
I686=${I686:-}
I686_WHY=${I686_WHY:-}
I686_QEMU=${I686_QEMU:-}
# The script to run again inside the namespace, named before it changes folders.
I686_SCRIPT=$(realpath -- "$0" 2>/dev/null || true)

# Kernels from 6.7 on give each user namespace its own binfmt_misc.
I686_KERNEL_MIN=(6 7)
# Older QEMU does not honour MAP_FIXED_NOREPLACE: Wine's address-space reservation then
# takes about a minute per process start.
I686_QEMU_MIN=10

i686_prepare() {
  [ -n "$I686" ] && return 0
  if ! ensure_wine32_packages; then
    i686_skip "Debian's wine32:i386 could not be installed"
  elif [ "${ZELVANE_I686:-}" != emulated ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    I686=native
  elif ! kernel_at_least "${I686_KERNEL_MIN[@]}"; then
    i686_skip "this machine cannot start 32-bit programs and its kernel $(uname -r) cannot register an emulator for one process tree only (that needs ${I686_KERNEL_MIN[0]}.${I686_KERNEL_MIN[1]})"
  elif ! I686_QEMU=$(qemu_i386); then
    i686_skip "this machine cannot start 32-bit programs and no qemu-i386 $I686_QEMU_MIN or later could be had"
  else
    I686=emulated
  fi
  export I686 I686_WHY I686_QEMU
  case $I686 in
    native) echo "i686: native" ;;
    emulated) echo "i686: emulated (qemu-i386 $(qemu_version "$I686_QEMU"))" ;;
    skipped) echo "i686: skipped, because $I686_WHY" ;;
  esac
}

i686_skip() { I686=skipped I686_WHY=$1; }

# The widths whose Windows programs run here (after i686_prepare), one a line.
i686_widths() {
  echo x86_64
  [ "$I686" = skipped ] || echo i686
}

# i686_enter "$@" (after i686_prepare): when emulated, runs the calling script again,
# with the same arguments, inside the emulator's namespace and exits with its status;
# otherwise, and inside, returns at once. Every Wine process of a prefix must start
# there: Wine starts its 32-bit children itself, and a wineserver outside would serve
# them without the emulator.
i686_enter() {
  [ "$I686" = emulated ] && [ -z "${I686_INSIDE:-}" ] || return 0
  local status=0
  unshare --user --map-root-user --mount --propagation private \
    bash "$ROOT/scripts/i686-namespace" bash "$I686_SCRIPT" "$@" || status=$?
  exit "$status"
}

i686_self_check() {
  local dir answer
  dir=$(mktemp -d /tmp/zelvane-i686.XXXXXX)
  i686-w64-mingw32-gcc -O1 -o "$dir/pointer_size.exe" "$ROOT/scripts/pointer_size.c"
  answer=$("$WINE64" "$dir/pointer_size.exe" 2>&1 | tr -d '\r') || true
  rm -rf "$dir"
  if [ "$answer" != 4 ]; then
    echo "== i686 ($I686): a 32-bit program did not run in the Wine prefix; it said: ${answer:-nothing}" >&2
    return 1
  fi
}

kernel_at_least() {
  local major minor
  IFS=. read -r major minor _ <<<"$(uname -r)"
  [ "$major" -gt "$1" ] || { [ "$major" -eq "$1" ] && [ "${minor%%[!0-9]*}" -ge "$2" ]; }
}

qemu_version() { "$1" --version | sed -n '1s/^qemu-i386 version \([0-9.]*\).*/\1/p'; }

qemu_usable() {
  local version
  [ -x "$1" ] || return 1
  version=$(qemu_version "$1")
  [ -n "$version" ] && [ "${version%%.*}" -ge "$I686_QEMU_MIN" ]
}

# Prints the path of a qemu-i386 that is new enough: the machine's own, or one taken
# from the distribution's backports suite into build/tools (the package is fetched and
# unpacked there, never installed).
qemu_i386() {
  local candidate kept=$ROOT/build/tools/qemu-i386
  for candidate in "$(command -v qemu-i386 || true)" "$(command -v qemu-i386-static || true)" "$kept"; do
    qemu_usable "$candidate" && { echo "$candidate"; return 0; }
  done
  fetch_backports_qemu "$kept" >&2 && qemu_usable "$kept" && echo "$kept"
}

fetch_backports_qemu() {
  local target=$1 codename mirror work
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' | awk -v s="$codename" '$2 == s { print $1; exit }')
  [ -n "$codename" ] && [ -n "$mirror" ] || { echo "== no mirror for $codename in this machine's apt sources"; return 1; }
  echo "== fetching qemu-user from $codename-backports for its qemu-i386"
  work=$(mktemp -d /tmp/zelvane-qemu.XXXXXX)
  mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
  echo "deb $mirror $codename-backports main" >"$work/sources.list"
  local apt=(-q -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/nonexistent
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" -o APT::Architectures::=amd64
    -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
  if apt-get "${apt[@]}" update >/dev/null && (cd "$work" && apt-get "${apt[@]}" download qemu-user >/dev/null 2>&1); then
    mkdir -p "$(dirname "$target")"
    dpkg-deb --fsys-tarfile "$work"/qemu-user_*.deb | tar -xO ./usr/bin/qemu-i386 >"$target.part"
    chmod +x "$target.part" && mv "$target.part" "$target"
  fi
  rm -rf "$work"
  [ -x "$target" ]
}
