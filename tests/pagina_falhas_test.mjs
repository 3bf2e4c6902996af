// The page where the game cannot run, or stops: it says so, in view and to
// screen readers, and offers a line only where a fresh run can start.
// Usage: node pagina_falhas_test.mjs PAGE.html NATIVE_GAME chromium|firefox|webkit
import assert from "node:assert/strict";
import { test } from "node:test";
import { abrirPagina, copiaDaPagina } from "./navegador.mjs";
import { arquivo, digitarNoTeclado, doDisco, navegador, nomeDoMotor } from "./pagina_apoio.mjs";

// A browser that refuses WebAssembly, as one does whose policy knows no
// 'wasm-unsafe-eval': every WebAssembly.instantiate rejects. The page says, in
// view and to screen readers, that this browser cannot run the game, offers no
// line to type in, and the refusal reaches the console.
const RECUSAR_WEBASSEMBLY = `globalThis.recusas = [];
addEventListener("unhandledrejection", (e) => recusas.push(String(e.reason)));
WebAssembly.instantiate = () => Promise.reject(new WebAssembly.CompileError("recusado pelo teste"));`;

test("num navegador que recusa WebAssembly, a pagina diz que nao roda o jogo", async () => {
    const recusante = copiaDaPagina(arquivo, { antes: RECUSAR_WEBASSEMBLY });
    try {
        const aba = await navegador.abrirAba();
        await aba.ir(recusante.endereco);
        await aba.esperar(() => document.getElementById("nao-roda").checkVisibility());
        const pagina = await aba.avaliar(() => ({ recusas, aviso: document.getElementById("nao-roda").textContent,
            anunciado: document.getElementById("anuncio").textContent,
            aVista: ["tela", "linha", "teclado"].filter((id) => document.getElementById(id).checkVisibility()) }));
        assert.match(pagina.aviso, /^Este navegador não consegue rodar o jogo\./);
        assert.equal(pagina.anunciado, pagina.aviso);
        assert.deepEqual(pagina.aVista, []);
        assert.ok(pagina.recusas.some((recusa) => recusa.includes("recusado pelo teste")), pagina.recusas.join("\n"));
        await aba.fechar();
    } finally {
        recusante.apagar();
    }
});

// With JavaScript off, the page says in view that the game needs it, and shows
// neither the screen nor a line to type in.
if (nomeDoMotor === "chromium") {
    test("sem JavaScript, a pagina diz que o jogo precisa dele", async () => {
        const aba = await navegador.abrirAba({ semJavaScript: true });
        await aba.ir(doDisco);
        const vista = await aba.avaliar(() => ({ texto: document.querySelector("main").innerText,
            aVista: ["tela", "linha", "teclado"].filter((id) => document.getElementById(id).checkVisibility()) }));
        assert.match(vista.texto, /Este jogo precisa de JavaScript para ser jogado\./);
        assert.deepEqual(vista.aVista, []);
        await aba.fechar();
    });
}

// A program stopped mid-run, as by a trap or a lack of memory: here a failure
// planted by a script of the page's own origin (one of the driver's would have
// its errors muted): a call into the page that throws while the program writes
// (the error comes back through the program) or while the page takes the line
// typed (from the page's own handler), or a promise rejected with no one to
// take it. The page shows and announces it, ends the run as the end of a run
// does, and logs an error that came back through the program (one uncaught is
// the browser's to log); ENTER starts a fresh run.
const PLANTAR_FALHAS = `globalThis.registrados = [];
const registrar = console.error;
console.error = (...partes) => {
    registrados.push(partes.join(" "));
    registrar(...partes);
};
globalThis.plantarFalha = (classe, metodo) => {
    const original = globalThis[classe].prototype[metodo];
    globalThis[classe].prototype[metodo] = () => {
        throw new Error("falha plantada em " + metodo);
    };
    globalThis.tirarFalha = () => {
        globalThis[classe].prototype[metodo] = original;
    };
};
globalThis.rejeitar = () => {
    Promise.reject(new Error("falha plantada numa promessa"));
    globalThis.tirarFalha = () => {};
};`;
const FALHAS = [
    { classe: "TextDecoder", metodo: "decode", digitado: "2\n", logada: true },
    { classe: "TextEncoder", metodo: "encode", digitado: "2\n", logada: false },
    { digitado: "", logada: false },
];

test("um programa que para no meio da execucao", async () => {
    const plantavel = copiaDaPagina(arquivo, { antes: PLANTAR_FALHAS });
    try {
        const { aba } = await abrirPagina(navegador, `${plantavel.endereco}#teste`);
        for (const { classe, metodo, digitado, logada } of FALHAS) {
            await aba.avaliar((c, m) => (c ? plantarFalha(c, m) : rejeitar()), classe, metodo);
            await digitarNoTeclado(aba, digitado);
            await aba.esperar(() => document.getElementById("de-novo").checkVisibility());
            const parado = await aba.avaliar(() => {
                tirarFalha();
                return { tela: adivinhe.tela(), anunciado: document.getElementById("anuncio").textContent,
                    registrados, aVista: ["tela", "linha", "nao-roda"].filter((id) => document.getElementById(id)
                        .checkVisibility()) };
            });
            assert.ok(parado.tela.endsWith(
                `Opcao: ${digitado}\n[O jogo parou por um erro.]\n[Tecle ENTER para jogar de novo.]\n`), parado.tela);
            assert.equal(parado.anunciado, "O jogo parou por um erro. Tecle ENTER para jogar de novo.");
            assert.deepEqual(parado.aVista, ["tela", "linha"]);
            assert.equal(parado.registrados.some((erro) => erro.includes(`falha plantada em ${metodo}`)), logada,
                parado.registrados);
            await digitarNoTeclado(aba, "\n");
            await aba.esperar(() => adivinhe.esperando() && adivinhe.saida().endsWith("Opcao: "));
        }
        await aba.fechar();
    } finally {
        plantavel.apagar();
    }
});
