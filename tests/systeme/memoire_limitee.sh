#!/usr/bin/env bash
# Under a limit on the address space:
# - a file larger than the limit, from a path and through a pipe: the memory
#   message and status 1, never an abort;
# - a file of more than 4 GiB: on a 64-bit host, under a limit of its size
#   and a small margin, its exact report, since the reader needs no more than
#   the file's size; on a 32-bit host, whose address space it outgrows, the
#   memory message at once. (A 64-bit host under emulation takes over a
#   minute to turn a billion words around: that case is left to native runs,
#   and to machines with that much memory free.)
# The files are sparse, on tmpfs where there is one: no disk, and holes
# read fast.
#
#   memoire_limitee.sh <info_rle> <bytes in a pointer of its host>
set -u
programme=$1
octets_par_pointeur=$2
dossier=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && dossier=/dev/shm
travail=$(mktemp -d "$dossier/info_rle.XXXXXX")
trap 'rm -rf "$travail"' EXIT
memoire=$'\n\tErreur (memoire insuffisante)\n'
source "$(dirname "$0")/verifier.sh"

creuse() {  # path, size: a 640 x 480 header, then holes
  printf '\x80\x02\x00\x00\xe0\x01\x00\x00' >"$1"
  truncate -s "$2" "$1"
}

fichier="$travail/grand.rle"
creuse "$fichier" 512M
limite_kib=$((256 * 1024))
sous_limite $limite_kib "$fichier" >"$travail/sortie" 2>"$travail/erreurs"
verifier "512 MiB under $limite_kib KiB, path" "Tentative de lire le fichier $fichier..." "$memoire" 1 $? \
  "$travail/sortie" "$travail/erreurs"

if [ -e /dev/stdin ]; then
  cat "$fichier" 2>/dev/null | sous_limite $limite_kib /dev/stdin >"$travail/sortie" 2>"$travail/erreurs"
  verifier "512 MiB under $limite_kib KiB, pipe" "Tentative de lire le fichier /dev/stdin..." "$memoire" 1 \
    "${PIPESTATUS[1]}" "$travail/sortie" "$travail/erreurs"
else
  echo "skipped: 512 MiB through a pipe: /proc is not mounted here, and /dev/stdin is /proc/self/fd/0"
fi
rm -f "$fichier"

# Past 4 GiB, where a size in 32 bits wraps round.
fichier="$travail/plus_de_4_gio.rle"
taille=$((4 * 1024 * 1024 * 1024 + 1024 * 1024))
creuse "$fichier" $taille
progression="Tentative de lire le fichier $fichier..."
limite_kib=$((taille / 1024 + 32 * 1024))
libre_kib=$(awk '/^MemAvailable:/ {print $2}' /proc/meminfo 2>/dev/null)
if [ "$octets_par_pointeur" -ge 8 ] && [ -n "${INFO_RLE_EMULATEUR:-}" ]; then
  echo "skipped: 4 GiB + 1 MiB, a minute and more under $INFO_RLE_EMULATEUR; native runs read it"
elif [ "$octets_par_pointeur" -ge 8 ] && [ "${libre_kib:-0}" -lt "$limite_kib" ]; then
  echo "skipped: 4 GiB + 1 MiB, whose pairs take $((limite_kib / 1024)) MiB of memory; this machine has" \
    "$((${libre_kib:-0} / 1024)) MiB free (MemAvailable)"
elif [ "$octets_par_pointeur" -ge 8 ]; then
  rapport=$(printf '%s... reussi!\nImage de largeur 640 et de hauteur 480\n' "$progression"
    printf 'Le fichier contient %d paires { combien, quand }' $(((taille - 8) / 8)))
  sous_limite $limite_kib "$fichier" >"$travail/sortie" 2>"$travail/erreurs"
  verifier "4 GiB + 1 MiB under $limite_kib KiB" "$rapport"$'\n' "" 0 $? "$travail/sortie" "$travail/erreurs"
else
  commande_du_programme ""
  timeout 10 "${commande[@]}" "$fichier" >"$travail/sortie" 2>"$travail/erreurs"
  verifier "4 GiB + 1 MiB on a 32-bit host" "$progression" "$memoire" 1 $? "$travail/sortie" "$travail/erreurs"
fi

exit $((echecs > 0))
