// The page as a screen reader meets it: the first screen, drawn into the page
// before its program runs, is the program's, heard once; every screen passes
// axe-core, and the live region holds each once.
// Usage: node pagina_acessibilidade_test.mjs PAGE.html NATIVE_GAME chromium|firefox|webkit
import assert from "node:assert/strict";
import { test } from "node:test";
import { abrirPagina, copiaDaPagina } from "./navegador.mjs";
import {
    arquivo, conferirAcessibilidade, doDisco, esperarOPrograma, executarNativo, LIMPAR, navegador, nomeDoMotor
} from "./pagina_apoio.mjs";

// The page comes with the program's first screen drawn in it, shown before its
// script has run: the screen the program draws, byte for byte as the Linux build
// writes it, and laid out as the program's own.
test("a primeira tela, desenhada antes de o programa rodar, e a do programa", async () => {
    const estatica = copiaDaPagina(arquivo, { semScript: true });
    const desenhada = () => ({ texto: document.getElementById("tela").textContent,
        vista: document.getElementById("tela").innerText });
    try {
        const aba = await navegador.abrirAba();
        await aba.ir(estatica.endereco);
        const antes = await aba.avaliar(desenhada);
        await aba.fechar();
        const primeiraTela = executarNativo("4\n").saida.split(LIMPAR).at(-1);
        assert.equal(antes.texto, Buffer.from(primeiraTela, "latin1").toString("utf8"));
        const { aba: jogo } = await abrirPagina(navegador, doDisco);
        await esperarOPrograma(jogo);
        assert.deepEqual(await jogo.avaliar(desenhada), antes);
        await jogo.fechar();
    } finally {
        estatica.apagar();
    }
});

// A screen reader hears the first screen once, when the program waits: neither as
// the page is drawn before the program runs, where it is hidden from screen
// readers, nor again when the program draws it over. Every paragraph the live
// region is given is noted from the page's first byte on.
const NOTAR_ANUNCIOS = `globalThis.anunciados = [];
new MutationObserver((mudancas) => {
    for (const mudanca of mudancas.filter((m) => m.target.id === "anuncio")) {
        anunciados.push(...Array.from(mudanca.addedNodes, (no) => no.textContent));
    }
}).observe(document, { subtree: true, childList: true });`;

test("a primeira tela e anunciada uma vez, quando o programa espera", async () => {
    const anotada = copiaDaPagina(arquivo, { antes: NOTAR_ANUNCIOS });
    const estatica = copiaDaPagina(arquivo, { semScript: true });
    try {
        const { aba } = await abrirPagina(navegador, anotada.endereco);
        await esperarOPrograma(aba);
        const { anunciados, tela, escondidos } = await aba.avaliar(() => ({ anunciados, tela: adivinhe.tela(),
            escondidos: Array.from(document.querySelectorAll("#tela [aria-hidden]"), (e) => e.id) }));
        assert.deepEqual(anunciados, [tela]);
        // The program's first clear has shown the screen to screen readers.
        assert.deepEqual(escondidos, []);
        await aba.fechar();
        if (nomeDoMotor === "chromium") {
            const antes = await navegador.abrirAba();
            await antes.ir(estatica.endereco);
            const { nodes } = await antes.cdp("Accessibility.getFullAXTree");
            const nomes = nodes.map((no) => no.name?.value ?? "").join("\n");
            assert.match(nomes, /Resposta/);
            assert.doesNotMatch(nomes, /Opcao|Jogar/);
            await antes.fechar();
        }
    } finally {
        anotada.apagar();
        estatica.apagar();
    }
});

test("acessivel, e cada tela anunciada uma vez", () => conferirAcessibilidade());
