# shellcheck shell=bash
# Sourced by the test scripts: runs a suite and counts what passed and failed.
# When ORVANTA_TALLY names a file (.ci/run sets it), each count is appended to
# it as a line "<passed> <failed> <what>", so that .ci/run can add up the
# suites of several scripts. Without it the counts are only printed.

# Appends one line to the tally.
tally_add() {
  local passed=$1 failed=$2 what=$3
  if [[ -n ${ORVANTA_TALLY:-} ]]; then
    printf '%s %s %s\n' "$passed" "$failed" "$what" >>"$ORVANTA_TALLY"
  fi
}

# Runs one check that is a command, counting it as one test.
#   tally_check <what> <command...>
tally_check() {
  local what=$1; shift
  if "$@"; then
    tally_add 1 0 "$what"
  else
    tally_add 0 1 "$what"
    return 1
  fi
}

# Runs CTest with the arguments given and counts its tests from its summary
# line ("97% tests passed, 5 tests failed out of 191"). A CTest run that ends
# without that line counts as one failed test.
#   tally_ctest <what> <ctest arguments...>
tally_ctest() {
  local what=$1; shift
  local log status=0
  log=$(mktemp)
  ctest "$@" 2>&1 | tee "$log" || status=$?
  local summary
  summary=$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\1 \2/p' "$log" | tail -n 1)
  rm -f "$log"
  if [[ -z $summary ]]; then
    tally_add 0 1 "$what (no CTest summary)"
    return 1
  fi
  local failed total
  read -r failed total <<<"$summary"
  tally_add $((total - failed)) "$failed" "$what"
  return "$status"
}

# Prints the closing line "N passed, N failed" over the whole tally.
tally_total() {
  awk '{ passed += $1; failed += $2 } END { printf "%d passed, %d failed\n", passed, failed }' "$1"
}
