// The page's address: what a link asks for, and the run and step shown, kept
// in it so that the address is a link to them. The only writer of the address.

const asked = new URLSearchParams(location.search);

// The longest list of values a link holds, in characters.
export const longestLink = 2000;

// What the link asks for: each answer's text, or null where it gives none.
export const linked = (answer) => asked.get(answer);

let timer = 0;
let linkable = true;

// The answers of the run shown, the step dropped: the run's view has not moved
// yet. null for a run no link can hold: the address is then the page alone.
export function rememberRun(run)
{
    clearTimeout(timer);
    linkable = run !== null;
    write(new URLSearchParams(run ?? {}));
}

// The step shown, once it has stayed for 300 ms: WebKit throws after 100
// changes of the address in 10 seconds, and the address can wait.
export function rememberStep(step)
{
    clearTimeout(timer);
    if (!linkable) {
        return;
    }
    timer = setTimeout(() => {
        const search = new URLSearchParams(location.search);
        search.set('step', step);
        write(search);
    }, 300);
}

function write(search)
{
    try {
        // A list of values keeps its commas: a link to it reads as the values do.
        const query = String(search).replaceAll('%2C', ',');
        history.replaceState(null, '', query ? '?' + query : location.pathname);
    } catch {
        // The address is only a convenience.
    }
}
