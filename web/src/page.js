// The page: the program's three questions as a form, or the learner's own
// values, its session as a terminal would show it, then the view of the
// sorts at work (view/) and a chart of how their counts grow with the number
// of values (chart.js). Every answer is checked, and every run made, by the
// program's own code, compiled to WebAssembly (program.js).
import {linked, rememberRun} from './address.js';
import {theValues} from './arranged.js';
import * as chart from './chart.js';
import {element, failed, judged, painted, yielded} from './dom.js';
import * as guess from './guess.js';
import * as reasons from './reasons.js';
import {program} from './started.js';
import * as view from './view/view.js';

const form = element('answers');
const count = element('count');
const seed = element('seed');
const list = element('list');
const guessFirst = element('guess-first');
const order = element('order');
const said = element('status');
const typed = element('values');

// The longest list of values a link holds, in characters.
const longestLink = 2000;

// Whatever the parts below do not catch themselves.
addEventListener('error', (fault) => (said.textContent = failed('The page\'s script', fault.error ?? fault.message)));
addEventListener('unhandledrejection', (fault) => (said.textContent = failed('The page\'s script', fault.reason)));

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
        return judged(
            order, `There is no arrangement "${wanted}": choose ${names.slice(0, -1).join(', ')} or ${names.at(-1)}.`);
    }
    order.value = wanted;
    return true;
}

// The session as the program wrote it. Of a listed line of thousands of
// values, the browser lays out only the first few hundred characters for the
// report's frame: the rest, in a box of its own as wide as its characters,
// is out of view then (page.css), and shaping it held up that frame. It is
// laid out after it (whole): a browser may leave what is not laid out out of
// a copy, as Firefox does.
// With held, the report's three lines are held back, and a line says so.
function showSession(text, held = false, own = false)
{
    element('session-title').textContent = own ? 'The program\'s run on your own values' : 'The program\'s session';
    const parts = (line) => {
        const end = line.length > 2000 ? line.indexOf(' ', 600) + 1 : 0;
        if (!end) {
            return [line];
        }
        const rest = line.slice(end, -1);  // its newline outside the box, as in the plain line
        const box = Object.assign(document.createElement('span'), {className: 'rest', textContent: rest});
        box.style.containIntrinsicWidth = `auto ${rest.length}ch`;
        return [line.slice(0, end), box, line.slice(-1)];
    };
    const shown = element('session');
    shown.classList.remove('whole');
    const lines = text.split(/(?<=\n)/);
    const note = Object.assign(document.createElement('span'), {
        className: 'held',
        textContent: 'The report\'s three counts are held back until you guess them, or choose Just watch.\n'
    });
    shown.replaceChildren(...(held ? lines.slice(0, -3) : lines).flatMap(parts), ...(held ? [note] : []));
}

let runs = 0;
let ownShown = false;  // whether the run shown is of the learner's values: a new arrangement runs them again
// The step a link opens the view at, for its own run alone.
let linkStep = linked('step');

// Runs the program on the form's answers, or with own on the learner's
// values; a refusal is said beside what was refused and in the status region,
// as is a failure, and the last session stays shown.
function run(own = false)
{
    let part = 'Starting the program';
    program
        .then((tools) => {
            const asked = linkStep;
            linkStep = null;
            part = 'The run';
            const refused = own ? refuseValues(tools) : refuseAnswers(tools);
            if (refused) {
                said.textContent =
                    `Not run: ${refused}` + (element('session').textContent ? ' What is shown is the last run.' : '');
                return;
            }
            present(tools, own ? ownRun(tools) : generatedRun(tools), asked, guessFirst.checked);
        })
        .catch((error) => (said.textContent = failed(part, error)));
}

// Why the form's answers are refused, each said beside its field; '' when none is.
function refuseAnswers(tools)
{
    if (order.value === 'few-distinct') {
        judged(order, '');
    }
    const accepted = [judged(count, tools.refusal(0, count.value)), judged(seed, tools.refusal(1, seed.value))];
    return accepted.every(Boolean) && order.getAttribute('aria-invalid') !== 'true' ?
        '' :
        'an answer was refused; the message beside it says what is accepted.';
}

