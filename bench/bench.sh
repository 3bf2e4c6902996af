#!/usr/bin/env bash
# Runs the release build of adivinhe on a long scripted session, standard input from a
# file and standard output to a pipe, and reports what the session cost.
# Usage: bench/bench.sh [--jogos N] [--execucoes N] [--preset NOME] [--verificar]
#   --preset     the configure preset whose build is measured (default: release)
#   --verificar  fail unless the targets are met: write calls <= stdin reads + 1, one
#                process, peak resident memory <= 2.5 MiB (3 MiB for libcxx)
set -euo pipefail
cd "$(dirname "$0")/.."

jogos=10000
execucoes=5
verificar=0
preset=release
while [ $# -gt 0 ]; do
    case "$1" in
        --jogos) jogos=$2; shift 2 ;;
        --execucoes) execucoes=$2; shift 2 ;;
        --preset) preset=$2; shift 2 ;;
        --verificar) verificar=1; shift ;;
        *) echo "usage: $0 [--jogos N] [--execucoes N] [--preset NOME] [--verificar]" >&2; exit 2 ;;
    esac
done

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target adivinhe >/dev/null
jogo=build/$preset/adivinhe
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
sessao="$trabalho/sessao.txt"
awk -v jogos="$jogos" -f bench/sessao.awk >"$sessao"

tempos=()
for _ in $(seq "$execucoes"); do
    inicio=$(date +%s%N)
    "$jogo" <"$sessao" | cat >/dev/null
    tempos+=($(($(date +%s%N) - inicio)))
done
mediana=$(printf '%s\n' "${tempos[@]}" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}')

bytes=$("$jogo" <"$sessao" | wc -c)
status=0
"$jogo" <"$sessao" >/dev/null || status=$?
# The least of the runs' peaks. Most of it is the C library's pages, which the
# kernel maps at a fault as many at a time as the page cache holds together: a
# library just written, or read by a long build, sits there in large blocks.
memoria_kib=$(for _ in $(seq "$execucoes"); do
    { /usr/bin/time -f '%M' "$jogo" <"$sessao" | cat >/dev/null; } 2>&1
done | sort -n | head -n 1)

printf 'session            %d games, %d bytes of input, exit status %d\n' "$jogos" "$(wc -c <"$sessao")" "$status"
printf 'wall time          %.2f ms (median of %d runs)\n' "$(awk -v n="$mediana" 'BEGIN {print n / 1e6}')" "$execucoes"
printf 'time per game      %.2f us\n' "$(awk -v n="$mediana" -v j="$jogos" 'BEGIN {print n / 1e3 / j}')"
printf 'bytes written      %d\n' "$bytes"
printf 'peak resident      %d KiB (the least of %d runs)\n' "$memoria_kib" "$execucoes"

falhas=0
if command -v strace >/dev/null; then
    strace -f -qq -e trace=read,write,writev,execve,clone,clone3,fork,vfork -o "$trabalho/strace" \
        "$jogo" <"$sessao" | cat >/dev/null
    leituras=$(grep -cE '^[0-9]+ +read\(0,' "$trabalho/strace" || true)
    escritas=$(grep -cE '^[0-9]+ +writev?\(1,' "$trabalho/strace" || true)
    processos=$(awk '{print $1}' "$trabalho/strace" | sort -u | wc -l)
    printf 'stdin reads        %d\n' "$leituras"
    printf 'stdout writes      %d\n' "$escritas"
    printf 'processes          %d\n' "$processos"
    if [ "$escritas" -gt $((leituras + 1)) ]; then echo "target missed: writes > reads + 1"; falhas=1; fi
    if [ "$processos" -ne 1 ]; then echo "target missed: more than one process"; falhas=1; fi
else
    echo "strace is not installed: system calls and processes not counted (./dependencias.sh bench installs it)"
fi
# The release build links the C++ library statically, and loads the C library
# alone; libc++ linked so brings libm and libgcc_s, and more text, with it.
memoria_maxima_kib=2560
[ "$preset" != libcxx ] || memoria_maxima_kib=3072
if [ "$memoria_kib" -gt "$memoria_maxima_kib" ]; then
    echo "target missed: peak resident memory over $memoria_maxima_kib KiB"
    falhas=1
fi
if [ "$status" -ne 0 ]; then echo "the session did not end through 4 - Sair"; falhas=1; fi
[ "$verificar" -eq 0 ] || exit "$falhas"
