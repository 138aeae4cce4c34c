# Sourced by the system tests: compares one run's exit status, standard
# output and standard error with the expected ones, byte for byte, prints ok
# or FAIL with what came, and counts the failures in `echecs`.
#
#   verifier <name> <expected stdout> <expected stderr> <expected status> \
#            <status> <stdout file> <stderr file>
echecs=0
verifier() {
  if [ "$5" -ne "$4" ] || [ "$(cat "$6"; echo x)" != "$2x" ] || [ "$(cat "$7"; echo x)" != "$3x" ]; then
    echo "FAIL: $1: status $5"
    echo "  stdout: $(head -c 300 "$6" | cat -A)"
    echo "  stderr: $(head -c 300 "$7" | cat -A)"
    echecs=$((echecs + 1))
  else
    echo "ok: $1"
  fi
}
