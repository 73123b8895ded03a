// The page in Chromium, as a learner meets it, against the console program
// built to WebAssembly and run under node.
// PAGE: the page; PROGRAM: the console program's .js.
import AxeBuilder from '@axe-core/playwright';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {readFileSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {dirname, join} from 'node:path';
import {after, before, test} from 'node:test';
import {pathToFileURL} from 'node:url';
import {chromium} from 'playwright-core';

const page = pathToFileURL(process.env.PAGE).href;
let browser, server, served;

before(async () => {
    browser = await chromium.launch({executablePath: '/usr/bin/chromium', args: ['--no-sandbox']});
    const html = readFileSync(process.env.PAGE);
    server = createServer((_, response) => response.end(html)).listen(0, '127.0.0.1');
    await new Promise((resolve) => server.on('listening', resolve));
    served = `http://127.0.0.1:${server.address().port}/sort-compare.html`;
});
after(() => Promise.all([browser.close(), new Promise((resolve) => server.close(resolve))]));

// Opens the page at query; closing checks that it asked for nothing but
// itself, broke no policy and threw nothing.
async function open(query = '', {base = page, width = 1280} = {})
{
    const context = await browser.newContext({viewport: {width, height: 900}});
    const tab = await context.newPage();
    const faults = [];
    tab.on('request', (request) => request.url().split('?')[0] === base || faults.push(`request ${request.url()}`));
    tab.on('pageerror', (error) => faults.push(`error ${error.message}`));
    tab.on('console', (message) => message.type() === 'error' && faults.push(`console ${message.text()}`));
    await tab.addInitScript(() => {
        window.longTasks = [];  // over 100 ms, from the first report on the screen
        const since = () => performance.getEntriesByName('shown')[0]?.startTime ?? Infinity;
        new PerformanceObserver(
            (list) =>
                longTasks.push(...list.getEntries().filter((task) => task.duration > 100 && task.startTime >= since())))
            .observe({type: 'longtask'});
        document.addEventListener('securitypolicyviolation', (e) => console.error(`policy: ${e.violatedDirective}`));
    });
    await tab.goto(base + query);
    tab.done = async () => {
        await context.close();
        assert.deepEqual(faults, []);
    };
    return tab;
}

// Waits until the last run has filled its chart, or was refused.
const settled = (tab) => tab.waitForFunction(
    () => /^(done|Not run)/.test(
        document.getElementById('progress-text').textContent || document.getElementById('status').textContent));
const text = (tab, id) => tab.locator('#' + id).textContent();

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
        const tab =
            await open('?' + new URLSearchParams({count: answers[0], seed: answers[1], list: answers[2]}), {base});
        await settled(tab);
        assert.equal(await text(tab, 'session'), terminal(answers));
        // A new count, the tick box changed, and Enter there: the address keeps the run, and focus stays.
        for (const key of ['Tab', 'Control+A', '1', '2', '5', 'Tab', 'Tab', 'Space', 'Enter']) {
            await tab.keyboard.press(key);
        }
        await tab.waitForFunction(() => location.search.startsWith('?count=125&'));
        assert.equal(await text(tab, 'session'), terminal(['125', answers[1], answers[2] === 'y' ? 'n' : 'y']));
        assert.equal(await tab.evaluate(() => document.activeElement.id), 'list');
        assert.match(await tab.locator('[role=status]').textContent(), /^Ran 125 values, seed /);
        await settled(tab);
        await tab.done();
    }
});

