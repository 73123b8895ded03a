// What the browser tests share: the page as a learner meets it, in the
// engine ENGINE names (chromium, firefox or webkit), against the console
// program built to WebAssembly and run under node. PAGE: the page; PROGRAM:
// the console program's .js. A test file that imports this has the engine
// open for its tests (browser), the page as a file (page) and served (served).
import {execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {after, before} from 'node:test';
import {pathToFileURL} from 'node:url';

import {launch} from '../../engines.mjs';

export const page = pathToFileURL(process.env.PAGE).href;
export let browser, served;
let server;

before(async () => {
    browser = await launch(process.env.ENGINE);
    const html = readFileSync(process.env.PAGE);
    // And a page that frames it, and keeps what it posts.
    const frame = '<iframe src="sort-compare.html?values=1,2&practice=insertion" width="1000" height="700"></iframe>' +
        '<script>window.received = []; addEventListener("message", (e) => received.push(e.data));</script>';
    server = createServer((request, response) => response.end(request.url === '/frame.html' ? frame : html))
                 .listen(0, '127.0.0.1');
    await new Promise((resolve) => server.on('listening', resolve));
    served = `http://127.0.0.1:${server.address().port}/sort-compare.html`;
});
after(() => Promise.all([browser.close(), new Promise((resolve) => server.close(resolve))]));

// Waits until the last run has filled its chart, or failed, or was refused.
export const settled = (tab) => tab.waitFor(
    () => /^(done|failed|Not run)/.test(
        document.getElementById('progress-text').textContent || document.getElementById('status').textContent));
export const text = (tab, id) => tab.evaluate((id) => document.getElementById(id).textContent, id);

// The console program's output for these answers, each answer echoed after its prompt.
export function terminal(answers)
{
    const output = execFileSync('node', [process.env.PROGRAM], {input: answers.join('\n') + '\n', encoding: 'utf8'});
    const lines = output.split('\n');
    answers.forEach((answer, i) => lines.splice(2 * i + 1, 0, answer));
    return lines.join('\n');
}

// A link that asks for a guess: the run shown, every count held back, and the guess asked for.
export const guessing = (tab) => tab.waitFor(
    () => !document.getElementById('guess').hidden &&
        document.getElementById('watch-step').textContent.startsWith('Step 0: '));
export const held = (tab) => tab.evaluate((sorts) => {
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
        panels: sorts.map((sort) => ['counter', 'ledger', 'done'].map((piece) => shown(`${sort}-${piece}`)).join('|')),
        said: shown('watch-said'),
    };
}, sorts);
export const guessed = (tab, guesses) => tab.evaluate((guesses) => {
    guesses.forEach((guess, i) => (document.querySelectorAll('#guess-fields input')[i].value = guess));
    document.querySelector('#guesses button[type="submit"]').click();
}, guesses);

// A run of the learner's values, or their refusal, once the page has said which.
export const ranOwn = (tab) =>
    tab.waitFor(() => /^(Ran your|Not run)/.test(document.getElementById('status').textContent));
export const own = (tab, values) => tab.evaluate((values) => {
    document.getElementById('status').textContent = '';
    document.getElementById('values').value = values;
    document.querySelector('#own button').click();
}, values);
// The report's three counts in a session.
export const reported = (session) => session.match(/count: \d+/g).map((line) => Number(line.slice(7)));
export const listing = (values, counts) => `Unsorted array: \n${values.map((v) => v + ' ').join('')}\n\n\n` +
    `Sorted array: \n${[...values].sort((a, b) => a - b).map((v) => v + ' ').join('')}\n\n\n` +
    `Insertion Sort count: ${counts[0]}\nMerge Sort count: ${counts[1]}\nQuick Sort count: ${counts[2]}\n`;

// What each counted operation belongs to, by sorts written apart from the
// program's: inversions counted pair by pair, and the merges of a merge sort
// and the partitions of a three-way quick sort, in order, each with its
// range's length and depth; an operation k belongs to the one whose
// operations, as many as its length, take in the k-th.
export function reference(values)
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

// The sorts the page shows, in its order, by the names their panels' parts take.
export const sorts = ['insertion', 'merge', 'quick'];
export const ledgerIds = ['watch-step', ...sorts.map((sort) => `${sort}-ledger`), 'watch-said'];
export const read = (tab, ids) => tab.evaluate((ids) => ids.map((id) => document.getElementById(id).textContent), ids);

export const choose = (tab, order) => tab.evaluate((order) => {
    const select = document.getElementById('order');
    select.value = order;
    select.dispatchEvent(new Event('change'));
}, order);

// What each sort's picture shows: the roles of the style's colours (bar, at, other, faded, line) that some pixel
// has, at least half opaque (a line's edge may fall either side of a pixel's); and the row most filled with the
// bars' colour: the part of its width filled, and the bars apart on it.
export const pictures = (tab) => tab.evaluate(() => {
    const rgb = (role) => {
        const probe = document.body.appendChild(document.createElement('i'));
        probe.style.color = `var(--${role})`;
        const colour = getComputedStyle(probe).color.match(/\d+/g).slice(0, 3).join(',');
        probe.remove();
        return colour;
    };
    const roles = ['bar', 'at', 'other', 'faded', 'line'].map((role) => [role, rgb(role)]);
    return [...document.querySelectorAll('canvas.picture')].map((canvas) => {
        const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        const colours = new Set();
        let fullest = {filled: 0, apart: 0};
        for (let row = 0; row < canvas.height; row++) {
            const inRow = {filled: 0, apart: 0};
            let before = false;
            for (let i = 4 * row * canvas.width; i < 4 * (row + 1) * canvas.width; i += 4) {
                const colour = `${pixels[i]},${pixels[i + 1]},${pixels[i + 2]}`;
                const bar = pixels[i + 3] === 255 && colour === roles[0][1];
                inRow.filled += bar / canvas.width;
                inRow.apart += bar && !before;
                before = bar;
                if (pixels[i + 3] >= 128) {
                    colours.add(colour);
                }
            }
            fullest = inRow.filled > fullest.filled ? inRow : fullest;
        }
        return {roles: roles.filter(([, colour]) => colours.has(colour)).map(([role]) => role), ...fullest};
    });
});
