// The chart of how the counts grow with the number of values, for the seed
// and order of the last run, and its table of points. Reached through show;
// the chart library fills the first time a chart is drawn.
import {arranged, chosen} from './arranged.js';
import {chartLibrary} from './chart-library.js';
import {element, painted} from './dom.js';

let chart = null;

const colours = ['#c0392b', '#2471a3', '#1e8449'];
// The log axis's labels: the powers of ten alone, as 1, 10, 100, 1k, ... 1M.
function compact(value)
{
    if (!Number.isInteger(Math.log10(value))) {
        return '';
    }
    return value >= 1e6 ? value / 1e6 + 'M' : value >= 1e3 ? value / 1e3 + 'k' : String(value);
}

// Fills the chart and its table, a slice of at most about 20 ms a frame
// (or one size, where one takes longer), smallest sizes first: the sorts'
// code is then optimised by the time the largest sizes come, and the page
// keeps answering.
async function fill(runNumber, n, seedValue, orderName, program)
{
    // 1, then 40 sizes evenly up to the largest.
    const points = [1, ...Array.from({length: 40}, (_, i) => program.max / 40 * (i + 1))];
    if (n >= 1 && !points.includes(n)) {
        points.push(n);
        points.sort((a, b) => a - b);
    }
    const progress = element('progress');
    progress.max = points.length;
    const table = element('points');
    const body = table.tBodies[0];
    const columns = ['values', ...program.sorts.map((sort) => sort.name)];
    if (table.tHead.rows[0].cells.length !== columns.length) {
        table.tHead.rows[0].replaceChildren(...columns.map(
            (column) => Object.assign(document.createElement('th'), {scope: 'col', textContent: column})));
    }
    body.replaceChildren();
    element('chart-note').textContent = '';
    element('progress-text').textContent = 'filling';
    chart?.destroy();
    chart = null;
    const generated = orderName === 'generated';
    // The report first: the chart waits until it is on the screen.
    await painted();
    performance.mark('shown');
    const Plot = await chartLibrary();
    if (runNumber !== fills) {
        return;
    }
    const plot = draw(Plot, program, n, generated);
    const data = [[], ...program.sorts.map(() => [])];
    let zeros = 0;
    while (data[0].length < points.length) {
        const slice = performance.now();
        let took;  // by the last size: the next one takes about as long
        do {
            const began = performance.now();
            const size = points[data[0].length];
            const row = [size, ...program.counts(size, seedValue, orderName)];
            row.forEach((value, i) => data[i].push(value));
            zeros += row.filter((value) => value === 0).length;
            const cells = row.map((value) => Object.assign(document.createElement('td'), {textContent: value}));
            if (size === n) {
                cells[0].textContent += ' (your run)';
            }
            body.insertRow().append(...cells);
            took = performance.now() - began;
        } while (data[0].length < points.length && performance.now() - slice + took < 20);
        progress.value = data[0].length;
        element('progress-text').textContent = `${data[0].length} of ${points.length} sizes`;
        plot.real = data;
        // A log scale has no 0: such counts sit on its floor, 1, and the note says so.
        const shown = data.map((values, i) => i === 0 ? values : values.map((value) => Math.max(value, 1)));
        const curve = (f) => data[0].map((x) => x > 1 ? f(x) : null);
        const expected = generated ? [curve((x) => x * (x - 1) / 4), curve((x) => x * Math.log2(x))] : [];
        plot.setData([...shown, ...expected]);
        await painted();
        if (runNumber !== fills) {
            return;
        }
    }
    element('progress-text').textContent = `done: ${points.length} sizes, values ${arranged(orderName)}`;
    element('chart-note').textContent = `${chosen[orderName]} ` +
        (n === 0 ? 'A run of 0 values has no point on the chart. ' : '') +
        (zeros ? `${zeros} of the counts are 0, which a log scale cannot show: they are drawn on its floor, at 1.` :
                 '');
}

// A new chart for one run: the three counts, the expected curves for
// generated values, and a line at the number of values asked for.
function draw(Plot, program, n, generated)
{
    const holder = element('chart');
    const series = [
        {label: 'values'},
        ...program.sorts.map((sort, i) => ({
                                 label: `${sort.name} sort: ${sort.counted}`,
                                 stroke: colours[i],
                                 width: 2,
                                 points: {size: 6},
                                 value: (u, v, s, at) => u.real?.[s][at] ?? '-'
                             })),
    ];
    if (generated) {
        series.push({
            label: 'expected for insertion sort, n(n\u22121)/4',
            stroke: colours[0],
            dash: [6, 5],
            points: {show: false}
        });
        series.push(
            {label: 'expected for merge sort, n log2 n', stroke: colours[1], dash: [6, 5], points: {show: false}});
    }
    chart = new Plot(
        {
            width: holder.clientWidth,
            legend: {live: false},
            height: 320,
            series,
            scales: {x: {time: false, range: [0, program.max]}, y: {distr: 3, range: [1, 1e8]}},
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
        [[], ...program.sorts.map(() => []), ...(generated ? [[], []] : [])], holder);
    return chart;
}

addEventListener('resize', () => chart?.setSize({width: element('chart').clientWidth, height: 320}));

let fills = 0;       // each fill stops the one before
let charted = null;  // the generated run the chart is of, in words

// Says what the chart is of when the run shown is not: own, of the learner's
// values, which it never shows; or clears that.
function kept(own)
{
    const about = 'Your own values are not on this chart, which is of generated values';
    element('charted').hidden = own && !charted;
    element('chart-kept').textContent = !own ? '' :
        charted                              ? `${about}: it still shows the last generated run, ${charted}.` :
                                               `${about}, and no generated run is on it yet: choose Run for one.`;
}

// For a run of the learner's own values: the chart of the last generated run stays, and says so.
export const keep = () => kept(true);

// No chart while the counts are held back: the last one is stopped and cleared.
export function hold()
{
    ++fills;
    charted = null;
    kept(false);
    chart?.destroy();
    chart = null;
    element('points').tBodies[0].replaceChildren();
    element('chart-note').textContent = '';
    element('progress').value = 0;
    element('progress-text').textContent = 'held back until you guess the counts';
}

// Fills the chart for a run of n values from seed in the order named, with
// counts from the program; on a failure the progress says so and the promise
// rejects, unless a later run has taken over.
export function show(n, seedValue, orderName, program)
{
    const runNumber = ++fills;
    charted = `${n} values, seed ${seedValue}, ${arranged(orderName)}`;
    kept(false);
    return fill(runNumber, n, seedValue, orderName, program).catch((error) => {
        if (runNumber === fills) {
            element('progress-text').textContent = 'failed';
            throw error;
        }
    });
}
