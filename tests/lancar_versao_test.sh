#!/usr/bin/env bash
# Releasing a tree raises its version and dates its manuals: the release script is
# run on a copy of the tree, which is then configured as any build is.
# Usage: tests/lancar_versao_test.sh SOURCE_TREE   (skipped, 77, outside a git checkout)
set -euo pipefail
fonte=$1
git -C "$fonte" rev-parse --git-dir >/dev/null 2>&1 || { echo "$fonte is no git checkout: skipped"; exit 77; }
copia=$(mktemp -d)
trap 'rm -rf "$copia"' EXIT
(cd "$fonte" && git ls-files -z | xargs -0 tar -c) | tar -x -C "$copia"

SOURCE_DATE_EPOCH=1798675200 "$copia/packaging/lancar_versao.sh" 9.8.7 "$copia"
cmake -S "$copia" -B "$copia/build" -G Ninja -DBUILD_TESTING=OFF >/dev/null
for manual in adivinhe.6 adivinhe.pt.6; do
    cabecalho=$(grep -m 1 '^\.TH ' "$copia/build/packaging/$manual")
    [[ "$cabecalho" == '.TH ADIVINHE 6 2026-12-31 "adivinhe 9.8.7" '* ]] ||
        { echo "$manual, released as 9.8.7 on 2026-12-31, begins: $cabecalho"; exit 1; }
done
echo "released as 9.8.7 on 2026-12-31: both manuals tell it"
