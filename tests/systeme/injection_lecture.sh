#!/usr/bin/env bash
# Makes read() fail with EIO after N bytes of the input file, failing once
# or for ever, at each place where the reader's work differs: in and between
# the header's words, in and between pairs, on each edge of a read block,
# in the tail and at the end: every run must end with the exact report (only
# when the fault comes after the end of the file) or with the read-error
# message and status 1, within 10 seconds. A program of someone else's that
# prints the reason the reader gives it (somme_combien) must be told the
# system's own: EIO.
#
#   injection_lecture.sh <info_rle> <somme_combien> <preload library> <file>...
set -u
programme=$1
consommateur=$2
bibliotheque=$3
shift 3
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
source "$(dirname "$0")/verifier.sh"
commande_du_programme ""
simple=("${commande[@]}")
commande_du_programme "$bibliotheque"

erreur_lecture=$'\n\tErreur lors de la lecture du fichier\n'
echecs=0
declare -A issues

positions() {  # the header's words, a pair, each block's edges, the tail, the end
  local taille=$1 bloc=262144
  { echo 0 1 3 4 5 7 8 9 12 15 16 17
    for ((b = bloc; b <= taille + 1; b += bloc)); do echo $((b - 1)) $b $((b + 1)); done
    echo $((taille - 9)) $((taille - 8)) $((taille - 5)) $((taille - 4)) $((taille - 1)) "$taille" $((taille + 1))
  } | tr ' ' '\n' | awk -v max=$((taille + 1)) '$1 >= 0 && $1 <= max' | sort -nu
}

for fichier in "$@"; do
  taille=$(stat -c %s "$fichier")
  "${simple[@]}" "$fichier" >"$travail/rapport" 2>"$travail/rapport.err"
  [ $? -eq 0 ] && [ ! -s "$travail/rapport.err" ] || { echo "FAIL: $fichier does not read cleanly"; exit 1; }
  printf 'Tentative de lire le fichier %s...' "$fichier" >"$travail/progression"
  printf '%s' "$erreur_lecture" >"$travail/erreur"
  for n in $(positions "$taille"); do
    for mode in une toujours; do
      env ECHEC_FICHIER="$fichier" ECHEC_APRES="$n" ECHEC_MODE="$mode" \
        timeout 10 "${commande[@]}" "$fichier" >"$travail/sortie" 2>"$travail/erreurs"
      statut=$?
      if [ "$n" -gt "$taille" ]; then attendu=succes; else attendu=erreur; fi
      if [ $statut -eq 0 ] && cmp -s "$travail/sortie" "$travail/rapport" && [ ! -s "$travail/erreurs" ]; then
        obtenu=succes
      elif [ $statut -eq 1 ] && cmp -s "$travail/sortie" "$travail/progression" && cmp -s "$travail/erreurs" "$travail/erreur"; then
        obtenu=erreur
      else
        obtenu="autre (status $statut)"
      fi
      issues[$obtenu]=$(( ${issues[$obtenu]:-0} + 1 ))
      if [ "$obtenu" != "$attendu" ]; then
        echo "FAIL: $fichier, fault after $n of $taille bytes ($mode): expected $attendu, got $obtenu"
        echo "  stdout: $(head -c 300 "$travail/sortie" | cat -A)"
        echo "  stderr: $(head -c 300 "$travail/erreurs" | cat -A)"
        echecs=$((echecs + 1))
      fi
    done
  done
done

for issue in "${!issues[@]}"; do echo "$issue: ${issues[$issue]} runs"; done

# The reason the reader hands on: the system's, as strerror words it.
commande_du_programme "$bibliotheque" "$consommateur"
for n in 0 8 $(($(stat -c %s "$1") - 1)); do
  env ECHEC_FICHIER="$1" ECHEC_APRES="$n" ECHEC_MODE=toujours timeout 10 "${commande[@]}" "$1" \
    >"$travail/sortie" 2>"$travail/erreurs"
  verifier "somme_combien, EIO after $n bytes" "" "cannot read $1: Input/output error"$'\n' 1 $? \
    "$travail/sortie" "$travail/erreurs"
done
exit $((echecs > 0))
