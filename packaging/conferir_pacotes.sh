#!/usr/bin/env bash
# Checks the packages the way a user and Debian's tools see them, without installing
# anything: lintian finds no error or warning in the .deb, the game unpacked from it
# plays a short session, its manuals read in both languages, and each archive holds
# just what it must, the players' guide of each .zip in its encoding and line ends.
# `reproduzivel` packages the last commit twice, from clones in two folders, and finds
# the packages the same to the byte.
# Usage: packaging/conferir_pacotes.sh linux|windows|web   (after cpack --preset release|windows|web)
#        packaging/conferir_pacotes.sh reproduzivel
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
    # dpkg's triggers, not scripts of the package, update the menus and the icons.
    [ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sort | tr '\n' ' ')" = "./control ./md5sums " ] ||
        falhar "the .deb has maintainer scripts"

    dpkg-deb -x "$deb" "$trabalho/deb"
    local saida status=0
    saida=$(printf '1\n3\nMia\nLeo\n2\n42\n42\n\n2\n\n4\n' | "$trabalho/deb/usr/games/adivinhe") || status=$?
    [ "$status" -eq 0 ] || falhar "the game from the .deb ended with status $status"
    grep -qF "1 - Leo | Vencedor | 70 pontos" <<<"$saida" || falhar "the game from the .deb did not play: $saida"
    local manual
    for manual in man6 pt/man6; do
        man --warnings -l "$trabalho/deb/usr/share/man/$manual/adivinhe.6.gz" >/dev/null
    done
    echo "the game unpacked from the .deb plays, and its manuals read without warnings"
    conferirManualEmPortugues "$trabalho/deb/usr/share/man"
    conferirDeMesa "$trabalho/deb" usr/share

    mesmos build/release/adivinhe-1.0.0-Linux.tar.gz bin/adivinhe share/man/man6/adivinhe.6 \
        share/man/pt/man6/adivinhe.6 share/doc/adivinhe/README.md share/doc/adivinhe/LICENSE \
        "${DE_MESA[@]}"
    mkdir "$trabalho/tar"
    tar -xzf build/release/adivinhe-1.0.0-Linux.tar.gz -C "$trabalho/tar" --strip-components=1
    conferirDeMesa "$trabalho/tar" share
}

# What a desktop's menu and software centres read, under the one id of the game.
ID=invalid.adivinhe.adivinhe
DE_MESA=(share/applications/$ID.desktop share/icons/hicolor/scalable/apps/$ID.svg share/metainfo/$ID.metainfo.xml)

# The menu entry, its icon and the listing are valid, name one another, and tell
# this version.
conferirDeMesa() {
    local raiz=$1 share=$1/$2 avisos
    avisos=$(desktop-file-validate "$share/applications/$ID.desktop")
    [ -z "$avisos" ] || falhar "desktop-file-validate: $avisos"
    appstreamcli validate-tree --no-net "$raiz" || falhar "appstreamcli finds errors or warnings in $raiz"
    [ "$(sed -n 's/^Icon=//p' "$share/applications/$ID.desktop")" = "$ID" ] || falhar "the menu entry names another icon"
    grep -qF "<release version=\"$(versaoDoProjeto)\"" "$share/metainfo/$ID.metainfo.xml" ||
        falhar "the listing does not tell version $(versaoDoProjeto)"
    echo "$raiz: the menu entry, its icon and the listing are valid, of version $(versaoDoProjeto)"
}

versaoDoProjeto() {
    sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt
}

# The translation tells the same sections, in the same order, as the English page; and
# a Portuguese reader gets it from man.
conferirManualEmPortugues() {
    local secoes=()
    for manual in adivinhe.6 adivinhe.pt.6; do
        secoes+=("$(grep -E '^\.S[HS]' "$manual" | cut -d' ' -f1 | tr '\n' ' ')")
    done
    [ "${secoes[0]}" = "${secoes[1]}" ] ||
        falhar "adivinhe.6 and adivinhe.pt.6 list different sections: ${secoes[0]}/ ${secoes[1]}"
    if ! locale -a | grep -qix 'pt_BR.utf-*8'; then
        [ "${CI:-}" != true ] || falhar "the locale pt_BR.UTF-8 is missing, and CI must check the Portuguese manual"
        echo "no pt_BR.UTF-8 locale here: man not asked for the Portuguese manual"
        return
    fi
    LANG=pt_BR.UTF-8 MANPATH="$1" man adivinhe 2>&1 | grep -q '^NOME' ||
        falhar "LANG=pt_BR.UTF-8 man adivinhe does not show the Portuguese manual"
    echo "both manuals tell the same sections, and LANG=pt_BR.UTF-8 man adivinhe shows the Portuguese one"
}

