// The view of the sorts at work on the last run's values, on one clock: at
// step k each sort has made k of its counted operations, or all of them. The
// steps come from the program's own sorts; the view draws them (picture.js),
// says them (words.js) and keeps the clock (clock.js). Reached through start.
import {rememberStep} from '../address.js';
import {asGiven, theValues} from '../arranged.js';
import {element, yielded} from '../dom.js';

import * as clock from './clock.js';
import * as keys from './keys.js';
import * as panels from './panels.js';
import * as picture from './picture.js';
import * as words from './words.js';

let tools = null;
let watching = null;  // the run the view is of, from its start

// The run the view is of, or null.
export const showing = () => watching;

// The view for a run (program.generated's or program.own's), its values
// arranged as it asks; it opens at step asked, a step's text from the address,
// or at step 0. Paused. Each sort is made ready in a task of its own; a later
// start stops an earlier one, and lets go of its run. With held, a promise,
// every count is held back until it settles: the view shows step 0 and
// nothing moves; then it opens, with the focus on Play, or with null, for a
// run given up, it stays so.
export async function start(program, run, asked, held = null)
{
    if (!tools) {
        panels.make(program.sorts);
        keys.wire(clock);
        warm(program);
    }
    tools = program;
    clock.reset(null);
    if (watching !== run) {
        watching?.release();
    }
    watching = run;
    controls(held === null);
    // Each state's arrays are views of the program's memory, good until its next call: read at once.
    let [least, greatest] = [0, 1];
    const counts = [];
    for (const sort of tools.sorts.keys()) {
        if (sort > 0) {
            await yielded();
            if (watching !== run) {
                return;
            }
        }
        const state = run.watch(sort, tools.window);
        if (sort === 0 && run.n > 0) {
            least = state.values.reduce((a, b) => Math.min(a, b));
            greatest = state.values.reduce((a, b) => Math.max(a, b));
        }
        counts.push(state.count);
    }
    const race = {run, n: run.n, least, greatest, last: Math.max(...counts), sorts: tools.sorts, states: []};
    const values = theValues(run, run.arrangement, 'the last run');
    element('watch-order').textContent = `${values[0].toUpperCase()}${values.slice(1)}` +
        (asGiven(run.arrangement) ? '.' : ', as the arrangement asks.');
    element('watch-refused').textContent = '';
    element('watch').hidden = false;
    if (held !== null) {
        hold(race);
        if ((await held) === null || watching !== run) {
            return;
        }
        controls(true);
    }
    openRace(race, asked);
    if (held !== null) {
        element('watch-play').focus();
    }
    // Then the last steps of each sort, kept apart, so that End and the steps before it take no new run.
    for (const sort of tools.sorts.keys()) {
        await yielded();
        if (watching !== run) {
            return;
        }
        run.keepEnd(sort, tools.window / 8);
    }
}

// The race from its start, playing, with the focus on the picture of the sort at index sort: a model answer.
export function showMe(sort)
{
    clock.go(0);
    document.querySelectorAll('#panels .picture')[sort].focus();
    if (!clock.isPlaying()) {
        clock.toggle();
    }
}

// The race on the clock, at the step asked, or at 0 where there is no such step.
function openRace(race, asked)
{
    clock.reset({
        last: race.last,
        ahead: tools.window / 4,
        show: (step, how) => show(race, step, how),
        refill: (sort) => race.run.refill(sort, race.states[sort].step),
        playing: (on) => words.hideValues(race, on),
    });
    element('watch-position').max = race.last;
    const at = asked === null ? 0 : tools.stepOf(asked, race.last);
    element('watch-refused').textContent = at < 0 ?
        `There is no step "${asked}" in this run: its steps are the whole numbers from 0 to ${race.last}.` :
        '';
    clock.show(Math.max(at, 0), asked !== null && at >= 0 ? 'stopped' : 'opened');
}

// Step 0 with every count held back, off the clock.
function hold(race)
{
    race.states = race.sorts.map((sort, i) => {
        const state = race.run.go(i, 0);
        words.hold(race, i, state);
        picture.draw(race, i, state);
        return state;
    });
    element('watch-step').textContent = 'Step 0: the number of steps is held back.';
    element('watch-position').max = 0;
}

// The race's controls, but for the speed, answer only when on.
function controls(on)
{
    for (const control of element('watch').querySelectorAll('.controls button, #watch-position')) {
        control.disabled = !on;
    }
}

// The sorts at step, drawn: 'playing'; or 'opened', with their values as
// text; or 'stopped', also with the step said and, once it has stayed, in
// the address; or 'over', the same, said as the race's end. Returns their states.
// The pictures' sizes are read first: after the words change, each read would lay the page out again.
function show(race, step, how)
{
    const sizes = race.sorts.map((_, i) => picture.size(race, i));
    race.sorts.forEach((sort, i) => {
        const state = race.states[i] = race.run.go(i, step);
        words.describe(race, i, state, step, how !== 'playing');
        picture.draw(race, i, state, sizes[i]);
    });
    element('watch-step').textContent = `Step ${step} of ${race.last}`;
    element('watch-position').value = step;
    if (how === 'stopped' || how === 'over') {
        words.say(race, step, how === 'over' ? 'The race is over. ' : '');
        rememberStep(step);
    }
    return race.states;
}

// Brings the view's code to the engine's optimising tier before the first
// view, on a run of its own: a link may jump anywhere first.
function warm(program)
{
    const {run} = program.generated({count: '300', seed: '1', list: 'n', arrangement: 'descending'});
    program.sorts.forEach((_, sort) => run.watch(sort, 1 << 12) && run.keepEnd(sort, 1 << 9));
    for (const k of [20000, 100, 40000, 39999, 0]) {
        program.sorts.forEach((_, sort) => run.go(sort, k));
    }
    run.release();
}
