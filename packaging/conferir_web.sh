#!/usr/bin/env bash
# Checks the page's package as a player sees it: one folder with the page, the
# players' guide in plain UTF-8 with LF line ends, and the licence.
# Usage: packaging/conferir_web.sh   (after cpack --preset web)
source "$(dirname "$0")/conferir_comum.sh"

conferirWeb() {
    local zip=build/web/adivinhe-$VERSAO-web.zip pasta
    mesmos "$zip" adivinhe.html LEIAME.txt LICENSE.txt
    pasta=$(desempacotar "$zip" web)
    ! grep -q $'\r' "$pasta/LEIAME.txt" || falhar "$zip: LEIAME.txt has CR LF line ends"
    [ "$(head -c 3 "$pasta/LEIAME.txt")" != $'\xef\xbb\xbf' ] || falhar "$zip: LEIAME.txt has a byte-order mark"
    echo "$zip: LEIAME.txt has LF line ends and no byte-order mark"
    # The game the page's tests compare the page with, built for this machine.
    conferirGuia "$pasta/LEIAME.txt" build/web/tests/nativo/adivinhe
}

VERSAO=$(versaoDaConstrucao build/web)
conferirWeb
