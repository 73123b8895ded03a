// The chart of how the counts grow with the number of values, for the seed
// and arrangement of the last run of generated values, and its table of
// points. Reached through show, keep and hold; the chart library runs the
// first time a chart is drawn (library.js), and draws it (plot.js).
import {amount} from '../amount.js';
import {arranged, asGiven, chosen} from '../arranged.js';
import {element, painted} from '../dom.js';

import {chartLibrary} from './library.js';
import {curves, plot} from './plot.js';

let chart = null;
let charting = null;  // the run being charted: a later one stops its fill
let charted = null;   // the generated run on the chart, in words

// Fills the chart and its table for run, a slice of at most about 20 ms a
// frame (or one size, where one takes longer), smallest sizes first: the
// sorts' code is then optimised by the time the largest sizes come, and the
// page keeps answering.
async function fill(run, program)
{
    const {n, seed, arrangement} = run;
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
    // The report first: the chart waits until it is on the screen.
    await painted();
    performance.mark('shown');
    const Plot = await chartLibrary();
    if (run !== charting) {
        return;
    }
    const random = asGiven(arrangement);
    chart = plot(Plot, element('chart'), program, n, random);
    const data = [[], ...program.sorts.map(() => [])];
    let zeros = 0;
    while (data[0].length < points.length) {
        const slice = performance.now();
        let took;  // by the last size: the next one takes about as long
        do {
            const began = performance.now();
            const size = points[data[0].length];
            const row = [size, ...program.counts(size, seed, arrangement)];
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
        // A log scale has no 0: such counts sit on its floor, 1, and the note says so.
        const floored = data.map((values, i) => i === 0 ? values : values.map((value) => Math.max(value, 1)));
        chart.setData([...floored, ...curves(program.sorts, data[0], random)]);
        await painted();
        if (run !== charting) {
            return;
        }
    }
    element('progress-text').textContent = `done: ${points.length} sizes, values ${arranged(arrangement)}`;
    element('chart-note').textContent = `${chosen(arrangement)} ` +
        (n === 0 ? 'A run of 0 values has no point on the chart. ' : '') +
        (zeros ? `${zeros} of the counts are 0, which a log scale cannot show: they are drawn on its floor, at 1.` :
                 '');
}

addEventListener('resize', () => chart?.setSize({width: element('chart').clientWidth, height: 320}));

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
    charting = charted = null;
    kept(false);
    chart?.destroy();
    chart = null;
    element('points').tBodies[0].replaceChildren();
    element('chart-note').textContent = '';
    element('progress').value = 0;
    element('progress-text').textContent = 'held back until you guess the counts';
}

// Fills the chart for a run of generated values (program.generated's), with
// counts from the program; on a failure the progress says so and the promise
// rejects, unless a later run has taken over.
export function show(run, program)
{
    charting = run;
    charted = `${amount(run.n, 'value')}, seed ${run.seed}, ${arranged(run.arrangement)}`;
    kept(false);
    return fill(run, program).catch((error) => {
        if (run === charting) {
            element('progress-text').textContent = 'failed';
            throw error;
        }
    });
}
