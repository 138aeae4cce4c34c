#!/usr/bin/env bash
# Standard output on a full device: the report cannot be written, so the
# run fails (status 1) and says so on standard error. Standard output a pipe
# whose reader is gone: the tool ends silently, killed by SIGPIPE, as other
# command-line tools do (a pager quit, head satisfied).
#
#   sortie_pleine.sh <info_rle> <file>
set -u
programme=$1
fichier=$2
attendu=$'\n\tErreur lors de l\'ecriture du resultat\n'
source "$(dirname "$0")/verifier.sh"
commande_du_programme ""
for arguments in "$fichier" ""; do
  erreurs=$("${commande[@]}" ${arguments:+"$arguments"} 2>&1 >/dev/full; echo "x$?")
  if [ "$erreurs" != "${attendu}x1" ]; then
    echo "FAIL: info_rle ${arguments:-(no argument)} >/dev/full: $(printf '%s' "$erreurs" | cat -A)"
    echecs=$((echecs + 1))
  else
    echo "ok: info_rle ${arguments:-(no argument)} >/dev/full"
  fi
done
erreurs=$(mktemp)
trap 'rm -f "$erreurs"' EXIT
statut=$({ sleep 0.5; "${commande[@]}" "$fichier" 2>"$erreurs"; } | :; echo "${PIPESTATUS[0]}")
verifier "info_rle $fichier | (closed): silent, SIGPIPE" "" "" 141 "$statut" /dev/null "$erreurs"
exit $(( echecs > 0 ))
