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
             '?order=sideways', 'order', 'There is no order "sideways": choose generated, ascending or descending.'
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
    for (const width of browser.can.narrow ? [1280, 320] : [1280]) {
        // The view paused mid-race.
        const tab = await browser.open(page + '?count=5000&seed=1&list=y&step=3000000', {width});
        await settled(tab);
        // Through the driver: the page's policy refuses a script element added to it.
        await tab.evaluate(axe);
        const faults = await tab.evaluate(
            (values) => axe.run(document, {runOnly: {type: 'tag', values}})
                            .then(
                                (result) => result.violations.map(
                                    (v) => `${v.id}: ${v.nodes.map((node) => node.target).join(' ')}`)),
            ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']);
        assert.deepEqual(faults, []);
        assert.ok(await tab.evaluate((width) => document.documentElement.scrollWidth <= width, width));
        await tab.done();
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
