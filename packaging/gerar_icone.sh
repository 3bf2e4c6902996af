#!/usr/bin/env bash
# Makes the Windows icon, adivinhe.ico, from the one drawing of the game's icon,
# adivinhe.svg, at the sizes Explorer and the taskbar ask for: 16, 32 and 48 px
# as bitmaps, 256 px as PNG. Run it whenever the drawing changes, and commit both.
# `--conferir` only checks that the committed icon is what the drawing makes.
# Needs Debian's librsvg2-bin and icoutils.
set -euo pipefail
cd "$(dirname "$0")"

trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
for tamanho in 16 32 48 256; do
    rsvg-convert --width "$tamanho" --height "$tamanho" adivinhe.svg --output "$trabalho/$tamanho.png"
done
icotool --create --output "$trabalho/adivinhe.ico" "$trabalho"/{16,32,48}.png --raw "$trabalho/256.png"

if [ "${1:-}" = --conferir ]; then
    cmp "$trabalho/adivinhe.ico" adivinhe.ico || { echo "adivinhe.ico is not what adivinhe.svg makes: run $0" >&2; exit 1; }
    echo "adivinhe.ico: what adivinhe.svg makes"
else
    cp "$trabalho/adivinhe.ico" adivinhe.ico
fi
