// The words for a run's values in each arrangement the program offers (its
// orders, by name), and the sort each arrangement was chosen to show.

// How the values stand in the arrangement, in full and briefly; own, for the learner's values.
const how = {
    generated: (own) => [own ? 'as typed' : 'as generated'],
    ascending: () => ['in ascending order'],
    descending: () => ['in descending order'],
    'nearly-ascending': () =>
        ['nearly ascending (in ascending order, then the values at positions 10j and 10j + 1 exchanged)',
         'nearly ascending'],
    'few-distinct': () =>
        ['each value v replaced, not reordered, by (v mod 10) + 1: ten distinct values', 'as ten distinct values'],
};

// "the 5000 values of this run, in descending order", or of the learner's own values
// "the 3 values you gave, as typed"; of names "this run" in other words.
export const theValues = (run, orderName, of = 'this run') =>
    `the ${run.n} values ${run.own ? 'you gave' : `of ${of}`}, ${how[orderName](run.own)[0]}`;

// The arrangement's words alone, briefly.
export const arranged = (orderName) => how[orderName](false).at(-1);

// Why each arrangement is on offer, in one sentence.
export const chosen = {
    generated: 'As generated, the values come in random order, to show each sort at its typical count beside the ' +
        'dashed curves expected for insertion sort and merge sort.',
    ascending: 'Ascending values were chosen to show insertion sort at its best, with nothing to exchange, and quick ' +
        'sort slowed by a first pivot that is the smallest value, which leaves every other value on one side.',
    descending: 'Descending values were chosen to show insertion sort and quick sort at their worst: every pair is ' +
        'out of order, and every pivot is the largest value of its range.',
    'nearly-ascending': 'Nearly ascending values were chosen to show insertion sort: with at most one pair out of ' +
        'order in every ten values, its count grows with n, not with n\u00b2.',
    'few-distinct': 'Ten distinct values were chosen to show quick sort: its three-way partition settles every value ' +
        'equal to its pivot in one pass, so it makes at most ten partitions.',
};
