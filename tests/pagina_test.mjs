// The page in a real browser, opened from the disk and typed into as a person
// would: the program writes, byte for byte, what the Linux build writes for the
// same input, requests nothing from the network, and nothing reaches the console.
// Usage: node pagina_test.mjs PAGE.html NATIVE_GAME
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { after, before, test } from "node:test";
import { abrirNavegador, abrirPagina } from "./navegador.mjs";

const [arquivo, nativo] = process.argv.slice(2);
const BACKSPACE = "\x7f";
const CTRL_D = "\x04";

// Each step is typed once the program waits for input: "\n" is ENTER. The input
// is what the Linux build reads, from a pipe, for the same keys.
const SESSOES = [
    {
        nome: "Passa o Controle ganho, e o ranking",
        passos: ["1\n", "3\n", "Mia\n", "Leo\n", "2\n", "42\n", "42\n", "\n", "2\n", "\n", "4\n"],
        entrada: "1\n3\nMia\nLeo\n2\n42\n42\n\n2\n\n4\n",
    },
    {
        nome: "Passa o Controle perdido, e o ranking",
        passos: ["1\n", "3\n", "Mia\n", "Leo\n", "2\n", "42\n", "1\n", "\n", "2\n", "\n", "3\n", "\n", "99\n", "\n",
            "98\n", "\n", "97\n", "\n", "96\n", "\n", "2\n", "\n", "4\n"],
        entrada: "1\n3\nMia\nLeo\n2\n42\n1\n\n2\n\n3\n\n99\n\n98\n\n97\n\n96\n\n2\n\n4\n",
    },
    {
        nome: "numeros recusados, as regras e o resto da linha da pausa",
        passos: ["7\n", "abc\n", "-1\n", "99999999999\n", "3\n", "x2\n", "\n", "4\n"],
        entrada: "7\nabc\n-1\n99999999999\n3\nx2\n\n4\n",
    },
    {
        nome: "Backspace apaga o ultimo caractere, inteiro",
        passos: ["5" + BACKSPACE + "1\n", "3\n", "Miz" + BACKSPACE + "a\n", "Leão" + BACKSPACE + BACKSPACE + "o\n",
            "1\n", "50" + BACKSPACE + BACKSPACE + BACKSPACE + "37\n", "37\n", "\n", "4\n"],
        entrada: "1\n3\nMia\nLeo\n1\n37\n37\n\n4\n",
    },
    {
        nome: "linhas coladas antes das perguntas sao lidas em ordem, e respondidas numa so escrita",
        colar: "1\n3\nMia\nLeo\n1\n37\n",
        passos: ["37\n", "\n", "4\n"],
        entrada: "1\n3\nMia\nLeo\n1\n37\n37\n\n4\n",
    },
    {
        nome: "Ctrl-D num menu encerra com status 1",
        passos: ["2\n", "\n", CTRL_D],
        entrada: "2\n\n",
    },
    {
        nome: "Ctrl-D num nome entrega o que foi digitado, e depois encerra",
        passos: ["1\n", "1\n", "Ana" + CTRL_D, CTRL_D, CTRL_D],
        entrada: "1\n1\nAna",
    },
];

let navegador;
before(async () => {
    navegador = await abrirNavegador();
});
after(() => navegador?.close());

function executarNativo(entrada) {
    const execucao = spawnSync(nativo, { input: Buffer.from(entrada, "utf8") });
    return { saida: execucao.stdout.toString("latin1"), status: execucao.status };
}

async function digitar(pagina, teclas) {
    for (const tecla of teclas) {
        if (tecla === BACKSPACE) {
            await pagina.keyboard.press("Backspace");
        } else if (tecla === CTRL_D) {
            await pagina.keyboard.down("Control");
            await pagina.keyboard.press("KeyD");
            await pagina.keyboard.up("Control");
        } else if (tecla === "\n") {
            await pagina.keyboard.press("Enter");
        } else if (tecla <= "~") {
            await pagina.keyboard.type(tecla);
        } else {
            // A key of its own, as on a keyboard that has it, not text put in by an input method.
            const cdp = await pagina.createCDPSession();
            await cdp.send("Input.dispatchKeyEvent", { type: "keyDown", key: tecla, text: tecla });
            await cdp.send("Input.dispatchKeyEvent", { type: "keyUp", key: tecla });
            await cdp.detach();
        }
    }
}

function colar(pagina, texto) {
    return pagina.evaluate((colado) => {
        const dados = new DataTransfer();
        dados.setData("text/plain", colado);
        const evento = new ClipboardEvent("paste", { clipboardData: dados, bubbles: true, cancelable: true });
        document.querySelector(".xterm-helper-textarea").dispatchEvent(evento);
    }, texto);
}