test('every refused answer is explained beside its field, and nothing runs', async () => {
    const tab = await open('?count=3&seed=1');
    await settled(tab);
    const session = await text(tab, 'session');
    const rules = {
        count: 'Please type a whole number from 0 to 5000.',
        seed: 'Please type a whole number from -2147483648 to 2147483647.'
    };
    const refused = ['12abc', '1e3', '', '  ', '5 6', '5001', '-1', '99999999999999999999'].map((a) => ['count', a]);
    for (const [field, answer] of [...refused, ['seed', '2147483648'], ['seed', 'x']]) {
        await tab.evaluate(() => (document.getElementById('status').textContent = ''));
        await tab.fill('#' + field, answer);
        await tab.press('#' + field, 'Enter');
        await tab.waitForFunction(() => document.getElementById('status').textContent.startsWith('Not run'));
        assert.equal(await text(tab, field + '-rule'), rules[field], answer);
        assert.equal(await tab.getAttribute('#' + field, 'aria-invalid'), 'true');
        assert.equal(await text(tab, 'session'), session);
        await tab.fill('#' + field, '3');
    }
    await tab.done();
    for (const [query, field, rule] of [['?count=5%00', 'count', rules.count], ['?seed=', 'seed', rules.seed], [
             '?order=sideways', 'order', 'There is no order "sideways": choose generated, ascending or descending.'
         ]]) {
        const tab = await open(query);
        await tab.waitForFunction(() => document.getElementById('status').textContent.startsWith('Not run'));
        assert.equal(await text(tab, field + '-rule'), rule);
        assert.equal(await text(tab, 'session'), '');
        await tab.done();
    }
});

test('the chart\'s points are the program\'s counts, and the orders change them as they must', async () => {
    const points = {};
    for (const order of ['generated', 'ascending', 'descending']) {
        const tab = await open(`?count=5000&seed=9&list=y&order=${order}`);
        await settled(tab);
        points[order] = await tab.$$eval(
            '#points tbody tr',
            (rows) => rows.map((row) => [...row.cells].map((cell) => parseInt(cell.textContent, 10))));
        assert.equal(points[order].length, 41);
        // Nothing held the page for long while the chart filled, not even the descending run's 5000-deep quick sort.
        assert.deepEqual(await tab.evaluate(() => longTasks), []);
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

test('no accessibility fault, and at 320 px nothing scrolls sideways but the boxes', async () => {
    for (const width of [1280, 320]) {
        const tab = await open('?count=5000&seed=1&list=y', {width});
        await settled(tab);
        const axe = await new AxeBuilder({page: tab})
                        .withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'])
                        .analyze();
        assert.deepEqual(axe.violations.map((v) => `${v.id}: ${v.nodes.map((node) => node.target).join(' ')}`), []);
        assert.ok(await tab.evaluate((width) => document.documentElement.scrollWidth <= width, width));
        await tab.done();
    }
});

test('timings: the listed 5000-value run in the page, and opening its link against a blank page', async (t) => {
    const median = (times) => times.sort((a, b) => a - b)[times.length >> 1];
    const tab = await open('?count=5000&seed=1&list=y');
    await settled(tab);
    const first = await tab.evaluate(() => document.body.dataset.runTime);
    const runs = [];
    for (let i = 0; i < 20; i++) {
        await tab.click('button');
        await settled(tab);
        runs.push(Number(await tab.evaluate(() => document.body.dataset.runTime)));
    }
    await tab.done();
    t.diagnostic(
        `run_comparison, 5000 values listed, in the page: first ${first} ms, median of 20 after it ${median(runs)} ms`);
    // From navigation to the frame that shows the report, or the blank page's one line.
    const blank = pathToFileURL(join(dirname(process.env.PAGE), 'blank.html')).href;
    const shown = 'requestAnimationFrame(() => setTimeout(() => performance.mark("shown")))';
    writeFileSync(new URL(blank), `<!doctype html><script>document.write("one line"); ${shown}</script>`);
    const loads = {page: [], blank: []};
    for (let i = 0; i < 20; i++) {
        for (const [name, url] of [['page', page + '?count=5000&seed=1&list=y'], ['blank', blank]]) {
            const tab = await browser.newPage();
            await tab.goto(url, {waitUntil: 'commit'});
            await tab.waitForFunction(() => performance.getEntriesByName('shown').length);
            loads[name].push(await tab.evaluate(() => performance.getEntriesByName('shown')[0].startTime));
            await tab.close();
        }
    }
    t.diagnostic(`to the report on screen: ${median(loads.page)} ms; a blank page: ${median(loads.blank)} ms; ratio ${
        (median(loads.page) / median(loads.blank)).toFixed(2)}`);
});
