#!/usr/bin/env bash
# Checks the packages the way a user and Debian's tools see them, without installing
# anything: lintian finds no error or warning in the .deb, the game unpacked from it
# plays a short session, and each archive holds just what it must.
# Usage: packaging/conferir_pacotes.sh linux|windows   (after cpack --preset release|windows)
set -euo pipefail
cd "$(dirname "$0")/.."

trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT

falhar() {
    echo "$*" >&2
    exit 1
}

# The files of an archive, without its top folder, one a line, sorted.
arquivos() {
    cmake -E tar tf "$1" | grep -v '/$' | cut -d/ -f2- | sort
}

mesmos() {
    local esperado obtido
    esperado=$(printf '%s\n' "${@:2}" | sort)
    obtido=$(arquivos "$1")
    [ "$obtido" = "$esperado" ] || falhar "$1 holds:"$'\n'"$obtido"$'\n'"but should hold:"$'\n'"$esperado"
    echo "$1: $(echo "$obtido" | wc -l) files, as expected"
}

conferirLinux() {
    local deb=build/release/adivinhe_1.0.0_amd64.deb
    lintian --fail-on error,warning --display-info "$deb"
    echo "lintian: no error or warning"

    dpkg-deb -x "$deb" "$trabalho/deb"
    local saida status=0
    saida=$(printf '1\n3\nMia\nLeo\n2\n42\n42\n\n2\n\n4\n' | "$trabalho/deb/usr/games/adivinhe") || status=$?
    [ "$status" -eq 0 ] || falhar "the game from the .deb ended with status $status"
    grep -qF "1 - Leo | Vencedor | 70 pontos" <<<"$saida" || falhar "the game from the .deb did not play: $saida"
    man --warnings -l "$trabalho/deb/usr/share/man/man6/adivinhe.6.gz" >/dev/null
    echo "the game unpacked from the .deb plays, and its manual reads without warnings"

    mesmos build/release/adivinhe-1.0.0-Linux.tar.gz \
        bin/adivinhe share/man/man6/adivinhe.6 share/doc/adivinhe/README.md share/doc/adivinhe/LICENSE
}

conferirWindows() {
    local zip=build/windows/adivinhe-1.0.0-windows-x86_64.zip
    mesmos "$zip" adivinhe.exe README.txt LICENSE.txt
    (cd "$trabalho" && cmake -E tar xf "$OLDPWD/$zip")
    local texto
    for texto in "$trabalho"/*/README.txt "$trabalho"/*/LICENSE.txt; do
        [ "$(grep -c $'\r$' "$texto")" -eq "$(wc -l <"$texto")" ] || falhar "$texto has lines that do not end in CR LF"
    done
    echo "$zip: README.txt and LICENSE.txt end every line in CR LF"
}

case "${1:-}" in
    linux) conferirLinux ;;
    windows) conferirWindows ;;
    *) falhar "usage: $0 linux|windows" ;;
esac