function esperarOPrograma(pagina) {
    return pagina.waitForFunction(() => adivinhe.esperando() || adivinhe.status() !== null);
}

// Types each step once the program waits for it, as a person answers each question.
async function responder(pagina, passos) {
    for (const passo of passos) {
        await esperarOPrograma(pagina);
        await digitar(pagina, passo);
    }
}

// Every line the terminal holds, the scrollback included, once it has drawn all it was given.
function linhasDoTerminal(pagina) {
    return pagina.evaluate(async () => {
        await new Promise((desenhado) => adivinhe.terminal.write("", desenhado));
        const buffer = adivinhe.terminal.buffer.active;
        return Array.from({ length: buffer.length }, (_, i) => buffer.getLine(i).translateToString(true));
    });
}

function conferirSemRedeNemErros(ocorrencias, endereco) {
    assert.deepEqual(ocorrencias.pedidos, [endereco]);
    assert.deepEqual(ocorrencias.erros, []);
}

for (const sessao of SESSOES) {
    test(sessao.nome, async () => {
        const { pagina, endereco, ocorrencias } = await abrirPagina(navegador, arquivo);
        if (sessao.colar) {
            await colar(pagina, sessao.colar);
            await esperarOPrograma(pagina);
            // The menu, then all that answers the pasted lines.
            assert.equal(await pagina.evaluate(() => adivinhe.escritas()), 2);
        }
        await responder(pagina, sessao.passos);
        await pagina.waitForFunction(() => adivinhe.status() !== null);
        const esperado = executarNativo(sessao.entrada);
        assert.equal(await pagina.evaluate(() => adivinhe.saida()), esperado.saida);
        assert.equal(await pagina.evaluate(() => adivinhe.status()), esperado.status);
        conferirSemRedeNemErros(ocorrencias, endereco);
        await pagina.close();
    });
}

// The master's refused tries scroll the screen, so that, but for the clear, what he
// typed would stay in the scrollback.
test("a tela do menu chega numa so escrita, e o numero do mestre sai da rolagem", async () => {
    const { pagina, endereco, ocorrencias } = await abrirPagina(navegador, arquivo);
    assert.equal(await pagina.evaluate(() => adivinhe.escritas()), 1);
    await responder(pagina, ["1\n", "3\n", "Mia\n", "Leo\n", "1\n", ...Array(40).fill("370\n"), "37\n"]);
    await esperarOPrograma(pagina);
    const linhas = await linhasDoTerminal(pagina);
    assert.ok(linhas.some((linha) => linha.startsWith("Palpite:")), linhas.join("\n"));
    assert.ok(!linhas.some((linha) => linha.includes("37")), linhas.join("\n"));
    assert.equal(linhas.length, await pagina.evaluate(() => adivinhe.terminal.rows));
    conferirSemRedeNemErros(ocorrencias, endereco);
    await pagina.close();
});

// Plays Solo at level 1 halving the range after each hint read on the screen; then
// a new run, on ENTER, starts with an empty ranking, as a new process would.
test("Solo ganho por busca binaria, e uma nova execucao com o ranking vazio", async () => {
    const { pagina, endereco, ocorrencias } = await abrirPagina(navegador, arquivo);
    await responder(pagina, ["1\n", "1\n", "Ana\n", "1\n"]);
    let [menor, maior] = [1, 50];
    for (let palpites = 1; ; ++palpites) {
        assert.ok(palpites <= 6, "a binary search over 1..50 needs at most 6 guesses");
        const palpite = Math.floor((menor + maior) / 2);
        await responder(pagina, [`${palpite}\n`]);
        await esperarOPrograma(pagina);
        const tela = (await linhasDoTerminal(pagina)).join("\n");
        if (tela.includes("Voce acertou!")) {
            break;
        }
        if (tela.includes("O numero e MAIOR.")) {
            menor = palpite + 1;
        } else {
            assert.ok(tela.includes("O numero e MENOR."), tela);
            maior = palpite - 1;
        }
        await digitar(pagina, "\n");
    }
    await responder(pagina, ["\n", "2\n", "\n", "4\n"]);
    await pagina.waitForFunction(() => adivinhe.status() === 0);
    assert.match(await pagina.evaluate(() => adivinhe.saida()), /1 - Ana \| Vencedor \| \d+ pontos\n/);
    await digitar(pagina, "\n");
    await pagina.waitForFunction(() => adivinhe.saida().endsWith("Opcao: ") && adivinhe.status() === null);
    await digitar(pagina, "2\n");
    await pagina.waitForFunction(() => adivinhe.saida().endsWith("ENTER para voltar..."));
    assert.match(await pagina.evaluate(() => adivinhe.saida()), /Nenhum jogador ainda\./);
    conferirSemRedeNemErros(ocorrencias, endereco);
    await pagina.close();
});
