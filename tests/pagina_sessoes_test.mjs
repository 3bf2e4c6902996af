// The page played as a person plays it, opened from the disk and served over
// http: the program writes, byte for byte, what the Linux build writes for the
// same keys, the screen shows what a terminal would, nothing is requested but
// the page, and no error is met.
// Usage: node pagina_sessoes_test.mjs PAGE.html NATIVE_GAME chromium|firefox|webkit
import assert from "node:assert/strict";
import { test } from "node:test";
import { ANUNCIO } from "../web/tela.mjs";
import { abrirPagina, servirPagina } from "./navegador.mjs";
import {
    arquivo, colarNaLinha, conferirSemRedeNemErros, digitarNoTeclado, doDisco, esperarALinhaAVista, esperarOPrograma,
    executarNativo, focoNaLinha, jogar, navegador, responder, SESSOES
} from "./pagina_apoio.mjs";

for (const sessao of SESSOES) {
    test(sessao.nome, (t) => jogar(sessao, t));
}

// The page's icon is its own, so that no browser asks the site for one; and it is
// one the page's policy lets it show.
test("servida por http, so a pagina e pedida, e o icone e o dela", async (t) => {
    const servidor = await servirPagina(arquivo);
    try {
        await jogar(SESSOES[2], t, { endereco: `${servidor.endereco}#teste` });
        const { aba } = await abrirPagina(navegador, servidor.endereco);
        await aba.avaliar(() => {
            const icone = new Image();
            icone.src = document.querySelector("link[rel=icon]").href;
            return icone.decode();
        });
        await conferirSemRedeNemErros(aba, servidor.endereco);
        await aba.fechar();
        assert.deepEqual(servidor.pedidos, ["/", "/"]);
    } finally {
        await servidor.fechar();
    }
});

// Neither the master's refused try nor his number stays in the page once the
// screen is cleared: not in its text, not in the input, nor in its undo.
test("a tela do menu chega numa so escrita, e o numero do mestre some da pagina", async () => {
    const { aba } = await abrirPagina(navegador, doDisco);
    assert.equal(await aba.avaliar(() => adivinhe.escritas()), 1);
    await responder(aba, ["1\n", "3\n", "Mia\n", "Leo\n", "3\n", "1999\n", "173\n"]);
    await esperarOPrograma(aba);
    await aba.teclar("Control+Z");
    const pagina = await aba.avaliar(() => [document.querySelector("main").textContent,
        ...Array.from(document.querySelectorAll("input"), (entrada) => entrada.value)].join("\n"));
    assert.match(pagina, /Palpite: /);
    assert.doesNotMatch(pagina, /173|1999/);
    await conferirSemRedeNemErros(aba, doDisco);
    // Ctrl with a key other than D leaves the input open.
    assert.equal(await aba.avaliar(() => adivinhe.status()), null);
    await aba.fechar();
});

// With a mouse and keyboard, a click on the screen's text gives the focus back to
// the line, so that the line typed next reaches the program.
test("um clique no texto da tela devolve o foco a linha", async () => {
    const { aba } = await abrirPagina(navegador, doDisco);
    await aba.avaliar(() => document.getElementById("linha").blur());
    await aba.clicar("#anteriores");
    await digitarNoTeclado(aba, "4\n");
    await aba.esperar(() => adivinhe.status() !== null);
    assert.equal(await aba.avaliar(() => adivinhe.status()), 0);
    await aba.fechar();
});

