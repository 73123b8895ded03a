// The page: the program's three questions as a form, its session as a
// terminal would show it, and a chart of how its counts grow with the number
// of values. Every answer is checked, and every run made, by the program's own
// code, compiled to WebAssembly.
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

// The program, compiled from the start (start.js) and handed to emscripten's
// loader, which would otherwise fetch it: the page's policy forbids that. The
// loader only logs an error from instantiateWasm, so it is caught here.
const program =
    new Promise((resolve, reject) => {
        if (typeof WebAssembly !== 'object') {
            throw new Error(
                'this browser has no WebAssembly, which the program is compiled to, so the page cannot run here');
        }
        if (compiled.error) {
            throw compiled.error;
        }
        const instantiateWasm = (imports, receive) => {
            try {
                receive(new WebAssembly.Instance(compiled.module, imports));
            } catch (error) {
                reject(error);
            }
            return {};
        };
        SortCompare({instantiateWasm, onAbort: (what) => reject(new Error(what))}).then(resolve, reject);
    }).then((module) => {
        // A string for the program, on its heap and with its length: an answer
        // may be of any length, and hold any character.
        const call = (f, text, ...rest) => {
            const bytes = new TextEncoder().encode(text);
            const at = module._malloc(bytes.length + 1);
            module.HEAPU8.set(bytes, at);
            try {
                return module.UTF8ToString(f(...rest, at, bytes.length));
            } finally {
                module._free(at);
            }
        };
        // A few small runs first bring the sorts' code to the engine's
        // optimising tier, before the run the learner waits for.
        for (let i = 0; i < 3; i++) {
            module._counts(300, 1, 2);
        }
        return {
            session: (answers) => call(module._run_session, answers),
            refusal: (question, answer) => call(module._refusal, answer, question),
            counts: (n, seed, order) => {
                const at = module._counts(n, seed, order) / 4;
                return Array.from(module.HEAP32.subarray(at, at + 3));
            },
        };
    });

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

let runs = 0;  // each run stops the chart fill of the one before
let chart = null;

// Runs the program on the form's answers, then fills the chart; a failure of
// either is said in the status region, and the session stays shown.
function run()
{
    let part = 'Starting the program';
    program
        .then(({session, refusal, counts}) => {
            part = 'The run';
            const accepted = [judge(count, refusal(0, count.value)), judge(seed, refusal(1, seed.value))];
            if (!accepted.every(Boolean) || order.getAttribute('aria-invalid') === 'true') {
                status.textContent = 'Not run: an answer was refused; the message beside it says what is accepted.' +
                    (element('session').textContent ? ' What is shown is the last run.' : '');
                return;
            }
            const answers = {count: count.value, seed: seed.value, list: list.checked ? 'y' : 'n', order: order.value};
            const started = performance.now();
            const text = session(`${answers.count}\n${answers.seed}\n${answers.list}\n`);
            document.body.dataset.runTime = performance.now() - started;
            element('session').textContent = text;
            history.replaceState(null, '', '?' + new URLSearchParams(answers));
            const report = text.match(/count: \d+/g).map((line) => line.slice(7));
            const [n, seedValue] = [answers.count, answers.seed].map((answer) => parseInt(answer, 10));
            const ran = `Ran ${n} values, seed ${seedValue}: insertion sort ${report[0]}, merge sort ${report[1]}, ` +
                `quick sort ${report[2]}.`;
            status.textContent = ran;
            const runNumber = ++runs;
            fill(runNumber, n, seedValue, answers.order, counts).catch((error) => {
                if (runNumber === runs) {
                    element('progress-text').textContent = 'failed';
                    status.textContent = `${ran} ${failed('The chart', error)}`;
                }
            });
        })
        .catch((error) => (status.textContent = failed(part, error)));
}

// Yields to the browser until it has drawn a frame, and answered the user.
const painted = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

// Runs the chart library, carried as text, the first time a chart is drawn,
// in tasks of its own: as it starts it makes a number and a date format, and
// the first ones a page makes load the locale's data, tens of milliseconds.
let library = null;
const chartLibrary = () => library ??= (async () => {
    new Intl.NumberFormat(navigator.language).format(0);
    new Intl.DateTimeFormat().resolvedOptions();
    await painted();
    const script = document.createElement('script');
    script.textContent = element('chart-library').textContent;
    // An error as it runs comes as an event, not to the caller.
    let thrown = null;
    const caught = (event) => {
        thrown = event.error;
        event.stopImmediatePropagation();
    };
    addEventListener('error', caught, true);
    document.head.append(script);
    removeEventListener('error', caught, true);
    if (thrown || typeof uPlot !== 'function') {
        throw thrown ?? new Error('uPlot is not defined');
    }
    await painted();
})();

const sizes = [1, ...Array.from({length: 40}, (_, i) => 125 * (i + 1))];
const colours = ['#c0392b', '#2471a3', '#1e8449'];
// The log axis's labels: the powers of ten alone, as 1, 10, 100, 1k, ... 1M.
function compact(value)
{
    if (!Number.isInteger(Math.log10(value))) {
        return '';
    }
    return value >= 1e6 ? value / 1e6 + 'M' : value >= 1e3 ? value / 1e3 + 'k' : String(value);
}

