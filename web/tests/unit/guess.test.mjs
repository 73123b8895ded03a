// How far off a guess is, and the lines that say so.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {against, farOff} from '../../src/guess.js';

import {sorts} from './sorts.mjs';

test('how far off a guess is, at each boundary', () => {
    for (const [guess, count, said] of [
             [100, 100, 'exact'],
             [0, 0, 'exact'],
             [95, 100, 'within 5%'],
             [105, 100, 'within 5%'],
             [94, 100, '1.1 times too low'],
             [106, 100, '1.1 times too high'],
             [0, 100, 'too low: the count is 100'],
             [7, 0, 'too high: the count is 0'],
             [1, 100, '100 times too low'],
             [40, 100, '2.5 times too low'],
             [333, 100, '3.3 times too high'],
             [2147483647, 100, '21000000 times too high'],
             [1, 12497380, '12000000 times too low'],
             [19, 20, 'within 5%'],
             [21, 20, 'within 5%'],
             [1, 2, '2 times too low'],
             [199, 200, 'within 5%'],
    ]) {
        assert.equal(farOff(guess, count), said, `${guess} against ${count}`);
    }
});

test('each sort\'s line, with no guess where none was given', () => {
    assert.deepEqual(against(sorts, [null, 148, 0], [120, 148, 7]), [
        'Insertion sort: no guess; the count is 120.',
        'Merge sort: your guess 148, the count 148: exact.',
        'Quick sort: your guess 0, the count 7: too low: the count is 7.',
    ]);
});
