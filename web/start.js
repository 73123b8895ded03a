// Compiles the program, carried above as base64, before the page is drawn.
// Synchronously: a module of this size compiles so in a few milliseconds,
// where the promise of WebAssembly.compile settles tens of milliseconds later.
const compiled = (() => {
    try {
        const text = document.getElementById('program').textContent.trim();
        const bytes = Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
        return {module: new WebAssembly.Module(bytes)};
    } catch (error) {
        return {error};
    }
})();
