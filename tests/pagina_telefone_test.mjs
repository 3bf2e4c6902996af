// The page on a phone (Chromium, emulating one): played by finger on its keypad
// and with the events phones' keyboards send, laid out for each screen, and its
// line kept in view when the screen gets lower.
// Usage: node pagina_telefone_test.mjs PAGE.html NATIVE_GAME chromium|firefox|webkit
import assert from "node:assert/strict";
import { describe, test } from "node:test";
import { abrirPagina } from "./navegador.mjs";
import {
    BACKSPACE, conferirAcessibilidade, digitarNoTeclado, digitarNoTelefone, doDisco, esperarALinhaAVista,
    esperarOPrograma, focoNaLinha, jogar, LETRAS, navegador, nomeDoMotor, pausar, responder, SESSOES, TECLA_LETRAS,
    TELEFONE, tocar
} from "./pagina_apoio.mjs";

// The page's size, the text's and the keys', at a screen of so many CSS px, with
// the rules on the screen: their 17 lines, the longest of the game among them.
function medirAPagina() {
    const caixa = (e) => {
        const { left, top, right, bottom, width, height } = e.getBoundingClientRect();
        return { left, top, right, bottom, width, height };
    };
    const [quadro, tela, anteriores, ultima, linha] = ["console", "tela", "anteriores", "ultima", "linha"]
        .map((id) => document.getElementById(id));
    const estilo = getComputedStyle(tela);
    const letras = document.createRange();
    letras.setStart(anteriores.firstChild, 0);
    letras.setEnd(anteriores.firstChild, 10);
    const alturaDaLinha = parseFloat(estilo.lineHeight);
    return {
        larguraDaJanela: innerWidth,
        alturaDaJanela: innerHeight,
        larguraDoDocumento: document.documentElement.scrollWidth,
        letra: parseFloat(estilo.fontSize),
        letraDaLinha: parseFloat(getComputedStyle(linha).fontSize),
        colunas: Math.floor(tela.clientWidth / (letras.getBoundingClientRect().width / 10)),
        linhasMostradas: Math.round(anteriores.offsetHeight / alturaDaLinha) + Math.round(ultima.offsetHeight /
            alturaDaLinha),
        linhasDoTexto: adivinhe.tela().split("\n").length,
        rola: quadro.scrollHeight > quadro.clientHeight,
        quadro: caixa(quadro),
        tela: caixa(tela),
        teclas: Array.from(document.querySelectorAll("#teclado button"),
            (b) => ({ rotulo: b.getAttribute("aria-label") ?? b.textContent, ...caixa(b) })),
    };
}

// The keys in rows, top to bottom, each row left to right.
function fileirasDoTeclado(teclas) {
    const fileiras = new Map();
    for (const tecla of teclas) {
        fileiras.set(tecla.top, [...(fileiras.get(tecla.top) ?? []), tecla]);
    }
    return [...fileiras.entries()].sort(([a], [b]) => a - b)
        .map(([, fileira]) => fileira.sort((a, b) => a.left - b.left).map((t) => t.rotulo));
}

const DISCADOR = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "Apagar", "0", "ENTER"];
const porFileiras = (porFileira) => Array.from({ length: DISCADOR.length / porFileira },
    (_, i) => DISCADOR.slice(i * porFileira, (i + 1) * porFileira));

// A phone's screen is used at its own width, the rules in view above the keypad,
// no line of theirs wrapped; a desktop's has about 80 columns, centred, of larger text.
function testarLayout() {
    const TELAS = [
        { nome: "de pe, 360x640", largura: 360, altura: 640, toque: true, fileiras: [[LETRAS], ...porFileiras(3)] },
        { nome: "deitado, 640x360", largura: 640, altura: 360, toque: true, fileiras: [[LETRAS, ...DISCADOR]] },
        { nome: "deitado, 851x393", largura: 851, altura: 393, toque: true, fileiras: [[LETRAS, ...DISCADOR]] },
        { nome: "computador, 1280x800", largura: 1280, altura: 800, toque: false, fileiras: [] },
        { nome: "computador, 1920x1080", largura: 1920, altura: 1080, toque: false, fileiras: [] },
    ];
    test("o layout de cada tela", async (t) => {
        for (const tela of TELAS) {
            const { aba } = await abrirPagina(navegador, doDisco, { tela });
            await responder(aba, ["3\n"], tela.toque ? digitarNoTelefone : digitarNoTeclado);
            await esperarOPrograma(aba);
            const medida = await aba.avaliar(medirAPagina);
            t.diagnostic(`${tela.nome}: ${medida.colunas} columns at ${medida.letra} px`);
            const lugar = `${tela.nome}: ${JSON.stringify(medida)}`;
            assert.equal(medida.larguraDaJanela, tela.largura, lugar);
            assert.ok(medida.larguraDoDocumento <= tela.largura, lugar);
            assert.deepEqual([medida.linhasMostradas, medida.rola], [17, false], lugar);
            assert.equal(medida.linhasDoTexto, 17, lugar);
            if (tela.toque) {
                assert.ok(medida.letra >= 14 && medida.letraDaLinha >= 16, lugar);
            } else {
                assert.ok(medida.letra >= 18 && medida.letra <= 24 && Math.abs(medida.colunas - 80) <= 1, lugar);
                assert.ok(Math.abs(medida.tela.left - (tela.largura - medida.tela.right)) <= 1, lugar);
            }
            const mostradas = medida.teclas.filter((tecla) => tecla.width > 0);
            assert.deepEqual(fileirasDoTeclado(mostradas), tela.fileiras, lugar);
            for (const tecla of mostradas) {
                assert.ok(tecla.width >= 44 && tecla.height >= 48, lugar);
                assert.ok(tecla.top >= medida.quadro.bottom && tecla.bottom <= medida.alturaDaJanela, lugar);
            }
            await aba.fechar();
        }
    });
}

