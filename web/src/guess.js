// The learner's guesses at the counts, asked before any count is shown, and
// how far off each one was. Reached through ask, reveal and putAway.
import {element, judged} from './dom.js';

let asked = null;  // {program, end(outcome)}: the guess under way
let run;           // the run's values, in words

// N times, written to two significant figures.
const figures = (ratio) => String(Number(ratio.toPrecision(2)));

// How far a guess g is from the count c.
export function farOff(g, c)
{
    if (g === c) {
        return 'exact';
    }
    if (g === 0) {
        return `too low: the count is ${c}`;
    }
    if (c === 0) {
        return 'too high: the count is 0';
    }
    if (20 * Math.abs(g - c) <= c) {
        return 'within 5%';
    }
    return g < c ? `${figures(c / g)} times too low` : `${figures(g / c)} times too high`;
}

// Each guess (null for none) against the count, a line for each sort.
export const against = (sorts, guesses, counts) => sorts.map(
    (sort, i) => guesses[i] === null ?
        `${sort.title}: no guess; the count is ${counts[i]}.` :
        `${sort.title}: your guess ${guesses[i]}, the count ${counts[i]}: ${farOff(guesses[i], counts[i])}.`);

const field = (sort) => element(`guess-${sort.name}`);

// A field for each sort, once, and the buttons wired.
function make(sorts)
{
    element('guess-fields').replaceChildren(...sorts.map((sort) => {
        const holder = Object.assign(document.createElement('div'), {className: 'field'});
        holder.innerHTML = `<label for="guess-${sort.name}">Your guess: ${sort.name} sort</label>` +
            `<input id="guess-${sort.name}" type="text" inputmode="numeric" autocomplete="off" spellcheck="false" ` +
            `aria-describedby="guess-${sort.name}-rule"><span id="guess-${sort.name}-rule" class="rule"></span>`;
        return holder;
    }));
    element('guesses').addEventListener('submit', (submitted) => {
        submitted.preventDefault();
        const guesses = asked && read(asked.program);
        if (guesses) {
            asked.end({guesses});
        }
    });
    element('guess-skip').addEventListener('click', () => asked?.end({guesses: null}));
}

// Each sort's guess, null where its field is blank; or null, with each refusal said beside its field and the
// focus on the first, when any is refused.
function read(program)
{
    const guesses = program.sorts.map((sort) => {
        const text = field(sort).value;
        const guess = text.trim() === '' ? null : program.guessed(text);
        return judged(field(sort), guess === -1 ? program.guess.rule : '') ? guess : undefined;
    });
    const refused = guesses.indexOf(undefined);
    if (refused >= 0) {
        field(program.sorts[refused]).focus();
        return null;
    }
    return guesses;
}

// Asks for a guess at each sort's count for the run described (words such as
// "the 10 values of this run, as generated"). Returns a promise of how the
// learner ended it: {guesses}, one a sort, null where none was given, or
// {guesses: null} for "Just watch"; or null when a later run took over.
export function ask(program, described)
{
    if (!element('guess-fields').childElementCount) {
        make(program.sorts);
    }
    putAway();
    program.sorts.forEach((sort) => {
        field(sort).value = '';
        judged(field(sort), '');
    });
    run = described;
    element('guess-question').textContent = `How many operations will each sort make on ${described}? The ` +
        'counts are held back until you guess them. A blank field is no guess.';
    element('guesses').hidden = false;
    element('guess-results').replaceChildren();
    element('guess').hidden = false;
    return new Promise((resolve) => {
        asked = {
            program,
            end: (outcome) => {
                asked = null;
                resolve(outcome);
            }
        };
    });
}

// The guess under way, if any, ended by a later run; the guesses put away.
export function putAway()
{
    asked?.end(null);
    element('guess').hidden = true;
}

// Each guess against the count (counts, in the sorts' order), in the guess's
// place. Returns the same in one line, for the page's status.
export function reveal(sorts, guesses, counts)
{
    const lines = against(sorts, guesses, counts);
    element('guess-question').textContent = `Your guesses against the counts for ${run}:`;
    element('guesses').hidden = true;
    element('guess-results')
        .replaceChildren(...lines.map((line) => Object.assign(document.createElement('li'), {textContent: line})));
    element('guess').hidden = false;
    return lines.join(' ');
}
