// Why each sort's count is what it is, a sentence for each sort, with the
// numbers the program worked out for the run (program.explain). Reached
// through show and hide.
import {element} from './dom.js';

// How a count stands against the quick sort's for the values as generated or typed.
function against(count, why, own)
{
    const above = count - why.generatedQuick;
    return `The count is ${Math.abs(above)} ${above >= 0 ? 'above' : 'below'} ` +
        (own ? `that of the values as typed, ${why.generatedQuick}.` : `the generated order's ${why.generatedQuick}.`);
}

// The sentence for a sort, by its name, from the run's numbers (why), the
// arrangement of its values, and whether they are the learner's own.
const sentences = {
    insertion: (why, count, orderName) => `Each exchange swaps two neighbours that are out of order, which removes ` +
        `exactly one inversion (a pair of values out of order), so the count is these values' inversions: ` +
        `${count}. Random orders of ${why.n} distinct values have n(n\u22121)/4 = ${why.average} on average, and no ` +
        `order has more than n(n\u22121)/2 = ${why.pairs}.` +
        (orderName === 'nearly-ascending' ?
             ` Nearly ascending values have one inversion at most for each of the ${why.exchangedPairs} pairs ` +
                 `exchanged, none where its two values are equal.` :
             orderName === 'few-distinct' ?
             ` With ten distinct values a pair of equal values is no inversion: random orders of them have ` +
                 `n(n\u22121)/2 \u00b7 9/20 = ${(why.pairs * 9 / 20).toFixed(1)} on average.` :
             ''),
    merge: (why) => why.n < 2 ? `Fewer than two values need no merge, so the count is 0.` :
                                `Every merge writes back its whole range, and each depth of the recursion writes ` +
            `at most n values, so the count depends on n alone: n\u00b7\u2308log2 n\u2309 \u2212 2^\u2308log2 n\u2309 + n = ` +
            `${why.n}\u00b7${why.levels} \u2212 ${why.power} + ${why.n} = ${why.writes}, in merges at most ` +
            `${why.levels} deep.`,
    quick: (why, count, orderName, own) => {
        if (why.n < 2) {
            return 'Fewer than two values need no partition, so the count is 0.';
        }
        const partitions = why.partitions === 1 ? '1 partition' : `${why.partitions} partitions`;
        const base = `Each partition examines every value of its range, so the count, ${count}, is the sum of the ` +
            `ranges' lengths: ${partitions}, the deepest at depth ${why.deepest}.`;
        if (orderName === 'descending') {
            return `${base} On descending values each pivot was the largest value of its range, so its partition ` +
                `left every other value in the less-than region. ` +
                (why.repeats ? `For ${why.n} distinct values that would give n(n+1)/2 \u2212 1 = ${why.descending}; ` +
                         `these values repeat, equal values end up beside their pivot, and the count comes out ` +
                         `lower, at ${count}.` :
                               `For ${why.n} distinct values that gives n(n+1)/2 \u2212 1 = ${why.descending}.`);
        }
        if (orderName === 'ascending' || orderName === 'nearly-ascending') {
            const [which, pivot] = orderName === 'ascending' ? ['ascending', 'the smallest value'] :
                                                               ['nearly ascending', 'one of the smallest values'];
            return `${base} On ${which} values the first pivot is ${pivot}, so the first ` +
                `partition leaves ${why.firstGreater} of the ${why.n} values to sort above it and ${why.firstLess} ` +
                `below. ${against(count, why, own)}`;
        }
        if (orderName === 'few-distinct') {
            return `${base} Each of the ten distinct values is a pivot once at most, as its partition settles every ` +
                `value equal to it, so there are ten partitions at most. ${against(count, why, own)}`;
        }
        return base;
    },
};

// The sentences for the run: the sorts in the program's order, why the
// program's numbers for the run in the arrangement named, the values
// described in words (theValues).
export function show(sorts, why, orderName, values, own)
{
    element('why-list').replaceChildren(...sorts.map((sort, i) => {
        const item = document.createElement('li');
        const heading = Object.assign(document.createElement('strong'), {textContent: `${sort.title}: `});
        item.append(heading, sentences[sort.name](why, why.counts[i], orderName, own));
        return item;
    }));
    element('why-order').textContent = `For ${values}:`;
    element('why').hidden = false;
}

export const hide = () => (element('why').hidden = true);