// Why the learner's values are refused, said beside them; '' when the program has taken them.
function refuseValues(tools)
{
    if (order.value === 'few-distinct') {
        judged(
            order,
            'Ten distinct values are made from generated values alone: choose another arrangement for ' +
                'your own values.');
        return 'ten distinct values are made from generated values alone.';
    }
    if (order.getAttribute('aria-invalid') === 'true') {
        return 'the arrangement was refused; the message beside it says which there are.';
    }
    const refused = tools.take(typed.value);
    judged(typed, refused && `${refused[0].toUpperCase()}${refused.slice(1)}.`);
    return refused && `${refused}.`;
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

// The run's line in the status region, and a failure after it.
function tell(shown, line)
{
    shown.told = line;
    said.textContent = line;
}
const fail = (shown, what, error) => (said.textContent = `${shown.told} ${failed(what, error)}`);

// One run on the program (made: its session text and counts, its values and
// their arrangement, and the link to it, or null): its session, then its
// chart, its view and why its counts are what they are; with held, every
// count is held back until the learner has guessed them, or chosen to watch.
function present(tools, made, asked, held)
{
    const {text, counts, values, order: orderName} = made;
    const own = Boolean(values.own);
    ownShown = own;
    showSession(text, held, own);
    const shown = {
        tools,
        made,
        number: ++runs,
        ran: `${made.ran}: ` + tools.sorts.map((sort, i) => `${sort.name} sort ${counts[i]}`).join(', ') + '.' +
            (made.unlinked ?? ''),
        values: theValues(values, orderName),
    };
    tell(shown, held ? `${made.ran}: the counts are held back until you guess them.${made.unlinked ?? ''}` : shown.ran);
    const guessed = held ? guess.ask(tools, shown.values) : null;
    reasons.hide();
    if (!held) {
        guess.putAway();
    }
    if (own) {
        chart.keep();
    } else if (held) {
        chart.hold();
    } else {
        showChart(shown);
    }
    // The view once the report is on the screen, as the chart: it runs the three sorts.
    // The address and the rest of the session too: the report need not wait for them.
    painted()
        .then(() => {
            if (shown.number !== runs) {
                return;
            }
            element('session').classList.add('whole');
            rememberRun(
                made.link && (held ? {...made.link, guess: '1', ...(asked === null ? {} : {step: asked})} : made.link));
            const viewing = view.start(tools, values, orderName, asked, guessed);
            if (held) {
                guessed.then((outcome) => release(shown, outcome)).catch((error) => fail(shown, 'The reveal', error));
            } else {
                // In a task of their own: they run the sorts again.
                yielded().then(() => explain(shown)).catch((error) => fail(shown, 'The reasons', error));
            }
            return viewing;
        })
        .catch((error) => fail(shown, 'The view', error));
}

// The chart for a run of generated values.
function showChart(shown)
{
    const {values, order: orderName} = shown.made;
    chart.show(values.n, values.seed, orderName, shown.tools).catch((error) => fail(shown, 'The chart', error));
}

// Why the run's counts are what they are, unless a later run took over; returns the program's numbers for it.
function explain(shown)
{
    if (shown.number !== runs) {
        return null;
    }
    const {tools, made} = shown;
    const why = tools.explain(made.values, made.order);
    reasons.show(tools.sorts, why, made.order, shown.values, Boolean(made.values.own));
    return why;
}

// What a guess held back, once the learner has ended it (outcome, from
// guess.ask): the report, the guesses against the counts, the reasons and the
// chart. The address drops the guess; the view opens by itself.
function release(shown, outcome)
{
    if (outcome === null || shown.number !== runs) {
        return;
    }
    const {tools, made} = shown;
    showSession(made.text, false, Boolean(made.values.own));
    element('session').classList.add('whole');
    rememberRun(made.link);
    const why = explain(shown);
    if (outcome.guesses) {
        tell(
            shown,
            `${shown.ran} Your guesses against the counts for ${shown.values}: ${
                guess.reveal(tools.sorts, outcome.guesses, why.counts)}`);
    } else {
        guess.putAway();
        tell(shown, shown.ran);
    }
    if (!made.values.own) {
        showChart(shown);
    }
}

form.addEventListener('submit', (submitted) => {
    submitted.preventDefault();
    run();
});
// Enter in any field runs, the tick box and the arrangement's list included.
form.addEventListener('keydown', (press) => {
    if (press.key === 'Enter' && press.target !== form.querySelector('button')) {
        press.preventDefault();
        run();
    }
});
// Enter in the values' field starts a new line: only the button runs them.
element('own').addEventListener('submit', (submitted) => {
    submitted.preventDefault();
    run(true);
});
order.addEventListener('change', () => {
    judged(order, '');
    run(ownShown);
});

// The forms come only with a program to answer them: the limit and the arrangements are the program's.
program.then((tools) => {
    element('count-label').textContent = `Number of values to generate and sort (0 to ${tools.max})`;
    element('values-hint').textContent = `Up to ${tools.max} whole numbers from -2147483648 to 2147483647, ` +
        'between blanks, new lines or commas. The tick boxes and the arrangement above apply to them too.';
    order.replaceChildren(...tools.orders.map((option) => new Option(option.label, option.name)));
    form.hidden = element('own').hidden = false;
    if (fromAddress(tools.orders)) {
        run(linked('values') !== null);
    } else {
        said.textContent = 'Not run: the link names an arrangement that does not exist.';
    }
}, (error) => (said.textContent = failed('Starting the program', error)));
