// The two forms: the program's three questions, with the tick boxes and the
// arrangement, which apply to every run; and the learner's own values.
// Filled from a link, checked by the program, and made into a run for the
// page. Reached through start, refused and made.
import {linked} from './address.js';
import {element, judged} from './dom.js';

const form = element('answers');
const count = element('count');
const seed = element('seed');
const list = element('list');
const guessFirst = element('guess-first');
const order = element('order');
const typed = element('values');

// The longest list of values a link holds, in characters.
const longestLink = 2000;

// Why a link's arrangement is refused, until another is chosen: it does not exist.
let unknown = '';

// Fills the forms from the address, as a link to a run gives it: values, when
// it gives them, win over its count and seed. False, with the reason beside
// the arrangement, when it names one that does not exist.
function fromAddress(orders)
{
    typed.value = linked('values') ?? '';
    count.value = linked('count') ?? count.value;
    seed.value = linked('seed') ?? seed.value;
    // Taken as the program takes its third answer: its first character that is not blank.
    list.checked = (linked('list') ?? '').trim().startsWith('y');
    guessFirst.checked = linked('guess') === '1';
    const wanted = linked('order') ?? orders[0].name;
    const names = orders.map((option) => option.name);
    if (!names.includes(wanted)) {
        unknown = `There is no arrangement "${wanted}": choose ${names.slice(0, -1).join(', ')} or ${names.at(-1)}.`;
        return judged(order, unknown);
    }
    order.value = wanted;
    return true;
}

// Why the arrangement is refused for a run, with own of the learner's values, said beside it; '' when it is not.
function refuseArrangement(own)
{
    let [beside, said] = ['', ''];
    if (unknown) {
        [beside, said] = [unknown, 'the arrangement was refused; the message beside it says which there are.'];
    } else if (own && order.value === 'few-distinct') {
        beside = 'Ten distinct values are made from generated values alone: choose another arrangement for your ' +
            'own values.';
        said = 'ten distinct values are made from generated values alone.';
    }
    judged(order, beside);
    return said;
}

// Why the form's answers are refused, each said beside its field; '' when none is.
function refuseAnswers(tools)
{
    const accepted = [judged(count, tools.refusal(0, count.value)), judged(seed, tools.refusal(1, seed.value))];
    return refuseArrangement(false) ||
        (accepted.every(Boolean) ? '' : 'an answer was refused; the message beside it says what is accepted.');
}

// Why the learner's values are refused, said beside them; '' when the program has taken them.
function refuseValues(tools)
{
    const arrangement = refuseArrangement(true);
    if (arrangement) {
        return arrangement;
    }
    const refusal = tools.take(typed.value);
    judged(typed, refusal && `${refusal[0].toUpperCase()}${refusal.slice(1)}.`);
    return refusal && `${refusal}.`;
}

// A run of the generated values the form asks for.
function generatedRun(tools)
{
    const answers = {count: count.value, seed: seed.value, list: list.checked ? 'y' : 'n', order: order.value};
    const [n, seedValue] = [answers.count, answers.seed].map((answer) => parseInt(answer, 10));
    return {
        ...tools.session(`${answers.count}\n${answers.seed}\n${answers.list}\n`),
        values: {n, seed: seedValue},
        order: answers.order,
        link: answers,
        ran: `Ran ${n} values, seed ${seedValue}`,
    };
}

// A run of the learner's values, as the program has taken them. A link holds them when they are short enough.
function ownRun(tools)
{
    const joined = tools.taken();
    const n = joined.split(',').length;
    const link = {values: joined, list: list.checked ? 'y' : 'n', order: order.value};
    return {
        ...tools.runTaken(list.checked),
        values: {n, own: true},
        order: order.value,
        link: joined.length <= longestLink ? link : null,
        ran: `Ran your ${n} values`,
        unlinked: joined.length <= longestLink ?
            '' :
            ` This run is too long for a link: its values take ${joined.length} characters, and a link holds ` +
                `${longestLink} at most, so the address does not hold it.`,
    };
}

// Why a run is refused, with own of the learner's values, each refusal said
// beside what it refuses; '' when it is not, and then the learner's values
// are the program's.
export const refused = (tools, own) => own ? refuseValues(tools) : refuseAnswers(tools);

// A run the forms ask for, not refused, with own of the learner's values:
// its session's text and counts, its values ({n, seed}, or {n, own}), their
// arrangement, the answers a link to it holds (null when too long), the
// start of its status line, and whether its counts are to be guessed.
export const made = (tools, own) => ({...(own ? ownRun(tools) : generatedRun(tools)), held: guessFirst.checked});

// The forms, once the program can answer them (tools): its limit and its
// arrangements, filled from the address, each run they ask for handed to
// runs(own): false for the three questions, true for the learner's values,
// null for the kind of run shown (a new arrangement). Returns the run the
// address asks for, as own is; or says, beside the arrangement, that there is
// no such arrangement, and returns undefined.
export function start(tools, runs)
{
    element('count-label').textContent = `Number of values to generate and sort (0 to ${tools.max})`;
    element('values-hint').textContent = `Up to ${tools.max} whole numbers from -2147483648 to 2147483647, ` +
        'between blanks, new lines or commas. The tick boxes and the arrangement above apply to them too.';
    order.replaceChildren(...tools.orders.map((option) => new Option(option.label, option.name)));
    form.addEventListener('submit', (submitted) => {
        submitted.preventDefault();
        runs(false);
    });
    // Enter in any field runs, the tick box and the arrangement's list included.
    form.addEventListener('keydown', (press) => {
        if (press.key === 'Enter' && press.target !== form.querySelector('button')) {
            press.preventDefault();
            runs(false);
        }
    });
    // Enter in the values' field starts a new line: only the button runs them.
    element('own').addEventListener('submit', (submitted) => {
        submitted.preventDefault();
        runs(true);
    });
    order.addEventListener('change', () => {
        unknown = '';
        runs(null);
    });
    form.hidden = element('own').hidden = false;
    return fromAddress(tools.orders) ? linked('values') !== null : undefined;
}
