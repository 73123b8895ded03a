// What each sort is doing, marked on its picture with a pen (pen.js), and
// the legend that says what its marks mean. By the sort's name.
import {colour, glyph} from './pen.js';

const key = (kind, symbol) => `<span class="key ${kind}" aria-hidden="true">${symbol}</span>`;

export const legends = {
    insertion: [
        `${key('at', '&#x25B2;')} the element being inserted`,
        `${key('other', '&#x25CF;')} the element it was just exchanged with`,
        `${key('line', '&#x2501;')} under the part being sorted`,
    ],
    merge: [
        `${key('at', '&#x25B2;')} the position just written`,
        `${key('other', '&#x25CF;')} in the scratch array below: the element written there`,
        `${key('line', '&#x2501;')} the left run, and <span class="dashed">- -</span> the right run, being merged`,
        `${key('line', '&#x25C6;')} each run's next element in the scratch array; pale bars are written back already`,
    ],
    quick: [
        `${key('at', '&#x25B2;')} the element examined, where it went`,
        `${key('other', '&#x25CF;')} the element it was exchanged with`,
        `${key('line', '- - -')} across the bars: the pivot's value`,
        `${key('line', '&lt; = &gt;')} under the bars: the less, equal and greater regions so far`,
        `${key('line', '&middot;&middot;&middot;&middot;&middot;')} below them: the ranges waiting to be sorted`,
    ],
};

export const marks = {
    insertion(pen, m) {
        pen.line(0, m.high, pen.rangeRow);
        pen.mark(m.other, m.values[m.other], colour().other, 'circle');
        pen.mark(m.at, m.values[m.at], colour().at, 'triangle');
    },

    merge(pen, m) {
        const {context, ratio} = pen;
        pen.line(m.low, m.mid, pen.rangeRow);
        pen.line(m.mid + 1, m.high, pen.rangeRow, '', [4, 3]);
        const upper = pen.rangeRow + 10 * ratio;
        const lower = upper + 50 * ratio;
        const written = (i) => i < m.leftNext || (i > m.mid && i < m.rightNext);
        pen.bars(m.scratch, m.low, m.high + 1, upper, lower, (i) => written(i) ? colour().faded : colour().bar);
        for (const [next, end] of [[m.leftNext, m.mid], [m.rightNext, m.high]]) {
            if (next <= end) {
                glyph(context, 'diamond', (pen.x(next) + pen.x(next + 1)) / 2, lower + 2 * ratio, ratio, colour().line);
            }
        }
        if (m.at >= 0) {
            pen.mark(m.other, m.scratch[m.other], colour().other, 'circle', upper, lower);
            pen.mark(m.at, m.values[m.at], colour().at, 'triangle');
        }
    },

    quick(pen, m) {
        const {context, ratio} = pen;
        for (const range of m.pending) {
            pen.line(range.low, range.high, pen.rangeRow + 18 * ratio, '', [2, 3]);
        }
        pen.line(m.low, m.lessEnd, pen.rangeRow, '<');
        pen.line(m.lessEnd + 1, m.next - 1, pen.rangeRow, '=');
        pen.line(m.greaterStart, m.high, pen.rangeRow, '>');
        const y = pen.y(m.pivot, 0, pen.barsHeight);
        context.strokeStyle = colour().line;
        context.lineWidth = ratio;
        context.setLineDash([6 * ratio, 4 * ratio]);
        context.beginPath();
        context.moveTo(pen.x(m.low), y);
        context.lineTo(pen.x(m.high + 1), y);
        context.stroke();
        context.setLineDash([]);
        // The element examined went to other; at holds what it was exchanged with.
        if (m.at >= 0) {
            pen.mark(m.other, m.values[m.other], colour().at, 'triangle');
            if (m.other !== m.at) {
                pen.mark(m.at, m.values[m.at], colour().other, 'circle');
            }
        }
    },
};
