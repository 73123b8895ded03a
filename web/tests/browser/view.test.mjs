// The race: its steps from a link and the keys, and each step exact against sorts written apart.
import assert from 'node:assert/strict';
import {test} from 'node:test';
import {setTimeout as sleep} from 'node:timers/promises';

import {browser, ledgerIds, page, pictures, read, reference, reported, settled, sorts, text} from './page.mjs';

test(
    'the view: any step from a link, its keys, and at the last step the chart\'s row and the sorted values',
    async () => {
        const ids = [
            'watch-step', 'watch-refused',
            ...sorts.flatMap((sort) => [`${sort}-counter`, `${sort}-done`, `${sort}-values`])
        ];
        const view = (tab) => tab.evaluate((ids) => ids.map((id) => document.getElementById(id).textContent), ids);
        for (const order of ['generated', 'descending']) {
            const tab = await browser.open(page + `?count=30&seed=5&list=y&order=${order}&step=40`);
            await settled(tab);
            const [step, , insertion, , , merge] = await view(tab);
            const last = Number(step.split(' of ')[1]);
            assert.equal(step, `Step 40 of ${last}`);
            assert.deepEqual([insertion, merge], ['exchanges: 40', 'elements written back: 40']);
            await tab.waitFor(() => location.search.endsWith('&step=40'));
            // The keys act on the page itself, and in a form control not at all.
            await tab.keys(['ArrowRight', 'ArrowRight', 'ArrowLeft', 'Tab', 'ArrowRight', 'End']);
            assert.match((await view(tab))[0], /^Step 41 of/);
            await tab.evaluate(() => document.activeElement.blur());
            await tab.keys(['Home']);
            const input = (await view(tab))[4].split(': ')[1].split(' ').map(Number);
            await tab.keys(['End']);
            const atEnd = await view(tab);
            assert.equal(atEnd[0], `Step ${last} of ${last}`);
            const counts = [2, 5, 8].map((i) => Number(atEnd[i].split(': ')[1]));
            const row = await tab.evaluate(
                () => [...document.querySelectorAll('#points tbody tr')]
                          .find((row) => row.cells[0].textContent.endsWith('(your run)'))
                          .textContent);
            assert.equal(Math.max(...counts), last);
            assert.match(row, new RegExp(`^30 \\(your run\\)${counts.join('')}$`));
            if (order === 'generated') {
                const report = reported(await text(tab, 'session'));
                assert.deepEqual(counts, report);
                const listed = (await text(tab, 'session')).match(/Unsorted array: \n(.*) \n/)[1];
                assert.deepEqual(input, listed.split(' ').map(Number));
            }
            const sorted = `Values at this step: ${[...input].sort((a, b) => a - b).join(' ')}`;
            assert.deepEqual([atEnd[4], atEnd[7], atEnd[10]], [sorted, sorted, sorted]);
            assert.deepEqual([atEnd[3], atEnd[6], atEnd[9]], counts.map((count) => `done at step ${count}`));
            // Space plays from the start at the speed the keys set, and pauses.
            await tab.keys(['Home', '-', '-', '=', ' ']);
            assert.equal(await tab.evaluate(() => document.getElementById('watch-speed').value), '5 steps a second');
            await tab.waitFor(() => document.getElementById('watch-step').textContent.startsWith('Step 2 '));
            // Held down, Space does not pause: its repeats toggle nothing.
            await tab.evaluate(
                () =>
                    document.body.dispatchEvent(new KeyboardEvent('keydown', {key: ' ', repeat: true, bubbles: true})));
            assert.equal(await text(tab, 'watch-play'), 'Pause');
            await tab.keys([' ']);
            const paused = (await view(tab))[0];
            await sleep(500);
            assert.equal((await view(tab))[0], paused);
            await tab.done();
        }
        for (const [asked, shown] of [[' +7 ', 'Step 7 '], ['7.0', null], ['-1', null], ['99999', null], ['', null]]) {
            const tab = await browser.open(page + `?count=10&seed=5&step=${encodeURIComponent(asked)}`);
            await settled(tab);
            const [step, refused] = await view(tab);
            assert.ok(step.startsWith(shown ?? 'Step 0 '), asked);
            assert.equal(
                refused,
                shown ? '' :
                        `There is no step "${asked}" in this run: its steps are the whole numbers from 0 to ${
                            step.split(' of ')[1]}.`);
            await tab.done();
        }
    });

