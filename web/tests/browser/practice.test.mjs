// Sort them yourself: every choice answered by keyboard, right or wrong, against a rule and counts worked out apart.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {browser, guessing, page, reference, served, settled, text} from './page.mjs';

const practised = (tab) => tab.waitFor(() => !document.getElementById('practice-board').hidden);
// The section as the learner reads it, each row of the board as its values, and as its name and cells: a value,
// its mark in words, and how it is drawn.
const read = (tab) => tab.evaluate(() => {
    const shown = (id) => document.getElementById(id).textContent;
    const rows = [...document.querySelectorAll('#practice-rows ol')];
    const cell = (li) => [...li.children].map((part) => part.textContent).join(' ').trim() +
        (li.className && ` (${li.className})`);
    return {
        question: shown('practice-question'),
        feedback: shown('practice-feedback'),
        said: shown('practice-said'),
        counter: shown('practice-counter'),
        score: shown('practice-score'),
        rows: rows.map((row) => [...row.querySelectorAll('.value')].map((value) => Number(value.textContent))),
        board: rows.map((row) => `${row.ariaLabel}: ${[...row.children].map(cell).join(', ')}`),
    };
});

// Each sort's right key for the question in words, by the sort's own comparison.
const rules = [
    [/^Inserting (-?\d+) at position \d+; its left neighbour is (-?\d+)\./, (v, w) => v < w ? 'e' : 'l'],
    [/front is (-?\d+), the right run's (-?\d+)\./, (a, b) => a < b ? 'l' : 'r'],
    [/pivot (-?\d+): examining (-?\d+) /,
     (p, v) => v < p ? 'l' :
         v === p     ? 'e' :
                       'g'],
];
const wrong = {
    e: 'l',
    l: 'r',
    r: 'l',
    g: 'l'
};

// Answers every question of the sort at index sort by key, wrongly at the questions numbered in mistakes; returns
// the questions asked, the words said for each mistake, and the board at the end.
async function solve(tab, sort, mistakes = [])
{
    await tab.evaluate(() => document.querySelector('#practice-answers button').focus());
    const [pattern, rule] = rules[sort];
    const said = [];
    let asked = 0;
    for (let board = await read(tab); !board.question.startsWith('Sorted'); asked++) {
        const [, x, y] = board.question.match(pattern).map(Number);
        const right = rule(x, y);
        await tab.keys([mistakes.includes(asked) ? wrong[right] : right]);
        board = await read(tab);
        if (mistakes.includes(asked)) {
            said.push(board.feedback);
            assert.ok(board.said.startsWith(board.feedback), board.said);
        }
    }
    return {asked, said, end: await read(tab)};
}

// The questions each sort asks of values, worked out apart: insertion, its exchanges and each value that stays
// beside a left neighbour; merge, the writes while both runs hold values; quick, the examinations but the pivots'.
function questions(values)
{
    const ref = reference(values);
    const stays = values.filter((v, i) => values.slice(0, i).some((w) => w <= v)).length;
    const contested = (v) => {
        if (v.length < 2) {
            return [v, 0];
        }
        const half = Math.ceil(v.length / 2);
        let [[a, x], [b, y]] = [contested(v.slice(0, half)), contested(v.slice(half))];
        const merged = [];
        for (; a.length && b.length; x++) {
            merged.push(a[0] < b[0] ? a.shift() : b.shift());
        }
        return [[...merged, ...a, ...b], x + y];
    };
    return [ref.inversions + stays, contested(values)[1], ref.partitions.count - ref.list.length];
}

test(
    'every choice of each sort answered right by keyboard scores all of them, and ends at the program\'s count',
    async () => {
        const tab = await browser.open(page + '?count=8&seed=1&practice=insertion');
        await settled(tab);
        await practised(tab);
        const values = (await read(tab)).rows[0];
        const counts = (await text(tab, 'status')).match(/\d+(?=[,.])/g).slice(-3).map(Number);
        const expected = questions(values);
        for (const sort of [0, 1, 2]) {
            if (sort > 0) {
                // The next sort by the arrow key in the list of sorts.
                await tab.evaluate(
                    (id) => document.getElementById(id).focus(), sort === 1 ? 'practice-insertion' : 'practice-merge');
                await tab.keys(['ArrowRight']);
            }
            await tab.waitFor(
                (word) => document.getElementById('practice-question').textContent.startsWith(word),
                ['Inserting', 'Merging', 'Partitioning'][sort]);
            const {asked, end} = await solve(tab, sort);
            assert.equal(asked, expected[sort]);
            assert.equal(end.score, `Right: ${asked} of ${asked}.`);
            assert.match(end.counter, new RegExp(`: ${counts[sort]}$`));
            assert.deepEqual(end.rows, [[...values].sort((a, b) => a - b)]);
            assert.equal(await tab.evaluate(() => document.activeElement.id), 'practice-score');
            assert.equal(
                await tab.evaluate(() => location.search),
                `?count=8&seed=1&list=n&order=generated&practice=${['insertion', 'merge', 'quick'][sort]}`);
        }
        // A row for each attempt, and the same as CSV.
        const rows = await tab.evaluate(
            () => [...document.querySelectorAll('#practice-record tbody tr')].map((row) => row.textContent));
        assert.equal(rows.length, 3);
        assert.match(rows[2], /^\d{4}-\d\d-\d\d \d\d:\d\dquick8\?count=8&seed=1&list=n&order=generated&practice=quick/);
        await tab.evaluate(() => {
            URL.createObjectURL = (blob) => (window.saved = blob) && 'blob:saved';
            HTMLAnchorElement.prototype.click = function() { window.clicked = this.download; };
            document.getElementById('practice-download').click();
        });
        const [name, csv] = await tab.evaluate(() => Promise.all([window.clicked, window.saved.text()]));
        assert.equal(name, 'sort-compare-attempts.csv');
        assert.equal(csv.split('\r\n').length, 5);
        await tab.done();
    });

// Merge's board after three writes, each from the right run: 3 from [5] and [3], 1 from [8] and [1], then 1 from
// [3, 5] and [1, 8].
test('each sort\'s board marks in words the values a choice is about, and the sorted values at the end', async () => {
    for (const [sortName, keys, board] of [
             [
                 'insertion', [],
                 ['Values: 5 neighbour (other), 3 inserting (at), 8 not yet (outside), 1 not yet (outside)']
             ],
             [
                 'merge', ['r', 'r', 'r'],
                 [
                     'Left run: 3 front (at), 5', 'Right run: 1 written (outside), 8 front (other)',
                     'Values: 1 written, 5 next, 1 (outside), 8 (outside)'
                 ]
             ],
             ['quick', [], ['Values: 5 equal, 3 examining (at), 8 not yet, 1 not yet']]]) {
        const tab = await browser.open(page + `?values=5,3,8,1&practice=${sortName}`);
        await practised(tab);
        await tab.evaluate(() => document.querySelector('#practice-answers button').focus());
        await tab.keys(keys);
        assert.deepEqual((await read(tab)).board, board);
        // A key held down answers once: its repeats answer nothing.
        await tab.evaluate(
            () => document.activeElement.dispatchEvent(
                new KeyboardEvent('keydown', {key: 'l', repeat: true, bubbles: true})));
        assert.deepEqual((await read(tab)).board, board);
        const {end} = await solve(tab, ['insertion', 'merge', 'quick'].indexOf(sortName));
        assert.deepEqual(end.board, ['Values: 1, 3, 5, 8']);
        await tab.done();
    }
});

test(
    'wrong answers on equal values are said with their numbers, and the sort goes on from the right step', async () => {
        for (const [sort, mistakes, said, count] of [
                 [1, [2, 6], ['the fronts are equal', 'the fronts are equal'], 16], [
                     2, [1, 6],
                     [
                         '3 equals the pivot, so it stays, in the equal region.',
                         '2 is greater than the pivot 1, so it is exchanged into position 2, the greater ' +
                             'region\'s new start.'
                     ],
                     9
                 ]]) {
            const tab =
                await browser.open(page + `?values=3,1,3,1,3,2&practice=${['insertion', 'merge', 'quick'][sort]}`);
            await practised(tab);
            const {asked, end, said: words} = await solve(tab, sort, mistakes);
            assert.equal(asked, questions([3, 1, 3, 1, 3, 2])[sort]);
            words.forEach((word, i) => assert.ok(word.startsWith('No: ') && word.includes(said[i]), word));
            assert.equal(end.score, `Right: ${asked - 2} of ${asked}.`);
            assert.match(end.counter, new RegExp(`: ${count}$`));
            assert.deepEqual(end.rows, [[1, 1, 2, 3, 3, 3]]);
            await tab.done();
        }
    });

test(
    'a link\'s sort, or its refusal; more than 16 values, new values and a guess keep the section to its place',
    async () => {
        const refused = await browser.open(page + '?count=17&seed=2147483647&practice=bogus');
        await settled(refused);
        assert.equal(
            await text(refused, 'practice-refused'), 'There is no sort "bogus": choose insertion, merge or quick.');
        assert.match(await text(refused, 'status'), /^Ran 17 values, seed 2147483647: /);
        assert.equal(await text(refused, 'practice-takes'), 'Sort them yourself takes 2 to 16 values.');
        await refused.evaluate(() => document.getElementById('practice-eight').click());
        await refused.waitFor(() => location.search.startsWith('?count=8&seed=2147483647&'));
        await refused.evaluate(() => document.getElementById('practice-merge').click());
        await practised(refused);
        assert.equal(await text(refused, 'practice-refused'), '');
        // The next seed after the greatest is the least.
        await refused.evaluate(() => document.getElementById('practice-new').click());
        await refused.waitFor(
            () => location.search === '?count=8&seed=-2147483648&list=n&order=generated&practice=merge');
        await practised(refused);
        // A later run's section is the first's: three sorts to choose from, and a key is one answer.
        assert.equal(await refused.evaluate(() => document.querySelectorAll('#practice-sorts input').length), 3);
        const {asked, end} = await solve(refused, 1);
        assert.equal(end.score, `Right: ${asked} of ${asked}.`);
        await refused.done();

        // After the learner's own values, new values are generated ones of the same count from the form's seed.
        const own = await browser.open(page + '?values=9,4,7&practice=quick');
        await practised(own);
        await own.evaluate(() => document.getElementById('practice-new').click());
        await own.waitFor(() => location.search === '?count=3&seed=42&list=n&order=generated&practice=quick');
        await own.done();

        // Held back for a guess, the section stays closed; once the guess is skipped, it opens on the link's sort.
        const guess = await browser.open(page + '?count=8&seed=1&guess=1&practice=quick');
        await guessing(guess);
        assert.equal(await guess.evaluate(() => document.getElementById('practice').hidden), true);
        await guess.evaluate(() => document.getElementById('guess-skip').click());
        await practised(guess);
        assert.match(await text(guess, 'practice-question'), /^Partitioning positions 0 to 7 around the pivot /);
        // The model answer: the race plays from its start, on the sort's picture, and the attempt says so.
        await guess.evaluate(() => document.getElementById('practice-show').click());
        assert.match(await text(guess, 'practice-score'), /^Right: 0 of \d+\. Model answer shown\.$/);
        await guess.waitFor(() => document.getElementById('watch-play').textContent === 'Pause');
        assert.equal(await guess.evaluate(() => document.activeElement.id), 'quick-picture');
        await guess.done();
    });

test('a finished attempt is posted to the page that frames this one', async (t) => {
    if (process.env.ENGINE !== 'chromium') {
        return t.skip('one engine shows it');
    }
    const tab = await browser.open(served.replace('sort-compare.html', 'frame.html'));
    await tab.waitFor(
        () => !document.querySelector('iframe').contentDocument?.getElementById('practice-board')?.hidden);
    await tab.evaluate(() => {
        const inner = document.querySelector('iframe').contentDocument;
        // Two values, ascending: one question, to leave.
        inner.querySelector('#practice-answers button:last-child').click();
    });
    const [message] = await tab.waitFor(() => window.received.length && window.received);
    assert.equal(Date.now() - Date.parse(message.finished) < 60000, true);
    assert.deepEqual({...message, finished: null}, {
        type: 'sort-compare-attempt',
        version: 1,
        sort: 'insertion',
        values: 2,
        right: 1,
        questions: 1,
        count: 0,
        modelShown: false,
        finished: null
    });
    await tab.close();
});
