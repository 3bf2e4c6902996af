#!/usr/bin/env bash
# Checks the packages the way a user and Debian's tools see them, without installing
# anything on this machine: lintian finds no error or warning in the .deb, the game
# unpacked from it plays a short session, its manuals read in both languages, and
# each archive holds just what it must, the players' guide of each .zip in its
# encoding and line ends. The .msi is installed, upgraded and removed under wine.
# `reproduzivel` packages the last commit twice, from clones in two folders, and finds
# the packages the same to the byte.
# Usage: packaging/conferir_pacotes.sh linux|windows|web   (after cpack --preset release|windows|web)
#        packaging/conferir_pacotes.sh reproduzivel
set -euo pipefail
cd "$(dirname "$0")/.."

trabalho=$(mktemp -d)
# A wine prefix of the installer's check has its server stopped too.
trap 'if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi; rm -rf "$trabalho"' EXIT

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
    local data manual cabecalho
    data=$(date -u -d "$(sed -n 's/^ -- .*>  //p' packaging/changelog | head -n 1)" +%F)
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

# The version the packages of a build folder were made with: the project's, as CMake read it.
versaoDaConstrucao() {
    local versao
    versao=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt" 2>/dev/null)
    [ -n "$versao" ] || falhar "$1 has no project version: configure and package it first"
    echo "$versao"
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

# The players' guide is UTF-8, and tells the levels as the rules screen does, from the same table.
conferirGuia() {
    local nivel niveis=0
    iconv -f UTF-8 -t UTF-8 "$1" >/dev/null || falhar "$1 is not UTF-8"
    while read -r nivel; do
        grep -qF "$nivel" "$1" || falhar "$1 does not tell the level as the rules screen does: $nivel"
        niveis=$((niveis + 1))
    done < <(sed -nE 's/^ *\{"([A-Za-z]+)", ([0-9]+), ([0-9]+)\},$/\1: 1 a \2 - \3 vidas/p' src/game/jogo.hpp)
    [ "$niveis" -gt 0 ] || falhar "no level found in src/game/jogo.hpp to look for in $1"
    echo "$(basename "$1"): UTF-8, and tells the $niveis levels as the rules screen does"
}

# Unpacks a .zip into a folder of its own and prints that folder's one subfolder.
desempacotar() {
    mkdir "$trabalho/$2"
    (cd "$trabalho/$2" && cmake -E tar xf "$OLDPWD/$1")
    echo "$trabalho/$2"/*
}

conferirWindows() {
    local zip=build/windows/adivinhe-$VERSAO-windows-x86_64.zip pasta texto
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
    conferirInstalador "$pasta"
}

# The .msi's tables: per-user, with no administrator rights asked (bit 8 of the
# word count), in Brazilian Portuguese, of this version, and refusing a downgrade
# in Portuguese.
conferirTabelasDoMsi() {
    local propriedades resumo
    propriedades=$(msiinfo export "$1" Property | tr -d '\r')
    resumo=$(msiinfo suminfo "$1")
    grep -qx $'ProductLanguage\t1046' <<<"$propriedades" || falhar "$1: ProductLanguage is not 1046"
    grep -qx $'ProductVersion\t'"$VERSAO" <<<"$propriedades" || falhar "$1: ProductVersion is not $VERSAO"
    ! grep -q '^ALLUSERS' <<<"$propriedades" || falhar "$1 sets ALLUSERS: it would install for every user"
    grep -qx 'Template: x64;1046' <<<"$resumo" || falhar "$1: its template is not x64;1046"
    (($(sed -n 's/^Source: \([0-9]*\).*/\1/p' <<<"$resumo") & 8)) || falhar "$1 asks for administrator rights"
    msiinfo export "$1" LaunchCondition | grep -q $'^NOT WIX_DOWNGRADE_DETECTED\tUma versão mais nova' ||
        falhar "$1 does not refuse a downgrade in Portuguese"
    echo "$1: per-user, with no administrator rights, ProductLanguage 1046, ProductVersion $VERSAO"
}

# A release of the tree in the folder, as the README tells: project(VERSION)
# raised, and an entry of that version on top of the Debian changelog.
lancarVersao() {
    local pasta=$1 versao=$2
    sed -i -E "s/^    VERSION [0-9.]+\$/    VERSION $versao/" "$pasta/CMakeLists.txt"
    grep -qx "    VERSION $versao" "$pasta/CMakeLists.txt" || falhar "no project(VERSION) to raise in $pasta/CMakeLists.txt"
    { printf 'adivinhe (%s) unstable; urgency=medium\n\n  * Release %s.\n\n' "$versao" "$versao"
        printf ' -- adivinhe developers <dev@adivinhe.invalid>  %s\n\n' "$(date -u -R)"
        cat "$pasta/packaging/changelog"; } >"$trabalho/changelog"
    mv "$trabalho/changelog" "$pasta/packaging/changelog"
}

# The same tree at the next patch version, released as the README says, and
# packaged in $trabalho/seguinte; prints its .msi.
empacotarVersaoSeguinte() {
    local versao=$1 copia=$trabalho/seguinte
    mkdir "$copia"
    git ls-files -z | xargs -0 tar -c | tar -x -C "$copia"
    lancarVersao "$copia" "$versao"
    (cd "$copia" && cmake --preset windows -DBUILD_TESTING=OFF --no-warn-unused-cli >/dev/null &&
        cmake --build --preset windows >/dev/null && cd build/windows && cpack -G External >/dev/null) ||
        falhar "the tree at version $versao did not build or package"
    echo "$copia/build/windows/adivinhe-$versao-windows-x86_64.msi"
}

# The game's entries in Apps & features, one a line: name | version | publisher.
entradasDoJogo() {
    local raiz
    for raiz in HKLM HKCU; do
        wine reg export "$raiz\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" "$trabalho/entradas.reg" /y \
            >/dev/null 2>&1 || continue
        iconv -f UTF-16 -t UTF-8 "$trabalho/entradas.reg" | tr -d '\r' | awk -F'"' '
            /^\[/ { if (nome == "Adivinhe o número") print nome " | " versao " | " editor; nome = versao = editor = "" }
            $2 == "DisplayName" { nome = $4 } $2 == "DisplayVersion" { versao = $4 } $2 == "Publisher" { editor = $4 }
            END { if (nome == "Adivinhe o número") print nome " | " versao " | " editor }'
    done
}

esperarEntradas() {
    local entradas
    entradas=$(entradasDoJogo)
    [ "$entradas" = "$1" ] || falhar "Apps & features lists:"$'\n'"$entradas"$'\n'"and should list:"$'\n'"$1"
    echo "Apps & features: $1"
}

# What the user's profile and Windows Installer's caches hold, to tell what a removal
# left; the caches' folders are Windows Installer's own, made at its first run.
retratoDoPrefixo() {
    (cd "$WINEPREFIX/drive_c" && { find users; find windows -path 'windows/Installer*'; } | sort |
        grep -vx -e 'users/[^/]*/AppData/Roaming/Microsoft/Installer' -e 'windows/Installer')
}

# The .msi installed under wine, in a fresh prefix whose menus reach none of this
# machine's, as a player would: the three files of the .zip in the per-user
# Programs folder, a Start-menu shortcut to the game, an entry in Apps & features;
# the game plays from there. The next version replaces it, leaving one entry; this
# one is then refused; and the removal leaves nothing behind.
conferirInstalador() {
    local zip=$1 versao=$VERSAO msi seguinte msi_seguinte pasta atalho arquivo saida editor status=0
    editor=$(detalheDaVersao "$zip/adivinhe.exe" CompanyName)
    [ -n "$editor" ] || falhar "adivinhe.exe names no publisher"
    msi=build/windows/adivinhe-$versao-windows-x86_64.msi
    conferirTabelasDoMsi "$msi"
    seguinte=$(awk -F. '{ print $1 "." $2 "." $3 + 1 }' <<<"$versao")
    msi_seguinte=$(empacotarVersaoSeguinte "$seguinte")
    [ "$(msiinfo suminfo "$msi" | grep '^Revision')" != "$(msiinfo suminfo "$msi_seguinte" | grep '^Revision')" ] ||
        falhar "the .msi files of $versao and $seguinte have the same package code"

    export WINEPREFIX=$trabalho/wine WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
    unset DISPLAY
    wine cmd /c exit >/dev/null 2>&1
    retratoDoPrefixo >"$trabalho/antes"

    wine msiexec /i "$msi" /qn || falhar "msiexec /i $msi failed"
    pasta=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Adivinhe)
    [ "$(ls "$pasta" | tr '\n' ' ')" = "LEIAME.txt LICENSE.txt adivinhe.exe " ] || falhar "$pasta holds: $(ls "$pasta")"
    for arquivo in adivinhe.exe LEIAME.txt LICENSE.txt; do
        cmp "$zip/$arquivo" "$pasta/$arquivo" || falhar "the installed $arquivo is not the .zip's"
    done
    echo "installed in ${pasta#"$WINEPREFIX/"}: the .zip's three files, byte for byte"
    atalho=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/"Adivinhe o número.lnk")
    tr -d '\0' <"$atalho" | grep -qaF 'AppData\Local\Programs\Adivinhe\adivinhe.exe' ||
        falhar "the Start-menu shortcut does not point at adivinhe.exe"
    echo "the Start-menu shortcut ${atalho#"$WINEPREFIX/"} points at adivinhe.exe"
    esperarEntradas "Adivinhe o número | $versao | $editor"
    saida=$(printf '4\n' | wine "$pasta/adivinhe.exe") || status=$?
    [ "$status" -eq 0 ] && grep -q 'Opcao: $' <<<"$saida" || falhar "the installed game did not play (status $status): $saida"
    echo "the installed game shows the menu and ends with status 0"

    wine msiexec /i "$msi_seguinte" /qn || falhar "msiexec /i $msi_seguinte failed"
    esperarEntradas "Adivinhe o número | $seguinte | $editor"
    ! wine msiexec /i "$msi" /qn || falhar "$msi installed over $seguinte"
    esperarEntradas "Adivinhe o número | $seguinte | $editor"
    echo "$seguinte replaced $versao, and $versao is then refused"

    wine msiexec /x "$msi_seguinte" /qn || falhar "msiexec /x failed"
    retratoDoPrefixo | diff "$trabalho/antes" - || falhar "the removal left the files above"
    ! wine reg query 'HKCU\Software\adivinhe' >/dev/null 2>&1 || falhar "the removal left HKCU\Software\adivinhe"
    esperarEntradas ""
    echo "the removal left nothing behind"
}

