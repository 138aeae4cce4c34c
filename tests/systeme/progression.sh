#!/usr/bin/env bash
# The progress line stands on the console while the file is read: the path
# is a FIFO that nobody writes yet, so the tool waits in its reading, and its
# whole progress line must already have come out through the pipe of its
# standard output. Only then is the file written; the report follows.
#
#   progression.sh <info_rle> <file>
set -u
export LC_ALL=C  # read -N counts bytes
programme=$1
source=$2
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
source "$(dirname "$0")/verifier.sh"
commande_du_programme ""
tube="$travail/tube.rle"
mkfifo "$tube"

exec 3< <(exec timeout 30 "${commande[@]}" "$tube" 2>"$travail/erreurs")
attendu="Tentative de lire le fichier $tube..."
IFS= read -r -t 10 -N ${#attendu} ligne <&3
vu=$?
cat "$source" >"$tube"  # lets the tool go on in every case
reste=$(cat <&3; echo x)
if [ $vu -ne 0 ] || [ "$ligne" != "$attendu" ]; then
  echo "FAIL: before the file was written, standard output held [$ligne], expected [$attendu]"
  exit 1
fi
rapport=$'... reussi!\nImage de largeur 640 et de hauteur 480\nLe fichier contient 2098 paires { combien, quand }\n'
if [ "${reste%x}" != "$rapport" ] || [ -s "$travail/erreurs" ]; then
  echo "FAIL: then [${reste%x}], errors [$(cat "$travail/erreurs")]"
  exit 1
fi
echo "ok: the progress line came out before the file was read, the report after"
