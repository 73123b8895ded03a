// Guess first: the counts held back, the guesses refused or judged, then everything released.
import assert from 'node:assert/strict';
import {test} from 'node:test';
import {setTimeout as sleep} from 'node:timers/promises';

import {browser, choose, guessed, guessing, held, page, reported, settled, terminal, text} from './page.mjs';

const results = (tab) =>
    tab.evaluate(() => [...document.querySelectorAll('#guess-results li')].map((li) => li.textContent));

test(
    'guess first: every count held back until the guesses, a refused guess said, then how far off each was',
    async () => {
        const tab = await browser.open(page + '?count=22&seed=1&guess=1&step=5');
        await guessing(tab);
        const holding = {
            session: false,
            status: 'Ran 22 values, seed 1: the counts are held back until you guess them.',
            chart: [0, 'held back until you guess the counts'],
            why: true,
            step: 'Step 0: the number of steps is held back.',
            position: ['0', true],
            buttons: true,
            panels: ['exchanges: held back||', 'elements written back: held back||', 'elements examined: held back||'],
            said: '',
        };
        assert.deepEqual(await held(tab), holding);
        assert.equal(
            await tab.evaluate(() => location.search), '?count=22&seed=1&list=n&order=generated&guess=1&step=5');
        // A refusal beside its field, the focus there, and nothing revealed; a blank is no guess, and is not refused.
        await guessed(tab, ['  ', '1.5', '']);
        await tab.waitFor(() => document.getElementById('guess-merge-rule').textContent);
        assert.deepEqual(
            await tab.evaluate(
                () => [...document.querySelectorAll('#guess-fields input')].map(
                    (field) => [document.getElementById(`${field.id}-rule`).textContent, field.ariaInvalid])),
            [['', 'false'], ['Please type a whole number from 0 to 2147483647.', 'true'], ['', 'false']]);
        assert.equal(await tab.evaluate(() => document.activeElement.id), 'guess-merge');
        assert.deepEqual(await held(tab), holding);
        // Each guess judged in its place (the node tests hold how), read as the program reads a number; then the
        // report, the chart, the reasons and the view revealed, at the link's step, the focus on Play.
        const report = reported(terminal(['22', '1', 'n']));
        await guessed(tab, ['', ' +100 ', '']);
        await settled(tab);
        const lines = [
            `Insertion sort: no guess; the count is ${report[0]}.`, 'Merge sort: your guess 100, the count 100: exact.'
        ];
        assert.deepEqual(await results(tab), [...lines, `Quick sort: no guess; the count is ${report[2]}.`]);
        assert.equal(await text(tab, 'session'), terminal(['22', '1', 'n']));
        assert.ok(
            (await text(tab, 'status'))
                .startsWith(
                    `Ran 22 values, seed 1: insertion sort ${report[0]}, merge sort 100, quick sort ${
                        report[2]}. Your ` +
                    `guesses against the counts for the 22 values of this run, as generated: ${lines.join(' ')}`));
        assert.match(await text(tab, 'watch-step'), /^Step 5 of \d+$/);
        assert.equal(await tab.evaluate(() => document.activeElement.id), 'watch-play');
        assert.equal(await tab.evaluate(() => document.getElementById('why-list').children.length), 3);
        await tab.waitFor(() => location.search === '?count=22&seed=1&list=n&order=generated&step=5');
        // A new arrangement asks again, and is judged on its own counts.
        await choose(tab, 'ascending');
        await guessing(tab);
        await guessed(tab, ['7', '', '']);
        await tab.waitFor(() => document.querySelectorAll('#guess-results li').length);
        assert.equal((await results(tab))[0], 'Insertion sort: your guess 7, the count 0: too high: the count is 0.');
        await tab.done();
    });

test('guess first, then "Just watch" by keyboard alone: everything released, nothing compared', async () => {
    const tab = await browser.open(page + '?count=30&seed=5&list=y&guess=1');
    await guessing(tab);
    await tab.evaluate(() => document.getElementById('guess-insertion').focus());
    await tab.keys(['1', '2', 'Tab', 'Tab', 'Tab', 'Tab', 'Enter']);
    await settled(tab);
    assert.equal(await text(tab, 'session'), terminal(['30', '5', 'y']));
    assert.deepEqual(
        await tab.evaluate(
            () => [document.getElementById('guess').hidden, document.getElementById('why-list').children.length]),
        [true, 3]);
    assert.match(
        await text(tab, 'status'), /^Ran 30 values, seed 5: insertion sort \d+, merge sort \d+, quick sort \d+\.$/);
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'watch-play');
    assert.match(await text(tab, 'watch-step'), /^Step 0 of \d+$/);
    await tab.waitFor(() => location.search === '?count=30&seed=5&list=y&order=generated');
    // Space there plays; the keys work as for any run.
    await tab.keys([' ']);
    await tab.waitFor(() => document.getElementById('watch-play').textContent === 'Pause');
    await tab.keys([' ']);
    // And Show me by keyboard: Enter in a field.
    await tab.evaluate(() => document.querySelector('#answers button').click());
    await guessing(tab);
    await tab.evaluate(() => document.getElementById('guess-merge').focus());
    await tab.keys(['1', '4', '8', 'Enter']);
    await tab.waitFor(() => document.querySelectorAll('#guess-results li').length);
    assert.equal((await results(tab))[1], 'Merge sort: your guess 148, the count 148: exact.');
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'watch-play');
    // A guess given up for a run without one: its view never opens, and the focus stays in the form.
    await tab.evaluate(() => document.querySelector('#answers button').click());
    await guessing(tab);
    await tab.evaluate(() => document.getElementById('guess-first').focus());
    await tab.keys([' ', 'Enter']);
    await settled(tab);
    await tab.waitFor(() => /^Step 0 of \d+$/.test(document.getElementById('watch-step').textContent));
    await sleep(300);
    assert.deepEqual(
        await tab.evaluate(() => [document.activeElement.id, document.getElementById('guess').hidden]),
        ['guess-first', true]);
    await tab.done();
});
