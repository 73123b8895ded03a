// The page's words for a run: each ledger, each operation, each sort's reason and each arrangement, from the
// program's numbers for it, as the learner should read them.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {arranged, chosen, label, theValues} from '../../src/arranged.js';
import {sentence} from '../../src/reasons.js';
import {legends} from '../../src/view/marks.js';
import {ledger, operation} from '../../src/view/words.js';

import {arrangements, sorts} from './sorts.mjs';

test('a ledger before a sort\'s first operation, at each, and past its last', () => {
    const state = {count: 40, step: 12, low: 3, high: 9, depth: 2, levels: 5};
    for (const [sortName, at, step, said] of [
             ['insertion', {count: 0}, 0, 'nothing to do'],
             ['quick', {count: 0}, 7, 'nothing to do'],
             ['merge', state, 0, 'nothing done yet'],
             ['insertion', state, 12, 'inversions left: 28'],
             ['insertion', {...state, step: 40}, 40, 'inversions left: 0'],
             ['merge', state, 12, 'merging 7 values, depth 2 of 5'],
             ['quick', state, 12, 'partition of 7 values, depth 2'],
             ['quick', {...state, step: 40}, 41, 'nothing more: it ended at step 40'],
    ]) {
        assert.equal(ledger(sortName, at, step), said, `${sortName} at step ${step}`);
    }
});

test('each operation in words, with its positions and values', () => {
    const values = [5, 97, 412, 7, 8];
    for (
        const [sortName, state, said] of [
            [
                'insertion', {high: 3, other: 2, at: 1},
                'Inserting the value from position 3: it moved left, exchanged with 412, and is now at position 1. ' +
                    'Positions 0 to 3 are the part being sorted.'
            ],
            [
                'merge', {low: 0, mid: 1, high: 3, at: 2, other: 1},
                'Merging positions 0 to 1 with 2 to 3: wrote 412 at position 2, from position 1 of the scratch array ' +
                    '(the left run).'
            ],
            [
                'merge', {low: 0, mid: 1, high: 3, at: 0, other: 2},
                'Merging positions 0 to 1 with 2 to 3: wrote 5 at position 0, from position 2 of the scratch array ' +
                    '(the right run).'
            ],
            [
                'quick', {low: 0, high: 4, at: 3, other: 0, pivot: 97, pending: []},
                'Partitioning positions 0 to 4 around the pivot 97: examined 5 at position 3, less: exchanged into ' +
                    'position 0, the less region\'s end. 0 ranges wait to be sorted.'
            ],
            [
                'quick', {low: 1, high: 4, at: 2, other: 4, pivot: 7, pending: [[0, 0]]},
                'Partitioning positions 1 to 4 around the pivot 7: examined 8 at position 2, greater: exchanged into ' +
                    'position 4, the greater region\'s start. 1 range waits to be sorted.'
            ],
            [
                'quick', {low: 1, high: 4, at: 1, other: 1, pivot: 97, pending: [[0, 0], [3, 4]]},
                'Partitioning positions 1 to 4 around the pivot 97: examined 97 at position 1, equal: it stays. 2 ' +
                    'ranges wait to be sorted.'
            ],
    ]) {
        assert.equal(operation(sortName, {...state, values}), said);
    }
});

// The program's numbers for 22 values (run.explain), from their definitions: n(n-1)/4 and n(n-1)/2 pairs;
// ceil(log2 22) = 5 levels, 2^5 = 32, 22*5 - 32 + 22 = 100 writes.
const why = {
    n: 22,
    average: '115.5',
    pairs: 231,
    levels: 5,
    power: 32,
    writes: 100,
    partitions: 14,
    deepest: 5,
    firstLess: 0,
    firstGreater: 21,
    descending: 252,
    repeats: false,
    exchangedPairs: 3,
    generatedQuick: 90,
    counts: [120, 100, 99],
};
const run = (arrangement, own = false) => ({arrangement, own, n: 22});

