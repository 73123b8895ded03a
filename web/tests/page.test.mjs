// The page as a learner meets it, in the engine ENGINE names (chromium,
// firefox or webkit), against the console program built to WebAssembly and
// run under node. PAGE: the page; PROGRAM: the console program's .js.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {after, before, test} from 'node:test';
import {setTimeout as sleep} from 'node:timers/promises';
import {pathToFileURL} from 'node:url';

import {launch} from './engines.mjs';

const page = pathToFileURL(process.env.PAGE).href;
let browser, server, served;

before(async () => {
    browser = await launch(process.env.ENGINE);
    const html = readFileSync(process.env.PAGE);
    server = createServer((_, response) => response.end(html)).listen(0, '127.0.0.1');
    await new Promise((resolve) => server.on('listening', resolve));
    served = `http://127.0.0.1:${server.address().port}/sort-compare.html`;
});
after(() => Promise.all([browser.close(), new Promise((resolve) => server.close(resolve))]));

// Waits until the last run has filled its chart, or failed, or was refused.
const settled = (tab) => tab.waitFor(
    () => /^(done|failed|Not run)/.test(
        document.getElementById('progress-text').textContent || document.getElementById('status').textContent));
const text = (tab, id) => tab.evaluate((id) => document.getElementById(id).textContent, id);

// The console program's output for these answers, each answer echoed after its prompt.
function terminal(answers)
{
    const output = execFileSync('node', [process.env.PROGRAM], {input: answers.join('\n') + '\n', encoding: 'utf8'});
    const lines = output.split('\n');
    answers.forEach((answer, i) => lines.splice(2 * i + 1, 0, answer));
    return lines.join('\n');
}

// A link that asks for a guess: the run shown, every count held back, and the guess asked for.
const guessing = (tab) => tab.waitFor(
    () => !document.getElementById('guess').hidden &&
        document.getElementById('watch-step').textContent.startsWith('Step 0: '));
const held = (tab) => tab.evaluate(() => {
    const shown = (id) => document.getElementById(id).textContent;
    const position = document.getElementById('watch-position');
    return {
        session: /count: /.test(shown('session')),
        status: shown('status'),
        chart: [document.querySelectorAll('#points tbody tr, #chart canvas').length, shown('progress-text')],
        why: document.getElementById('why').hidden,
        step: shown('watch-step'),
        position: [position.max, position.disabled],
        buttons: [...document.querySelectorAll('#watch .controls button')].every((button) => button.disabled),
        panels: ['insertion', 'merge', 'quick'].map(
            (sort) => ['counter', 'ledger', 'done'].map((piece) => shown(`${sort}-${piece}`)).join('|')),
        said: shown('watch-said'),
    };
});
const guessed = (tab, guesses) => tab.evaluate((guesses) => {
    guesses.forEach((guess, i) => (document.querySelectorAll('#guess-fields input')[i].value = guess));
    document.querySelector('#guesses button[type="submit"]').click();
}, guesses);

// A run of the learner's values, or their refusal, once the page has said which.
const ranOwn = (tab) => tab.waitFor(() => /^(Ran your|Not run)/.test(document.getElementById('status').textContent));
const own = (tab, values) => tab.evaluate((values) => {
    document.getElementById('status').textContent = '';
    document.getElementById('values').value = values;
    document.querySelector('#own button').click();
}, values);
const listing = (values, counts) => `Unsorted array: \n${values.map((v) => v + ' ').join('')}\n\n\n` +
    `Sorted array: \n${[...values].sort((a, b) => a - b).map((v) => v + ' ').join('')}\n\n\n` +
    `Insertion Sort count: ${counts[0]}\nMerge Sort count: ${counts[1]}\nQuick Sort count: ${counts[2]}\n`;

