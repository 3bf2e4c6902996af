#!/usr/bin/env bash
# Checks the Windows packages as a player sees them: the .zip holds the game, with
# its icon and version details, and its texts with CR LF line ends; the .msi is
# installed under wine, in a fresh prefix, upgraded by the next version, refused
# over it, and removed, leaving nothing behind.
# Usage: packaging/conferir_windows.sh   (after cpack --preset windows)
source "$(dirname "$0")/conferir_comum.sh"

# Wine as the Windows tests run it, in a fresh prefix of the check's own, whose
# server goes with the check.
export WINEPREFIX=$trabalho/wine
trap 'wineserver -k 2>/dev/null || true; rm -rf "$trabalho"' EXIT
emWine() { cmake/wine.sh "$WINEPREFIX" "$@"; }

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
    conferirGuia "$pasta/LEIAME.txt" emWine "$pasta/adivinhe.exe"
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

# The same tree at the next patch version, released as the README says, and
# packaged in $trabalho/seguinte; prints its .msi.
empacotarVersaoSeguinte() {
    local versao=$1 copia=$trabalho/seguinte
    mkdir "$copia"
    git ls-files -z | xargs -0 tar -c | tar -x -C "$copia"
    packaging/lancar_versao.sh "$versao" "$copia" >/dev/null
    (cd "$copia" && cmake --preset windows -DBUILD_TESTING=OFF --no-warn-unused-cli >/dev/null &&
        cmake --build --preset windows >/dev/null && cd build/windows && cpack -G External >/dev/null) ||
        falhar "the tree at version $versao did not build or package"
    echo "$copia/build/windows/adivinhe-$versao-windows-x86_64.msi"
}

# The game's entries in Apps & features, one a line: name | version | publisher.
entradasDoJogo() {
    local raiz
    for raiz in HKLM HKCU; do
        emWine reg export "$raiz\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" "$trabalho/entradas.reg" /y \
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

    retratoDoPrefixo >"$trabalho/antes"

    emWine msiexec /i "$msi" /qn || falhar "msiexec /i $msi failed"
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
    saida=$(printf '4\n' | emWine "$pasta/adivinhe.exe") || status=$?
    [ "$status" -eq 0 ] && grep -q 'Opcao: $' <<<"$saida" || falhar "the installed game did not play (status $status): $saida"
    echo "the installed game shows the menu and ends with status 0"

    emWine msiexec /i "$msi_seguinte" /qn || falhar "msiexec /i $msi_seguinte failed"
    esperarEntradas "Adivinhe o número | $seguinte | $editor"
    ! emWine msiexec /i "$msi" /qn || falhar "$msi installed over $seguinte"
    esperarEntradas "Adivinhe o número | $seguinte | $editor"
    echo "$seguinte replaced $versao, and $versao is then refused"

    emWine msiexec /x "$msi_seguinte" /qn || falhar "msiexec /x failed"
    retratoDoPrefixo | diff "$trabalho/antes" - || falhar "the removal left the files above"
    ! emWine reg query 'HKCU\Software\adivinhe' >/dev/null 2>&1 || falhar "the removal left HKCU\Software\adivinhe"
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

VERSAO=$(versaoDaConstrucao build/windows)
conferirWindows