// Phones' keyboards, as Android's and iOS's send their events, each typing a name
// at the Solo game's question; the program must read the line meant.
const cdp = (comando, parametros) => (aba) => aba.cdp(comando, parametros);
const compor = (...estados) => estados.map((texto) => cdp("Input.imeSetComposition",
    { text: texto, selectionStart: texto.length, selectionEnd: texto.length }));
const porTexto = (texto) => cdp("Input.insertText", { text: texto });
const tecla = (tipo, codigo, chave) => cdp("Input.dispatchKeyEvent",
    { type: tipo, windowsVirtualKeyCode: codigo, key: chave, code: chave });
const comTecla229 = (passo) => [tecla("rawKeyDown", 229, "Unidentified"), passo, tecla("keyUp", 229, "Unidentified")];
const ENTER = [tecla("rawKeyDown", 13, "Enter"), cdp("Input.dispatchKeyEvent", { type: "char", text: "\r" }),
    tecla("keyUp", 13, "Enter")];
const APAGAR = [tecla("rawKeyDown", 8, "Backspace"), tecla("keyUp", 8, "Backspace")];

const TECLADOS = [
    { nome: "uma composicao que cresce e e confirmada", eventos: [compor("R", "Ri", "Rit", "Rita"), porTexto("Rita"),
        ENTER], linha: "Rita" },
    { nome: "um espaco logo depois de uma palavra composta", eventos: [compor("Rita"), porTexto("Rita"),
        comTecla229(porTexto(" ")), compor("Lee"), porTexto("Lee"), ENTER], linha: "Rita Lee" },
    { nome: "ENTER como quebra de linha posta pelo teclado", eventos: [compor("Ana"), porTexto("Ana"),
        comTecla229(porTexto("\n"))], linha: "Ana" },
    // No event a protocol can send makes a single-line input take a line break:
    // this one stands for the keyboards whose ENTER is one.
    { nome: "ENTER como insertLineBreak", eventos: [porTexto("Ana"), (aba) => aba.avaliar(() => document
        .getElementById("linha").dispatchEvent(new InputEvent("beforeinput",
            { inputType: "insertLineBreak", bubbles: true, cancelable: true })))], linha: "Ana" },
    { nome: "uma palavra confirmada e corrigida", eventos: [porTexto("Rtia"), cdp("Input.imeSetComposition",
        { text: "Rita", selectionStart: 4, selectionEnd: 4, replacementStart: 0, replacementEnd: 4 }),
    porTexto("Rita"), ENTER], linha: "Rita" },
    { nome: "uma selecao digitada por cima", eventos: [porTexto("Rita Lee"),
        (aba) => aba.avaliar(() => document.getElementById("linha").setSelectionRange(0, 4)), porTexto("Ana"), ENTER],
    linha: "Ana Lee" },
    { nome: "texto posto sem tecla, como um ditado", eventos: [porTexto("Rita Lee"), ENTER], linha: "Rita Lee" },
    { nome: "digitos do teclado numerico durante uma composicao", eventos: [compor("R", "Ri", "Rita"), tocar("4"),
        tocar("2"), porTexto("Rita"), ENTER], linha: "Rita42" },
    { nome: "o ENTER do teclado numerico durante uma composicao", eventos: [compor("Ri", "Rita"), tocar("\n")],
        linha: "Rita" },
    { nome: "Backspace do aparelho depois de digitos do teclado numerico", eventos: [tocar("4"), tocar("2"), APAGAR,
        ENTER], linha: "4" },
];

