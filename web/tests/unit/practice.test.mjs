// A sort done by hand in words, and the record of the attempts: each sentence as the learner reads it.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {answered, answers, nextSeed, question, refusedSort, score} from '../../src/choices.js';
import {csv, message} from '../../src/record.js';

import {sorts} from './sorts.mjs';

// Choices as the program gives them (run.practice), with the marks each sort's questions use.
const inserting = {
    answer: 'exchange',
    values: [5, 412, 97, 8],
    at: 2,
    other: 1,
    low: 0,
    high: 2
};
const merging = {
    answer: 'left',
    values: [3, 9, 3, 7],
    scratch: [3, 9, 5, 7],
    low: 0,
    mid: 1,
    high: 3,
    at: 1,
    left_next: 1,
    right_next: 2
};
const partitioning = {
    answer: 'greater',
    values: [6, 2, 9, 1, 4],
    low: 0,
    high: 4,
    pivot: 6,
    at: 2,
    less_end: 1,
    greater_start: 5
};

test('each sort\'s question, with its positions and values', () => {
    for (const [sortName, choice, said] of [
             ['insertion', inserting, 'Inserting 97 at position 2; its left neighbour is 412.'],
             [
                 'merge', merging,
                 'Merging positions 0 to 1 with 2 to 3, writing position 1: the left run\'s front is 9, the right ' +
                     'run\'s 5.'
             ],
             ['quick', partitioning, 'Partitioning positions 0 to 4 around the pivot 6: examining 9 at position 2.'],
    ]) {
        assert.equal(question(sortName, choice), said);
    }
});

test('a right answer, and each wrong one with this step\'s numbers', () => {
    const greater = {...partitioning, values: [6, 2, 4, 1, 9], greater_start: 4};
    for (const [choice, given, next, said] of [
             [inserting, 'exchange', null, 'Right.'],
             [inserting, 'leave', null, 'No: 97 is less than 412, so they are exchanged.'],
             [
                 {...inserting, answer: 'leave', at: 1, other: 0}, 'exchange', null,
                 'No: 412 is not less than 5, so it stays at position 1.'
             ],
             [{...merging, answer: 'right'}, 'left', null, 'No: 5 is less than 9, so the right run\'s 5 is written.'],
             [{...merging, left_next: 0}, 'right', null, 'No: 3 is less than 5, so the left run\'s 3 is written.'],
             [
                 {...merging, answer: 'right', scratch: [3, 5, 5, 7]}, 'left', null,
                 'No: the fronts are equal, and on equal values the right run\'s goes first, as the program\'s merge ' +
                     'does.'
             ],
             [
                 {...partitioning, answer: 'less', at: 3}, 'greater', null,
                 'No: 1 is less than the pivot 6, so it is exchanged into position 2, the less region\'s new end.'
             ],
             [
                 {...partitioning, answer: 'equal', values: [6, 2, 6]}, 'less', partitioning,
                 'No: 6 equals the pivot, so it stays, in the equal region.'
             ],
             // After a greater value, the one brought in from the right is examined next, at the same position.
             [
                 partitioning, 'equal', greater,
                 'No: 9 is greater than the pivot 6, so it is exchanged into position 4, the greater region\'s new ' +
                     'start. 4, brought in from the right, is examined next.'
             ],
             [partitioning, 'greater', greater, 'Right. 4, brought in from the right, is examined next.'],
             // Or nothing, where the partition ended: the next choice is another's, or there is none.
             [partitioning, 'greater', {...greater, low: 3}, 'Right.'],
             [partitioning, 'greater', {...greater, high: 2}, 'Right.'],
             [partitioning, 'greater', undefined, 'Right.'],
    ]) {
        assert.equal(answered(choice, given, next), said, `${choice.answer} answered ${given}`);
    }
});

test('each sort\'s answers, as its buttons name them, each with a key of its own', () => {
    const named = (sort) => sort.answers.map((name) => `${answers[name].label} (${answers[name].key})`);
    assert.deepEqual(sorts.map(named), [
        ['Exchange (e)', 'Leave it (l)'],
        ['Left run (l)', 'Right run (r)'],
        ['Less (l)', 'Equal (e)', 'Greater (g)'],
    ]);
});

test('the score, a link\'s refused sort and the next seed', () => {
    assert.equal(score(3, 5, false), 'Right: 3 of 5.');
    assert.equal(score(5, 5, true), 'Right: 5 of 5. Model answer shown.');
    assert.equal(
        refusedSort('bogus', sorts.map((sort) => sort.name)),
        'There is no sort "bogus": choose insertion, merge or quick.');
    assert.deepEqual(
        [41, 2147483647, -2147483648].map((seed) => nextSeed(seed, [-2147483648, 2147483647])),
        [42, -2147483648, -2147483647]);
});

test('the attempts as CSV, and as the message to a page that frames this one', () => {
    const attempt = {
        finished: new Date(2026, 0, 5, 9, 7, 30),
        sort: 'quick',
        n: 8,
        link: '?values=3,1,"2"&list=n&order=generated&practice=quick',
        right: 6,
        questions: 9,
        modelShown: true,
    };
    assert.equal(
        csv([attempt, {...attempt, link: '?count=8&seed=1', modelShown: false}]),
        'Date and time,Sort,Values,Link,Right,Questions,Model answer\r\n' +
            '2026-01-05 09:07,quick,8,"?values=3,1,""2""&list=n&order=generated&practice=quick",6,9,' +
            'model answer shown\r\n' +
            '2026-01-05 09:07,quick,8,?count=8&seed=1,6,9,\r\n');
    assert.deepEqual(message(attempt, 17), {
        type: 'sort-compare-attempt',
        version: 1,
        sort: 'quick',
        values: 8,
        right: 6,
        questions: 9,
        count: 17,
        modelShown: true,
        finished: attempt.finished.toISOString(),
    });
    assert.match(message(attempt, 17).finished, /^2026-01-0[45]T\d\d:07:30\.000Z$/);
});
