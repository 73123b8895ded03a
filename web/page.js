// The page: the program's three questions as a form, its session as a
// terminal would show it, then the view of the sorts at work (watch.js) and a
// chart of how their counts grow with the number of values (chart.js). Every
// answer is checked, and every run made, by the program's own code, compiled
// to WebAssembly.
'use strict';

const orders = ['generated', 'ascending', 'descending'];
const element = (id) => document.getElementById(id);
const form = element('answers');
const count = element('count');
const seed = element('seed');
const list = element('list');
const order = element('order');
const status = element('status');

// The words for a part of the page that failed: what failed, and the error's own text.
const failed = (part, error) => `${part} failed: ${error instanceof Error ? error.message : String(error)}`;
// Whatever the parts below do not catch themselves.
addEventListener('error', (event) => (status.textContent = failed('The page\'s script', event.error ?? event.message)));
addEventListener('unhandledrejection', (event) => (status.textContent = failed('The page\'s script', event.reason)));

// Number formats in navigator.language, as the chart library makes, for any
// tag the browser reports: WebKitGTK under LANG=C.UTF-8 reports "C", which is
// no language tag, and such a tag falls back to the browser's default locale.
Intl.NumberFormat = new Proxy(Intl.NumberFormat, {
    construct(format, [locales, options], target) {
        try {
            return Reflect.construct(format, [locales, options], target);
        } catch (error) {
            if (!(error instanceof RangeError)) {
                throw error;
            }
            return Reflect.construct(format, [undefined, options], target);
        }
    },
});

// The program, started with the page (start.js), and the page's ways to call it.
const program = started.then(({module, error}) => {
    if (error) {
        throw error;
    }
    // A string for the program, on its heap and with its length: an answer
    // may be of any length, and hold any character.
    const call = (f, text, ...rest) => {
        const bytes = new TextEncoder().encode(text);
        const at = module._malloc(bytes.length + 1);
        module.HEAPU8.set(bytes, at);
        try {
            return f(...rest, at, bytes.length);
        } finally {
            module._free(at);
        }
    };
    // The program's answer, which ends at its first 0 byte.
    const decoder = new TextDecoder();
    const answer = (at) => decoder.decode(module.HEAPU8.subarray(at, module.HEAPU8.indexOf(0, at)));
    // What the program says of a sort at a step (page.cpp), the arrays as views of its memory.
    const fields = [
        'step',      'low',    'high',          'mid',   'at',           'other',  'leftNext',
        'rightNext', 'pivot',  'lessEnd',       'next',  'greaterStart', 'values', 'scratch',
        'pending',   'length', 'pendingLength', 'first', 'last',         'count'
    ];
    const shown = (address) => {
        const heap = module.HEAP32;
        const ints = heap.subarray(address / 4, address / 4 + fields.length);
        const state = Object.fromEntries(fields.map((name, i) => [name, ints[i]]));
        const array = (at, length) => heap.subarray(at / 4, at / 4 + length);
        return Object.assign(state, {
            values: array(state.values, state.length),
            scratch: array(state.scratch, state.length),
            pending: array(state.pending, state.pendingLength),
        });
    };
    return {
        watch: (n, seed, order, window, sort) => shown(module._watch(n, seed, order, window, sort)),
        go: (sort, step) => shown(module._watch_go(sort, step)),
        refill: (sort, first) => shown(module._watch_refill(sort, first)),
        keepEnd: (sort, steps) => module._watch_keep_end(sort, steps),
        stepOf: (text, last) => call((at, length) => module._step_of(at, length, last), text),
        session: (answers) => answer(call(module._run_session, answers)),
        refusal: (question, text) => answer(call(module._refusal, text, question)),
        counts: (n, seed, order) => {
            const at = module._counts(n, seed, order) / 4;
            return Array.from(module.HEAP32.subarray(at, at + 3));
        },
    };
});

// Yields to the browser until it has drawn a frame, and answered the user.
const painted = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

// Shows why a control's value is refused beside it, or clears that; true when it is accepted.
function judge(control, why)
{
    element(control.id + '-rule').textContent = why;
    control.setAttribute('aria-invalid', why ? 'true' : 'false');
    return !why;
}

// Fills the form from the address, as a link to a run gives it; false, with
// the reason beside the order, when it names an order that does not exist.
function fromAddress()
{
    const asked = new URLSearchParams(location.search);
    count.value = asked.get('count') ?? count.value;
    seed.value = asked.get('seed') ?? seed.value;
    // Taken as the program takes its third answer: its first character that is not blank.
    list.checked = (asked.get('list') ?? '').trim().startsWith('y');
    const wanted = asked.get('order') ?? 'generated';
    if (!orders.includes(wanted)) {
        return judge(order, `There is no order "${wanted}": choose generated, ascending or descending.`);
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
function showSession(text)
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
    shown.replaceChildren(...text.split(/(?<=\n)/).flatMap(parts));
}

let runs = 0;
// The step a link opens the view at, for its own run alone.
let linkStep = new URLSearchParams(location.search).get('step');


// Runs the program on the form's answers, then fills the chart; a failure of
// either is said in the status region, and the session stays shown.
function run()
{
    let part = 'Starting the program';
    program
        .then((tools) => {
            const {session, refusal, counts} = tools;
            const asked = linkStep;
            linkStep = null;
            part = 'The run';
            const accepted = [judge(count, refusal(0, count.value)), judge(seed, refusal(1, seed.value))];
            if (!accepted.every(Boolean) || order.getAttribute('aria-invalid') === 'true') {
                status.textContent = 'Not run: an answer was refused; the message beside it says what is accepted.' +
                    (element('session').textContent ? ' What is shown is the last run.' : '');
                return;
            }
            const answers = {count: count.value, seed: seed.value, list: list.checked ? 'y' : 'n', order: order.value};
            const text = session(`${answers.count}\n${answers.seed}\n${answers.list}\n`);
            showSession(text);
            const report = text.match(/count: \d+/g).map((line) => line.slice(7));
            const [n, seedValue] = [answers.count, answers.seed].map((answer) => parseInt(answer, 10));
            const ran = `Ran ${n} values, seed ${seedValue}: insertion sort ${report[0]}, merge sort ${report[1]}, ` +
                `quick sort ${report[2]}.`;
            status.textContent = ran;
            const said = (what, error) => (status.textContent = `${ran} ${failed(what, error)}`);
            Chart.show(n, seedValue, answers.order, counts).catch((error) => said('The chart', error));
            // The view once the report is on the screen, as the chart: it runs the three sorts.
            // The address and the rest of the session too: the report need not wait for them.
            const runNumber = ++runs;
            painted()
                .then(() => {
                    if (runNumber === runs) {
                        element('session').classList.add('whole');
                        history.replaceState(null, '', '?' + new URLSearchParams(answers));
                        return View.start(tools, n, seedValue, answers.order, asked);
                    }
                })
                .catch((error) => said('The view', error));
        })
        .catch((error) => (status.textContent = failed(part, error)));
}


form.addEventListener('submit', (event) => {
    event.preventDefault();
    run();
});
// Enter in any field runs, the tick box and the order's list included.
form.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && event.target !== form.querySelector('button')) {
        event.preventDefault();
        run();
    }
});
order.addEventListener('change', () => {
    judge(order, '');
    run();
});

// The form comes only with a program to answer it.
program.then(() => (form.hidden = false), (error) => (status.textContent = failed('Starting the program', error)));
if (fromAddress()) {
    run();
} else {
    status.textContent = 'Not run: the link names an order that does not exist.';
}