# One value of the .exe's version details.
detalheDaVersao() {
    wrestool --extract --raw --type=version "$1" | iconv -f UTF-16LE -t UTF-8 -c | tr '\0' '\n' |
        grep -av '^$' | grep -a -A1 "$2\$" | tail -n 1
}

# The game's icon, made from its one drawing, and its version details are in the .exe.
conferirRecursos() {
    local versao
    packaging/gerar_icone.sh --conferir
    wrestool --list --type=group_icon "$1" | grep -q . || falhar "$1 holds no icon"
    versao=$(detalheDaVersao "$1" FileVersion)
    [ "$versao" = "$VERSAO" ] || falhar "$1 tells FileVersion '$versao', not $VERSAO"
    echo "$1: an icon, and a version resource of FileVersion $versao"
}

conferirWeb() {
    local zip=build/web/adivinhe-$VERSAO-web.zip pasta
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
    VERSAO=$(versaoDaConstrucao "$trabalho/um/build/release")
    for pacote in release/adivinhe_${VERSAO}_amd64.deb release/adivinhe-$VERSAO-Linux.tar.gz \
        windows/adivinhe-$VERSAO-windows-x86_64.zip windows/adivinhe-$VERSAO-windows-x86_64.msi \
        web/adivinhe-$VERSAO-web.zip; do
        cmp "$trabalho/um/build/$pacote" "$trabalho/outra pasta/build/$pacote"
        echo "$(basename "$pacote"): the same to the byte from both folders"
    done
}

case "${1:-}" in
    linux) VERSAO=$(versaoDaConstrucao build/release) && conferirLinux ;;
    windows) VERSAO=$(versaoDaConstrucao build/windows) && conferirWindows ;;
    web) VERSAO=$(versaoDaConstrucao build/web) && conferirWeb ;;
    reproduzivel) conferirReproducao ;;
    *) falhar "usage: $0 linux|windows|web|reproduzivel" ;;
esac
