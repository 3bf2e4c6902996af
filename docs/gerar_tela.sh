#!/usr/bin/env bash
# Makes docs/tela.svg, the README's picture: plays a Passa o Controle game in a real
# terminal (tmux, headless, 80x24) up to the player's fourth guess and draws that
# screen as an SVG. The master types the number, so the picture is the same on
# every run; make it again whenever a screen changes.
# Needs: tmux, awk. Usage: docs/gerar_tela.sh [GAME]   (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/.."

jogo=${1:-}
if [ -z "$jogo" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target adivinhe >/dev/null
    jogo=build/release/adivinhe
fi
jogo=$(realpath "$jogo")

soquete="adivinhe-tela-$$"
t() { tmux -L "$soquete" -f /dev/null "$@"; }
trap 't kill-server 2>/dev/null || true' EXIT
t new-session -d -x 80 -y 24 "$jogo; sleep 60"

# Waits until the last line written ends with the question (tmux drops the blanks that end a line).
esperar() {
    for _ in $(seq 100); do
        [[ "$(t capture-pane -p | awk 'NF { ultima = $0 } END { print ultima }')" == *"$1" ]] && return
        sleep 0.05
    done
    echo "never saw \"$1\"" >&2
    exit 1
}

# Types the answer, and ENTER, once its question is on the screen.
responder() {
    esperar "$1"
    [ -z "$2" ] || t send-keys -l "$2"
    t send-keys Enter
}

responder "Opcao:" 1
responder "Opcao:" 3
responder "Nome do mestre:" Ana
responder "Nome do jogador:" Bia
responder "Opcao:" 1
responder "Ana escolha o numero:" 37
responder "Palpite:" 25
responder "ENTER..." ""
responder "Palpite:" 40
responder "ENTER..." ""
responder "Palpite:" 36
responder "ENTER..." ""
esperar "Palpite:"

t capture-pane -p | awk -v linhas=24 -v colunas=80 '
    function escapar(s) {
        gsub(/&/, "\\&amp;", s)
        gsub(/</, "\\&lt;", s)
        gsub(/>/, "\\&gt;", s)
        return s
    }
    { tela[NR] = $0 }
    END {
        largura = 8.4; altura = 17; margem = 14
        w = colunas * largura + 2 * margem; h = linhas * altura + 2 * margem
        printf "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n", w, h, w, h
        printf "<rect width=\"100%%\" height=\"100%%\" rx=\"6\" fill=\"#1e1e1e\"/>\n"
        printf "<g font-family=\"DejaVu Sans Mono, Menlo, Consolas, monospace\" font-size=\"14\" fill=\"#d4d4d4\" xml:space=\"preserve\">\n"
        for (i = 1; i <= linhas; i++) {
            if (tela[i] == "") continue
            printf "<text x=\"%d\" y=\"%.1f\" textLength=\"%.1f\" lengthAdjust=\"spacing\">%s</text>\n", \
                margem, margem + (i - 0.25) * altura, length(tela[i]) * largura, escapar(tela[i])
        }
        printf "</g>\n</svg>\n"
    }' >docs/tela.svg
echo "docs/tela.svg made from a game in an 80x24 terminal"
