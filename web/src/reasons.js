// Why each sort's count is what it is, a sentence for each sort, with the
// numbers the program worked out for the run (run.explain), and what the
// arrangement adds (arranged.js). Reached through show and hide.
import {amount} from './amount.js';
import {reason} from './arranged.js';
import {element} from './dom.js';

// How a count stands against the quick sort's for the values as generated or typed.
function against(count, why, own)
{
    const above = count - why.generatedQuick;
    const by = above === 0 ? 'the same as' : `${Math.abs(above)} ${above > 0 ? 'above' : 'below'}`;
    return `The count is ${by} ` +
        (own ? `that of the values as typed, ${why.generatedQuick}.` : `the generated order's ${why.generatedQuick}.`);
}

// The sentence for a sort, by its name, from the run's numbers (why), its count, and what the arrangement adds.
const sentences = {
    insertion: (why, count, more) =>
        `Each exchange swaps two neighbours that are out of order, which removes exactly ` +
        `one inversion (a pair of values out of order), so the count is these values' inversions: ${count}. ` +
        `Random orders of ${amount(why.n, 'distinct value')} have n(n\u22121)/4 = ${why.average} on average, ` +
        `and no order has more than n(n\u22121)/2 = ${why.pairs}.${more}`,
    merge: (why) => why.n < 2 ? `Fewer than two values need no merge, so the count is 0.` :
                                `Every merge writes back its whole range, and each depth of the recursion writes ` +
            `at most n values, so the count depends on n alone: n\u00b7\u2308log2 n\u2309 \u2212 2^\u2308log2 n\u2309 + n = ` +
            `${why.n}\u00b7${why.levels} \u2212 ${why.power} + ${why.n} = ${why.writes}, in merges at most ` +
            `${why.levels} deep.`,
    quick: (why, count, more) => {
        if (why.n < 2) {
            return 'Fewer than two values need no partition, so the count is 0.';
        }
        const partitions = why.partitions === 1 ? '1 partition' : `${why.partitions} partitions`;
        return `Each partition examines every value of its range, so the count, ${count}, is the sum of the ` +
            `ranges' lengths: ${partitions}, the deepest at depth ${why.deepest}.${more}`;
    },
};

// The sentence for the sort so named, at index i in the program's order, for a run and its numbers (why).
export function sentence(sortName, why, i, run)
{
    const count = why.counts[i];
    const added = reason(run.arrangement, sortName, why, count, against(count, why, run.own));
    return sentences[sortName](why, count, added && ` ${added}`);
}

// The sentences for a run (program.own or program.generated's run): the sorts in the program's order, why, the
// program's numbers for it, and its values described in words (theValues).
export function show(sorts, why, run, values)
{
    element('why-list').replaceChildren(...sorts.map((sort, i) => {
        const item = document.createElement('li');
        const heading = Object.assign(document.createElement('strong'), {textContent: `${sort.title}: `});
        item.append(heading, sentence(sort.name, why, i, run));
        return item;
    }));
    element('why-order').textContent = `For ${values}:`;
    element('why').hidden = false;
}

export const hide = () => (element('why').hidden = true);
