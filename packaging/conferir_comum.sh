# What every package check shares; each sources it. The checks install nothing on
# this machine, and work in a folder of their own that goes with them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT

falhar() {
    echo "$*" >&2
    exit 1
}

# The version the packages of a build folder were made with: the project's, as CMake read it.
versaoDaConstrucao() {
    local versao
    versao=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt" 2>/dev/null)
    [ -n "$versao" ] || falhar "$1 has no project version: configure and package it first"
    echo "$versao"
}

# The files of an archive, without its top folder, one a line, sorted.
arquivos() {
    cmake -E tar tf "$1" | grep -v '/$' | cut -d/ -f2- | sort
}

# The archive holds the files named, and no other.
mesmos() {
    local esperado obtido
    esperado=$(printf '%s\n' "${@:2}" | sort)
    obtido=$(arquivos "$1")
    [ "$obtido" = "$esperado" ] || falhar "$1 holds:"$'\n'"$obtido"$'\n'"but should hold:"$'\n'"$esperado"
    echo "$1: $(echo "$obtido" | wc -l) files, as expected"
}

# Unpacks a .zip into a folder of its own and prints that folder's one subfolder.
desempacotar() {
    mkdir "$trabalho/$2"
    (cd "$trabalho/$2" && cmake -E tar xf "$OLDPWD/$1")
    echo "$trabalho/$2"/*
}

# The players' guide is UTF-8, and tells the levels as the built game's rules screen
# does. The game is the command given, which reads the keys from its standard input.
conferirGuia() {
    local guia=$1 nivel niveis=0
    shift
    iconv -f UTF-8 -t UTF-8 "$guia" >/dev/null || falhar "$guia is not UTF-8"
    while read -r nivel; do
        grep -qF "$nivel" "$guia" || falhar "$guia does not tell the level as the rules screen does: $nivel"
        niveis=$((niveis + 1))
    done < <(printf '3\n\n4\n' | "$@" | tr -d '\r' | grep -E '^[A-Za-z]+: 1 a [0-9]+ - [0-9]+ vidas$')
    [ "$niveis" -gt 0 ] || falhar "no level found on the rules screen of $*"
    echo "$(basename "$guia"): UTF-8, and tells the $niveis levels as the game's rules screen does"
}