test('a link runs the program, whose session is the console program\'s, and so does the keyboard alone', async () => {
    for (const [answers, base] of [
             [['10', '42', 'y'], served], [['0', '-2147483648', 'y'], page], [[' 7', '+7', 'n'], page]]) {
        const tab = await browser.open(
            base + '?' + new URLSearchParams({count: answers[0], seed: answers[1], list: answers[2]}));
        await settled(tab);
        // The browser's language is no language tag, as some report, and the page copes.
        const language = await tab.evaluate(() => navigator.language);
        assert.throws(() => Intl.getCanonicalLocales(language), RangeError, language);
        assert.equal(await text(tab, 'session'), terminal(answers));
        // A new count, the tick box changed, and Enter there: the address keeps the run, and focus stays.
        await tab.keys(['Tab', 'Control+a', '1', '2', '5', 'Tab', 'Tab', ' ', 'Enter']);
        await tab.waitFor(() => location.search.startsWith('?count=125&'));
        assert.equal(await text(tab, 'session'), terminal(['125', answers[1], answers[2] === 'y' ? 'n' : 'y']));
        assert.equal(await tab.evaluate(() => document.activeElement.id), 'list');
        assert.match(await text(tab, 'status'), /^Ran 125 values, seed /);
        await settled(tab);
        await tab.done();
    }
});

test('every refused answer is explained beside its field, and nothing runs', async () => {
    const tab = await browser.open(page + '?count=3&seed=1');
    await settled(tab);
    const session = await text(tab, 'session');
    const rules = {
        count: 'Please type a whole number from 0 to 5000.',
        seed: 'Please type a whole number from -2147483648 to 2147483647.'
    };
    const refused = ['12abc', '1e3', '', '  ', '5 6', '5001', '-1', '99999999999999999999'].map((a) => ['count', a]);
    for (const [field, answer] of [...refused, ['seed', '2147483648'], ['seed', 'x']]) {
        await tab.evaluate((id, answer) => {
            document.getElementById('status').textContent = '';
            Object.assign(document.getElementById(id), {value: answer}).focus();
        }, field, answer);
        await tab.keys(['Enter']);
        await tab.waitFor(() => document.getElementById('status').textContent.startsWith('Not run'));
        assert.equal(await text(tab, field + '-rule'), rules[field], answer);
        assert.equal(await tab.evaluate((id) => document.getElementById(id).ariaInvalid, field), 'true');
        assert.equal(await text(tab, 'session'), session);
        await tab.evaluate((id) => (document.getElementById(id).value = '3'), field);
    }
    await tab.done();
    for (const [query, field, rule] of [['?count=5%00', 'count', rules.count], ['?seed=', 'seed', rules.seed], [
             '?order=sideways', 'order',
             'There is no arrangement "sideways": choose generated, ascending, descending, nearly-ascending or ' +
                 'few-distinct.'
         ]]) {
        const tab = await browser.open(page + query);
        await tab.waitFor(() => document.getElementById('status').textContent.startsWith('Not run'));
        assert.equal(await text(tab, field + '-rule'), rule);
        assert.equal(await text(tab, 'session'), '');
        await tab.done();
    }
});

test('the chart\'s points are the program\'s counts, and the orders change them as they must', async () => {
    const points = {};
    for (const order of ['generated', 'ascending', 'descending']) {
        // One run under a usual locale, where the driver can set one.
        const locale = order === 'generated' && browser.can.locale ? 'de-DE' : undefined;
        const tab = await browser.open(page + `?count=5000&seed=9&list=y&order=${order}`, {locale});
        await settled(tab);
        assert.equal(await tab.evaluate(() => navigator.language === 'de-DE'), Boolean(locale));
        points[order] = await tab.evaluate(
            () => [...document.querySelectorAll('#points tbody tr')].map(
                (row) => [...row.cells].map((cell) => parseInt(cell.textContent, 10))));
        assert.equal(points[order].length, 41);
        // The filled chart leaves the page answering: the view goes to its last step.
        await tab.evaluate(
            () => document.body.dispatchEvent(new KeyboardEvent('keydown', {key: 'End', bubbles: true})));
        await tab.waitFor(() => /^Step (\d+) of \1$/.test(document.getElementById('watch-step').textContent));
        // The long listed lines, their rest in a box of its own, scroll as far as the same text would, to a
        // pixel of rounding, and their text as rendered, which a copy takes, is all of it.
        const [extents, rendered] = await tab.evaluate(() => {
            const session = document.getElementById('session');
            const plain = Object.assign(session.cloneNode(), {id: '', textContent: session.textContent});
            session.after(plain);
            const sizes = [session, plain].map((pre) => [pre.scrollWidth, pre.scrollHeight]);
            plain.remove();
            return [sizes, session.innerText === session.textContent];
        });
        assert.ok(Math.abs(extents[0][0] - extents[1][0]) <= 2, String(extents));
        assert.equal(extents[0][1], extents[1][1]);
        assert.ok(rendered);
        await tab.done();
    }
    for (const n of [1, 2500, 5000]) {
        const report = terminal([String(n), '9', 'n']).match(/count: \d+/g).map((line) => parseInt(line.slice(7), 10));
        assert.deepEqual(points.generated.find((row) => row[0] === n), [n, ...report]);
    }
    const column = (order, i) => points[order].map((row) => row[i]);
    assert.deepEqual(column('ascending', 2), column('generated', 2));
    assert.ok(column('ascending', 1).every((count) => count === 0));
    // Descending, both do about n(n-1)/2 steps: only equal values spare them any.
    assert.ok(points.descending.every(
        ([n, insertion, , quick]) => n < 2 || Math.min(insertion, quick) > n * (n - 1) / 2 * 0.9));
});

