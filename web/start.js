// Starts the program, carried above as base64, before the rest of the page is
// read. It compiles synchronously: a module of this size compiles so in a few
// milliseconds, where the promise of WebAssembly.compile settles tens of
// milliseconds later. Emscripten's loader, just before this script, is handed
// the instance, as it would otherwise fetch the module, which the page's policy
// forbids; it only logs an error from instantiateWasm, so that is caught here.
// A few small runs then bring the sorts to the engine's optimising tier, which
// compiles them in the background while the page is read: a run the learner
// waits for, made at once, would still find them in the baseline tier. What
// comes of it, the program or the error, is for page.js to show.
const started =
    new Promise((resolve, reject) => {
        if (typeof WebAssembly !== 'object') {
            throw new Error(
                'this browser has no WebAssembly, which the program is compiled to, so the page cannot run here');
        }
        const text = document.getElementById('program').textContent.trim();
        const bytes = Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
        const compiled = new WebAssembly.Module(bytes);
        const instantiateWasm = (imports, receive) => {
            try {
                receive(new WebAssembly.Instance(compiled, imports));
            } catch (error) {
                reject(error);
            }
            return {};
        };
        SortCompare({instantiateWasm, onAbort: (what) => reject(new Error(what))}).then(resolve, reject);
    })
        .then((module) => {
            for (let i = 0; i < 3; i++) {
                module._counts(300, 1, 2);
            }
            return {module};
        })
        .catch((error) => ({error}));
