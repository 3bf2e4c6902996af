#!/usr/bin/env bash
# Releases the tree at a new version: raises project(VERSION) in CMakeLists.txt and
# adds an entry of that version on top of packaging/changelog, signed as the newest
# one and dated now (or at SOURCE_DATE_EPOCH). The build takes both from there.
# Usage: packaging/lancar_versao.sh VERSION [TREE]   (TREE: this one by default)
set -euo pipefail
versao=${1:-}
arvore=${2:-$(dirname "$0")/..}
[[ "$versao" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "usage: $0 MAJOR.MINOR.PATCH [TREE]" >&2; exit 2; }

# project( may span lines, its VERSION anywhere among its arguments.
VERSAO=$versao perl -0777 -i -pe \
    's/(\bproject\s*\([^)]*?\bVERSION\s+)[0-9][0-9.]*/$1$ENV{VERSAO}/s or die "no project(VERSION) to raise\n"' \
    "$arvore/CMakeLists.txt"

changelog=$arvore/packaging/changelog
assinatura=$(grep -m 1 '^ -- ' "$changelog" | sed 's/>  .*/>/')
quando=$(date -u -R ${SOURCE_DATE_EPOCH:+-d "@$SOURCE_DATE_EPOCH"})
{
    printf 'adivinhe (%s) unstable; urgency=medium\n\n  * Release %s.\n\n%s  %s\n\n' \
        "$versao" "$versao" "$assinatura" "$quando"
    cat "$changelog"
} >"$changelog.novo"
mv "$changelog.novo" "$changelog"
echo "$arvore: version $versao, of $quando"
