// The page: the program's three questions as a form, its session as a
// terminal would show it, then the view of the sorts at work (view/) and a
// chart of how their counts grow with the number of values (chart.js). Every
// answer is checked, and every run made, by the program's own code, compiled
// to WebAssembly (program.js).
import {linked, rememberRun} from './address.js';
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

// Whatever the parts below do not catch themselves.
addEventListener('error', (fault) => (said.textContent = failed('The page\'s script', fault.error ?? fault.message)));
addEventListener('unhandledrejection', (fault) => (said.textContent = failed('The page\'s script', fault.reason)));

// Fills the form from the address, as a link to a run gives it; false, with
// the reason beside the order, when it names an order that does not exist.
function fromAddress(orders)
{
    count.value = linked('count') ?? count.value;
    seed.value = linked('seed') ?? seed.value;
    // Taken as the program takes its third answer: its first character that is not blank.
    list.checked = (linked('list') ?? '').trim().startsWith('y');
    guessFirst.checked = linked('guess') === '1';
    const wanted = linked('order') ?? orders[0].name;
    const names = orders.map((option) => option.name);
    if (!names.includes(wanted)) {
        return judged(
            order, `There is no order "${wanted}": choose ${names.slice(0, -1).join(', ')} or ${names.at(-1)}.`);
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
function showSession(text, held = false)
{
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
// The step a link opens the view at, for its own run alone.
let linkStep = linked('step');

// Runs the program on the form's answers; a failure is said in the status
// region, and the last session stays shown.
function run()
{
    let part = 'Starting the program';
    program
        .then((tools) => {
            const asked = linkStep;
            linkStep = null;
            part = 'The run';
            const accepted = [judged(count, tools.refusal(0, count.value)), judged(seed, tools.refusal(1, seed.value))];
            if (!accepted.every(Boolean) || order.getAttribute('aria-invalid') === 'true') {
                said.textContent = 'Not run: an answer was refused; the message beside it says what is accepted.' +
                    (element('session').textContent ? ' What is shown is the last run.' : '');
                return;
            }
            const answers = {count: count.value, seed: seed.value, list: list.checked ? 'y' : 'n', order: order.value};
            present(tools, answers, asked, guessFirst.checked);
        })
        .catch((error) => (said.textContent = failed(part, error)));
}

// The run's line in the status region, and a failure after it.
function tell(shown, line)
{
    shown.told = line;
    said.textContent = line;
}
const fail = (shown, what, error) => (said.textContent = `${shown.told} ${failed(what, error)}`);

// One run on the program: its session, then its chart, its view and why its
// counts are what they are; with held, every count is held back until the
// learner has guessed them, or chosen to watch.
function present(tools, answers, asked, held)
{
    const {text, counts} = tools.session(`${answers.count}\n${answers.seed}\n${answers.list}\n`);
    showSession(text, held);
    const [n, seedValue] = [answers.count, answers.seed].map((answer) => parseInt(answer, 10));
    const shown = {
        tools,
        answers,
        text,
        n,
        seedValue,
        number: ++runs,
        ran: `Ran ${n} values, seed ${seedValue}: ` +
            tools.sorts.map((sort, i) => `${sort.name} sort ${counts[i]}`).join(', ') + '.',
        values: `the ${n} values of this run, ` +
            (answers.order === 'generated' ? 'as generated' : `in ${answers.order} order`),
    };
    tell(
        shown, held ? `Ran ${n} values, seed ${seedValue}: the counts are held back until you guess them.` : shown.ran);
    const guessed = held ? guess.ask(tools, shown.values) : null;
    reasons.hide();
    if (held) {
        chart.hold();
    } else {
        guess.putAway();
        chart.show(n, seedValue, answers.order, tools).catch((error) => fail(shown, 'The chart', error));
    }
    // The view once the report is on the screen, as the chart: it runs the three sorts.
    // The address and the rest of the session too: the report need not wait for them.
    painted()
        .then(() => {
            if (shown.number !== runs) {
                return;
            }
            element('session').classList.add('whole');
            rememberRun(held ? {...answers, guess: '1', ...(asked === null ? {} : {step: asked})} : answers);
            const viewing = view.start(tools, n, seedValue, answers.order, asked, guessed);
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

// Why the run's counts are what they are, unless a later run took over; returns the program's numbers for it.
function explain(shown)
{
    if (shown.number !== runs) {
        return null;
    }
    const {tools, n, seedValue, answers} = shown;
    const why = tools.explain(n, seedValue, answers.order);
    reasons.show(tools.sorts, why, answers.order);
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
    const {tools, n, seedValue, answers} = shown;
    showSession(shown.text);
    element('session').classList.add('whole');
    rememberRun(answers);
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
    chart.show(n, seedValue, answers.order, tools).catch((error) => fail(shown, 'The chart', error));
}

form.addEventListener('submit', (submitted) => {
    submitted.preventDefault();
    run();
});
// Enter in any field runs, the tick box and the order's list included.
form.addEventListener('keydown', (press) => {
    if (press.key === 'Enter' && press.target !== form.querySelector('button')) {
        press.preventDefault();
        run();
    }
});
order.addEventListener('change', () => {
    judged(order, '');
    run();
});

// The form comes only with a program to answer it: its limit and its orders are the program's.
program.then((tools) => {
    element('count-label').textContent = `Number of values to generate and sort (0 to ${tools.max})`;
    order.replaceChildren(...tools.orders.map((option) => new Option(option.label, option.name)));
    form.hidden = false;
    if (fromAddress(tools.orders)) {
        run();
    } else {
        said.textContent = 'Not run: the link names an order that does not exist.';
    }
}, (error) => (said.textContent = failed('Starting the program', error)));