test('a part that fails says so, with its error, and what works goes on working', async (t) => {
    if (!browser.can.before) {
        return t.skip('the driver runs no script before the page\'s own');
    }
    const cases = Object.entries({
        'delete window.WebAssembly': /^Starting the program failed: this browser has no WebAssembly/,
        'WebAssembly.Instance = function() { throw Error("no instance") }':
            /^Starting the program failed: no instance$/,
        'TextEncoder.prototype.encode = () => { throw Error("no encoder") }': /^The run failed: no encoder$/,
        'Object.defineProperty(window, "uPlot", {set() { throw Error("no chart") }})':
            / seed 42: .* The chart failed: no chart$/,
    });
    for (const [script, message] of cases) {
        const tab = await browser.open(page + '?count=10&seed=42&list=y', {before: script, watch: false});
        await tab.waitFor(() => / failed: /.test(document.getElementById('status').textContent));
        assert.match(await text(tab, 'status'), message);
        const [form, session] = await tab.evaluate(
            () => [document.getElementById('answers').hidden, document.getElementById('session').textContent]);
        assert.equal(form, message.source.startsWith('^Starting'), script);
        assert.equal(session, message.source.startsWith(' seed') ? terminal(['10', '42', 'y']) : '', script);
        await tab.close();
    }
    if (browser.can.scriptsOff) {
        const tab = await browser.open(page, {scripts: false});
        assert.match(await tab.evaluate(() => document.body.innerText), /scripts are off here/);
        assert.equal(await tab.evaluate(() => document.getElementById('answers').checkVisibility()), false);
        await tab.done();
    }
});

