// Drawing on a sort's picture: its positions 0..n-1 are columns of its whole
// width. From the top, in CSS pixels: the bars, 100; the marks' shapes, 20;
// the ranges, 20; for merge, the scratch array's bars, 50, and their marks;
// for quick, the ranges waiting.
import {styled} from '../dom.js';

import {barTop, rect, rows, write} from './bars.js';

// The marks' colours, from the style, read once.
let colours = null;
export const colour = () => colours ??=
    Object.fromEntries(['bar', 'at', 'other', 'faded', 'line'].map((role) => [role, styled(`--${role}`)]));

export class Pen {
    // n values from least to greatest on the canvas's context, ratio device pixels a CSS pixel.
    constructor(context, ratio, width, n, least, greatest)
    {
        Object.assign(this, {context, ratio, width, n, least, greatest});
        this.barsHeight = 100 * ratio;
        this.rangeRow = this.barsHeight + 22 * ratio;
        context.font = `${12 * ratio}px sans-serif`;
        context.textBaseline = 'top';
    }
    x(i) { return i * this.width / this.n; }
    // The top of value's bar between upper and lower (bars.js).
    y(value, upper, lower) { return barTop(this, value, upper, lower); }
    // Position i's bar, value high between upper and lower, filled, with a shape below it.
    mark(i, value, fill, shape, upper = 0, lower = this.barsHeight)
    {
        const {context, ratio} = this;
        const left = this.x(i);
        const w = Math.max(this.x(i + 1) - left, 2 * ratio);
        const y = this.y(value, upper, lower);
        context.fillStyle = fill;
        context.fillRect(left, y, w, Math.max(lower - y, 3 * ratio));
        glyph(context, shape, left + w / 2, lower + 2 * ratio, ratio, fill);
    }
    // A line under positions from..to at height y, dashed as asked, with a label below its start.
    line(from, to, y, label = '', dash = [])
    {
        if (from > to) {
            return;
        }
        const {context, ratio} = this;
        context.strokeStyle = context.fillStyle = colour().line;
        context.lineWidth = 2 * ratio;
        context.setLineDash(dash.map((d) => d * ratio));
        context.beginPath();
        context.moveTo(this.x(from) + ratio, y);
        context.lineTo(Math.max(this.x(to + 1) - ratio, this.x(from) + 2 * ratio), y);
        context.stroke();
        context.setLineDash([]);
        if (label) {
            context.fillText(label, this.x(from), y + 2 * ratio);
        }
    }
    // Bars for values[from..to-1], from the bottom up. Where their edges fall on whole device pixels, they are
    // written as pixels into one image, put on the canvas at once: a call per bar, up to 15,000 a frame, kept WebKit
    // from drawing a frame in time. The image's rows replace the canvas's, which hold nothing yet: the bars are drawn
    // first in their band.
    bars(values, from, to, upper, lower, fill = () => colour().bar)
    {
        const {context} = this;
        const taken = rows(this, upper, lower);
        let last = null;
        if (taken) {
            const image = blank(context, taken);
            let paint = 0;
            const colourOf = (i) => {
                const f = fill(i);
                if (f !== last) {
                    paint = pixel(last = f);
                }
                return paint;
            };
            write(this, new Uint32Array(image.data.buffer), values, from, to, upper, lower, colourOf);
            context.putImageData(image, 0, upper);
            return;
        }
        for (let i = from; i < to; i++) {
            const f = fill(i);
            if (f !== last) {
                context.fillStyle = last = f;
            }
            context.fillRect(...rect(this, i, values[i], upper, lower, []));
        }
    }
}

// An image as wide as the context's canvas and height rows high, all of it
// transparent: kept for each canvas and height, made anew when the canvas's
// width changes.
const images = new WeakMap();
function blank(context, height)
{
    const kept = images.get(context) ?? new Map();
    images.set(context, kept);
    let image = kept.get(height);
    if (image?.width !== context.canvas.width) {
        image = context.createImageData(context.canvas.width, height);
        kept.set(height, image);
    } else {
        new Uint32Array(image.data.buffer).fill(0);
    }
    return image;
}

// A colour's pixel as a canvas writes it, in the byte order of its image data.
const written = new Map();
let probe = null;
function pixel(fill)
{
    if (!written.has(fill)) {
        probe ??= Object.assign(document.createElement('canvas'), {width: 1, height: 1}).getContext('2d');
        probe.clearRect(0, 0, 1, 1);
        probe.fillStyle = fill;
        probe.fillRect(0, 0, 1, 1);
        written.set(fill, new Uint32Array(probe.getImageData(0, 0, 1, 1).data.buffer)[0]);
    }
    return written.get(fill);
}

// The shapes under marked bars, so that the marks do not rest on colour alone.
export function glyph(context, shape, cx, upper, ratio, fill)
{
    const r = 5 * ratio;
    context.fillStyle = fill;
    context.beginPath();
    if (shape === 'triangle') {
        context.moveTo(cx, upper);
        context.lineTo(cx + r, upper + 1.7 * r);
        context.lineTo(cx - r, upper + 1.7 * r);
    } else if (shape === 'diamond') {
        context.moveTo(cx, upper);
        context.lineTo(cx + r, upper + r);
        context.lineTo(cx, upper + 2 * r);
        context.lineTo(cx - r, upper + r);
    } else {
        context.arc(cx, upper + r, r, 0, 2 * Math.PI);
    }
    context.fill();
}
