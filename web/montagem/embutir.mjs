// What the build puts into the page as text: the script, the style sheets and
// the parts of the page's template. The HTML parser must hand each script and
// style to the browser whole and as it was built, the very text whose hash the
// page's policy lets in: a script ends at </script, and after <!-- a <script
// makes the parser run past the next </script; a style ends at </style; the
// parser turns CR into LF and NUL into U+FFFD. Line ends are made LF here, as
// the parser would, which changes no meaning; the rest is escaped where the
// language keeps the meaning, and the build fails where it cannot.
import { transformSync } from "esbuild";

const LINGUAGENS = {
    script: { loader: "js", escapes: [[/<(?=\/?script|!--)/gi, "\\x3C"], [/\0/g, "\\x00"]] },
    estilo: { loader: "css", escapes: [[/<(?=\/style)/gi, "\\3c "], [/\0/g, "\\0 "]] },
};

// The program or sheet as esbuild reads it, printed without its comments and
// spacing; its names are kept, which its minifier would choose by the text.
const lido = (texto, loader) => transformSync(texto, { loader, format: loader === "js" ? "esm" : undefined,
    minifyWhitespace: true }).code;

// The text, ready to go between <script> and </script> (script) or <style> and
// </style> (estilo). An escape is kept only where esbuild reads the same program
// or sheet from it: so in a string, but not in a regular expression or a raw template.
export function embutir(texto, linguagem) {
    const { loader, escapes } = LINGUAGENS[linguagem];
    const semCR = texto.replace(/\r\n?/g, "\n");
    const escapado = escapes.reduce((t, [onde, escape]) => t.replace(onde, escape), semCR);
    if (escapado !== semCR && lido(escapado, loader) !== lido(semCR, loader)) {
        const trecho = semCR.match(/.{0,20}(?:<\/?script|<!--|<\/style|\0).{0,20}/is)?.[0];
        throw new Error(`the ${linguagem} cannot be inlined: it holds ${JSON.stringify(trecho)} where no escape `
            + "keeps its meaning");
    }
    return escapado;
}

// The template with each @NAME@ replaced by its part; a name with no part fails.
export function preencher(modelo, partes) {
    return modelo.replace(/@([A-Z_]+)@/g, (_, nome) => {
        if (!Object.hasOwn(partes, nome)) {
            throw new Error(`the page's template names @${nome}@, which the build does not fill`);
        }
        return partes[nome];
    });
}
