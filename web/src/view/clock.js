// The race's clock: the step shown, play and pause at a speed, and the
// windows of recorded steps renewed before the clock reaches their end. What
// a step looks like is the view's (view.js), handed in as race.show.
import {element} from '../dom.js';

// Steps per second: 1, 2, 5, 10, 20, ... 1000000.
export const speeds = [];
for (let ten = 1; ten <= 1e6; ten *= 10) {
    speeds.push(...[1, 2, 5].map((rung) => rung * ten).filter((speed) => speed <= 1e6));
}

let race = null;  // {last, show(step, how): the sorts' states, refill(sort, first), ahead}
let step = 0;
let playing = null;  // {from, since}: the clock's step and time when play began
let frame = 0;
let refilling = false;

export const now = () => step;
export const isPlaying = () => playing !== null;
export const hasRace = () => race !== null;

// A new race, paused, with nothing shown yet.
export function reset(newRace)
{
    pause(false);
    race = newRace;
    step = 0;
}

// Shows step k, clamped to the race's steps: 'playing', 'opened' or 'stopped' (view.js).
export function show(k, how = 'stopped')
{
    if (!race) {
        return null;
    }
    step = Math.min(Math.max(k, 0), race.last);
    return race.show(step, how);
}

export function play()
{
    if (!race || playing) {
        return;
    }
    if (step >= race.last) {
        show(0, 'playing');
    }
    playing = {from: step, since: performance.now()};
    playingShown(true);
    frame = requestAnimationFrame(tick);
}

export function pause(stopped = true)
{
    if (!playing) {
        return;
    }
    playing = null;
    cancelAnimationFrame(frame);
    playingShown(false);
    if (stopped) {
        show(step);
    }
}

export const toggle = () => (playing ? pause() : play());

// Jumps and steps stop the clock first.
export function go(k)
{
    pause(false);
    show(k);
}

// The speed one rung up or down the ladder.
export function faster(rungs)
{
    const speed = element('watch-speed');
    speed.selectedIndex = Math.min(Math.max(speed.selectedIndex + rungs, 0), speeds.length - 1);
    changeSpeed();
}

// Playing goes on from where the clock is, at the new speed.
export function changeSpeed()
{
    if (playing) {
        playing = {from: step, since: performance.now()};
    }
}

function playingShown(on)
{
    element('watch-play').textContent = on ? 'Pause' : 'Play';
    race.playing(on);
}

// One display frame while playing: the step the clock has reached.
function tick(time)
{
    const speed = speeds[element('watch-speed').selectedIndex];
    const reached = playing.from + Math.floor((time - playing.since) * speed / 1000);
    if (reached >= race.last) {
        playing = null;
        playingShown(false);
        show(race.last, 'over');
        return;
    }
    frame = requestAnimationFrame(tick);
    // A frame that reaches no new step leaves the race as drawn: at a slow speed, most frames.
    if (reached === step) {
        return;
    }
    const states = show(reached, 'playing');
    // The window that runs out first is recorded anew, in a task of its own, before the clock reaches its end.
    let short = -1;
    states.forEach((state, sort) => {
        if (state.last < state.count && state.last - step < race.ahead &&
            (short < 0 || state.last < states[short].last)) {
            short = sort;
        }
    });
    if (short >= 0 && !refilling) {
        refilling = true;
        setTimeout(() => {
            refilling = false;
            race?.refill(short);
        });
    }
}
