#!/usr/bin/env bash
# A file larger than the address space allowed (ulimit -v), from a path and
# through a pipe: the memory message and status 1, never an abort.
#
#   memoire_limitee.sh <info_rle>
set -u
programme=$1
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

fichier="$travail/grand.rle"
printf '\x80\x02\x00\x00\xe0\x01\x00\x00' >"$fichier"
truncate -s 512M "$fichier"  # sparse: no disk, but 512 MiB to read
limite_kib=$((256 * 1024))
memoire=$'\n\tErreur (memoire insuffisante)\n'
echecs=0

verifier() {  # name, expected stdout, status, stdout file, stderr file
  if [ "$3" -ne 1 ] || [ "$(cat "$4")" != "$2" ] || [ "$(cat "$5"; echo x)" != "${memoire}x" ]; then
    echo "FAIL: $1: status $3"
    echo "  stdout: $(head -c 300 "$4" | cat -A)"
    echo "  stderr: $(head -c 300 "$5" | cat -A)"
    echecs=$((echecs + 1))
  else
    echo "ok: $1"
  fi
}

(ulimit -v $limite_kib; exec timeout 60 "$programme" "$fichier") >"$travail/sortie" 2>"$travail/erreurs"
verifier "path" "Tentative de lire le fichier $fichier..." $? "$travail/sortie" "$travail/erreurs"

cat "$fichier" 2>/dev/null | (ulimit -v $limite_kib; exec timeout 60 "$programme" /dev/stdin) \
  >"$travail/sortie" 2>"$travail/erreurs"
verifier "pipe" "Tentative de lire le fichier /dev/stdin..." "${PIPESTATUS[1]}" "$travail/sortie" "$travail/erreurs"

exit $(( echecs > 0 ))
