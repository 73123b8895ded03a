// A sort done by hand, in words: each choice the program asks (program.js,
// run.practice), what a wrong answer missed, the score, and the next seed.
// Plain functions of their arguments, with no page to reach: practice.js puts
// them on the page.

// Each sort's answers, by the names the program gives them: the button's
// words and its key.
export const answers = {
    exchange: {label: 'Exchange', key: 'e'},
    leave: {label: 'Leave it', key: 'l'},
    left: {label: 'Left run', key: 'l'},
    right: {label: 'Right run', key: 'r'},
    less: {label: 'Less', key: 'l'},
    equal: {label: 'Equal', key: 'e'},
    greater: {label: 'Greater', key: 'g'},
};

// The question a choice (c, one of run.practice's choices) asks, by the sort's name.
const questions = {
    insertion: (c, v) => `Inserting ${v[c.at]} at position ${c.at}; its left neighbour is ${v[c.other]}.`,
    merge: (c, v, s) => `Merging positions ${c.low} to ${c.mid} with ${c.mid + 1} to ${c.high}, writing position ` +
        `${c.at}: the left run's front is ${s[c.left_next]}, the right run's ${s[c.right_next]}.`,
    quick: (c, v) => `Partitioning positions ${c.low} to ${c.high} around the pivot ${c.pivot}: examining ` +
        `${v[c.at]} at position ${c.at}.`,
};

// Why the right answer is right, by its name.
const reasons = {
    exchange: (c, v) => `${v[c.at]} is less than ${v[c.other]}, so they are exchanged.`,
    leave: (c, v) => `${v[c.at]} is not less than ${v[c.other]}, so it stays at position ${c.at}.`,
    left: (c, v, s) => `${s[c.left_next]} is less than ${s[c.right_next]}, so the left run's ${s[c.left_next]} is ` +
        `written.`,
    right: (c, v, s) => s[c.left_next] === s[c.right_next] ?
        `the fronts are equal, and on equal values the right run's goes first, as the program's merge does.` :
        `${s[c.right_next]} is less than ${s[c.left_next]}, so the right run's ${s[c.right_next]} is written.`,
    less: (c, v) => `${v[c.at]} is less than the pivot ${c.pivot}, so it is exchanged into position ` +
        `${c.less_end + 1}, the less region's new end.`,
    equal: (c, v) => `${v[c.at]} equals the pivot, so it stays, in the equal region.`,
    greater: (c, v) => `${v[c.at]} is greater than the pivot ${c.pivot}, so it is exchanged into position ` +
        `${c.greater_start - 1}, the greater region's new start.`,
};

// The question choice asks, for the sort so named.
export const question = (sortName, choice) => questions[sortName](choice, choice.values, choice.scratch);

// What is said once the learner answers choice with the answer so named:
// right or not, why where not, and, after a greater value, the one brought in
// from the right to be examined next (next: the choice after, if any).
export function answered(choice, answer, next)
{
    const why = reasons[choice.answer](choice, choice.values, choice.scratch);
    const said = answer === choice.answer ? 'Right.' : `No: ${why}`;
    // Within the same partition, the next examination is at the same position.
    const broughtIn = choice.answer === 'greater' && next?.low === choice.low && next.high === choice.high;
    return broughtIn ? `${said} ${next.values[next.at]}, brought in from the right, is examined next.` : said;
}

// The score: right answers of the questions, and whether the model answer was shown.
export const score = (right, asked, modelShown) =>
    `Right: ${right} of ${asked}.${modelShown ? ' Model answer shown.' : ''}`;

// Why a link's practice= is refused, where names are the sorts there are.
export const refusedSort = (asked, names) =>
    `There is no sort "${asked}": choose ${names.slice(0, -1).join(', ')} or ${names.at(-1)}.`;

// The seed after seed, in the program's range of seeds [least, greatest]: after the greatest comes the least.
export const nextSeed = (seed, [least, greatest]) => seed === greatest ? least : seed + 1;
