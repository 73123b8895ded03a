// The two forms: the program's three questions, with the tick boxes and the
// arrangement, which apply to every run; and the learner's own values.
// Filled from a link, and made into a run by the program, which refuses what
// it does not take: each refusal is said beside what it refuses. Reached
// through start and make.
import {linked, longestLink} from './address.js';
import {label, refusal} from './arranged.js';
import {element, judged} from './dom.js';

const form = element('answers');
const count = element('count');
const seed = element('seed');
const list = element('list');
const guessFirst = element('guess-first');
const order = element('order');
const typed = element('values');

// The arrangement a link names that the list has not, until another is chosen: the program refuses it by name.
let unlisted = null;
const arrangement = () => unlisted ?? order.value;

const accepted = {
    count: '',
    seed: '',
    values: '',
    arrangement: ''
};

// Says each of the program's refusals (refused, program.own's or program.generated's) beside what it refuses, and
// clears those it does not make. Returns the status line's words for them; '' for none.
function said(tools, refused, own)
{
    const words = refused.arrangement &&
        refusal(refused.arrangement, arrangement(), tools.arrangements.map((option) => option.name));
    judged(order, words ? words.beside : '');
    if (own) {
        // Values are read only for an arrangement that applies to them.
        const why = refused.values;
        if (!words) {
            judged(typed, why && `${why[0].toUpperCase()}${why.slice(1)}.`);
        }
        return words ? words.said : why && `${why}.`;
    }
    const answers = [judged(count, refused.count), judged(seed, refused.seed)];
    return words               ? words.said :
        answers.every(Boolean) ? '' :
                                 'an answer was refused; the message beside it says what is accepted.';
}

// What a page says of a run of generated values: the answers a link to it holds, and its status line's start.
const generatedWords = (run, listing) => ({
    link: {count: count.value, seed: seed.value, list: listing, order: run.arrangement},
    ran: `Ran ${run.n} values, seed ${run.seed}`,
    unlinked: '',
});

// Likewise of the learner's values: a link holds them when they are short enough.
const ownWords = (run, listing) => ({
    link: run.values.length <= longestLink ? {values: run.values, list: listing, order: run.arrangement} : null,
    ran: `Ran your ${run.n} values`,
    unlinked: run.values.length <= longestLink ?
        '' :
        ` This run is too long for a link: its values take ${run.values.length} characters, and a link holds ` +
            `${longestLink} at most, so the address does not hold it.`,
});

// The run the forms ask for, made by the program, with own of the learner's
// values: {refused}, the status line's words for why not, each refusal said
// beside what it refuses; or {run} (program.own's), with the answers a link to
// it holds (null when too long), the start of its status line, what the line
// adds when no link holds it, and whether its counts are to be guessed (held).
export function make(tools, own)
{
    const listing = list.checked ? 'y' : 'n';
    const made = own ?
        tools.own(typed.value, arrangement(), list.checked) :
        tools.generated({count: count.value, seed: seed.value, list: listing, arrangement: arrangement()});
    const why = said(tools, made.refused ?? accepted, own);
    if (made.refused) {
        return {refused: why};
    }
    return {run: made.run, held: guessFirst.checked, ...(own ? ownWords : generatedWords)(made.run, listing)};
}

// Fills the forms from the address, as a link to a run gives it: values, when
// it gives them, win over its count and seed.
function fromAddress(names)
{
    typed.value = linked('values') ?? '';
    count.value = linked('count') ?? count.value;
    seed.value = linked('seed') ?? seed.value;
    // Taken as the program takes its third answer: its first character that is not blank.
    list.checked = (linked('list') ?? '').trim().startsWith('y');
    guessFirst.checked = linked('guess') === '1';
    const wanted = linked('order') ?? names[0];
    unlisted = names.includes(wanted) ? null : wanted;
    order.value = wanted;
}

// The forms, once the program can answer them (tools): its limits and its
// arrangements, filled from the address, each run they ask for handed to
// runs(kind): 'answers' for the three questions, 'values' for the learner's
// values, 'again' for the kind of run shown (a new arrangement). Returns the
// kind of run the address asks for.
export function start(tools, runs)
{
    const [least, greatest] = tools.seed;
    element('count-label').textContent = `Number of values to generate and sort (0 to ${tools.max})`;
    element('values-hint').textContent = `Up to ${tools.max} whole numbers from ${least} to ${greatest}, ` +
        'between blanks, new lines or commas. The tick boxes and the arrangement above apply to them too.';
    order.replaceChildren(...tools.arrangements.map((option) => new Option(label(option.name), option.name)));
    form.addEventListener('submit', (submitted) => {
        submitted.preventDefault();
        runs('answers');
    });
    // Enter in any field runs, the tick box and the arrangement's list included.
    form.addEventListener('keydown', (press) => {
        if (press.key === 'Enter' && press.target !== form.querySelector('button')) {
            press.preventDefault();
            runs('answers');
        }
    });
    // Enter in the values' field starts a new line: only the button runs them.
    element('own').addEventListener('submit', (submitted) => {
        submitted.preventDefault();
        runs('values');
    });
    order.addEventListener('change', () => {
        unlisted = null;
        runs('again');
    });
    form.hidden = element('own').hidden = false;
    fromAddress(tools.arrangements.map((option) => option.name));
    return linked('values') === null ? 'answers' : 'values';
}