// Fills the chart and its table, a slice of at most about 20 ms a frame,
// smallest sizes first: the sorts' code is then optimised by the time the
// largest sizes come, and the page keeps answering.
async function fill(runNumber, n, seedValue, orderName, counts)
{
    const points = [...sizes];
    if (n >= 1 && !points.includes(n)) {
        points.push(n);
        points.sort((a, b) => a - b);
    }
    const progress = element('progress');
    progress.max = points.length;
    const body = element('points').tBodies[0];
    body.replaceChildren();
    element('chart-note').textContent = '';
    element('progress-text').textContent = 'filling';
    chart?.destroy();
    chart = null;
    const generated = orderName === 'generated';
    // The report first: the chart waits until it is on the screen.
    await painted();
    performance.mark('shown');
    await chartLibrary();
    if (runNumber !== runs) {
        return;
    }
    const plot = draw(n, generated);
    const data = [[], [], [], []];
    let zeros = 0;
    while (data[0].length < points.length) {
        const slice = performance.now();
        do {
            const size = points[data[0].length];
            const row = [size, ...counts(size, seedValue, orders.indexOf(orderName))];
            row.forEach((value, i) => data[i].push(value));
            zeros += row.filter((value) => value === 0).length;
            const cells = row.map((value) => Object.assign(document.createElement('td'), {textContent: value}));
            if (size === n) {
                cells[0].textContent += ' (your run)';
            }
            body.insertRow().append(...cells);
        } while (data[0].length < points.length && performance.now() - slice < 20);
        progress.value = data[0].length;
        element('progress-text').textContent = `${data[0].length} of ${points.length} sizes`;
        plot.real = data;
        // A log scale has no 0: such counts sit on its floor, 1, and the note says so.
        const shown = data.map((values, i) => i === 0 ? values : values.map((value) => Math.max(value, 1)));
        const curve = (f) => data[0].map((x) => x > 1 ? f(x) : null);
        const expected = generated ? [curve((x) => x * (x - 1) / 4), curve((x) => x * Math.log2(x))] : [];
        plot.setData([...shown, ...expected]);
        await painted();
        if (runNumber !== runs) {
            return;
        }
    }
    element('progress-text').textContent =
        `done: ${points.length} sizes, values ${generated ? 'as generated' : 'in ' + orderName + ' order'}`;
    element('chart-note').textContent = (n === 0 ? 'A run of 0 values has no point on the chart. ' : '') +
        (zeros ? `${zeros} of the counts are 0, which a log scale cannot show: they are drawn on its floor, at 1.` :
                 '');
}

// A new chart for one run: the three counts, the expected curves for
// generated values, and a line at the number of values asked for.
function draw(n, generated)
{
    const holder = element('chart');
    const series = [
        {label: 'values'},
        ...['insertion sort: exchanges', 'merge sort: elements written', 'quick sort: elements examined'].map(
            (label, i) => ({
                label,
                stroke: colours[i],
                width: 2,
                points: {size: 6},
                value: (u, v, s, at) => u.real?.[s][at] ?? '-'
            })),
    ];
    if (generated) {
        series.push(
            {label: 'expected for insertion sort, n(n−1)/4', stroke: colours[0], dash: [6, 5], points: {show: false}});
        series.push(
            {label: 'expected for merge sort, n log2 n', stroke: colours[1], dash: [6, 5], points: {show: false}});
    }
    chart = new uPlot(
        {
            width: holder.clientWidth,
            legend: {live: false},
            height: 320,
            series,
            scales: {x: {time: false, range: [0, 5000]}, y: {distr: 3, range: [1, 1e8]}},
            axes: [
                {label: 'number of values'},
                {label: 'count (log scale)', values: (u, ticks) => ticks.map(compact), size: 50}
            ],
            hooks: {
                draw: [(u) => {
                    if (n < 1) {
                        return;
                    }
                    const x = u.valToPos(n, 'x', true);
                    const {ctx} = u;
                    ctx.save();
                    ctx.strokeStyle = ctx.fillStyle = '#1a1a1a';
                    ctx.setLineDash([2, 3]);
                    ctx.beginPath();
                    ctx.moveTo(x, u.bbox.top);
                    ctx.lineTo(x, u.bbox.top + u.bbox.height);
                    ctx.stroke();
                    ctx.font = `${Math.round(12 * devicePixelRatio)}px sans-serif`;
                    const label = ` your run: ${n} values `;
                    const fits = x + ctx.measureText(label).width <= u.bbox.left + u.bbox.width;
                    ctx.textAlign = fits ? 'left' : 'right';
                    ctx.fillText(label, x, u.bbox.top + 14 * devicePixelRatio);
                    ctx.restore();
                }],
            },
        },
        [[], [], [], [], ...(generated ? [[], []] : [])], holder);
    return chart;
}

addEventListener('resize', () => chart?.setSize({width: element('chart').clientWidth, height: 320}));

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
