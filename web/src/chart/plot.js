// The chart itself, drawn by the chart library: a line of counts for each
// sort, in the sort's colour (the style's --insertion, --merge and --quick),
// with the curves expected on random values, and a line at the run's number
// of values.
import {amount} from '../amount.js';
import {styled} from '../dom.js';

// The curves expected on random values, by the sort's name.
const expected = {
    insertion: {label: 'expected for insertion sort, n(n\u22121)/4', at: (x) => x * (x - 1) / 4},
    merge: {label: 'expected for merge sort, n log2 n', at: (x) => x * Math.log2(x)},
};

// The sorts that have a curve, in the program's order.
const curved = (sorts) => sorts.filter((sort) => expected[sort.name]);

// The log axis's labels: the powers of ten alone, as 1, 10, 100, 1k, ... 1M.
function compact(value)
{
    if (!Number.isInteger(Math.log10(value))) {
        return '';
    }
    return value >= 1e6 ? value / 1e6 + 'M' : value >= 1e3 ? value / 1e3 + 'k' : String(value);
}

// The curves' points at the chart's numbers of values (xs), for random values; none for others.
export const curves = (sorts, xs, random) =>
    random ? curved(sorts).map((sort) => xs.map((x) => x > 1 ? expected[sort.name].at(x) : null)) : [];

// A new chart in holder, with the chart library's constructor (Plot), for the
// program's sorts, up to its largest number of values, of random values or
// not, with a line at n values, its run. Its data come by setData.
export function plot(Plot, holder, program, n, random)
{
    const line = (sort) => ({
        label: `${sort.name} sort: ${sort.counted}`,
        stroke: styled(`--${sort.name}`),
        width: 2,
        points: {size: 6},
    });
    const curve = (sort) =>
        ({label: expected[sort.name].label, stroke: styled(`--${sort.name}`), dash: [6, 5], points: {show: false}});
    const series = [{label: 'values'}, ...program.sorts.map(line), ...(random ? curved(program.sorts) : []).map(curve)];
    return new Plot(
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
            hooks: {draw: [(u) => n >= 1 && yourRun(u, n)]},
        },
        series.map(() => []), holder);
}

// A dotted line at n values, labelled, on the chart u.
function yourRun(u, n)
{
    const x = u.valToPos(n, 'x', true);
    const {ctx} = u;
    ctx.save();
    ctx.strokeStyle = ctx.fillStyle = styled('--line');
    ctx.setLineDash([2, 3]);
    ctx.beginPath();
    ctx.moveTo(x, u.bbox.top);
    ctx.lineTo(x, u.bbox.top + u.bbox.height);
    ctx.stroke();
    ctx.font = `${Math.round(12 * devicePixelRatio)}px sans-serif`;
    const label = ` your run: ${amount(n, 'value')} `;
    const fits = x + ctx.measureText(label).width <= u.bbox.left + u.bbox.width;
    ctx.textAlign = fits ? 'left' : 'right';
    ctx.fillText(label, x, u.bbox.top + 14 * devicePixelRatio);
    ctx.restore();
}
