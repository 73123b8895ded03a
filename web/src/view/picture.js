// A sort's picture: its values as bars, or dots where bars would be thinner
// than a pixel, with what the sort is doing marked below them (marks.js).
import {marks} from './marks.js';
import {part} from './panels.js';
import {Pen} from './pen.js';

// The picture's size in device pixels, as laid out: read before any words of
// a step are written, it costs no layout of its own.
export function size(race, sort)
{
    const canvas = part(race, sort, 'picture');
    const ratio = devicePixelRatio || 1;
    return [Math.max(1, Math.round(canvas.clientWidth * ratio)), Math.round(canvas.clientHeight * ratio)];
}

export function draw(race, sort, state, [width, height] = size(race, sort))
{
    const canvas = part(race, sort, 'picture');
    const ratio = devicePixelRatio || 1;
    if (canvas.width !== width || canvas.height !== height) {
        Object.assign(canvas, {width, height});
    }
    const context = canvas.getContext('2d');
    context.clearRect(0, 0, width, height);
    const pen = new Pen(context, ratio, width, race.n, race.least, race.greatest);
    pen.bars(state.values, 0, race.n, 0, pen.barsHeight);
    if (race.n > 0 && state.step > 0 && state.step < state.count) {
        marks[race.sorts[sort].name](pen, state);
    }
}
