#!/bin/sh
# The Debian packages that each use of the project needs, said once: the README's
# commands and CI install them from here. Installs those of the uses named that
# this machine lacks, as root or through sudo.
# Usage: ./dependencias.sh USO...      ./dependencias.sh todos: every use
set -eu

USOS="jogo testes analise memcheck fuzz bench libcxx pacotes windows web"

pacotes() {
    case "$1" in
        # Build and play the game.
        jogo) echo g++ cmake ninja-build ;;
        # Build and run the test suite (the dev preset), in a real terminal too.
        testes) echo "$(pacotes jogo) libgtest-dev tmux" ;;
        analise) echo clang-tidy clang-format cppcheck ;;
        memcheck) echo "$(pacotes testes) valgrind" ;;
        # The sanitizers' and libFuzzer's runtime of the release's own clang.
        fuzz) echo "$(pacotes jogo) clang libclang-rt-dev" ;;
        # The benchmark counts system calls and memory.
        bench) echo "$(pacotes jogo) strace time" ;;
        libcxx) echo "$(pacotes jogo) clang libc++-dev libc++abi-dev googletest" ;;
        # Build the Linux packages and check them as Debian's tools and a desktop see them.
        pacotes) echo "$(pacotes jogo)" dpkg-dev lintian man-db locales desktop-file-utils appstream icoutils librsvg2-bin ;;
        # Cross-build for Windows, run the suite under wine, and make and check the installer.
        windows) echo "$(pacotes jogo)" g++-mingw-w64-x86-64-posix wine googletest wixl msitools icoutils ;;
        # Build the page, and test it in three engines (the rest comes from npm ci).
        web) echo "$(pacotes jogo)" googletest emscripten nodejs npm chromium firefox-esr webkit2gtk-driver xvfb ;;
        todos) for uso in $USOS; do pacotes "$uso"; done ;;
        *)
            echo "unknown use: $1 (the uses: $USOS, todos)" >&2
            return 1
            ;;
    esac
}

if [ $# -eq 0 ]; then
    echo "usage: $0 USO... (the uses: $USOS, todos)" >&2
    exit 2
fi

# What is installed, by name and by what it provides: a node from elsewhere brings its own npm.
instalados=" $(dpkg-query -W -f='${db:Status-Abbrev}|${Package}, ${Provides}\n' 2>/dev/null | sed -n 's/^ii *|//p' |
    sed 's/ *([^)]*)//g; s/:[a-z0-9]*//g' | tr ',\n' '  ' | tr -s ' ') "
faltam=""
for uso in "$@"; do
    lista=$(pacotes "$uso") || exit 2
    for pacote in $lista; do
        case " $faltam " in *" $pacote "*) continue ;; esac
        case "$instalados" in *" $pacote "*) ;; *) faltam="$faltam $pacote" ;; esac
    done
done
if [ -n "$faltam" ]; then
    echo "installing:$faltam"
    como_root=""
    [ "$(id -u)" -eq 0 ] || como_root=sudo
    $como_root env DEBIAN_FRONTEND=noninteractive sh -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends$faltam"
fi
