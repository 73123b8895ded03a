// The two forms: the program's three questions, with the tick boxes and the
// arrangement, which apply to every run; and the learner's own values.
// Filled from a link, and made into a run by the program, which refuses what
// it does not take: each refusal is said beside what it refuses. Reached
// through start and make.
import {asked} from './address.js';
import {described, fromLink, refusals} from './answers.js';
import {label} from './arranged.js';
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
let names = [];

const accepted = {
    count: '',
    seed: '',
    values: '',
    arrangement: ''
};

// The run the forms ask for, made by the program, with own of the learner's
// values: {refused}, the status line's words for why not, each refusal said
// beside what it refuses; or {run} (program.own's), with what the page says of
// it (described), and whether its counts are to be guessed (held).
export function make(tools, own)
{
    const listing = list.checked ? 'y' : 'n';
    const made = own ?
        tools.own(typed.value, arrangement(), list.checked) :
        tools.generated({count: count.value, seed: seed.value, list: listing, arrangement: arrangement()});
    const {beside, said} = refusals(made.refused ?? accepted, own, arrangement(), names);
    judged(order, beside.order);
    if (own) {
        if (!beside.order) {
            judged(typed, beside.values);
        }
    } else {
        judged(count, beside.count);
        judged(seed, beside.seed);
    }
    if (made.refused) {
        return {refused: said};
    }
    return {
        run: made.run,
        held: guessFirst.checked,
        ...described(made.run, {count: count.value, seed: seed.value}, listing)
    };
}

// The count and, where given, the seed, typed in for the learner: texts.
export function refill(fields)
{
    count.value = fields.count;
    seed.value = fields.seed ?? seed.value;
}

// Fills the forms from the address, as a link to a run gives it.
function fromAddress()
{
    const filled = fromLink(asked, {count: count.value, seed: seed.value}, names);
    typed.value = filled.values;
    count.value = filled.count;
    seed.value = filled.seed;
    list.checked = filled.list;
    guessFirst.checked = filled.guess;
    unlisted = filled.unlisted;
    order.value = filled.order;
    return filled.own;
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
    names = tools.arrangements.map((option) => option.name);
    return fromAddress() ? 'values' : 'answers';
}