// Plays Solo at level 1 halving the range after each hint read on the screen; then
// a new run, from the button "Jogar de novo", starts with an empty ranking, as a
// new process would, and the keyboard types into its line; ENTER starts the next.
test("Solo ganho por busca binaria, e uma nova execucao com o ranking vazio", async (t) => {
    const { aba } = await abrirPagina(navegador, doDisco);
    await responder(aba, ["1\n", "1\n", "Ana\n", "1\n"]);
    // With a keyboard, the line keeps the focus from one answer to the next.
    assert.equal(await focoNaLinha(aba), true);
    let [menor, maior] = [1, 50];
    for (let palpites = 1; ; ++palpites) {
        assert.ok(palpites <= 6, "a binary search over 1..50 needs at most 6 guesses");
        const palpite = Math.floor((menor + maior) / 2);
        await responder(aba, [`${palpite}\n`]);
        await esperarOPrograma(aba);
        const tela = await aba.avaliar(() => adivinhe.tela());
        if (tela.includes("Voce acertou!")) {
            break;
        }
        if (tela.includes("O numero e MAIOR.")) {
            menor = palpite + 1;
        } else {
            assert.ok(tela.includes("O numero e MENOR."), tela);
            maior = palpite - 1;
        }
        await responder(aba, ["\n"]);
    }
    await responder(aba, ["\n", "2\n", "\n", "4\n"]);
    await aba.esperar(() => adivinhe.status() === 0);
    assert.match(await aba.avaliar(() => adivinhe.saida()), /1 - Ana \| Vencedor \| \d+ pontos\n/);
    assert.match(await aba.avaliar(() => adivinhe.tela()), /Opcao: 4\n\n\[Fim do jogo\.\]\n/);
    assert.match(await aba.avaliar(() => document.getElementById("anuncio").textContent),
        /Fim do jogo\. Tecle ENTER para jogar de novo\.$/);
    const jogarDeNovoAVista = () => aba.avaliar(() => document.getElementById("de-novo").checkVisibility());
    assert.equal(await jogarDeNovoAVista(), true);
    await aba.clicar("#de-novo");
    await aba.esperar(() => adivinhe.saida().endsWith("Opcao: ") && adivinhe.status() === null);
    assert.equal(await jogarDeNovoAVista(), false);
    await digitarNoTeclado(aba, "2\n");
    await aba.esperar(() => adivinhe.saida().endsWith("ENTER para voltar..."));
    assert.match(await aba.avaliar(() => adivinhe.tela()), /^=+ RANKING =+\n\nNenhum jogador ainda\./);
    await digitarNoTeclado(aba, "\n4\n");
    await aba.esperar(() => adivinhe.status() === 0);
    // The ENTER of any line typed after a run starts the next, which reads the
    // lines after it; a Ctrl-D typed with it, before the new run reads, is its end of input.
    await colarNaLinha(aba, "\n4\n", t);
    await aba.esperar(() => adivinhe.status() === 0);
    assert.equal(await aba.avaliar(() => adivinhe.saida()), executarNativo("4\n").saida);
    await aba.avaliar(() => {
        const linha = document.getElementById("linha");
        linha.value = "9";
        for (const tecla of [{ key: "Enter" }, { key: "d", ctrlKey: true }]) {
            linha.dispatchEvent(new KeyboardEvent("keydown", tecla));
        }
    });
    await esperarOPrograma(aba);
    const semEntrada = executarNativo("");
    assert.deepEqual(await aba.avaliar(() => [adivinhe.saida(), adivinhe.status()]),
        [semEntrada.saida, semEntrada.status]);
    await conferirSemRedeNemErros(aba, doDisco);
    await aba.fechar();
});

// A flood of lines pasted at the menu, as from a key held down or a clipboard:
// each is refused as natively, the screen and its announcement keep only their
// end, which is the prompt to answer, and the line stays in view. A flood that
// fills the program's output, ahead of a clear, leaves nothing in the next
// announcement but what follows the clear.
test("uma enxurrada de linhas coladas no menu", async (t) => {
    const enxurrada = "7\n".repeat(20_000);
    const antesDaLimpeza = `${"7\n".repeat(5000)}3\n`;
    const prompt = "Digite um numero entre 1 e 4: ";
    const { aba } = await abrirPagina(navegador, doDisco);
    const anunciado = () => aba.avaliar(() => document.getElementById("anuncio").textContent);
    await responder(aba, [""]);
    await colarNaLinha(aba, enxurrada, t);
    aba.vista.ecoar(enxurrada);
    await esperarOPrograma(aba);
    await aba.vista.conferir();
    await esperarALinhaAVista(aba);
    const anuncio = await anunciado();
    assert.ok(anuncio.endsWith(prompt) && anuncio.length <= ANUNCIO.caracteres &&
        anuncio.split("\n").length <= ANUNCIO.linhas, anuncio);
    await responder(aba, ["3\n"]);
    await esperarOPrograma(aba);
    await aba.vista.conferir();
    assert.match(await aba.avaliar(() => document.getElementById("tela").textContent), /^=+ REGRAS =+\n/);
    await responder(aba, ["\n", ""]);
    await colarNaLinha(aba, antesDaLimpeza, t);
    aba.vista.ecoar(antesDaLimpeza);
    await esperarOPrograma(aba);
    await aba.vista.conferir();
    assert.equal(await anunciado(), await aba.avaliar(() => document.getElementById("tela").textContent));
    await responder(aba, ["\n", "4\n"]);
    await aba.esperar(() => adivinhe.status() !== null);
    assert.equal(await aba.avaliar(() => adivinhe.saida()),
        executarNativo(`${enxurrada}3\n\n${antesDaLimpeza}\n4\n`).saida);
    await aba.fechar();
});
