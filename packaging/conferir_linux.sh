#!/usr/bin/env bash
# Checks the Linux packages as a user and Debian's tools see them: lintian finds no
# error or warning in the .deb, the game unpacked from it plays a short session,
# its manuals read in both languages and name this version and its date, the
# desktop's files are valid, and the .tar.gz holds just what it must.
# Usage: packaging/conferir_linux.sh   (after cpack --preset release)
source "$(dirname "$0")/conferir_comum.sh"

conferirLinux() {
    local deb=build/release/adivinhe_${VERSAO}_amd64.deb
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
    [ "$(dpkg-deb -f "$deb" Version)" = "$VERSAO" ] || falhar "the .deb is of version $(dpkg-deb -f "$deb" Version)"

    local tgz=build/release/adivinhe-$VERSAO-Linux.tar.gz
    mesmos "$tgz" bin/adivinhe share/man/man6/adivinhe.6 share/man/pt/man6/adivinhe.6 share/doc/adivinhe/README.md \
        share/doc/adivinhe/LICENSE "${DE_MESA[@]}"
    mkdir "$trabalho/tar"
    tar -xzf "$tgz" -C "$trabalho/tar" --strip-components=1
    conferirDeMesa "$trabalho/tar" share
    conferirVersaoDosManuais "$trabalho/deb/usr/share/man" "$trabalho/tar/share/man"
}

# Each manual names this version, dated as the newest entry of the changelog.
conferirVersaoDosManuais() {
    local data=$DATA manual cabecalho
    for manual in "$1"/man6/adivinhe.6.gz "$1"/pt/man6/adivinhe.6.gz "$2"/man6/adivinhe.6 "$2"/pt/man6/adivinhe.6; do
        cabecalho=$(zcat -f "$manual" | grep -m 1 '^\.TH ')
        [[ "$cabecalho" == ".TH ADIVINHE 6 $data \"adivinhe $VERSAO\" "* ]] ||
            falhar "$manual does not name version $VERSAO of $data: $cabecalho"
    done
    echo "the four manuals name version $VERSAO, of $data"
}

# What a desktop's menu and software centres read, under the one id of the game.
ID=invalid.adivinhe.adivinhe
DE_MESA=(share/applications/$ID.desktop share/icons/hicolor/scalable/apps/$ID.svg share/metainfo/$ID.metainfo.xml)

# AppStream 1.0 warns of a listing without a homepage, which the project has none of:
# that warning alone is let through. The AppStream of Debian 12 knows no such tag.
validarListagem() {
    local saida
    saida=$(appstreamcli validate-tree --no-net --override=url-homepage-missing=info "$1" 2>&1) && return
    if grep -q "'url-homepage-missing' is not recognized" <<<"$saida"; then
        appstreamcli validate-tree --no-net "$1"
    else
        echo "$saida"
        return 1
    fi
}

# The menu entry, its icon and the listing are valid, name one another, and tell
# this version.
conferirDeMesa() {
    local raiz=$1 share=$1/$2 avisos
    avisos=$(desktop-file-validate "$share/applications/$ID.desktop")
    [ -z "$avisos" ] || falhar "desktop-file-validate: $avisos"
    validarListagem "$raiz" || falhar "appstreamcli finds errors or warnings in $raiz"
    [ "$(sed -n 's/^Icon=//p' "$share/applications/$ID.desktop")" = "$ID" ] || falhar "the menu entry names another icon"
    grep -qF "<release version=\"$VERSAO\"" "$share/metainfo/$ID.metainfo.xml" ||
        falhar "the listing does not tell version $VERSAO"
    echo "$raiz: the menu entry, its icon and the listing are valid, of version $VERSAO"
}

# The translation tells the same sections, in the same order, as the English page; and
# a Portuguese reader gets it from man.
conferirManualEmPortugues() {
    local secoes=()
    for manual in adivinhe.6.in adivinhe.pt.6.in; do
        secoes+=("$(grep -E '^\.S[HS]' "$manual" | cut -d' ' -f1 | tr '\n' ' ')")
    done
    [ "${secoes[0]}" = "${secoes[1]}" ] ||
        falhar "adivinhe.6.in and adivinhe.pt.6.in list different sections: ${secoes[0]}/ ${secoes[1]}"
    if ! locale -a | grep -qix 'pt_BR.utf-*8'; then
        [ "${CI:-}" != true ] || falhar "the locale pt_BR.UTF-8 is missing, and CI must check the Portuguese manual"
        echo "no pt_BR.UTF-8 locale here: man not asked for the Portuguese manual"
        return
    fi
    LANG=pt_BR.UTF-8 MANPATH="$1" man adivinhe 2>&1 | grep -q '^NOME' ||
        falhar "LANG=pt_BR.UTF-8 man adivinhe does not show the Portuguese manual"
    echo "both manuals tell the same sections, and LANG=pt_BR.UTF-8 man adivinhe shows the Portuguese one"
}

VERSAO=$(versaoDaConstrucao build/release)
DATA=$(sed -n 's/^ADIVINHE_DATA_DA_VERSAO:INTERNAL=//p' build/release/CMakeCache.txt)
conferirLinux