test('no accessibility fault, and at 320 px nothing scrolls sideways but the boxes', async () => {
    const axe = readFileSync(new URL('../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
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
    }
});

test(
    'the view: any step from a link, its keys, and at the last step the chart\'s row and the sorted values',
    async () => {
        const ids = [
            'watch-step', 'watch-refused',
            ...['insertion', 'merge', 'quick'].flatMap((sort) => [`${sort}-counter`, `${sort}-done`, `${sort}-values`])
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
                const report = (await text(tab, 'session')).match(/count: \d+/g).map((line) => Number(line.slice(7)));
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

// What each counted operation belongs to, by sorts written apart from the
// program's: inversions counted pair by pair, and the merges of a merge sort
// and the partitions of a three-way quick sort, in order, each with its
// range's length and depth; an operation k belongs to the one whose
// operations, as many as its length, take in the k-th.
function reference(values)
{
    let inversions = 0;
    values.forEach((x, p) => {
        for (let q = p + 1; q < values.length; q++) {
            inversions += x > values[q];
        }
    });
    const merges = [];
    const merge = (low, high, depth) => {
        if (low < high) {
            const mid = Math.floor((low + high) / 2);
            merge(low, mid, depth + 1);
            merge(mid + 1, high, depth + 1);
            merges.push({length: high - low + 1, depth});
        }
    };
    merge(0, values.length - 1, 1);
    // Dijkstra's partition, the pivot the range's first value.
    const v = [...values];
    const partitions = [];
    const stack = [[0, v.length - 1, 1]];
    while (stack.length) {
        const [low, high, depth] = stack.pop();
        if (low >= high) {
            continue;
        }
        partitions.push({length: high - low + 1, depth});
        const pivot = v[low];
        let [lt, i, gt] = [low, low, high];
        while (i <= gt) {
            if (v[i] < pivot) {
                [v[i], v[lt]] = [v[lt], v[i]];
                lt++, i++;
            } else if (v[i] > pivot) {
                [v[i], v[gt]] = [v[gt], v[i]];
                gt--;
            } else {
                i++;
            }
        }
        stack.push([gt + 1, high, depth + 1], [low, lt - 1, depth + 1]);
    }
    // Each list's operations, and the one that takes in operation k, 1 <= k <= that.
    const owned = (list) => {
        const ends = [];
        list.reduce((sum, {length}) => ends[ends.push(sum + length) - 1], 0);
        return {
            count: ends.at(-1) ?? 0,
            at: (k) => list[ends.findIndex((end) => end >= k)],
        };
    };
    return {inversions, merges: owned(merges), partitions: owned(partitions), list: partitions};
}

const ledgerIds = ['watch-step', 'insertion-ledger', 'merge-ledger', 'quick-ledger', 'watch-said'];
const read = (tab, ids) => tab.evaluate((ids) => ids.map((id) => document.getElementById(id).textContent), ids);

test(
    'the ledgers name what each step belongs to, as reference sorts do, and the reasons give their numbers',
    async () => {
        for (const [n, seed, order] of [
                 [202, 3, 'generated'], [202, 3, 'ascending'], [202, 3, 'descending'], [5000, 1, 'generated'],
                 [5000, 1, 'ascending'], [5000, 1, 'descending'], [202, 3, 'nearly-ascending'],
                 [202, 3, 'few-distinct']]) {
            const tab = await browser.open(page + `?count=${n}&seed=${seed}&order=${order}`);
            await settled(tab);
            await tab.waitFor(() => !document.getElementById('why').hidden);
            const values = (await text(tab, 'insertion-values')).split(': ')[1].split(' ').map(Number);
            const ref = reference(values);
            const levels = Math.ceil(Math.log2(n));
            const last = Math.max(ref.inversions, ref.merges.count, ref.partitions.count);
            // At step k: before a sort's first operation, at each, and past its last.
            const ledger = (count, k, words) => count === 0 ? 'nothing to do' :
                k === 0                                     ? 'nothing done yet' :
                k > count                                   ? `nothing more: it ended at step ${count}` :
                                                              words();
            const expected = (k) =>
                [ledger(ref.inversions, k, () => `inversions left: ${ref.inversions - k}`),
                 ledger(
                     ref.merges.count, k,
                     () => `merging ${ref.merges.at(k).length} values, depth ${ref.merges.at(k).depth} of ${levels}`),
                 ledger(
                     ref.partitions.count, k,
                     () => `partition of ${ref.partitions.at(k).length} values, depth ${ref.partitions.at(k).depth}`),
            ];
            assert.deepEqual(await read(tab, ledgerIds.slice(0, 4)), [`Step 0 of ${last}`, ...expected(0)]);
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
                assert.deepEqual((await read(tab, ledgerIds)).slice(1, 4), expected(k), `${order} ${n} step ${k}`);
            }
            // A step said, its ledgers with it.
            await tab.evaluate(() => document.activeElement.blur());
            await tab.keys(['Home', 'ArrowRight']);
            await tab.waitFor(() => document.getElementById('watch-said').textContent.startsWith('Step 1 '));
            const [exchanges, writes, examined] = expected(1);
            assert.equal(
                await text(tab, 'watch-said'),
                `Step 1 of ${last}: exchanges: ${ref.inversions ? 1 : 0} (${exchanges}), elements written back: 1 (${
                    writes}), elements examined: 1 (${examined}).`);

            // The reasons' numbers: the report's and the reference sorts'.
            const why =
                await tab.evaluate(() => [...document.querySelectorAll('#why-list li')].map((li) => li.textContent));
            const report = (await text(tab, 'session')).match(/count: \d+/g).map((line) => Number(line.slice(7)));
            const escaped = (words) => new RegExp(words.replace(/[()+.]/g, '\\$&'));
            assert.match(
                why[0],
                escaped(
                    `inversions: ${ref.inversions}. Random orders of ${n} distinct values have ` +
                    `n(n−1)/4 = ${(n * (n - 1) / 4).toFixed(1)} on average, and no order has ` +
                    `more than n(n−1)/2 = ${n * (n - 1) / 2}.`));
            assert.match(
                why[1],
                escaped(
                    `= ${n}·${levels} − ${2 ** levels} + ${n} = ${ref.merges.count}, in ` +
                    `merges at most ${levels} deep.`));
            assert.match(
                why[2],
                escaped(`count, ${ref.partitions.count}, is the sum of the ranges' lengths: ${
                    ref.list.length} partitions, the deepest at depth ${Math.max(...ref.list.map((p) => p.depth))}.`));
            const descending = `n(n+1)/2 − 1 = ${n * (n + 1) / 2 - 1}`;
            if (order === 'descending') {
                assert.match(
                    why[2],
                    escaped(
                        new Set(values).size === n ?
                            `For ${n} distinct values that gives ${descending}.` :
                            `would give ${descending}; these values repeat, equal values end ` +
                                `up beside their pivot, and the count comes out lower, at ${ref.partitions.count}.`));
            }
            if (order === 'ascending') {
                assert.match(
                    why[2],
                    escaped(`leaves ${n - values.filter((x) => x === values[0]).length} of the ${
                        n} values to sort above it and 0 below. The count is ${
                        ref.partitions.count - report[2]} above the generated order's ${report[2]}.`));
            }
            if (order === 'nearly-ascending') {
                assert.match(
                    why[0], escaped(`one inversion at most for each of the ${Math.floor((n + 8) / 10)} pairs`));
                assert.ok(ref.inversions <= Math.floor((n + 8) / 10));
            }
            if (order === 'few-distinct') {
                assert.match(
                    why[2],
                    escaped(
                        `ten partitions at most. The count is ${report[2] - ref.partitions.count} below the ` +
                        `generated order's ${report[2]}.`));
            }
            await tab.done();
        }
    });

test(
    'guess first: every count held back until the guesses, refused guesses said, then how far off each was',
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
        // Each refusal beside its field, and nothing revealed; blanks are no guess, and are not refused.
        const rule = 'Please type a whole number from 0 to 2147483647.';
        for (const refused of ['x', '-1', '2147483648', '1.5', '1e3', '12abc', '5 6', '99999999999999999999']) {
            await guessed(tab, ['  ', refused, '']);
            await tab.waitFor(() => document.getElementById('guess-merge-rule').textContent);
            assert.deepEqual(
                await tab.evaluate(
                    () => ['insertion', 'merge', 'quick'].map(
                        (sort) =>
                            [document.getElementById(`guess-${sort}-rule`).textContent,
                             document.getElementById(`guess-${sort}`).ariaInvalid])),
                [['', 'false'], [rule, 'true'], ['', 'false']], refused);
            assert.equal(await tab.evaluate(() => document.activeElement.id), 'guess-merge');
            assert.deepEqual(await held(tab), holding, refused);
            await tab.evaluate(() => (document.getElementById('guess-merge-rule').textContent = ''));
        }
        // How far off, at every boundary: merge sort's count for 22 values is 100, and insertion sort's 0 on
        // ascending values. A run from the form with the box ticked asks again.
        const report = terminal(['22', '1', 'n']).match(/count: \d+/g).map((line) => Number(line.slice(7)));
        assert.equal(report[1], 100);
        const cases = [
            [
                'generated', ['', ' +100 ', ''],
                [`no guess; the count is ${report[0]}`, 'your guess 100, the count 100: exact']
            ],
            ['generated', ['', '95', ''], [, 'your guess 95, the count 100: within 5%']],
            ['generated', ['', '105', ''], [, 'your guess 105, the count 100: within 5%']],
            ['generated', ['', '94', ''], [, 'your guess 94, the count 100: 1.1 times too low']],
            ['generated', ['', '106', ''], [, 'your guess 106, the count 100: 1.1 times too high']],
            ['generated', ['', '0', ''], [, 'your guess 0, the count 100: too low: the count is 100']],
            ['generated', ['', '1', ''], [, 'your guess 1, the count 100: 100 times too low']],
            ['generated', ['', '40', ''], [, 'your guess 40, the count 100: 2.5 times too low']],
            ['generated', ['', '333', ''], [, 'your guess 333, the count 100: 3.3 times too high']],
            ['generated', ['', '2147483647', ''], [, 'your guess 2147483647, the count 100: 21000000 times too high']],
            ['ascending', ['0', '', ''], ['your guess 0, the count 0: exact']],
            ['ascending', ['7', '', ''], ['your guess 7, the count 0: too high: the count is 0']],
        ];
        for (const [i, [order, guesses, lines]] of cases.entries()) {
            if (i > 0) {
                await tab.evaluate((order) => {
                    const select = document.getElementById('order');
                    select.value = order;
                    select.dispatchEvent(new Event('change'));
                }, order);
                await guessing(tab);
            }
            await guessed(tab, guesses);
            await tab.waitFor(() => document.querySelectorAll('#guess-results li').length);
            const results = await tab.evaluate(
                () => [...document.querySelectorAll('#guess-results li')].map((li) => li.textContent));
            lines.forEach(
                (line, sort) => assert.equal(results[sort], `${['Insertion', 'Merge', 'Quick'][sort]} sort: ${line}.`));
            if (i === 0) {
                // Revealed: the report, the chart, the reasons and the view, at the link's step, the focus on Play.
                await settled(tab);
                assert.equal(await text(tab, 'session'), terminal(['22', '1', 'n']));
                assert.match(
                    await text(tab, 'status'),
                    new RegExp(
                        `^Ran 22 values, seed 1: insertion sort ${report[0]}, ` +
                        `merge sort 100, quick sort ${
                            report[2]}\\. Your guesses against the counts for the 22 values of this ` +
                        `run, as generated: Insertion sort: no guess; `));
                assert.match(await text(tab, 'watch-step'), /^Step 5 of \d+$/);
                assert.equal(await tab.evaluate(() => document.activeElement.id), 'watch-play');
                assert.equal(await tab.evaluate(() => document.getElementById('why-list').children.length), 3);
                await tab.waitFor(() => location.search === '?count=22&seed=1&list=n&order=generated&step=5');
                assert.equal(await tab.evaluate(() => document.getElementById('guess-first').checked), true);
            }
        }
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
    assert.equal(
        await tab.evaluate(() => document.querySelectorAll('#guess-results li')[1].textContent),
        'Merge sort: your guess 148, the count 148: exact.');
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

// The generated values of a run, as the page lists them, and the same arranged as each arrangement's
// definition says, worked out here.
const arrangements = {
    'nearly-ascending': (values) => {
        const v = [...values].sort((a, b) => a - b);
        for (let j = 0; 10 * j + 1 < v.length; j++) {
            [v[10 * j], v[10 * j + 1]] = [v[10 * j + 1], v[10 * j]];
        }
        return v;
    },
    'few-distinct': (values) => values.map((v) => v % 10 + 1),
};
const choose = (tab, order) => tab.evaluate((order) => {
    const select = document.getElementById('order');
    select.value = order;
    select.dispatchEvent(new Event('change'));
}, order);
const counted = (tab, ids) => read(tab, ids).then((texts) => texts.map((t) => Number(t.match(/\d+$/)[0])));

test('nearly ascending and ten distinct values: their values and counts, worked out apart', async () => {
    for (const [n, seed] of [[0, 1], [1, 1], [2, 4], [11, 2], [12, 2], [202, 3]]) {
        const tab = await browser.open(page + `?count=${n}&seed=${seed}&list=y`);
        await settled(tab);
        const listed = (await text(tab, 'session')).match(/Unsorted array: \n(.*)\n/)[1];
        const generated = listed.trim() ? listed.trim().split(' ').map(Number) : [];
        for (const [order, arrange] of Object.entries(arrangements)) {
            await choose(tab, order);
            await settled(tab);
            await tab.waitFor(() => !document.getElementById('why').hidden);
            const values = arrange(generated);
            const shown = (await text(tab, 'insertion-values')).split(': ')[1];
            assert.deepEqual(shown ? shown.split(' ').map(Number) : [], values, `${order} ${n}`);
            const ref = reference(values);
            const expected = [ref.inversions, ref.merges.count, ref.partitions.count];
            const row = await tab.evaluate(
                () => [...document.querySelectorAll('#points tbody tr')]
                          .find((row) => row.cells[0].textContent.endsWith('(your run)'))
                          ?.textContent);
            n > 0 && assert.equal(row, `${n} (your run)${expected.join('')}`);
            await tab.keys(['End']);
            if (n > 1) {
                assert.deepEqual(await counted(tab, ['insertion-done', 'merge-done', 'quick-done']), expected);
            }
            if (order === 'few-distinct') {
                assert.ok(ref.list.length <= 10);
                assert.match(await text(tab, 'watch-order'), /replaced, not reordered/);
            }
        }
        await tab.done();
    }
    // At 5000 values, seed 1, as worked out outside the project.
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
        const why = await tab.evaluate(() => document.getElementById('why').textContent);
        counts.forEach((count) => assert.match(why, new RegExp(`\\b${count}\\b`), order));
        assert.match(await text(tab, 'chart-note'), /(chosen|to show) [^.]*sort/);
    }
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
    // Ordinals and long words are the program's own (read_values), tested with it.
    const refusals = [
        ['1 2 x', `the 3rd value, "x", ${range}`],
        [
            `${Array(21).fill(1)},${'9'.repeat(30)}`,
            `the 22nd value, "${'9'.repeat(20)}" (its first 20 characters), ${range}`
        ],
        [' ,\n', 'there are no values: type whole numbers, up to 5000, between blanks, new lines or commas'],
        [Array(5001).fill(1).join(' '), '5001 values: at most 5000'],
    ];
    for (const [typed, refusal] of refusals) {
        await own(typing, typed);
        await ranOwn(typing);
        assert.equal(await text(typing, 'status'), `Not run: ${refusal}. What is shown is the last run.`);
        assert.equal(await text(typing, 'values-rule'), `${refusal[0].toUpperCase()}${refusal.slice(1)}.`);
        assert.equal(await typing.evaluate(() => document.getElementById('values').ariaInvalid), 'true');
        assert.equal(await text(typing, 'session'), shown);
        assert.equal(
            await typing.evaluate(() => location.search),
            '?values=2147483647,-5,-2147483648,0,0,-5&list=y&order=ascending');
    }
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
    assert.match(
        await text(long, 'status'),
        /^Ran your 5000 values: .* This run is too long for a link: its values take \d+ characters, and a link holds 2000 at most/);
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

test('the status line names the arrangement its counts belong to, and gives both sets where they differ', async () => {
    const tab = await browser.open(page + '?count=40&seed=3&order=few-distinct');
    await settled(tab);
    await tab.waitFor(() => document.getElementById('status').textContent.includes('; as ten distinct values, '));
    assert.equal(
        await text(tab, 'status'),
        'Ran 40 values, seed 3: as generated, insertion sort 414, merge sort 216, quick sort 201; as ten distinct ' +
            'values, 352, 216 and 108.');
    // Values already ascending keep their counts: one set, named twice.
    await choose(tab, 'ascending');
    await settled(tab);
    await own(tab, '1 2 3');
    await tab.waitFor(() => document.getElementById('status').textContent.includes(' and in ascending order'));
    assert.equal(
        await text(tab, 'status'),
        'Ran your 3 values: as typed and in ascending order, insertion sort 0, merge sort 5, quick sort 5.');
    await tab.done();
});
