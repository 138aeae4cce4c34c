#!/usr/bin/env bash
# The progress line stands on the console while the file is read: the path
# is a FIFO that nobody writes yet, so the tool waits in its reading, and its
# whole progress line must already have come out through the FIFO of its
# standard output. Only then is the file written; the report follows. Every
# wait has its limit, and the tool is ended with the test whatever happens.
#
#   progression.sh <info_rle> <file>
set -u
export LC_ALL=C  # read -N counts bytes
programme=$1
source=$2
travail=$(mktemp -d)
outil=""
trap '[ -z "$outil" ] || kill "$outil" 2>/dev/null; rm -rf "$travail"' EXIT
source "$(dirname "$0")/verifier.sh"
commande_du_programme ""
tube="$travail/tube.rle"
sortie="$travail/sortie"
mkfifo "$tube" "$sortie"

timeout 30 "${commande[@]}" "$tube" >"$sortie" 2>"$travail/erreurs" &
outil=$!
exec 3<"$sortie"
attendu="Tentative de lire le fichier $tube..."
IFS= read -r -t 10 -N ${#attendu} ligne <&3
vu=$?
timeout 10 sh -c 'cat "$1" >"$2"' ecrire "$source" "$tube"  # lets the tool go on in every case
reste=$(timeout 30 cat <&3; echo x)
if [ $vu -ne 0 ] || [ "$ligne" != "$attendu" ]; then
  echo "FAIL: before the file was written, standard output held [$ligne], expected [$attendu]"
  exit 1
fi
# The rest of the example's report, as its golden file has it.
rapport=$(cat "$(dirname "$0")/../e2e/cas/image-stdout.txt"; echo x)
rapport=${rapport%x}
rapport=${rapport#Tentative de lire le fichier examples/image.rle...}
if [ "${reste%x}" != "$rapport" ] || [ -s "$travail/erreurs" ]; then
  echo "FAIL: then [${reste%x}], errors [$(cat "$travail/erreurs")]"
  exit 1
fi
echo "ok: the progress line came out before the file was read, the report after"
