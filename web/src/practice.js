// Sort them yourself: the learner makes each choice one sort makes on the
// run's values, and the program, which asks the choices, checks each answer
// (choices.js says them). Each finished attempt goes into a table of this
// visit's, to download, and to a page that frames this one (record.js).
// Reached through start, offer and putAway.
import {rememberPractice} from './address.js';
import {query} from './answers.js';
import {answered, answers, nextSeed, question, refusedSort, score} from './choices.js';
import {element} from './dom.js';
import {cells, columns, csv, message} from './record.js';

let tools = null;
let asks = null;     // {run(fields), showMe(sort)}: a run as the form makes it, and the race as a model answer
let shown = null;    // the run presented: {run, made}
let chosen = null;   // the sort's index, once chosen
let refusal = '';    // why the sort a link asked for is refused, if it is
let built = false;   // the section's controls
let attempt = null;  // {sort, choices, count, sorted, at, right, modelShown, done}
const attempts = [];

const section = element('practice');
const said = element('practice-said');

// The program's sorts (tools); the sort a link asks for (asked, null for
// none), or its refusal; and the page's ways (ways).
export function start(program, asked, ways)
{
    tools = program;
    asks = ways;
    const names = tools.sorts.map((sort) => sort.name);
    chosen = names.includes(asked) ? names.indexOf(asked) : null;
    refusal = asked === null || chosen !== null ? '' : refusedSort(asked, names);
}

// The section's controls, once, when it is first offered: the first report need not wait for them.
function build()
{
    built = true;
    element('practice-refused').textContent = refusal;
    element('practice-takes').textContent =
        `Sort them yourself takes ${tools.practice[0]} to ${tools.practice[1]} values.`;
    element('practice-sorts').append(...tools.sorts.map((sort, i) => {
        const label = document.createElement('label');
        const radio = Object.assign(document.createElement('input'), {type: 'radio', name: 'practice-sort'});
        radio.id = `practice-${sort.name}`;
        radio.checked = i === chosen;
        radio.addEventListener('change', () => choose(i));
        label.append(radio, ` ${sort.title}`);
        return label;
    }));
    element('practice-eight').addEventListener('click', () => asks.run({count: '8'}));
    element('practice-new').addEventListener('click', () => {
        const {run} = shown;
        asks.run(
            run.own ? {count: String(run.n)} : {count: String(run.n), seed: String(nextSeed(run.seed, tools.seed))});
    });
    element('practice-show').addEventListener('click', () => {
        attempt.modelShown = true;
        element('practice-score').textContent = score(attempt.right, attempt.choices.length, true);
        asks.showMe(attempt.sort);
    });
    element('practice-download').addEventListener('click', download);
    element('practice-record')
        .querySelector('thead tr')
        .replaceChildren(...columns.map(
            (column) => Object.assign(document.createElement('th'), {scope: 'col', textContent: column})));
    // The answers' keys, while the focus is in the section: never the race's, nor in a text field. A key held
    // down is one answer, not one for each of its repeats.
    section.addEventListener('keydown', (press) => {
        const choice = attempt && !attempt.done && attempt.choices[attempt.at];
        const answerName =
            choice && tools.sorts[attempt.sort].answers.find((named) => answers[named].key === press.key.toLowerCase());
        if (!answerName || press.repeat || press.ctrlKey || press.altKey || press.metaKey) {
            return;
        }
        press.preventDefault();
        reply(answerName);
    });
}

// A run presented, its counts shown ({run, made}, page.js): its values to sort, or why they cannot be.
export function offer(presented)
{
    if (!built) {
        build();
    }
    shown = presented;
    attempt = null;
    const few = presented.run.practice(0) === null;
    element('practice-few').hidden = !few;
    element('practice-on').hidden = few;
    section.hidden = false;
    if (!few && chosen !== null) {
        choose(chosen);
    } else {
        element('practice-board').hidden = true;
    }
}

// Closed while a guess holds the counts back: an attempt would give them away.
export function putAway()
{
    shown = attempt = null;
    section.hidden = true;
}

// An attempt at the sort at index sort on the run shown, from its first choice.
function choose(sort)
{
    chosen = sort;
    element(`practice-${tools.sorts[sort].name}`).checked = true;
    element('practice-refused').textContent = '';
    rememberPractice(tools.sorts[sort].name);
    const practice = shown.run.practice(sort);
    attempt = {sort, ...practice, at: 0, right: 0, modelShown: false, done: false};
    element('practice-answers').replaceChildren(...tools.sorts[sort].answers.map((answerName) => {
        const button = Object.assign(document.createElement('button'), {type: 'button'});
        button.textContent = `${answers[answerName].label} (${answers[answerName].key.toUpperCase()})`;
        button.dataset.answer = answerName;
        button.addEventListener('click', () => reply(answerName));
        return button;
    }));
    element('practice-keys').textContent = 'Keys, with the focus in this section: ' +
        tools.sorts[sort]
            .answers.map((answerName) => `${answers[answerName].key.toUpperCase()} for ${answers[answerName].label}`)
            .join(', ') +
        '.';
    element('practice-feedback').textContent = '';
    element('practice-board').hidden = false;
    ask();
    said.textContent = element('practice-question').textContent;
}

