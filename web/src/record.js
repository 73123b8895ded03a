// The record of this visit's attempts at sorting by hand, for a course: a row
// for each finished attempt, the table as CSV, and the message a page that
// frames this one receives. Plain functions of their arguments, with no page
// to reach: practice.js keeps the rows and sends the message.

// The table's columns, and each attempt's cells in them.
export const columns = ['Date and time', 'Sort', 'Values', 'Link', 'Right', 'Questions', 'Model answer'];

const two = (number) => String(number).padStart(2, '0');

// An attempt ({finished, a Date; sort, its name; n, its number of values; link, the run's query string; right;
// questions; modelShown}) as the table's cells: the time as YYYY-MM-DD HH:MM, local.
export const cells = (attempt) =>
    [`${attempt.finished.getFullYear()}-${two(attempt.finished.getMonth() + 1)}-${two(attempt.finished.getDate())} ` +
         `${two(attempt.finished.getHours())}:${two(attempt.finished.getMinutes())}`,
     attempt.sort,
     String(attempt.n),
     attempt.link,
     String(attempt.right),
     String(attempt.questions),
     attempt.modelShown ? 'model answer shown' : '',
];

// A cell as CSV writes it: quoted where it holds a comma, a quote or a line end, its quotes doubled.
const field = (text) => /[",\r\n]/.test(text) ? `"${text.replaceAll('"', '""')}"` : text;

// The attempts as CSV: a line of the columns' names, then one for each attempt, each ended by CR LF.
export const csv =
    (attempts) => [columns, ...attempts.map(cells)].map((row) => row.map(field).join(',') + '\r\n').join('');

// The message for a page that frames this one, for an attempt and the sort's count: finished in UTC, ISO 8601.
export const message = (attempt, count) => ({
    type: 'sort-compare-attempt',
    version: 1,
    sort: attempt.sort,
    values: attempt.n,
    right: attempt.right,
    questions: attempt.questions,
    count,
    modelShown: attempt.modelShown,
    finished: attempt.finished.toISOString(),
});
