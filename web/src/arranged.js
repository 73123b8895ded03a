// The words for each arrangement of a run's values, by the name the program
// gives it (program.arrangements), and what each was chosen to show: the one
// module that knows an arrangement by its name.
import {amount} from './amount.js';

// For each: its label in the list; how the values stand in it, in full and
// briefly (own, for the learner's values); why it is on offer; what it adds to
// insertion sort's and quick sort's reasons (reasons.js); and whether it
// leaves the values as they came, generated in random order or typed.
const words = {
    generated: {
        label: 'as generated',
        how: (own) => [own ? 'as typed' : 'as generated'],
        chosen: 'As generated, the values come in random order, to show each sort at its typical count beside the ' +
            'dashed curves expected for insertion sort and merge sort.',
        asGiven: true,
    },
    ascending: {
        label: 'the same values, ascending',
        how: () => ['in ascending order'],
        chosen: 'Ascending values were chosen to show insertion sort at its best, with nothing to exchange, and ' +
            'quick sort slowed by a first pivot that is the smallest value, which leaves every other value on one ' +
            'side.',
        quick: (why, count, against) => `On ascending values the first pivot is the smallest value, so the first ` +
            `partition leaves ${why.firstGreater} of the ${why.n} values to sort above it and ${why.firstLess} ` +
            `below. ${against}`,
    },
    descending: {
        label: 'the same values, descending',
        how: () => ['in descending order'],
        chosen: 'Descending values were chosen to show insertion sort and quick sort at their worst: every pair is ' +
            'out of order, and every pivot is the largest value of its range.',
        quick: (why, count) => `On descending values each pivot was the largest value of its range, so its ` +
            `partition left every other value in the less-than region. ` +
            (why.repeats ? `For ${why.n} distinct values that would give n(n+1)/2 \u2212 1 = ${why.descending}; ` +
                     `these values repeat, equal values end up beside their pivot, and the count comes out lower, ` +
                     `at ${count}.` :
                           `For ${why.n} distinct values that gives n(n+1)/2 \u2212 1 = ${why.descending}.`),
    },
    'nearly-ascending': {
        label: 'the same values, nearly ascending',
        how: () =>
            ['nearly ascending (in ascending order, then the values at positions 10j and 10j + 1 exchanged)',
             'nearly ascending'],
        chosen: 'Nearly ascending values were chosen to show insertion sort: with at most one pair out of order in ' +
            'every ten values, its count grows with n, not with n\u00b2.',
        // Fewer than two values have no pair at positions 0 and 1 to exchange.
        insertion: (why) => {
            if (why.exchangedPairs === 0) {
                return 'With fewer than two values, nearly ascending exchanges no pair.';
            }
            const pairs = why.exchangedPairs === 1 ? 'the 1 pair' : `each of the ${why.exchangedPairs} pairs`;
            return `Nearly ascending values have one inversion at most for ${pairs} exchanged, none where its two ` +
                'values are equal.';
        },
        // Positions 0 and 1 exchanged put the second smallest value first, where quick sort takes its pivot.
        quick: (why, count, against) => `On nearly ascending values the first pivot is the second smallest value, ` +
            `so the first partition leaves ${why.firstGreater} of the ${why.n} values to sort above it and ` +
            `${why.firstLess} below. ${against}`,
    },
    'few-distinct': {
        label: 'ten distinct values',
        how: () =>
            ['each value v replaced, not reordered, by (v mod 10) + 1: ten distinct values', 'as ten distinct values'],
        chosen: 'Ten distinct values were chosen to show quick sort: its three-way partition settles every value ' +
            'equal to its pivot in one pass, so it makes at most ten partitions.',
        insertion: (why) => `With ten distinct values a pair of equal values is no inversion: random orders of them ` +
            `have n(n\u22121)/2 \u00b7 9/20 = ${(why.pairs * 9 / 20).toFixed(1)} on average.`,
        quick: (why, count, against) => `Each of the ten distinct values is a pivot once at most, as its partition ` +
            `settles every value equal to it, so there are ten partitions at most. ${against}`,
    },
};

// The label of each arrangement, for the list.
export const label = (arrangement) => words[arrangement].label;

// "the 5000 values of this run, in descending order", or of the learner's own values
// "the 3 values you gave, as typed"; of names "this run" in other words.
export const theValues = (run, arrangement, of = 'this run') =>
    `the ${amount(run.n, 'value')} ${run.own ? 'you gave' : `of ${of}`}, ${words[arrangement].how(run.own)[0]}`;

// The arrangement's words alone, briefly.
export const arranged = (arrangement) => words[arrangement].how().at(-1);

// Why the arrangement is on offer, in one sentence.
export const chosen = (arrangement) => words[arrangement].chosen;

// How values stand as they came, briefly: "as generated", or for the learner's own, "as typed".
export const asTheyCame = (own) => words.generated.how(own)[0];

// Whether the arrangement leaves the values as they came: generated values then come in random order, where the
// chart's curves of what to expect hold.
export const asGiven = (arrangement) => Boolean(words[arrangement].asGiven);

// What the arrangement adds to a sort's reason, by the sort's arrangement: a sentence after it, from the run's numbers
// (why), its count, and how that stands against the count as generated or typed; '' for nothing.
export const reason = (arrangement, sortName, why, count, against) =>
    words[arrangement][sortName]?.(why, count, against) ?? '';

// Why the program refused the arrangement so named (its refusal: 'unknown' or 'generated-only'), beside the
// list and in the status line; names, those there are.
export function refusal(kind, arrangement, names)
{
    if (kind === 'unknown') {
        return {
            beside:
                `There is no arrangement "${arrangement}": choose ${names.slice(0, -1).join(', ')} or ${names.at(-1)}.`,
            said: 'the arrangement was refused; the message beside it says which there are.',
        };
    }
    const made = `${words[arrangement].label} are made from generated values alone`;
    return {
        beside: `${made[0].toUpperCase()}${made.slice(1)}: choose another arrangement for your own values.`,
        said: `${made}.`,
    };
}
