#!/usr/bin/env bash
# Whole-process wall time and peak memory of info_rle, built with libstdc++
# and with libc++, against two floors: one read() of the file into a
# preallocated buffer, and the same into a buffer advised for transparent
# huge pages first (the limit on Linux, where the tool does the same). Runs
# are interleaved, on a file in the page cache. Prints the machine's CPU and
# huge-page settings first: the figures mean little without them.
#
#   cmake --preset bench && cmake --build --preset bench
#   cmake --preset bench-libcxx && cmake --build --preset bench-libcxx
#   bench/comparer.sh [MiB] [runs]        (default: 600 MiB, 15 runs)
#
# Reports the median and the maximum time of each program and their ratios
# to both floors; the peak memory minus the file's size, at that size and at
# 4 GiB + 1 MiB (a sparse file, on tmpfs where there is one); the peak
# through a pipe as a multiple of the data. MOT_A_MOT=1 adds the plain
# word-at-a-time reading (about ten times slower).
set -euo pipefail
cd "$(dirname "$0")/.."

mib=${1:-600}
runs=${2:-15}
dossier=${TMPDIR:-/tmp}
fichier=$dossier/info_rle_${mib}MiB.rle
declare -A commande=(
  [plancher]=build/bench/bench/plancher
  [plancher_hp]="build/bench/bench/plancher --grandes-pages"
  [info_rle]=build/bench/info_rle
  [libcxx]=build/bench-libcxx/info_rle
  [mot_a_mot]=build/bench/bench/mot_a_mot
)
programmes=(plancher plancher_hp info_rle libcxx)
[ "${MOT_A_MOT:-0}" = 1 ] && programmes+=(mot_a_mot)
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
mesurer() {  # prints "seconds peak-KiB" for one run of "$@"
  local debut fin
  debut=$(date +%s%N)
  /usr/bin/time -o "$mesure" -f '%M' "$@" >/dev/null
  fin=$(date +%s%N)
  echo "$(awk -v d="$debut" -v f="$fin" 'BEGIN {printf "%.4f", (f - d) / 1e9}') $(cat "$mesure")"
}
mediane() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
maximum() { tr ' ' '\n' | sed '/^$/d' | sort -g | tail -n 1; }

declare -A temps memoire
for ((i = 0; i < runs; i++)); do
  for p in "${programmes[@]}"; do
    # shellcheck disable=SC2086 # a command and its options
    read -r s k < <(mesurer ${commande[$p]} "$fichier")
    temps[$p]+="$s "
    memoire[$p]+="$k "
  done
done

taille_kib=$(($(stat -c %s "$fichier") / 1024))
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
    read -r _ k < <(mesurer "${commande[$p]}" "$grand")
    pics+="$k "
  done
  awk -v p="$p" -v k="$(mediane <<<"$pics")" -v f="$grand_kib" \
    'BEGIN {printf "%-8s 4 GiB + 1 MiB file: median peak %d KiB = file %+d KiB\n", p, k, k - f}'
done
