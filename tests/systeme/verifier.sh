# Sourced by the system tests, once `programme` is set: how to run the
# program under test, and how to check a run.
#
# The program runs through its emulator when it has one (INFO_RLE_EMULATEUR,
# such as qemu-i386). A library preloaded for a test reaches the program
# alone: never timeout, env or the emulator, which need not even have the
# program's word size.

# Ends the test as skipped, with the reason, where this machine lacks what
# it needs (ctest takes "SKIPPED:" for a skip):
#   proc  /proc, which /dev/stdin leads to (/proc/self/fd/0)
#   pty   a pseudo-terminal (/dev/pts)
exiger() {
  case $1 in
  proc) [ -e /dev/stdin ] || { echo "SKIPPED: /proc is not mounted here, and /dev/stdin is /proc/self/fd/0"; exit 0; } ;;
  pty) script -qec true /dev/null </dev/null >/dev/null 2>&1 ||
    { echo "SKIPPED: no pseudo-terminal here (/dev/pts is not mounted, or script(1) is missing)"; exit 0; } ;;
  esac
}

# Sets `commande` to the words that run the program (or program $2), with
# library $1 preloaded into it when given.
commande_du_programme() {
  commande=()
  if [ -n "${INFO_RLE_EMULATEUR:-}" ]; then
    [ -z "${1:-}" ] || commande=(env "QEMU_SET_ENV=LD_PRELOAD=$1")
    # shellcheck disable=SC2206 # the emulator's command, split into words
    commande+=($INFO_RLE_EMULATEUR "${2:-$programme}")
  else
    [ -z "${1:-}" ] || commande=(env "LD_PRELOAD=$1")
    commande+=("${2:-$programme}")
  fi
}

# Runs the program on the remaining arguments with its address space limited
# to $1 KiB: ulimit -v natively; under qemu, the address space qemu reserves
# for it (a ulimit would limit qemu itself, which reserves that space first).
sous_limite() {
  local kib=$1
  shift
  if [ -n "${INFO_RLE_EMULATEUR:-}" ]; then
    # shellcheck disable=SC2086
    QEMU_RESERVED_VA=${kib}K timeout 120 $INFO_RLE_EMULATEUR "$programme" "$@"
  else
    (ulimit -v "$kib"; exec timeout 120 "$programme" "$@")
  fi
}

# Compares one run's exit status, standard output and standard error with
# the expected ones, byte for byte, prints ok or FAIL with what came, and
# counts the failures in `echecs`.
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