# The players' guide is UTF-8, and tells the levels as the rules screen does, from the same table.
conferirGuia() {
    local nivel
    iconv -f UTF-8 -t UTF-8 "$1" >/dev/null || falhar "$1 is not UTF-8"
    while read -r nivel; do
        grep -qF "$nivel" "$1" || falhar "$1 does not tell the level as the rules screen does: $nivel"
    done < <(sed -nE 's/^ *\{"([A-Za-z]+)", ([0-9]+), ([0-9]+)\},$/\1: 1 a \2 - \3 vidas/p' src/game/jogo.hpp)
    echo "$(basename "$1"): UTF-8, and tells the three levels as the rules screen does"
}

# Unpacks a .zip into a folder of its own and prints that folder's one subfolder.
desempacotar() {
    mkdir "$trabalho/$2"
    (cd "$trabalho/$2" && cmake -E tar xf "$OLDPWD/$1")
    echo "$trabalho/$2"/*
}

conferirWindows() {
    local zip=build/windows/adivinhe-1.0.0-windows-x86_64.zip pasta texto
    mesmos "$zip" adivinhe.exe LEIAME.txt LICENSE.txt
    pasta=$(desempacotar "$zip" windows)
    for texto in "$pasta/LEIAME.txt" "$pasta/LICENSE.txt"; do
        [ "$(grep -c $'\r$' "$texto")" -eq "$(wc -l <"$texto")" ] || falhar "$texto has lines that do not end in CR LF"
    done
    [ "$(head -c 3 "$pasta/LEIAME.txt")" = $'\xef\xbb\xbf' ] ||
        falhar "$zip: LEIAME.txt lacks the UTF-8 byte-order mark"
    echo "$zip: LEIAME.txt and LICENSE.txt end every line in CR LF; LEIAME.txt has a UTF-8 byte-order mark"
    conferirGuia "$pasta/LEIAME.txt"
    conferirRecursos "$pasta/adivinhe.exe"
}

# The game's icon, made from its one drawing, and its version details are in the .exe.
conferirRecursos() {
    local versao
    packaging/gerar_icone.sh --conferir
    wrestool --list --type=group_icon "$1" | grep -q . || falhar "$1 holds no icon"
    versao=$(wrestool --extract --raw --type=version "$1" | iconv -f UTF-16LE -t UTF-8 -c | tr '\0' '\n' |
        grep -av '^$' | grep -a -A1 'FileVersion$' | tail -n 1)
    [ "$versao" = "$(versaoDoProjeto)" ] || falhar "$1 tells FileVersion '$versao', not $(versaoDoProjeto)"
    echo "$1: an icon, and a version resource of FileVersion $versao"
}

conferirWeb() {
    local zip=build/web/adivinhe-1.0.0-web.zip pasta
    mesmos "$zip" adivinhe.html LEIAME.txt LICENSE.txt
    pasta=$(desempacotar "$zip" web)
    ! grep -q $'\r' "$pasta/LEIAME.txt" || falhar "$zip: LEIAME.txt has CR LF line ends"
    [ "$(head -c 3 "$pasta/LEIAME.txt")" != $'\xef\xbb\xbf' ] || falhar "$zip: LEIAME.txt has a byte-order mark"
    echo "$zip: LEIAME.txt has LF line ends and no byte-order mark"
    conferirGuia "$pasta/LEIAME.txt"
}

# The packages of two builds of one commit, from two folders, seconds apart, differ in nothing.
conferirReproducao() {
    local pasta preset pacote
    for pasta in um "outra pasta"; do
        git clone --quiet . "$trabalho/$pasta"
        (cd "$trabalho/$pasta" && npm ci --prefer-offline --no-audit --no-fund --silent)
        for preset in release windows web; do
            (cd "$trabalho/$pasta" && cmake --preset "$preset" -DBUILD_TESTING=OFF --no-warn-unused-cli >/dev/null &&
                cmake --build --preset "$preset" >/dev/null && cpack --preset "$preset" >/dev/null)
        done
        sleep 2
    done
    for pacote in release/adivinhe_1.0.0_amd64.deb release/adivinhe-1.0.0-Linux.tar.gz \
        windows/adivinhe-1.0.0-windows-x86_64.zip web/adivinhe-1.0.0-web.zip; do
        cmp "$trabalho/um/build/$pacote" "$trabalho/outra pasta/build/$pacote"
        echo "$(basename "$pacote"): the same to the byte from both folders"
    done
}

case "${1:-}" in
    linux) conferirLinux ;;
    windows) conferirWindows ;;
    web) conferirWeb ;;
    reproduzivel) conferirReproducao ;;
    *) falhar "usage: $0 linux|windows|web|reproduzivel" ;;
esac