test('each sort\'s reason, with the run\'s numbers and what its arrangement adds', () => {
    const insertion = 'Each exchange swaps two neighbours that are out of order, which removes exactly one ' +
        'inversion (a pair of values out of order), so the count is these values\' inversions: 120. Random orders ' +
        'of 22 distinct values have n(n−1)/4 = 115.5 on average, and no order has more than n(n−1)/2 = 231.';
    const quick = 'Each partition examines every value of its range, so the count, 99, is the sum of the ranges\' ' +
        'lengths: 14 partitions, the deepest at depth 5.';
    for (
        const [sortName, i, made, said] of [
            ['insertion', 0, run('generated'), insertion],
            [
                'insertion', 0, run('nearly-ascending'),
                insertion + ' Nearly ascending values have one inversion at most for each of the 3 pairs exchanged, ' +
                    'none where its two values are equal.'
            ],
            [
                'insertion', 0, run('few-distinct'),
                insertion + ' With ten distinct values a pair of equal values is no inversion: random orders of them ' +
                    'have n(n−1)/2 · 9/20 = 104.0 on average.'
            ],
            [
                'merge', 1, run('descending'),
                'Every merge writes back its whole range, and each depth of the recursion writes at most n values, so ' +
                    'the count depends on n alone: n·⌈log2 n⌉ − 2^⌈log2 n⌉ + n = 22·5 − 32 + 22 = 100, in merges at ' +
                    'most 5 deep.'
            ],
            ['quick', 2, run('generated'), quick],
            [
                'quick', 2, run('ascending'),
                quick +
                    ' On ascending values the first pivot is the smallest value, so the first partition leaves 21 ' +
                    'of the 22 values to sort above it and 0 below. The count is 9 above the generated order\'s 90.'
            ],
            [
                'quick', 2, run('nearly-ascending', true),
                quick + ' On nearly ascending values the first pivot is the second smallest value, so the first ' +
                    'partition leaves 21 of the 22 values to sort above it and 0 below. The count is 9 above that of ' +
                    'the values as typed, 90.'
            ],
            [
                'quick', 2, run('descending'),
                quick + ' On descending values each pivot was the largest value of its range, so its partition left ' +
                    'every other value in the less-than region. For 22 distinct values that gives n(n+1)/2 − 1 = 252.'
            ],
            [
                'quick', 2, run('few-distinct'),
                quick + ' Each of the ten distinct values is a pivot once at most, as its partition settles every ' +
                    'value equal to it, so there are ten partitions at most. The count is 9 above the generated ' +
                    'order\'s 90.'
            ],
    ]) {
        assert.equal(sentence(sortName, why, i, made), said, `${sortName}, ${made.arrangement}`);
    }
    assert.equal(
        sentence('quick', {...why, repeats: true, counts: [0, 0, 240]}, 2, run('descending')),
        'Each partition examines every value of its range, so the count, 240, is the sum of the ranges\' lengths: ' +
            '14 partitions, the deepest at depth 5. On descending values each pivot was the largest value of its ' +
            'range, so its partition left every other value in the less-than region. For 22 distinct values that ' +
            'would give n(n+1)/2 − 1 = 252; these values repeat, equal values end up beside their pivot, and the ' +
            'count comes out lower, at 240.');
    for (const [n, said] of [[1, /^Fewer than two values need no (merge|partition), so the count is 0\.$/], [2, /2/]]) {
        const few = {...why, n, partitions: 1, counts: [1, 2, 2]};
        ['merge', 'quick'].forEach(
            (sortName, i) => assert.match(sentence(sortName, few, i + 1, run('generated')), said));
    }
    // Against the values as they came: level with them, above and below.
    for (const [count, said] of [
             [90, 'The count is the same as the generated order\'s 90.'],
             [91, 'The count is 1 above the generated order\'s 90.'],
             [80, 'The count is 10 below the generated order\'s 90.']]) {
        assert.ok(sentence('quick', {...why, counts: [0, 0, count]}, 2, run('ascending')).endsWith(said));
    }
    assert.ok(sentence('quick', {...why, counts: [0, 0, 90]}, 2, run('ascending', true))
                  .endsWith('The count is the same as that of the values as typed, 90.'));
    assert.match(sentence('quick', {...why, partitions: 1}, 2, run('generated')), /: 1 partition, the deepest/);
    // One of a thing is no plural.
    for (const [few, made, said] of [
             [
                 {n: 1, average: '0.0', pairs: 0}, run('generated'),
                 'Random orders of 1 distinct value have n(n−1)/4 = 0.0 on average, and no order has more than ' +
                     'n(n−1)/2 = 0.'
             ],
             [
                 {n: 2, average: '0.5', pairs: 1, exchangedPairs: 1}, run('nearly-ascending'),
                 'Random orders of 2 distinct values have n(n−1)/4 = 0.5 on average, and no order has more than ' +
                     'n(n−1)/2 = 1. Nearly ascending values have one inversion at most for the 1 pair exchanged, ' +
                     'none where its two values are equal.'
             ],
             [
                 {n: 1, average: '0.0', pairs: 0, exchangedPairs: 0}, run('nearly-ascending'),
                 'n(n−1)/2 = 0. With fewer than two values, nearly ascending exchanges no pair.'
             ],
    ]) {
        assert.ok(sentence('insertion', {...why, ...few}, 0, made).endsWith(said), made.arrangement);
    }
});

