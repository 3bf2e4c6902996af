#!/usr/bin/env bash
# Packages the last commit twice, from clones in two folders, seconds apart (the
# Linux, Windows and web packages, the .msi among them), and finds the packages
# the same to the byte.
# Usage: packaging/conferir_reproducao.sh
source "$(dirname "$0")/conferir_comum.sh"

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

conferirReproducao
