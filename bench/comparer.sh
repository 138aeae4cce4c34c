#!/usr/bin/env bash
# Whole-process wall time and peak memory of info_rle against the floor (one
# read() of the file into a preallocated buffer) and against the plain
# word-at-a-time reading, on a file in the page cache, runs interleaved.
#
#   cmake --workflow --preset bench && bench/comparer.sh [MiB] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."

mib=${1:-600}
runs=${2:-7}
build=build/bench
fichier=${TMPDIR:-/tmp}/info_rle_${mib}MiB.rle

if [ ! -f "$fichier" ] || [ "$(stat -c %s "$fichier")" -ne $((mib * 1048576 + 3)) ]; then
  echo "writing $fichier" >&2
  # 640 x 480 header, random pairs, and a 3-byte tail that must be ignored.
  { printf '\x80\x02\x00\x00\xe0\x01\x00\x00'; head -c $((mib * 1048576 - 8)) /dev/urandom; printf 'xyz'; } >"$fichier"
fi
cat "$fichier" >/dev/null  # into the page cache

declare -A temps memoire
programmes=(plancher info_rle ${SANS_MOT_A_MOT:+}mot_a_mot)
commande() {
  case $1 in
    plancher) echo "$build/bench/plancher" ;;
    info_rle) echo "$build/info_rle" ;;
    mot_a_mot) echo "$build/bench/mot_a_mot" ;;
  esac
}

mesure=$(mktemp)
trap 'rm -f "$mesure"' EXIT
mesurer() {  # prints "seconds peak-KiB" for one run
  local debut fin
  debut=$(date +%s%N)
  /usr/bin/time -o "$mesure" -f '%M' "$@" >/dev/null
  fin=$(date +%s%N)
  echo "$(awk -v d="$debut" -v f="$fin" 'BEGIN {printf "%.4f", (f - d) / 1e9}') $(cat "$mesure")"
}

for ((i = 0; i < runs; i++)); do
  for p in "${programmes[@]}"; do
    read -r s k < <(mesurer "$(commande "$p")" "$fichier")
    temps[$p]+="$s "
    memoire[$p]+="$k "
  done
done
# Peak memory of info_rle alone when its input comes through a pipe.
cat "$fichier" | /usr/bin/time -o "$mesure" -f '%M' "$build/info_rle" /dev/stdin >/dev/null
tube_kib=$(cat "$mesure")

mediane() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

taille_kib=$(( $(stat -c %s "$fichier") / 1024 ))
printf 'file: %s, %d KiB, %d interleaved runs each\n\n' "$fichier" "$taille_kib" "$runs"
printf '%-10s %12s %16s\n' program "median s" "median peak KiB"
for p in "${programmes[@]}"; do
  printf '%-10s %12s %16s\n' "$p" "$(mediane <<<"${temps[$p]}")" "$(mediane <<<"${memoire[$p]}")"
done
t_plancher=$(mediane <<<"${temps[plancher]}")
t_info=$(mediane <<<"${temps[info_rle]}")
t_mot=$(mediane <<<"${temps[mot_a_mot]}")
m_info=$(mediane <<<"${memoire[info_rle]}")
echo
awk -v a="$t_info" -v b="$t_plancher" 'BEGIN {printf "info_rle / floor time:          %.3f\n", a / b}'
awk -v a="$t_info" -v b="$t_mot" 'BEGIN {printf "info_rle / word-at-a-time time: %.3f\n", a / b}'
awk -v a="$m_info" -v f="$taille_kib" 'BEGIN {printf "info_rle peak - file size:      %+d KiB\n", a - f}'
awk -v a="$tube_kib" -v f="$taille_kib" 'BEGIN {printf "through a pipe: peak %d KiB = %.2f x the file size\n", a, a / f}'
