// Runs the page's script once the browser has shown the page, whose first screen
// is drawn in it already: compiled and run before that, the script would hold the
// first frame back. The script waits in the page as data, and runs as a module.
requestAnimationFrame(() => setTimeout(() => {
    const modulo = document.createElement("script");
    modulo.type = "module";
    modulo.text = document.getElementById("programa").text;
    document.body.append(modulo);
}));
