#!/usr/bin/env bash
# Whole-process wall time and peak memory of info_rle, built with libstdc++
# and with libc++, against floors, runs interleaved, on a file in the page
# cache. Prints the machine's CPU and huge-page settings first: the figures
# mean little without them.
#
#   cmake --preset bench && cmake --build --preset bench
#   cmake --preset bench-libcxx && cmake --build --preset bench-libcxx
#   bench/comparer.sh [--tube] [MiB] [runs]      (default: 600 MiB, 15 runs)
#
# A file: against two floors, one read() of the file into a preallocated
# buffer, and the same into a buffer advised for transparent huge pages
# first (the limit on Linux, where the tool does the same). Reports the
# median and the maximum time of each program and their ratios to both
# floors; the peak memory minus the file's size, at that size and at
# 4 GiB + 1 MiB (a sparse file, on tmpfs where there is one); the peak
# through a pipe as a multiple of the data. MOT_A_MOT=1 adds the plain
# word-at-a-time reading (about ten times slower).
#
# --tube: the same data through a pipe (cat file | program /dev/stdin),
# against the pipe floor: the pipe's buffer raised to 1 MiB and one buffer
# grown by realloc(); and that floor with the pipe's default 64 KiB buffer.
# Reports each program's median and maximum time of the whole pipeline,
# their ratios to the pipe floor, and the peak memory as a multiple of the
# data.
set -euo pipefail
cd "$(dirname "$0")/.."

tube=0
if [ "${1:-}" = --tube ]; then
  tube=1
  shift
fi
mib=${1:-600}
runs=${2:-15}
dossier=${TMPDIR:-/tmp}
fichier=$dossier/info_rle_${mib}MiB.rle
declare -A commande=(
  [plancher]=build/bench/bench/plancher
  [plancher_hp]="build/bench/bench/plancher --grandes-pages"
  [tube]="build/bench/bench/plancher --tube"
  [tube_64k]="build/bench/bench/plancher --tube-64k"
  [info_rle]=build/bench/info_rle
  [libcxx]=build/bench-libcxx/info_rle
  [mot_a_mot]=build/bench/bench/mot_a_mot
)
if [ $tube = 1 ]; then
  programmes=(tube tube_64k info_rle libcxx)
else
  programmes=(plancher plancher_hp info_rle libcxx)
  [ "${MOT_A_MOT:-0}" = 1 ] && programmes+=(mot_a_mot)
fi
for p in "${programmes[@]}"; do
  executable=${commande[$p]%% *}
  [ -x "$executable" ] || { echo "$executable is missing: build the bench and bench-libcxx presets" >&2; exit 1; }
done

echo "CPU: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(nproc) cores; kernel $(uname -r)"
for reglage in enabled defrag; do
  f=/sys/kernel/mm/transparent_hugepage/$reglage
  echo "transparent huge pages, $reglage: $([ -r "$f" ] && cat "$f" || echo 'none in this kernel')"
done
echo

entete() { printf '\x80\x02\x00\x00\xe0\x01\x00\x00'; }  # 640 x 480
if [ ! -f "$fichier" ] || [ "$(stat -c %s "$fichier")" -ne $((mib * 1048576 + 3)) ]; then
  echo "writing $fichier" >&2
  # A fixed pattern, and a 3-byte tail that must be ignored.
  { entete; head -c $((mib * 1048576 - 8)) < <(yes 'combien quand'); printf 'xyz'; } >"$fichier"
fi
cat "$fichier" >/dev/null  # into the page cache

mesure=$(mktemp)
trap 'rm -f "$mesure"' EXIT
mesurer() {  # prints "seconds peak-KiB" for one run of "${@:2}" on file $1, or on a pipe from it
  local debut fin entree=$1
  shift
  debut=$(date +%s%N)
  if [ $tube = 1 ]; then
    cat "$entree" | /usr/bin/time -o "$mesure" -f '%M' "$@" /dev/stdin >/dev/null
  else
    /usr/bin/time -o "$mesure" -f '%M' "$@" "$entree" >/dev/null
  fi
  fin=$(date +%s%N)
  echo "$(awk -v d="$debut" -v f="$fin" 'BEGIN {printf "%.4f", (f - d) / 1e9}') $(cat "$mesure")"
}
mediane() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
maximum() { tr ' ' '\n' | sed '/^$/d' | sort -g | tail -n 1; }