test('the ledgers name what each step belongs to, as reference sorts do', async () => {
    for (const [n, seed, order] of [
             [202, 3, 'generated'], [202, 3, 'ascending'], [202, 3, 'descending'], [5000, 1, 'generated'],
             [5000, 1, 'ascending'], [5000, 1, 'descending'], [202, 3, 'nearly-ascending'], [202, 3, 'few-distinct']]) {
        const tab = await browser.open(page + `?count=${n}&seed=${seed}&order=${order}`);
        await settled(tab);
        await tab.waitFor(() => !document.getElementById('why').hidden);
        const values = (await text(tab, 'insertion-values')).split(': ')[1].split(' ').map(Number);
        const ref = reference(values);
        const levels = Math.ceil(Math.log2(n));
        const last = Math.max(ref.inversions, ref.merges.count, ref.partitions.count);
        // The numbers each ledger gives at step k (its words are the node tests'): none before a sort's first
        // operation, those of the operation at each, and past its last the step it ended at.
        const numbers = (count, k, within) => count === 0 || k === 0 ? [] : k > count ? [count] : within();
        const expected = (k) =>
            [numbers(ref.inversions, k, () => [ref.inversions - k]),
             numbers(ref.merges.count, k, () => [ref.merges.at(k).length, ref.merges.at(k).depth, levels]),
             numbers(ref.partitions.count, k, () => [ref.partitions.at(k).length, ref.partitions.at(k).depth]),
        ];
        const ledgers = async () =>
            (await read(tab, ledgerIds.slice(1, 4))).map((ledger) => (ledger.match(/\d+/g) ?? []).map(Number));
        assert.equal(await text(tab, 'watch-step'), `Step 0 of ${last}`);
        assert.deepEqual(await ledgers(), expected(0));
        const steps = new Set([1, 2, 3, ref.merges.count, ref.merges.count + 1, ref.inversions, last - 1, last]);
        for (let j = 1; j < 12; j++) {
            steps.add(Math.floor(last * j / 12) + j);
        }
        for (const k of [...steps].filter((k) => k >= 1 && k <= last)) {
            await tab.evaluate((k) => {
                const position = document.getElementById('watch-position');
                position.value = k;
                position.dispatchEvent(new Event('input'));
            }, k);
            await tab.waitFor((k) => document.getElementById('watch-step').textContent.startsWith(`Step ${k} `), k);
            assert.deepEqual(await ledgers(), expected(k), `${order} ${n} step ${k}`);
        }
        // A step said, its ledgers with it.
        await tab.evaluate(() => document.activeElement.blur());
        await tab.keys(['Home', 'ArrowRight']);
        await tab.waitFor(() => document.getElementById('watch-said').textContent.startsWith('Step 1 '));
        const [said, ...shown] = await read(tab, ['watch-said', ...ledgerIds.slice(1, 4)]);
        assert.ok(said.startsWith(`Step 1 of ${last}: `));
        shown.forEach((ledger) => assert.ok(said.includes(`(${ledger})`), ledger));

        await tab.done();
    }
});

test('each picture draws its bars apart, and the marks of the step shown, in the style\'s colours', async () => {
    const tab = await browser.open(page + '?count=12&seed=5&order=descending&step=5');
    await settled(tab);
    // Of 12 bars, at least 6 in the bars' colour, apart, fill at least half of some row: the one they stand on. A
    // picture is cleared when the page's layout resizes it, and drawn again at the next frame: it is read until it
    // shows what is expected, for two seconds at most.
    const seen = async () =>
        (await pictures(tab)).map(({roles, filled, apart}) => [...roles, filled >= 0.5 && apart >= 6]);
    const expected = [
        ['bar', 'at', 'other', 'line', true], ['bar', 'at', 'other', 'faded', 'line', true],
        ['bar', 'at', 'other', 'line', true]
    ];
    let drawn = await seen();
    for (let tries = 0; tries < 20 && JSON.stringify(drawn) !== JSON.stringify(expected); tries++) {
        await sleep(100);
        drawn = await seen();
    }
    assert.deepEqual(drawn, expected);
    await tab.done();
});
