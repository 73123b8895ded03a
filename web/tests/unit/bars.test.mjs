// The race's bars in device pixels: each bar's rectangle, and the image of
// them that is put on the canvas in place of a rectangle drawn a bar.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {rect, rows, write} from '../../src/view/bars.js';

test('a bar from its value\'s height to the floor, a column apart where columns are 4 wide', () => {
    // Values 10..19 over 10 rows: the least is a row high, the greatest the whole band.
    const band = {width: 8, n: 2, ratio: 1, least: 10, greatest: 19};
    const bar = (changed, i, value, upper, lower) => rect({...band, ...changed}, i, value, upper, lower, []);
    assert.deepEqual(bar({}, 0, 19, 0, 10), [0, 0, 3, 10]);
    assert.deepEqual(bar({}, 1, 10, 0, 10), [4, 9, 3, 1]);
    // Columns of 1.5 pixels, and of 1: side by side, each bar to the next one's left edge.
    assert.deepEqual(bar({width: 3}, 0, 14, 20, 30), [0, 25, 1, 5]);
    assert.deepEqual(bar({width: 3}, 1, 14, 20, 30), [1, 25, 2, 5]);
    assert.deepEqual(bar({width: 2}, 1, 14, 20, 30), [1, 25, 1, 5]);
    // Thinner than a pixel: a dot, a device pixel square, which for the least value reaches below the floor.
    assert.deepEqual(bar({width: 7, n: 20, ratio: 2}, 19, 10, 0, 10), [6, 9, 2, 2]);
});

test('the image holds every pixel of the bars asked, as a canvas fills their rectangles', () => {
    for (const [width, n, ratio, upper, lower, from, to] of [
             [7, 20, 1, 0, 10, 0, 20],      // dots, the least values' just below the band
             [14, 40, 2, 0, 20, 0, 40],     // dots two pixels square
             [40, 5, 1, 12, 22, 1, 3],      // some bars apart, in a band below the top
             [30, 20, 1, 0, 100, 0, 20],    // bars of one or two columns, side by side
             [45, 10, 1.5, 0, 150, 0, 10],  // bars at 1.5 device pixels a CSS pixel, on whole pixels still
    ]) {
        const values = Array.from({length: n}, (_, i) => (i * 7) % 11);
        const band = {width, n, ratio, least: 0, greatest: 10};
        const height = rows(band, upper, lower);
        const image = new Uint32Array(width * height);
        write(band, image, values, from, to, upper, lower, (i) => i + 1);
        const filled = new Uint32Array(width * height);
        for (let i = from; i < to; i++) {
            const [left, y, w, h] = rect(band, i, values[i], upper, lower, []);
            for (let row = y; row < y + h; row++) {
                assert.ok(
                    row >= upper && row < upper + height, `bar ${i}'s row ${row} is in the image (${width}, ${n})`);
                for (let x = left; x < Math.min(left + w, width); x++) {
                    filled[(row - upper) * width + x] = i + 1;
                }
            }
        }
        assert.deepEqual(image, filled, `${n} values on ${width} pixels`);
    }
});

test('an image as high as its band, or none where a bar\'s edges would fall between pixels', () => {
    const band = {width: 45, n: 10, ratio: 1.25, least: 0, greatest: 10};
    for (const [n, upper, lower, taken] of [
             [10, 0, 125, 125],
             [10, 12, 22, 10],
             [45, 0, 125, 125],  // bars a pixel wide, not dots
             [10, 165, 227.5, 0],
             [10, 0.5, 100, 0],
             [100, 0, 125, 0],  // dots 1.25 pixels square
    ]) {
        assert.equal(rows({...band, n}, upper, lower), taken, `${n} values from ${upper} to ${lower}`);
    }
});
