// Runs the page's script once the browser has shown the page, whose first screen
// is drawn in it already: compiled and run before that, the script would hold the
// first frame back. The script waits in the page as data, and runs as a module.
//
// Until the program runs, any error means that this browser cannot run the game
// (it has no modules, cannot read the script, refuses or lacks WebAssembly, or
// has not the memory): the page then says so, in view and to screen readers,
// and offers no line to type in. Once the program runs, the page's script takes
// its own errors. Written for every browser that runs a script at all, so that
// the oldest can say so too.
(function () {
    var porId = function (id) {
        return document.getElementById(id);
    };

    function naoRoda() {
        var aviso = porId("nao-roda");
        if (!aviso.hidden) {
            return;
        }
        porId("tela").hidden = true;
        porId("teclado").hidden = true;
        aviso.hidden = false;
        var anuncio = document.createElement("p");
        anuncio.textContent = aviso.textContent;
        porId("anuncio").appendChild(anuncio);
    }

    if (!("noModule" in document.createElement("script"))) {
        naoRoda();
        return;
    }
    addEventListener("error", naoRoda);
    addEventListener("unhandledrejection", naoRoda);
    document.addEventListener("adivinhe-rodando", function () {
        removeEventListener("error", naoRoda);
        removeEventListener("unhandledrejection", naoRoda);
    });
    requestAnimationFrame(function () {
        setTimeout(function () {
            var modulo = document.createElement("script");
            modulo.type = "module";
            modulo.text = porId("programa").text;
            document.body.appendChild(modulo);
        });
    });
})();
