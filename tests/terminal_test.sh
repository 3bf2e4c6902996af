#!/usr/bin/env bash
# In a real terminal (tmux, headless, 80x24): the master types 37 in Passa o Controle
# and, at the player's first guess, the number is neither on the screen nor in the
# scrollback. Exits 77 (skipped) where tmux cannot start, unless CI is set.
# Usage: terminal_test.sh GAME
set -u
jogo=$1
soquete="adivinhe-teste-$$"
t() { tmux -L "$soquete" -f /dev/null "$@"; }
trap 't kill-server 2>/dev/null' EXIT

pular() {
    if [ "${CI:-}" = true ]; then
        echo "$1, and CI must run this test"
        exit 1
    fi
    echo "$1: skipped"
    exit 77
}
command -v tmux >/dev/null || pular "tmux is not installed"
# The game ends by itself within a minute, and the session and its server with it, even
# when this script is stopped before its trap can run.
printf -v comando 'exec timeout -k 5 60 %q' "$jogo"
t new-session -d -x 80 -y 24 "$comando" 2>/dev/null || pular "tmux cannot start here"

# Waits until the screen shows the text (tmux drops the blanks that end a line).
esperar() {
    for _ in $(seq 100); do
        t capture-pane -p | grep -qF -- "$1" && return 0
        sleep 0.05
    done
    echo "never saw \"$1\" on the screen:"
    t capture-pane -p
    exit 1
}
responder() {
    esperar "$1"
    t send-keys -l "$2"
    t send-keys Enter
}

responder "Opcao:" 1
responder "3 - Passa o Controle" 3
responder "Nome do mestre:" Ana
responder "Nome do jogador:" Bia
responder "3 - Dificil" 1
responder "Ana escolha o numero:" 37
esperar "Palpite:"

tela=$(t capture-pane -p)
historia=$(t capture-pane -p -S -)
falhou=0
for texto in "$tela" "$historia"; do
    if grep -qF "escolha o numero: 37" <<<"$texto"; then
        falhou=1
    fi
done
if [ "$falhou" -ne 0 ]; then
    echo "the master's number can still be read; the whole history:"
    echo "$historia"
    exit 1
fi
grep -qF "Jogador: Bia" <<<"$tela" || { echo "the player's turn is not on the screen"; exit 1; }
echo "the master's number is gone from the screen and the scrollback"
