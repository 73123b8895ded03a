// The page: a run the forms ask for (forms.js), the program's three questions
// or the learner's own values; its session as a terminal would show it, then
// the view of the sorts at work (view/) and a chart of how their counts grow
// with the number of values (chart.js). Every answer is checked, and every
// run made, by the program's own code, compiled to WebAssembly (program.js).
import {asked as link, rememberRun} from './address.js';
import {counted as countedAs} from './answers.js';
import {asGiven, theValues} from './arranged.js';
import * as chart from './chart/chart.js';
import {element, failed, painted, yielded} from './dom.js';
import * as forms from './forms.js';
import * as guess from './guess.js';
import * as practice from './practice.js';
import * as reasons from './reasons.js';
import {program} from './started.js';
import * as view from './view/view.js';

// The document read up to this script, and its modules run: a mark for the benchmark (bench.mjs), as the first
// run's and its report's.
performance.mark('read');
const said = element('status');

// Whatever the parts below do not catch themselves.
addEventListener('error', (fault) => (said.textContent = failed('The page\'s script', fault.error ?? fault.message)));
addEventListener('unhandledrejection', (fault) => (said.textContent = failed('The page\'s script', fault.reason)));

// A listed line longer than this, in characters, is laid out in two parts.
const longLine = 2000;

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
        const end = line.length > longLine ? line.indexOf(' ', 600) + 1 : 0;
        if (!end) {
            return [line];
        }
        const rest = line.slice(end, -1);  // its newline outside the box, as in the plain line
        const box = Object.assign(document.createElement('span'), {className: 'rest', textContent: rest});
        box.style.containIntrinsicWidth = `auto ${rest.length}ch`;
        return [line.slice(0, end), box, line.slice(-1)];
    };
    const session = element('session');
    session.classList.remove('whole');
    const lines = text.split(/(?<=\n)/);
    const note = Object.assign(document.createElement('span'), {
        className: 'held',
        textContent: 'The report\'s three counts are held back until you guess them, or choose Just watch.\n'
    });
    session.replaceChildren(...(held ? lines.slice(0, -3) : lines).flatMap(parts), ...(held ? [note] : []));
}

// The run presented: {tools, run (program.generated's or program.own's), made
// (forms.make's), values (in words), told (its status line)}. Each part of the
// page that works for a run after a wait asks whether it is still this one.
let current = null;
// The step a link opens the view at, for its own run alone.
let linkStep = link.get('step');

// Runs the program on the form's answers ('answers'), on the learner's values
// ('values'), or on the kind of values shown ('again', in a new arrangement);
// a refusal is said beside what was refused and in the status region, as is a
// failure, and the last run stays shown.
function ask(kind)
{
    let part = 'Starting the program';
    program
        .then((tools) => {
            const asked = linkStep;
            linkStep = null;
            part = 'The run';
            const made = forms.make(tools, kind === 'again' ? Boolean(current?.run.own) : kind === 'values');
            if (made.refused) {
                said.textContent = `Not run: ${made.refused}` +
                    (element('session').textContent ? ' What is shown is the last run.' : '');
                return;
            }
            const first = current === null;
            first && performance.mark('ran');
            present(tools, made, asked);
            first && performance.mark('built');
        })
        .catch((error) => (said.textContent = failed(part, error)));
}

// The run's line in the status region, and a failure after it.
function tell(presented, line)
{
    presented.told = line;
    said.textContent = line;
}
const fail = (presented, what, error) => (said.textContent = `${presented.told} ${failed(what, error)}`);

// The run's counts in words (answers.js), with why (run.explain) as arranged too.
const counted = ({tools, run, made}, why = null) => countedAs(tools.sorts, run, made.ran, why);

// One run the program made (made, from forms.make): its session, then its
// chart, its view and why its counts are what they are; the view opens at the
// step asked, if any. With made.held, every count is held back until the
// learner has guessed them, or chosen to watch.
function present(tools, made, asked)
{
    const {run, held} = made;
    // A run that took over before the view reached it is of no more use; the view lets go of its own.
    if (current && current.run !== view.showing()) {
        current.run.release();
    }
    const presented = {tools, run, made, values: theValues(run, run.arrangement)};
    current = presented;
    showSession(run.session, held, run.own);
    tell(
        presented,
        held ? `${made.ran}: the counts are held back until you guess them.${made.unlinked}` :
               counted(presented) + made.unlinked);
    const guessed = held ? guess.ask(tools, presented.values) : null;
    reasons.hide();
    practice.putAway();
    if (!held) {
        guess.putAway();
    }
    if (run.own) {
        chart.keep();
    } else if (held) {
        chart.hold();
    } else {
        showChart(presented);
    }
    // The view once the report is on the screen, as the chart: it runs the three sorts.
    // The address and the rest of the session too: the report need not wait for them.
    painted()
        .then(() => {
            if (presented !== current) {
                return;
            }
            element('session').classList.add('whole');
            rememberRun(
                made.link && (held ? {...made.link, guess: '1', ...(asked === null ? {} : {step: asked})} : made.link));
            const viewing = view.start(tools, run, asked, guessed);
            if (!held) {
                practice.offer(presented);
            }
            if (held) {
                guessed.then((outcome) => release(presented, outcome))
                    .catch((error) => fail(presented, 'The reveal', error));
            } else {
                // In a task of their own: they run the sorts the view has not.
                yielded().then(() => reasoned(presented)).catch((error) => fail(presented, 'The reasons', error));
            }
            return viewing;
        })
        .catch((error) => fail(presented, 'The view', error));
}

// The chart for a run of generated values.
function showChart(presented)
{
    chart.show(presented.run, presented.tools).catch((error) => fail(presented, 'The chart', error));
}

// Why the run's counts are what they are, unless a later run took over; returns the program's numbers for it.
function explain(presented)
{
    if (presented !== current) {
        return null;
    }
    const why = presented.run.explain();
    reasons.show(presented.tools.sorts, why, presented.run, presented.values);
    return why;
}

// The reasons for a run presented at once, and in its status line its counts as arranged.
function reasoned(presented)
{
    const why = explain(presented);
    if (why && !asGiven(presented.run.arrangement)) {
        tell(presented, counted(presented, why) + presented.made.unlinked);
    }
}

// What a guess held back, once the learner has ended it (outcome, from
// guess.ask): the report, the guesses against the counts, the reasons and the
// chart. The address drops the guess; the view opens by itself.
function release(presented, outcome)
{
    if (outcome === null || presented !== current) {
        return;
    }
    const {tools, run, made} = presented;
    showSession(run.session, false, run.own);
    element('session').classList.add('whole');
    rememberRun(made.link);
    const why = explain(presented);
    const ran = counted(presented, why) + made.unlinked;
    if (outcome.guesses) {
        tell(
            presented,
            `${ran} Your guesses against the counts for ${presented.values}: ${
                guess.reveal(tools.sorts, outcome.guesses, why.counts)}`);
    } else {
        guess.putAway();
        tell(presented, ran);
    }
    if (!run.own) {
        showChart(presented);
    }
    practice.offer(presented);
}

// The forms come only with a program to answer them.
// Sorting by hand asks for runs as the form makes them, and for the race as a model answer.
program.then((tools) => {
    practice.start(tools, link.get('practice'), {
        run: (fields) => {
            forms.refill(fields);
            ask('answers');
        },
        showMe: view.showMe,
    });
    ask(forms.start(tools, ask));
}, (error) => (said.textContent = failed('Starting the program', error)));
