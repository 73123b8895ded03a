// The program as the head's script started it (program.js, bundled apart so
// that it runs first): a promise of its calls, rejected with what stopped it.
/* global sortCompareStart -- the head's script's one hand-off to the body's */
export const program = sortCompareStart.started.then((start) => {
    if (start.error) {
        throw start.error;
    }
    return start.program;
});
