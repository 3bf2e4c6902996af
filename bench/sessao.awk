# Writes a long scripted session of Passa o Controle games, whose secret is typed and
# so known: misses, hits, whole games lost, and the ranking and rules screens between them.
# Usage: awk -v jogos=N -f sessao.awk
BEGIN {
    srand(1)
    split("50 100 200", maximo)
    split("10 7 5", vidas)
    for (jogo = 1; jogo <= jogos; jogo++) {
        nivel = jogo % 3 + 1
        secreto = int(rand() * maximo[nivel]) + 1
        printf "1\n3\nMestre %d\nJogador %d\n%d\n%d\n", jogo, jogo, nivel, secreto
        perde = jogo % 7 == 0
        erros = perde ? vidas[nivel] : jogo % vidas[nivel]
        for (i = 1; i <= erros; i++) {
            errado = secreto == 1 ? maximo[nivel] : secreto - 1
            # after the last life there is no pause before the master's victory
            printf "%d\n%s", errado, (perde && i == erros) ? "" : "\n"
        }
        if (!perde) {
            printf "%d\n", secreto
        }
        printf "\n"
        if (jogo % 50 == 0) {
            printf "2\n\n3\n\n"
        }
    }
    printf "4\n"
}