function testarTecladosDeTelefone() {
    for (const { nome, eventos, linha } of TECLADOS) {
        test(`teclado do aparelho: ${nome}`, async () => {
            const { aba } = await abrirPagina(navegador, doDisco, { tela: TELEFONE });
            await responder(aba, ["1\n", "1\n", ""], digitarNoTelefone);
            await aba.tocar("#tela");
            for (const evento of eventos.flat(2)) {
                await evento(aba);
                await pausar(50);
            }
            aba.vista.ecoar(`${linha}\n`);
            await responder(aba, ["1\n"], digitarNoTelefone);
            await esperarOPrograma(aba);
            assert.match(await aba.avaliar(() => adivinhe.saida()), new RegExp(`\nJogador: ${linha}\n`));
            await aba.fechar();
        });
    }
}

// When the screen gets lower, as when the phone is turned or its keyboard opens,
// the line being typed stays in view: with the focus on the keypad, which the
// browser does not scroll to, and on the phone's keyboard.
async function conferirTelaQueEncolhe(digitado) {
    const { aba } = await abrirPagina(navegador, doDisco, { tela: TELEFONE });
    await responder(aba, ["3\n", digitado], digitarNoTelefone);
    await aba.redimensionar({ ...TELEFONE, altura: TELEFONE.altura / 2 });
    assert.equal((await esperarALinhaAVista(aba)).valor, digitado);
    await aba.fechar();
}

// The keypad's Apagar with the phone's keyboard closed, as the keypad is mostly
// used: it deletes the selection, or the character before the caret, whole, and
// nothing at the start; a digit then goes in at the caret, and the focus stays off the line.
const APAGAMENTOS = [
    { valor: "42", de: 2, ate: 2, fica: "49" },
    { valor: "4", de: 1, ate: 1, fica: "9" },
    { valor: "42", de: 0, ate: 0, fica: "942" },
    { valor: "a\u{1F600}", de: 3, ate: 3, fica: "a9" },
    { valor: "4213", de: 1, ate: 3, fica: "493" },
];

async function conferirApagarSemFoco() {
    const { aba } = await abrirPagina(navegador, doDisco, { tela: TELEFONE });
    for (const { valor, de, ate, fica } of APAGAMENTOS) {
        await aba.avaliar((texto, inicio, fim) => {
            const linha = document.getElementById("linha");
            linha.blur();
            linha.value = texto;
            linha.setSelectionRange(inicio, fim);
        }, valor, de, ate);
        await tocar(BACKSPACE)(aba);
        await tocar("9")(aba);
        assert.deepEqual(await aba.avaliar(() => [document.getElementById("linha").value,
            document.activeElement === document.getElementById("linha")]), [fica, false], valor);
    }
    await aba.fechar();
}

// A first-time player on a phone reaches the name with the keypad; the key
// that tells of letters opens the phone's keyboard with one tap, and its ENTER
// closes it, so that the keypad is in view at the level's question.
async function conferirNomeNoTelefone() {
    const { aba } = await abrirPagina(navegador, doDisco, { tela: TELEFONE });
    await responder(aba, ["1\n", "1\n", ""], digitarNoTelefone);
    assert.equal(await aba.avaliar((tecla) => document.querySelector(tecla).checkVisibility(), TECLA_LETRAS), true);
    await aba.tocar(TECLA_LETRAS);
    assert.equal(await focoNaLinha(aba), true);
    await responder(aba, ["Rita\n", "1\n"], digitarNoTelefone);
    await esperarOPrograma(aba);
    assert.match(await aba.avaliar(() => adivinhe.saida()), /\nJogador: Rita\n/);
    await aba.fechar();
}

if (nomeDoMotor === "chromium") {
    describe("num telefone", () => {
        for (const sessao of SESSOES.filter((s) => s.noTelefone)) {
            test(`${sessao.nome}, pelo toque`, (t) => jogar(sessao, t, { tela: TELEFONE }));
        }
        test("acessivel pelo toque, e cada tela anunciada uma vez", () => conferirAcessibilidade(TELEFONE));
        test("o nome pelo teclado do aparelho, que a tecla ABC abre e o ENTER fecha", conferirNomeNoTelefone);
        testarLayout();
        for (const digitado of ["4", "x"]) {
            test(`quando a tela encolhe, a linha digitada fica a vista: ${digitado}`,
                () => conferirTelaQueEncolhe(digitado));
        }
        testarTecladosDeTelefone();
        test("o Apagar do teclado numerico com o teclado do aparelho fechado", conferirApagarSemFoco);
    });
}
