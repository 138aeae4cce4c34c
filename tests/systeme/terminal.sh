#!/usr/bin/env bash
# A file name that would drive a terminal: on a terminal (a pseudo-terminal
# that script(1) opens) the progress line shows its control characters as
# '?', and so does the program's name in the usage line; through a pipe the
# path stays byte for byte, for scripts. The report's lines are the same
# either way.
#
#   terminal.sh <info_rle>
set -u
programme=$1
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
source "$(dirname "$0")/verifier.sh"
exiger pty
commande_du_programme ""

# A title, a cleared screen, a colour through C1's CSI in UTF-8 and as a
# stray byte: 640 x 480 and no pair.
nom=$'x\e]0;titre\a\e[2J\xc2\x9b31m\x9b.rle'
printf '\x80\x02\x00\x00\xe0\x01\x00\x00' >"$travail/$nom"
rapport=$'... reussi!\nImage de largeur 640 et de hauteur 480\nLe fichier contient 0 paires { combien, quand }\n'

cd "$travail" || exit 1
"${commande[@]}" "$nom" >sortie 2>erreurs
verifier "through a pipe, the path as given" "Tentative de lire le fichier $nom...$rapport" "" 0 $? sortie erreurs

# The terminal turns each newline into CR LF on its way out, and takes
# standard error too.
ligne=$(printf '%q ' "${commande[@]}" "$nom")
SHELL=/bin/bash script -qec "$ligne" /dev/null </dev/null >terminal 2>erreurs
statut=$?
tr -d '\r' <terminal >sortie
verifier "on a terminal, each control character as ?" "Tentative de lire le fichier x?]0;titre??[2J?31m?.rle...$rapport" "" 0 \
  $statut sortie erreurs

# The program's name in the usage line too (qemu hands the program the name
# it is told).
appel=$'info\e[2Jrle'
if [ -n "${INFO_RLE_EMULATEUR:-}" ]; then
  # shellcheck disable=SC2086 # the emulator's command, split into words
  ligne=$(printf '%q ' $INFO_RLE_EMULATEUR -0 "$appel" "$programme")
else
  ligne=$(printf '%q ' exec -a "$appel" "$programme")
fi
SHELL=/bin/bash script -qec "$ligne" /dev/null </dev/null >terminal 2>erreurs
statut=$?
tr -d '\r' <terminal >sortie
verifier "on a terminal, the program's name as well" $'Usage: info?[2Jrle [fichier.rle]\n' "" 0 $statut sortie erreurs
exit $((echecs > 0))
