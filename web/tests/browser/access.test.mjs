// No accessibility fault in any state a learner meets, at 1280 and 320 px.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {test} from 'node:test';

import {browser, guessed, guessing, own, page, ranOwn, settled} from './page.mjs';

test('no accessibility fault, and at 320 px nothing scrolls sideways but the boxes', async () => {
    const axe = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
    const check = async (tab, width, scene) => {
        // Through the driver: the page's policy refuses a script element added to it.
        await tab.evaluate(axe);
        const faults = await tab.evaluate(
            (values) => axe.run(document, {runOnly: {type: 'tag', values}})
                            .then(
                                (result) => result.violations.map(
                                    (v) => `${v.id}: ${v.nodes.map((node) => node.target).join(' ')}`)),
            ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']);
        assert.deepEqual(faults, [], scene);
        assert.ok(await tab.evaluate((width) => document.documentElement.scrollWidth <= width, width), scene);
    };
    for (const width of browser.can.narrow ? [1280, 320] : [1280]) {
        // The view paused mid-race.
        const tab = await browser.open(page + '?count=5000&seed=1&list=y&step=3000000', {width});
        await settled(tab);
        await check(tab, width, 'paused mid-race');
        await tab.done();
        // A guess asked for, one refused; then revealed.
        const guessTab = await browser.open(page + '?count=5000&seed=1&list=y&order=descending&guess=1', {width});
        await guessing(guessTab);
        await guessed(guessTab, ['12000000', 'lots', '']);
        await guessTab.waitFor(() => document.getElementById('guess-merge-rule').textContent);
        await check(guessTab, width, 'guessing');
        await guessed(guessTab, ['12000000', '60000', '']);
        await settled(guessTab);
        await check(guessTab, width, 'revealed');
        await guessTab.done();
        // The learner's own values, one refused; then run.
        const ownTab = await browser.open(page + '?values=3,1,x&list=y', {width});
        await ranOwn(ownTab);
        await check(ownTab, width, 'own values refused');
        await own(ownTab, '3 1 2 -7');
        await ownTab.waitFor(() => document.getElementById('status').textContent.startsWith('Ran your'));
        await ownTab.waitFor(() => !document.getElementById('why').hidden);
        await check(ownTab, width, 'own values run');
        await ownTab.done();
        // Sorting by hand: 16 wide values in a merge's three rows, one answer wrong; then a finished attempt's record.
        const sixteen = Array.from({length: 16}, (_, i) => (i * 7919) % 200001 - 100000);
        const practiceTab = await browser.open(page + `?values=${sixteen}&practice=merge`, {width});
        await practiceTab.waitFor(() => !document.getElementById('practice-board').hidden);
        await practiceTab.evaluate(() => document.querySelector('#practice-answers button').click());
        await check(practiceTab, width, 'sorting by hand');
        await practiceTab.done();
        const recordTab = await browser.open(page + '?values=1,2&practice=insertion', {width});
        await recordTab.waitFor(() => !document.getElementById('practice-board').hidden);
        await recordTab.evaluate(() => document.querySelector('#practice-answers button:last-child').click());
        await check(recordTab, width, 'an attempt recorded');
        await recordTab.done();
    }
});
