// The page as a learner meets it, in the engine ENGINE names (chromium,
// firefox or webkit), against the console program built to WebAssembly and
// run under node. PAGE: the page; PROGRAM: the console program's .js.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {readFileSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {dirname, join} from 'node:path';
import {after, before, test} from 'node:test';
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
        // Nothing held the page for long while the chart filled, not even the descending run's 5000-deep quick sort.
        if (browser.can.longTasks) {
            assert.deepEqual(await tab.evaluate(() => longTasks), []);
        }
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
    const cases = [
        ['delete window.WebAssembly', /^Starting the program failed: this browser has no WebAssembly/],
        [
            'WebAssembly.Instance = function() { throw new Error("no instance") }',
            /^Starting the program failed: no instance$/
        ],
        ['TextEncoder.prototype.encode = () => { throw new Error("no encoder") }', /^The run failed: no encoder$/],
        [
            'Object.defineProperty(window, "uPlot", {set() { throw new Error("no chart") }})',
            /^Ran 10 values, seed 42: .* The chart failed: no chart$/
        ],
    ];
    for (const [script, message] of cases) {
        const tab = await browser.open(page + '?count=10&seed=42&list=y', {before: script, watch: false});
        await tab.waitFor(() => / failed: /.test(document.getElementById('status').textContent));
        assert.match(await text(tab, 'status'), message);
        const [form, session] = await tab.evaluate(
            () => [document.getElementById('answers').hidden, document.getElementById('session').textContent]);
        assert.equal(form, message.source.startsWith('^Starting'), script);
        assert.equal(session, message.source.startsWith('^Ran') ? terminal(['10', '42', 'y']) : '', script);
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
        const tab = await browser.open(page + '?count=5000&seed=1&list=y', {width});
        await settled(tab);
        // Through the driver: the page's policy refuses a script element added to it.
        await tab.evaluate(axe);
        const faults = await tab.evaluate(
            () => axe.run(
                         document,
                         {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']}})
                      .then(
                          (result) => result.violations.map(
                              (v) => `${v.id}: ${v.nodes.map((node) => node.target).join(' ')}`)));
        assert.deepEqual(faults, []);
        assert.ok(await tab.evaluate((width) => document.documentElement.scrollWidth <= width, width));
        await tab.done();
    }
});

test('timings: the listed 5000-value run in the page, and opening its link against a blank page', async (t) => {
    const median = (times) => times.sort((a, b) => a - b)[times.length >> 1];
    const tab = await browser.open(page + '?count=5000&seed=1&list=y');
    await settled(tab);
    const first = await tab.evaluate(() => document.body.dataset.runTime);
    const runs = [];
    for (let i = 0; i < 20; i++) {
        await tab.evaluate(() => {
            delete document.body.dataset.runTime;
            document.querySelector('button').click();
        });
        await settled(tab);
        runs.push(Number(await tab.waitFor(() => document.body.dataset.runTime)));
    }
    await tab.done();
    const engine = process.env.ENGINE;
    t.diagnostic(`run_comparison, 5000 values listed, in the page in ${engine}: first ${
        first} ms, median of 20 after it ${median(runs)} ms`);
    // From navigation to the frame that shows the report, or the blank page's one line.
    const blank = pathToFileURL(join(dirname(process.env.PAGE), 'blank.html')).href;
    const shown = 'requestAnimationFrame(() => setTimeout(() => performance.mark("shown")))';
    writeFileSync(new URL(blank), `<!doctype html><script>document.write("one line"); ${shown}</script>`);
    const loads = {page: [], blank: []};
    for (let i = 0; i < 20; i++) {
        for (const [name, url] of [['page', page + '?count=5000&seed=1&list=y'], ['blank', blank]]) {
            const tab = await browser.open(url, {watch: false});
            loads[name].push(await tab.waitFor(() => performance.getEntriesByName('shown')[0]?.startTime));
            await tab.close();
        }
    }
    t.diagnostic(`to the report on screen in ${engine}: ${median(loads.page)} ms; a blank page: ${
        median(loads.blank)} ms; ratio ${(median(loads.page) / median(loads.blank)).toFixed(2)}`);
});
