// The view in words: each sort's counter, what its last operation did and
// its values as text, and the step and counters in the view's live region.
import {element} from '../dom.js';

import {part} from './panels.js';

const waiting = (ranges) => ranges === 1 ? '1 range waits to be sorted.' : `${ranges} ranges wait to be sorted.`;

// What the sort's last operation did, by the sort's name (operation).
const sentences = {
    insertion: (m, v) => `Inserting the value from position ${m.high}: it moved left, exchanged with ${v[m.other]}, ` +
        `and is now at position ${m.at}. Positions 0 to ${m.high} are the part being sorted.`,
    merge: (m, v) => `Merging positions ${m.low} to ${m.mid} with ${m.mid + 1} to ${m.high}: wrote ${v[m.at]} at ` +
        `position ${m.at}, from position ${m.other} of the scratch array (the ${
                         m.other <= m.mid ? 'left' : 'right'} run).`,
    quick: (m, v) => {
        const value = v[m.other];
        const how = value < m.pivot ? `less: exchanged into position ${m.other}, the less region's end` :
            value > m.pivot ? `greater: exchanged into position ${m.other}, the greater region's start` :
                              'equal: it stays';
        return `Partitioning positions ${m.low} to ${m.high} around the pivot ${m.pivot}: examined ${value} ` +
            `at position ${m.at}, ${how}. ${waiting(m.pending.length)}`;
    },
};

// What the sort's last operation belongs to, by the sort's name: step 1 to its count.
const ledgers = {
    insertion: (s) => `inversions left: ${s.count - s.step}`,
    merge: (s) => `merging ${s.high - s.low + 1} values, depth ${s.depth} of ${s.levels}`,
    quick: (s) => `partition of ${s.high - s.low + 1} values, depth ${s.depth}`,
};

// What the sort so named (its state, program.watch's) has done at the race's step: before its first operation,
// and past its last, it says so.
export function ledger(sortName, state, step)
{
    if (state.count === 0) {
        return 'nothing to do';
    }
    if (step === 0) {
        return 'nothing done yet';
    }
    return step > state.count ? `nothing more: it ended at step ${state.count}` : ledgers[sortName](state);
}

// What the last operation of the sort so named did, in words: from its state, past its first.
export const operation = (sortName, state) => sentences[sortName](state, state.values);

// The sort's counter, its ledger and the operation in words at the race's
// step, and with values, its values as text.
export function describe(race, sort, state, step, values)
{
    const {name: sortName, counted} = race.sorts[sort];
    part(race, sort, 'counter').textContent = `${counted}: ${state.step}`;
    part(race, sort, 'ledger').textContent = ledger(race.sorts[sort].name, state, step);
    const done = state.step >= state.count;
    part(race, sort, 'done').textContent = done ? `done at step ${state.count}` : '';
    part(race, sort, 'words').textContent = done ? 'Sorted.' :
        state.step === 0                         ? 'Not started: the values as given.' :
                                                   operation(sortName, state);
    if (values) {
        part(race, sort, 'values').textContent = `Values at this step: ${state.values.join(' ')}`;
    }
}

// Step 0, its counter and ledger held back, and its values as text.
export function hold(race, sort, state)
{
    part(race, sort, 'counter').textContent = `${race.sorts[sort].counted}: held back`;
    part(race, sort, 'ledger').textContent = '';
    part(race, sort, 'done').textContent = '';
    part(race, sort, 'words').textContent = 'Not started: the values as given.';
    part(race, sort, 'values').textContent = `Values at this step: ${state.values.join(' ')}`;
}

// The values as text are hidden while the race plays: they would change every frame.
export function hideValues(race, hidden)
{
    race.sorts.forEach((_, sort) => (part(race, sort, 'values').hidden = hidden));
}

// The step and the counters, in the view's live region.
export function say(race, step, prefix = '')
{
    const counters = race.states.map(
        (state, sort) => `${race.sorts[sort].counted}: ${state.step} (${ledger(race.sorts[sort].name, state, step)})`);
    element('watch-said').textContent = `${prefix}Step ${step} of ${race.last}: ${counters.join(', ')}.`;
}
