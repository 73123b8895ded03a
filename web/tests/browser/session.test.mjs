// A run from a link, from the keyboard and from the forms; refusals, failures and the chart.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {browser, page, reported, served, settled, terminal, text} from './page.mjs';

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
    // Which answers the program takes is its own rule, tested with it: here, that each refusal is said in its place.
    for (const [field, answer] of [['count', '12abc'], ['count', '5001'], ['seed', '2147483648']]) {
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
        const report = reported(terminal([String(n), '9', 'n']));
        assert.deepEqual(points.generated.find((row) => row[0] === n), [n, ...report]);
    }
    const column = (order, i) => points[order].map((row) => row[i]);
    assert.deepEqual(column('ascending', 2), column('generated', 2));
    assert.ok(column('ascending', 1).every((count) => count === 0));
    // Descending, both do about n(n-1)/2 steps: only equal values spare them any.
    assert.ok(points.descending.every(
        ([n, insertion, , quick]) => n < 2 || Math.min(insertion, quick) > n * (n - 1) / 2 * 0.9));
});

test('the chart says how far it has filled as it fills, and what it was chosen to show once it has', async (t) => {
    if (!browser.can.before) {
        return t.skip('the driver runs no script before the page\'s own');
    }
    // Each new text of the chart's progress and its note, as the page writes them.
    const record = `window.progress = [];
        new MutationObserver(() => {
            const said = ['progress-text', 'chart-note'].map((id) => document.getElementById(id)?.textContent);
            if (said[0] && String(said) !== String(progress.at(-1))) progress.push(said);
        }).observe(document, {subtree: true, childList: true, characterData: true});`;
    const tab = await browser.open(page + '?count=5000&seed=1', {before: record});
    await settled(tab);
    const progress = await tab.evaluate(() => window.progress);
    const [done, note] = progress.pop();
    assert.deepEqual(progress[0], ['filling', '']);
    assert.equal(done, 'done: 41 sizes, values as generated');
    assert.match(note, /^As generated, /);
    const filled =
        progress.slice(1).map(([said, empty]) => empty === '' && Number(said.match(/^(\d+) of 41 sizes$/)[1]));
    assert.ok(filled.length > 0 && filled.every((k, i) => k > (filled[i - 1] ?? 0) && k <= 41), String(progress));
    await tab.done();
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