test('the values of a run in words, in each arrangement', () => {
    for (
        const [made, arrangement, said] of [
            [{n: 10, own: false}, 'generated', 'the 10 values of this run, as generated'],
            [{n: 3, own: true}, 'generated', 'the 3 values you gave, as typed'],
            [{n: 1, own: false}, 'ascending', 'the 1 value of this run, in ascending order'],
            [{n: 1, own: true}, 'generated', 'the 1 value you gave, as typed'],
            [{n: 5000, own: false}, 'descending', 'the 5000 values of this run, in descending order'],
            [
                {n: 12, own: false}, 'nearly-ascending',
                'the 12 values of this run, nearly ascending (in ascending order, then the values at positions 10j and ' +
                    '10j + 1 exchanged)'
            ],
            [
                {n: 40, own: false}, 'few-distinct',
                'the 40 values of this run, each value v replaced, not reordered, by (v mod 10) + 1: ten distinct ' +
                    'values'
            ],
    ]) {
        assert.equal(theValues(made, arrangement), said);
    }
});

test('every arrangement and every mark has words of its own', () => {
    for (const words of [arrangements.map(label), arrangements.map(chosen), Object.values(legends).flat()]) {
        assert.ok(words.every((item) => /\w \w/.test(item) && !/<span[^>]*><\/span>/.test(item)), String(words));
        assert.equal(new Set(words).size, words.length);
    }
    // Each arrangement is on offer to show some sorts: its sentence names them.
    const shows = [['insertion', 'merge'], ['insertion', 'quick'], ['insertion', 'quick'], ['insertion'], ['quick']];
    arrangements.forEach((arrangement, i) => {
        const why = chosen(arrangement);
        assert.match(why, /^[A-Z].*\.$/);
        shows[i].forEach((sortName) => assert.ok(why.includes(`${sortName} sort`), `${arrangement}: ${sortName}`));
    });
    // Each mark's key, then its words, and at least three for each sort.
    assert.deepEqual(Object.keys(legends), sorts.map((sort) => sort.name));
    for (const items of Object.values(legends)) {
        assert.ok(items.length >= 3);
        assert.ok(items.every((item) => /^<span class="key \w+" aria-hidden="true">.+<\/span> \w/.test(item)));
    }
    assert.deepEqual(
        arrangements.map(arranged),
        ['as generated', 'in ascending order', 'in descending order', 'nearly ascending', 'as ten distinct values']);
});
