// A sort's picture: its values as bars, or dots where bars would be thinner
// than a pixel, with what the sort is doing marked below them (marks.js).
import {marks} from './marks.js';
import {part} from './panels.js';
import {Pen} from './pen.js';

export function draw(race, sort, state)
{
    const canvas = part(race, sort, 'picture');
    const ratio = devicePixelRatio || 1;
    const width = Math.max(1, Math.round(canvas.clientWidth * ratio));
    const height = Math.round(canvas.clientHeight * ratio);
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
