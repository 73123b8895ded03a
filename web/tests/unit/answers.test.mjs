// A run's answers: read from a link, written into one, and said in the status line.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {counted, described, fromLink, query, refusals} from '../../src/answers.js';

import {arrangements, sorts} from './sorts.mjs';

const fields = {
    count: '10',
    seed: '42'
};

test(
    'a link fills the forms: its values over its count and seed, the list\'s answer read as the program reads it',
    () => {
        const cases = [
            ['', {values: '', count: '10', seed: '42', list: false, guess: false, order: 'generated', own: false}],
            [
                'count=7&seed=-3&list=y&guess=1&order=descending',
                {count: '7', seed: '-3', list: true, guess: true, order: 'descending', unlisted: null}
            ],
            ['list=%20%20yes', {list: true}],
            ['list=Y', {list: false}],
            ['list=ny', {list: false}],
            ['guess=yes', {guess: false}],
            ['values=', {values: '', own: true}],
            ['values=3,1,2&count=7', {values: '3,1,2', count: '7', own: true}],
            ['order=sideways', {order: 'sideways', unlisted: 'sideways'}],
            ['order=few-distinct', {order: 'few-distinct', unlisted: null}],
        ];
        for (const [search, expected] of cases) {
            const filled = fromLink(new URLSearchParams(search), fields, arrangements);
            for (const [field, value] of Object.entries(expected)) {
                assert.equal(filled[field], value, `${search}: ${field}`);
            }
        }
    });

test('a link\'s query keeps a list\'s commas, and escapes what an address must', () => {
    for (const [answers, expected] of [
             [{}, ''],
             [{values: '3,-1,2', list: 'y'}, '?values=3,-1,2&list=y'],
             [{count: ' 7', seed: '+7', step: 40}, '?count=+7&seed=%2B7&step=40'],
             [{values: '1\n2&3'}, '?values=1%0A2%263'],
    ]) {
        assert.equal(query(answers), expected);
    }
});

test('what a run holds in a link, and the start of its status line', () => {
    const generated = {own: false, n: 10, seed: 42, arrangement: 'descending'};
    assert.deepEqual(described(generated, {count: '010', seed: '+42'}, 'y'), {
        link: {count: '010', seed: '+42', list: 'y', order: 'descending'},
        ran: 'Ran 10 values, seed 42',
        unlinked: '',
    });
    const fits = {own: true, n: 1000, values: '1,'.repeat(1000).slice(0, -1) + '0', arrangement: 'generated'};
    assert.equal(fits.values.length, 2000);
    assert.deepEqual(described(fits, fields, 'n'), {
        link: {values: fits.values, list: 'n', order: 'generated'},
        ran: 'Ran your 1000 values',
        unlinked: '',
    });
    assert.equal(described({...generated, n: 1}, {count: '1', seed: '42'}, 'n').ran, 'Ran 1 value, seed 42');
    assert.equal(described({...fits, n: 1, values: '7'}, fields, 'n').ran, 'Ran your 1 value');
    const long = {...fits, values: fits.values + '0'};
    assert.deepEqual(described(long, fields, 'n'), {
        link: null,
        ran: 'Ran your 1000 values',
        unlinked: ' This run is too long for a link: its values take 2001 characters, and a link holds 2000 at ' +
            'most, so the address does not hold it.',
    });
});

test('each refusal beside its field, and one line for the status', () => {
    const none = {count: '', seed: '', values: '', arrangement: ''};
    const rule = 'Please type a whole number from 0 to 5000.';
    const cases = [
        [none, false, 'generated', {}, ''],
        [none, true, 'generated', {}, ''],
        [
            {...none, count: rule}, false, 'generated', {count: rule},
            'an answer was refused; the message beside it says what is accepted.'
        ],
        [
            {...none, seed: rule}, false, 'generated', {seed: rule},
            'an answer was refused; the message beside it says what is accepted.'
        ],
        [
            {...none, values: 'the 3rd value, "x", is wrong'}, true, 'generated',
            {values: 'The 3rd value, "x", is wrong.'}, 'the 3rd value, "x", is wrong.'
        ],
        [
            {...none, count: rule, arrangement: 'unknown'}, false, 'sideways', {
                count: rule,
                order:
                    'There is no arrangement "sideways": choose generated, ascending, descending, nearly-ascending ' +
                    'or few-distinct.'
            },
            'the arrangement was refused; the message beside it says which there are.'
        ],
        [
            {...none, values: 'unread', arrangement: 'generated-only'}, true, 'few-distinct', {
                order:
                    'Ten distinct values are made from generated values alone: choose another arrangement for your own ' +
                    'values.'
            },
            'ten distinct values are made from generated values alone.'
        ],
    ];
    for (const [refused, own, arrangement, beside, said] of cases) {
        assert.deepEqual(
            refusals(refused, own, arrangement, arrangements),
            {beside: {count: '', seed: '', values: '', order: '', ...beside}, said}, JSON.stringify(refused));
    }
});

test('the status line\'s counts: as the values came, and as arranged where that differs', () => {
    const run = (arrangement, own = false) => ({arrangement, own, report: [414, 216, 201]});
    const ran = 'Ran 40 values, seed 3';
    for (const [made, why, line] of [
             [run('generated'), null, 'Ran 40 values, seed 3: insertion sort 414, merge sort 216, quick sort 201.'],
             [
                 run('generated'), {counts: [1, 2, 3]},
                 'Ran 40 values, seed 3: insertion sort 414, merge sort 216, quick sort 201.'
             ],
             [
                 run('few-distinct'), null,
                 'Ran 40 values, seed 3: as generated, insertion sort 414, merge sort 216, quick sort 201.'
             ],
             [
                 run('few-distinct'), {counts: [352, 216, 108]},
                 'Ran 40 values, seed 3: as generated, insertion sort 414, merge sort 216, quick sort 201; as ten ' +
                     'distinct values, 352, 216 and 108.'
             ],
             [
                 run('ascending', true), {counts: [414, 216, 201]},
                 'Ran 40 values, seed 3: as typed and in ascending order, insertion sort 414, merge sort 216, quick ' +
                     'sort 201.'
             ],
    ]) {
        assert.equal(counted(sorts, made, ran, why), line);
    }
});
