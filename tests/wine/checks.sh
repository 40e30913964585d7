# Sourced by the Windows tests' scripts: each check prints one line, "ok" or "FAIL",
# and the script ends with the counts (checks_summary) and fails if one failed.
passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok   $1"; }
fail() { failed=$((failed + 1)); echo "FAIL $1"; }
# check WHAT COMMAND...: passes when the command succeeds.
check() {
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
checks_summary() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
