// The learner's own values, and the arrangements: values and counts worked out apart.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {browser, choose, guessed, guessing, listing, own, page, ranOwn, reference, settled, text} from './page.mjs';

// Each arrangement's definition is the C++ tests'; here, its counts at 5000 values, as worked out outside the project.
test('each arrangement\'s counts in the chart\'s row and the reasons', async () => {
    const table = {
        generated: [6217159, 61808, 77809],
        ascending: [0, 61808, 382097],
        descending: [12497380, 61808, 12229246],
        'nearly-ascending': [490, 61808, 380949],
        'few-distinct': [5697651, 61808, 18600],
    };
    const tab = await browser.open(page + '?count=5000&seed=1');
    await settled(tab);
    for (const [order, counts] of Object.entries(table)) {
        await choose(tab, order);
        await settled(tab);
        await tab.waitFor(() => !document.getElementById('why').hidden);
        const row = await tab.evaluate(() => [...document.querySelectorAll('#points tbody tr')].at(-1).textContent);
        assert.equal(row, `5000 (your run)${counts.join('')}`, order);
        // With the numbers that explain them, by their definitions: n(n-1)/4 and n(n-1)/2 pairs, 13 levels, 2^13.
        const why = await tab.evaluate(() => document.getElementById('why').textContent);
        [...counts, '6248750.0', 12497500, 13, 8192].forEach(
            (number) => assert.match(why, new RegExp(`[ (]${number}[ ,.]`), `${order}: ${number}`));
        assert.match(await text(tab, 'chart-note'), /(chosen|to show) [^.]*sort/);
    }
    assert.equal(
        await text(tab, 'status'),
        'Ran 5000 values, seed 1: as generated, insertion sort 6217159, merge sort 61808, quick sort 77809; as ten ' +
            'distinct values, 5697651, 61808 and 18600.');
    await tab.done();
});

test('the learner\'s own values: run as the program runs them, linked both ways, refused by place', async () => {
    const tab = await browser.open(page + '?values=3,1,2&list=y');
    await ranOwn(tab);
    assert.equal(await text(tab, 'session'), listing([3, 1, 2], [2, 5, 5]));
    assert.equal(await text(tab, 'session-title'), 'The program\'s run on your own values');
    assert.equal(await text(tab, 'status'), 'Ran your 3 values: insertion sort 2, merge sort 5, quick sort 5.');
    assert.match(await text(tab, 'chart-kept'), /which is of generated values, and no generated run is on it yet/);
    assert.equal(await tab.evaluate(() => document.getElementById('charted').hidden), true);
    await tab.waitFor(() => location.search === '?values=3,1,2&list=y&order=generated');
    await tab.done();

    // Typed by keyboard alone, Enter making a new line: duplicates, negatives and the range's ends, in any
    // separators; a link holds them, and the chart keeps the last generated run.
    const typing = await browser.open(page + '?count=10&seed=42&list=y&order=descending');
    await settled(typing);
    await typing.evaluate(() => document.getElementById('values').focus());
    await typing.keys([...'2147483647,', 'Enter', ...' -5 , -2147483648', 'Enter', ...'0,0, -5', 'Tab', 'Enter']);
    await ranOwn(typing);
    const values = [2147483647, -5, -2147483648, 0, 0, -5];
    const ref = reference(values);
    assert.equal(
        await text(typing, 'session'), listing(values, [ref.inversions, ref.merges.count, ref.partitions.count]));
    await typing.waitFor(() => location.search === '?values=2147483647,-5,-2147483648,0,0,-5&list=y&order=descending');
    assert.equal(
        await text(typing, 'watch-order'), 'The 6 values you gave, in descending order, as the arrangement asks.');
    assert.match(
        await text(typing, 'chart-kept'),
        /still shows the last generated run, 10 values, seed 42, in descending order\.$/);
    assert.equal(await typing.evaluate(() => document.querySelectorAll('#points tbody tr').length), 42);
    // Another arrangement runs the same values again.
    await choose(typing, 'ascending');
    await typing.waitFor(() => document.getElementById('watch-order').textContent.includes('in ascending order'));
    await typing.keys(['End']);
    const sorted = [...values].sort((a, b) => a - b).join(' ');
    assert.equal(await text(typing, 'quick-values'), `Values at this step: ${sorted}`);

    // Refused: nothing runs, the last run stays, and the place and word are said.
    const shown = await text(typing, 'session');
    const range = 'is not a whole number from -2147483648 to 2147483647';
    // Which values the program refuses, and its words, are its own (read_values), tested with it.
    await own(typing, '1 2 x');
    await ranOwn(typing);
    assert.equal(await text(typing, 'status'), `Not run: the 3rd value, "x", ${range}. What is shown is the last run.`);
    assert.equal(await text(typing, 'values-rule'), `The 3rd value, "x", ${range}.`);
    assert.equal(await typing.evaluate(() => document.getElementById('values').ariaInvalid), 'true');
    assert.equal(await text(typing, 'session'), shown);
    assert.equal(
        await typing.evaluate(() => location.search),
        '?values=2147483647,-5,-2147483648,0,0,-5&list=y&order=ascending');
    // Ten distinct values are made from generated values alone.
    await choose(typing, 'few-distinct');
    await ranOwn(typing);
    assert.match(await text(typing, 'order-rule'), /^Ten distinct values are made from generated values alone/);
    assert.equal(await text(typing, 'session'), shown);
    await typing.done();

    // 5000 values run, too long for a link; opened from one, they run as well.
    const many = Array.from({length: 5000}, (_, i) => (i * 7919) % 100003 - 50000);
    const long = await browser.open(page + '?count=7&seed=3');
    await settled(long);
    await own(long, many.join('\n'));
    await ranOwn(long);
    assert.match(await text(long, 'status'), /^Ran your 5000 values: .* This run is too long for a link/);
    assert.equal(await long.evaluate(() => location.search), '');
    await long.done();
    const linked = await browser.open(page + `?count=7&seed=3&values=${many.join(',')}&guess=1`);
    await guessing(linked);
    assert.equal(await linked.evaluate(() => document.getElementById('values').value), many.join(','));
    await guessed(linked, ['', '', '']);
    await linked.waitFor(() => document.querySelectorAll('#guess-results li').length);
    const manyRef = reference(many);
    assert.match(
        await text(linked, 'status'),
        new RegExp(`^Ran your 5000 values: insertion sort ${manyRef.inversions}, merge sort ${
            manyRef.merges.count}, quick sort ${manyRef.partitions.count}\\.`));
    assert.equal(await linked.evaluate(() => location.search), '');
    await linked.done();

    // Values win over a count and seed, which the address then leaves out; refused in a link, nothing runs.
    const both = await browser.open(page + '?count=7&seed=3&values=+5%20004&list=n');
    await ranOwn(both);
    await both.waitFor(() => location.search === '?values=5,4&list=n&order=generated');
    assert.equal(await text(both, 'session'), 'Insertion Sort count: 1\nMerge Sort count: 2\nQuick Sort count: 2\n');
    await both.done();
    const refused = await browser.open(page + '?values=1,2,zz');
    await ranOwn(refused);
    assert.equal(await text(refused, 'status'), `Not run: the 3rd value, "zz", ${range}.`);
    assert.equal(await text(refused, 'session'), '');
    await refused.done();
});
