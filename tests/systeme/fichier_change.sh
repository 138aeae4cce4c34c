#!/usr/bin/env bash
# Another program changes the file while info_rle reads it (the preloaded
# library does it at a chosen moment, so that every run is the same):
# - cut shorter than what was already read: the read-error message;
# - cut, but not below what was read, or grown: the report of the file as it
#   is at the end of the reading;
# - the path, a link to a directory when it was opened, made a regular file
#   just after: the opening error, since what was opened is a directory.
#
#   fichier_change.sh <info_rle> <preload library> <file>
set -u
programme=$1
bibliotheque=$2
source=$3
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
fichier="$travail/image.rle"
taille=$(stat -c %s "$source")
source "$(dirname "$0")/verifier.sh"
commande_du_programme "$bibliotheque"

rapport() {  # expected stdout for the file once it holds $1 bytes
  printf 'Tentative de lire le fichier %s...... reussi!\nImage de largeur 640 et de hauteur 480\n' "$fichier"
  printf 'Le fichier contient %d paires { combien, quand }\n' $((($1 - 8) / 8))
}
progression=$(printf 'Tentative de lire le fichier %s...' "$fichier")
lecture=$'\n\tErreur lors de la lecture du fichier\n'
ouverture=$'\n\tErreur lors de l\'ouverture du fichier\n'

lancer() {  # name, expected stdout, expected stderr, expected status, then the environment
  local nom=$1 sortie=$2 erreurs=$3 statut=$4
  shift 4
  env ECHEC_FICHIER="$fichier" "$@" timeout 10 "${commande[@]}" "$fichier" >"$travail/sortie" 2>"$travail/erreurs"
  verifier "$nom" "$sortie" "$erreurs" "$statut" $? "$travail/sortie" "$travail/erreurs"
}

for apres in 8 8192 $((taille - 8)) "$taille"; do
  for nouvelle in 100 $((apres + 4)) $((taille + 1000)); do
    cp "$source" "$fichier"
    if [ "$nouvelle" -lt "$apres" ]; then
      lancer "cut to $nouvelle bytes after $apres" "$progression" "$lecture" 1 \
        ECHEC_MODE=retailler ECHEC_APRES="$apres" ECHEC_TAILLE="$nouvelle"
    else
      lancer "made $nouvelle bytes after $apres" "$(rapport "$nouvelle")"$'\n' "" 0 \
        ECHEC_MODE=retailler ECHEC_APRES="$apres" ECHEC_TAILLE="$nouvelle"
    fi
  done
done

rm -f "$fichier"
mkdir "$travail/dossier"
ln -s dossier "$fichier"
cp "$source" "$travail/remplacant.rle"
lancer "a directory, then a file at its path" "$progression" "$ouverture" 1 \
  ECHEC_MODE=permuter ECHEC_APRES=0 ECHEC_REMPLACANT="$travail/remplacant.rle"

exit $((echecs > 0))
