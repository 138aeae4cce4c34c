#!/usr/bin/env bash
# The tool raises the buffer of a pipe it reads; when the system refuses
# (the preloaded library makes F_SETPIPE_SZ fail), the pipe reads as it
# is, whole: the same report as when the system agrees.
#
#   tube_fige.sh <info_rle> <preload library> <file>
set -u
programme=$1
bibliotheque=$2
source=$3
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
source "$(dirname "$0")/verifier.sh"
exiger proc

commande_du_programme ""
cat "$source" | timeout 30 "${commande[@]}" /dev/stdin >"$travail/rapport"
commande_du_programme "$bibliotheque"
cat "$source" | env ECHEC_MODE=tube_fige ECHEC_MARQUE="$travail/demande" timeout 30 "${commande[@]}" /dev/stdin \
  >"$travail/sortie" 2>"$travail/erreurs"
verifier "a pipe whose buffer stays as it is" "$(cat "$travail/rapport")"$'\n' "" 0 $? \
  "$travail/sortie" "$travail/erreurs"
[ -e "$travail/demande" ] || { echo "FAIL: the tool never asked to raise the pipe's buffer"; echecs=$((echecs + 1)); }
exit $((echecs > 0))
