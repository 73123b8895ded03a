// Starts compiling the program, carried above as base64, while the rest of
// the page is read and drawn.
const compiling = (() => {
    const text = document.getElementById('program').textContent.trim();
    return WebAssembly.compile(Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (c) => c.charCodeAt(0)));
})();