// The choice the attempt is at, on the board; or the sorted values at its end.
function ask()
{
    const sort = tools.sorts[attempt.sort];
    const choice = attempt.choices[attempt.at];
    element('practice-score').textContent = score(attempt.right, attempt.choices.length, attempt.modelShown);
    element('practice-answers').hidden = attempt.done;
    if (attempt.done) {
        element('practice-question').textContent = `Sorted, with ${sort.counted}: ${attempt.count}.`;
        element('practice-counter').textContent = `${sort.counted}: ${attempt.count}`;
        element('practice-rows').replaceChildren(...row('Values', attempt.sorted.map((value) => [value, '', ''])));
        return;
    }
    element('practice-question').textContent = question(sort.name, choice);
    element('practice-counter').textContent = `${sort.counted} so far: ${choice.step}`;
    element('practice-rows').replaceChildren(...boards[sort.name](choice));
}

// A row of cells, named: each [value, its mark in words, its class].
function row(title, list)
{
    const cellList = Object.assign(document.createElement('ol'), {className: 'cells'});
    cellList.setAttribute('aria-label', title);
    cellList.replaceChildren(...list.map(([value, mark, kind]) => {
        const cell = Object.assign(document.createElement('li'), {className: kind});
        cell.append(
            Object.assign(document.createElement('span'), {className: 'value', textContent: value}),
            Object.assign(document.createElement('span'), {className: 'mark', textContent: mark}));
        return cell;
    }));
    return [Object.assign(document.createElement('p'), {className: 'row-name', textContent: title}), cellList];
}

// The rows of each sort's board at a choice (c), every mark in words: each
// cell's mark and class by its position i.
const marked = (values, mark) => values.map((value, i) => [value, ...mark(i)]);
const boards = {
    insertion: (c) =>
        row('Values',
            marked(
                c.values,
                (i) => {
                    if (i === c.at) {
                        return ['inserting', 'at'];
                    }
                    return i === c.other ? ['neighbour', 'other'] : i > c.high ? ['not yet', 'outside'] : ['', ''];
                })),
    merge: (c) => {
        const run = (from, to, front, kind) => marked(c.scratch.slice(from, to + 1), (k) => {
            if (from + k === front) {
                return ['front', kind];
            }
            return from + k < front ? ['written', 'outside'] : ['', ''];
        });
        const values = marked(c.values, (i) => {
            if (i < c.low || i > c.high) {
                return ['', 'outside'];
            }
            return i < c.at ? ['written', ''] : i === c.at ? ['next', ''] : ['', 'outside'];
        });
        return [
            ...row('Left run', run(c.low, c.mid, c.left_next, 'at')),
            ...row('Right run', run(c.mid + 1, c.high, c.right_next, 'other')), ...row('Values', values)
        ];
    },
    quick: (c) =>
        row('Values',
            marked(
                c.values,
                (i) => {
                    if (i < c.low || i > c.high) {
                        return ['', 'outside'];
                    }
                    if (i === c.at) {
                        return ['examining', 'at'];
                    }
                    return [
                        i <= c.less_end         ? 'less' :
                            i < c.at            ? 'equal' :
                            i < c.greater_start ? 'not yet' :
                                                  'greater',
                        ''
                    ];
                })),
};

// The learner's answer, by name, to the choice the attempt is at: said, then the right step made.
function reply(answerName)
{
    const choice = attempt.choices[attempt.at];
    const next = attempt.choices[attempt.at + 1];
    const words = answered(choice, answerName, next);
    attempt.right += answerName === choice.answer;
    attempt.at += 1;
    attempt.done = attempt.at === attempt.choices.length;
    const feedback = element('practice-feedback');
    feedback.textContent = words;
    feedback.classList.toggle('wrong', answerName !== choice.answer);
    ask();
    said.textContent = `${words} ${
        attempt.done ? element('practice-question').textContent + ' ' + element('practice-score').textContent :
                       element('practice-question').textContent}`;
    if (attempt.done) {
        element('practice-score').focus();
        finish();
    }
}

// A finished attempt in the table, and to the page around this one, if any.
function finish()
{
    const sortName = tools.sorts[attempt.sort].name;
    const finished = {
        finished: new Date(),
        sort: sortName,
        n: shown.run.n,
        link: query({...shown.made.link, practice: sortName}),
        right: attempt.right,
        questions: attempt.choices.length,
        modelShown: attempt.modelShown,
    };
    attempts.push(finished);
    const line = document.createElement('tr');
    line.replaceChildren(
        ...cells(finished).map((text) => Object.assign(document.createElement('td'), {textContent: text})));
    element('practice-record').querySelector('tbody').append(line);
    element('practice-record').hidden = false;
    if (parent !== window) {
        parent.postMessage(message(finished, attempt.count), '*');
    }
}

// The table as a CSV file, saved by the browser: made in the page, no request.
function download()
{
    const link = Object.assign(document.createElement('a'), {
        href: URL.createObjectURL(new Blob([csv(attempts)], {type: 'text/csv'})),
        download: 'sort-compare-attempts.csv',
    });
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}
