// The page: a run the forms ask for (forms.js), the program's three questions
// or the learner's own values; its session as a terminal would show it, then
// the view of the sorts at work (view/) and a chart of how their counts grow
// with the number of values (chart.js). Every answer is checked, and every
// run made, by the program's own code, compiled to WebAssembly (program.js).
import {linked, rememberRun} from './address.js';
import {theValues} from './arranged.js';
import * as chart from './chart.js';
import {element, failed, painted, yielded} from './dom.js';
import * as forms from './forms.js';
import * as guess from './guess.js';
import * as reasons from './reasons.js';
import {program} from './started.js';
import * as view from './view/view.js';

const said = element('status');

// Whatever the parts below do not catch themselves.
addEventListener('error', (fault) => (said.textContent = failed('The page\'s script', fault.error ?? fault.message)));
addEventListener('unhandledrejection', (fault) => (said.textContent = failed('The page\'s script', fault.reason)));

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
// values, or with null on the kind of values shown; a refusal is said beside
// what was refused and in the status region, as is a failure, and the last
// session stays shown.
function run(own)
{
    let part = 'Starting the program';
    program
        .then((tools) => {
            const asked = linkStep;
            linkStep = null;
            part = 'The run';
            const refused = forms.refused(tools, own ?? ownShown);
            if (refused) {
                said.textContent =
                    `Not run: ${refused}` + (element('session').textContent ? ' What is shown is the last run.' : '');
                return;
            }
            present(tools, forms.made(tools, own ?? ownShown), asked);
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

// One run on the program (made, from forms.made): its session, then its
// chart, its view and why its counts are what they are; the view opens at the
// step asked, if any. With made.held, every count is held back until the
// learner has guessed them, or chosen to watch.
function present(tools, made, asked)
{
    const {text, counts, values, order: orderName, held} = made;
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

// The forms come only with a program to answer them.
program.then((tools) => {
    const own = forms.start(tools, run);
    if (own === undefined) {
        said.textContent = 'Not run: the link names an arrangement that does not exist.';
    } else {
        run(own);
    }
}, (error) => (said.textContent = failed('Starting the program', error)));
