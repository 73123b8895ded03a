// The page's address: what a link asks for, and the run and step shown, kept
// in it so that the address is a link to them. The only writer of the address.
import {query} from './answers.js';

// What the link asks for: each answer's text, by name.
export const asked = new URLSearchParams(location.search);

let timer = 0;
let linkable = true;
let practising = null;  // the sort the learner sorts by hand, by name

// The answers of the run shown, the step dropped: the run's view has not moved
// yet. null for a run no link can hold: the address is then the page alone.
export function rememberRun(run)
{
    clearTimeout(timer);
    linkable = run !== null;
    write(run ?? {});
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
        write({...Object.fromEntries(new URLSearchParams(location.search)), step});
    }, 300);
}

// The sort the learner sorts by hand, by name, kept with every run from now on.
export function rememberPractice(sortName)
{
    practising = sortName;
    if (linkable) {
        write(Object.fromEntries(new URLSearchParams(location.search)));
    }
}

function write(answers)
{
    try {
        history.replaceState(
            null, '', query(practising ? {...answers, practice: practising} : answers) || location.pathname);
    } catch {
        // The address is only a convenience.
    }
}
