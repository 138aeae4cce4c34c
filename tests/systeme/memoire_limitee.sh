#!/usr/bin/env bash
# Under a limit on the address space (ulimit -v):
# - a file larger than the limit, from a path and through a pipe: the memory
#   message and status 1, never an abort;
# - a file of more than 4 GiB under a limit of its size and a small margin:
#   its exact report, since the reader needs no more than the file's size.
# The files are sparse, on tmpfs where there is one: no disk, and holes
# read fast.
#
#   memoire_limitee.sh <info_rle>
set -u
programme=$1
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
(ulimit -v $limite_kib; exec timeout 60 "$programme" "$fichier") >"$travail/sortie" 2>"$travail/erreurs"
verifier "512 MiB under $limite_kib KiB, path" "Tentative de lire le fichier $fichier..." "$memoire" 1 $? \
  "$travail/sortie" "$travail/erreurs"

cat "$fichier" 2>/dev/null | (ulimit -v $limite_kib; exec timeout 60 "$programme" /dev/stdin) \
  >"$travail/sortie" 2>"$travail/erreurs"
verifier "512 MiB under $limite_kib KiB, pipe" "Tentative de lire le fichier /dev/stdin..." "$memoire" 1 \
  "${PIPESTATUS[1]}" "$travail/sortie" "$travail/erreurs"
rm -f "$fichier"

# Past 4 GiB, where a size in 32 bits wraps round.
fichier="$travail/plus_de_4_gio.rle"
taille=$((4 * 1024 * 1024 * 1024 + 1024 * 1024))
creuse "$fichier" $taille
limite_kib=$((taille / 1024 + 32 * 1024))
rapport=$(printf 'Tentative de lire le fichier %s...... reussi!\nImage de largeur 640 et de hauteur 480\n' "$fichier"
  printf 'Le fichier contient %d paires { combien, quand }' $(((taille - 8) / 8)))
(ulimit -v $limite_kib; exec timeout 120 "$programme" "$fichier") >"$travail/sortie" 2>"$travail/erreurs"
verifier "4 GiB + 1 MiB under $limite_kib KiB" "$rapport"$'\n' "" 0 $? "$travail/sortie" "$travail/erreurs"

exit $((echecs > 0))
