// Why each sort's count is what it is, a sentence for each sort, with the
// numbers the program worked out for the run (program.explain). Reached
// through show and hide.
import {element} from './dom.js';

// The sentence for a sort, by its name, from the run's numbers (why) and the
// order of its values.
const sentences = {
    insertion: (why, count) => `Each exchange swaps two neighbours that are out of order, which removes exactly one ` +
        `inversion (a pair of values out of order), so the count is these values' inversions: ${count}. Random ` +
        `orders of ${why.n} distinct values have n(n\u22121)/4 = ${why.average} on average, and no order has more ` +
        `than n(n\u22121)/2 = ${why.pairs}.`,
    merge: (why) => why.n < 2 ? `Fewer than two values need no merge, so the count is 0.` :
                                `Every merge writes back its whole range, and each depth of the recursion writes ` +
            `at most n values, so the count depends on n alone: n\u00b7\u2308log2 n\u2309 \u2212 2^\u2308log2 n\u2309 + n = ` +
            `${why.n}\u00b7${why.levels} \u2212 ${why.power} + ${why.n} = ${why.writes}, in merges at most ` +
            `${why.levels} deep.`,
    quick: (why, count, orderName) => {
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
        if (orderName === 'ascending') {
            const generated = why.generatedQuick;
            const above = count - generated;
            return `${base} On ascending values the first pivot is the smallest value, so the first partition ` +
                `leaves ${why.firstGreater} of the ${why.n} values to sort above it and ${why.firstLess} below. ` +
                `The count is ${Math.abs(above)} ${above >= 0 ? 'above' : 'below'} the generated order's ` +
                `${generated}.`;
        }
        return base;
    },
};

// The sentences for the run: the sorts in the program's order, why the
// program's numbers for the run in the order named.
export function show(sorts, why, orderName)
{
    element('why-list').replaceChildren(...sorts.map((sort, i) => {
        const item = document.createElement('li');
        const heading = Object.assign(document.createElement('strong'), {textContent: `${sort.title}: `});
        item.append(heading, sentences[sort.name](why, why.counts[i], orderName));
        return item;
    }));
    element('why-order').textContent = orderName === 'generated' ?
        `For the ${why.n} values of the last run, as generated:` :
        `For the ${why.n} values of the last run, in ${orderName} order:`;
    element('why').hidden = false;
}

export const hide = () => (element('why').hidden = true);
