# Sourced by i686.sh: Debian's 32-bit Wine, wine32:i386, installed beside wine64.

# While it exists, apt takes the security suite below the main suite.
WINE32_PIN=/etc/apt/preferences.d/zelvane-wine32

ensure_wine32_packages() {
  dpkg -s wine32:i386 >/dev/null 2>&1 && return 0
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  echo "== installing: wine32:i386"
  apt_update
  wine32_apt_install 2>/dev/null || wine32_install_from_main_suite
}

wine32_apt_install() { apt_install --no-remove --allow-downgrades wine32:i386 "$@"; }

# While the security suite's i386 index cannot be fetched ("File has unexpected size …
# Mirror sync in progress?"), a package that must have one version in both architectures
# is installed for amd64 from the security suite but known for i386 only at the main
# suite's version, and the resolver gives up. Then this install takes the main suite's
# version for both halves of each such package that the 32-bit half needs; it never
# removes a package.
wine32_install_from_main_suite() {
  local pins=() changes=() out round previous_trap
  # An interrupted run must not leave the security suite pinned below the main suite.
  previous_trap=$(trap -p EXIT TERM)
  trap 'as_root rm -f "$WINE32_PIN"' EXIT
  trap 'exit 143' TERM
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 90\n' | as_root tee "$WINE32_PIN" >/dev/null
  for round in 1 2 3 4 5 6 7 8; do
    out=$(apt-get install -s --no-install-recommends --no-remove --allow-downgrades wine32:i386 "${pins[@]}" 2>&1) && break
    wine32_pin_main_versions || break
  done
  local status=0
  wine32_apt_install "${pins[@]}" || status=$?
  as_root rm -f "$WINE32_PIN"
  trap - EXIT TERM
  eval "$previous_trap"
  if [ "$status" -eq 0 ] && [ ${#changes[@]} -gt 0 ]; then
    echo "== wine32:i386: the security suite's i386 index was not at hand; downgraded to the main suite's versions: ${changes[*]}"
  elif [ "$status" -ne 0 ]; then
    echo "== wine32:i386 could not be installed:" >&2
    grep -E '^ |^E:' <<<"$out" >&2 || true
  fi
  return "$status"
}

# Reads the failed resolution in $out and adds to pins and changes (the caller's): both
# halves of each i386 dependency whose amd64 half is installed at another version than
# the main suite has, and the amd64 packages that would have to go for that (those that
# depend on one exact version of such a library, as -dev packages do). Fails when there
# is nothing new to pin.
wine32_pin_main_versions() {
  local name installed main added=1 removed
  removed=$(sed -n '/will be REMOVED:/,/^[^ ]/{/^ /p}' <<<"$out")
  for name in $(sed -n 's/.*Depends: \([^ :]*\):i386.*/\1/p' <<<"$out" | sort -u) $removed; do
    [[ " ${pins[*]} " == *" $name:amd64="* ]] && continue
    installed=$(dpkg-query -W -f '${Version}' "$name:amd64" 2>/dev/null) || continue
    main=$(apt-cache madison "$name" | awk -F'|' '$3 !~ /-security\// { gsub(/ /, "", $2); print $2; exit }')
    [ -n "$main" ] && [ "$main" != "$installed" ] || continue
    pins+=("$name:amd64=$main")
    [[ " $removed " == *" $name "* ]] || pins+=("$name:i386=$main")
    changes+=("$name $installed -> $main")
    added=0
  done
  return "$added"
}