declare -A temps memoire
for ((i = 0; i < runs; i++)); do
  for p in "${programmes[@]}"; do
    # shellcheck disable=SC2086 # a command and its options
    read -r s k < <(mesurer "$fichier" ${commande[$p]})
    temps[$p]+="$s "
    memoire[$p]+="$k "
  done
done

taille_kib=$(($(stat -c %s "$fichier") / 1024))
if [ $tube = 1 ]; then
  t_tube=$(mediane <<<"${temps[tube]}")
  m_tube=$(maximum <<<"${temps[tube]}")
  printf 'file: %s, %d KiB, through a pipe (cat), %d interleaved runs each\n' "$fichier" "$taille_kib" "$runs"
  printf 'tube: the pipe floor (1 MiB pipe buffer, one buffer grown by realloc); tube_64k: the default buffer\n\n'
  printf '%-11s %8s %8s %9s %9s %14s\n' program "median s" "max s" "med/tube" "max/tube" "peak / data"
  for p in "${programmes[@]}"; do
    awk -v p="$p" -v t="$(mediane <<<"${temps[$p]}")" -v m="$(maximum <<<"${temps[$p]}")" -v tt="$t_tube" \
      -v mt="$m_tube" -v k="$(mediane <<<"${memoire[$p]}")" -v f="$taille_kib" \
      'BEGIN {printf "%-11s %8.3f %8.3f %9.3f %9.3f %14.3f\n", p, t, m, t / tt, m / mt, k / f}'
  done
  exit 0
fi

t_plancher=$(mediane <<<"${temps[plancher]}")
m_plancher=$(maximum <<<"${temps[plancher]}")
t_hp=$(mediane <<<"${temps[plancher_hp]}")
m_hp=$(maximum <<<"${temps[plancher_hp]}")
printf 'file: %s, %d KiB, %d interleaved runs each\n' "$fichier" "$taille_kib" "$runs"
printf 'floor: one read(); hp floor: the same into memory advised for huge pages\n\n'
printf '%-11s %8s %8s %9s %9s %9s %9s %16s\n' program "median s" "max s" "med/floor" "max/floor" "med/hp" "max/hp" \
  "peak - file KiB"
for p in "${programmes[@]}"; do
  t=$(mediane <<<"${temps[$p]}")
  m=$(maximum <<<"${temps[$p]}")
  k=$(mediane <<<"${memoire[$p]}")
  awk -v p="$p" -v t="$t" -v m="$m" -v tp="$t_plancher" -v mp="$m_plancher" -v th="$t_hp" -v mh="$m_hp" -v k="$k" \
    -v f="$taille_kib" \
    'BEGIN {printf "%-11s %8.3f %8.3f %9.3f %9.3f %9.3f %9.3f %+16d\n", p, t, m, t / tp, m / mp, t / th, m / mh, k - f}'
done

echo
for p in info_rle libcxx; do
  cat "$fichier" | /usr/bin/time -o "$mesure" -f '%M' "${commande[$p]}" /dev/stdin >/dev/null
  awk -v p="$p" -v k="$(cat "$mesure")" -v f="$taille_kib" \
    'BEGIN {printf "%-8s through a pipe: peak %d KiB = %.3f x the data\n", p, k, k / f}'
done

# Past 4 GiB: sparse, so that it costs no disk.
grand_dossier=$dossier
[ -d /dev/shm ] && [ -w /dev/shm ] && grand_dossier=/dev/shm
grand=$(mktemp "$grand_dossier/info_rle_grand.XXXXXX")
trap 'rm -f "$mesure" "$grand"' EXIT
entete >"$grand"
truncate -s $((4 * 1024 * 1024 * 1024 + 1024 * 1024)) "$grand"
grand_kib=$(($(stat -c %s "$grand") / 1024))
for p in info_rle libcxx; do
  pics=""
  for ((i = 0; i < 3; i++)); do
    read -r _ k < <(mesurer "$grand" "${commande[$p]}")
    pics+="$k "
  done
  awk -v p="$p" -v k="$(mediane <<<"$pics")" -v f="$grand_kib" \
    'BEGIN {printf "%-8s 4 GiB + 1 MiB file: median peak %d KiB = file %+d KiB\n", p, k, k - f}'
done
