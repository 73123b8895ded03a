// The view of the three sorts at work on the last run's values, on one clock:
// at step k each sort has made k of its counted operations, or all of them.
// The steps come from the program's own sorts (page.cpp); the view draws them
// and keeps the clock. Reached through View.start.
'use strict';

const View = (() => {
    const sorts = ['insertion', 'merge', 'quick'];
    const counted = ['exchanges', 'elements written back', 'elements examined'];
    const speeds = [];  // steps per second: 1, 2, 5, 10, 20, ... 1000000
    for (let ten = 1; ten <= 1e6; ten *= 10) {
        speeds.push(...[1, 2, 5].map((rung) => rung * ten).filter((speed) => speed <= 1e6));
    }
    // A window of recorded steps per sort: 4 MB each at most, a new one about every half second at the top speed;
    // and one of an eighth of that at each sort's end.
    const window = 1 << 19;
    const part = (sort, name) => element(`${sorts[sort]}-${name}`);

    let tools = null;
    let race = null;  // {n, top, last, order, shown: the three sorts' states}
    let step = 0;
    let playing = null;  // {from, since}: the clock's step and time when play began
    let frame = 0;
    let refilling = false;
    let addressTimer = 0;

    // The view for a run of n values from seed in the order named; it opens at
    // step asked, a step's text from the address, or at step 0. Paused. Each
    // sort is made ready in a task of its own; a later start stops an earlier one.
    let starts = 0;
    async function start(programTools, n, seedValue, orderName, asked)
    {
        if (!tools) {
            warm(programTools);
        }
        tools = programTools;
        pause(false);
        race = null;
        const started = ++starts;
        // Each state's arrays are views of the program's memory, good until its next call: read at once.
        let top = 1;
        const counts = [];
        for (const sort of [0, 1, 2]) {
            if (sort > 0) {
                await new Promise((resolve) => setTimeout(resolve));
                if (started !== starts) {
                    return;
                }
            }
            const state = tools.watch(n, seedValue, orders.indexOf(orderName), window, sort);
            top = sort === 0 ? state.values.reduce((a, b) => Math.max(a, b), 1) : top;
            counts.push(state.count);
        }
        const last = Math.max(...counts);
        race = {n, last, shown: [], top};
        element('watch-order').textContent = orderName === 'generated' ?
            `The ${n} values of the last run, as generated.` :
            `The ${n} values of the last run, in ${orderName} order, as the chart's order asks.`;
        const slider = element('watch-position');
        slider.max = last;
        let at = 0;
        let refused = '';
        if (asked !== null) {
            at = tools.stepOf(asked, last);
            if (at < 0) {
                refused = `There is no step "${asked}" in this run: its steps are the whole numbers from 0 to ${last}.`;
                at = 0;
            }
        }
        element('watch-refused').textContent = refused;
        element('watch').hidden = false;
        show(at, asked !== null && !refused ? 'stopped' : 'opened');
        // Then the last steps of each sort, kept apart, so that End and the steps
        // before it take no new run.
        for (const sort of [0, 1, 2]) {
            await new Promise((resolve) => setTimeout(resolve));
            if (started !== starts) {
                return;
            }
            tools.keepEnd(sort, window / 8);
        }
    }

    // The sorts at step k, drawn: 'playing'; or 'opened', with their values as
    // text; or 'stopped', also with the step said and, once it has stayed for
    // 300 ms, in the address.
    function show(k, how = 'stopped')
    {
        if (!race) {
            return;
        }
        step = Math.min(Math.max(k, 0), race.last);
        race.shown = sorts.map((_, sort) => {
            const state = tools.go(sort, step);
            draw(sort, state);
            if (how !== 'playing') {
                part(sort, 'values').textContent = `Values at this step: ${state.values.join(' ')}`;
            }
            return state;
        });
        element('watch-step').textContent = `Step ${step} of ${race.last}`;
        element('watch-position').value = step;
        if (how === 'stopped') {
            say();
            clearTimeout(addressTimer);
            addressTimer = setTimeout(remember, 300);
        }
    }

    // The step in the address. WebKit throws after 100 changes in 10 seconds: the address can wait.
    function remember()
    {
        const address = new URL(location.href);
        address.searchParams.set('step', step);
        try {
            history.replaceState(null, '', address.search);
        } catch {
        }
    }

    // The step and the three counters, in the view's live region.
    function say(prefix = '')
    {
        const counters = race.shown.map((state, sort) => `${counted[sort]}: ${state.step}`);
        element('watch-said').textContent = `${prefix}Step ${step} of ${race.last}: ${counters.join(', ')}.`;
    }

    function play()
    {
        if (!race || playing) {
            return;
        }
        if (step >= race.last) {
            show(0, 'playing');
        }
        playing = {from: step, since: performance.now()};
        element('watch-play').textContent = 'Pause';
        sorts.forEach((_, sort) => (part(sort, 'values').hidden = true));
        frame = requestAnimationFrame(tick);
    }

    function pause(stopped = true)
    {
        if (!playing) {
            return;
        }
        playing = null;
        cancelAnimationFrame(frame);
        element('watch-play').textContent = 'Play';
        sorts.forEach((_, sort) => (part(sort, 'values').hidden = false));
        if (stopped) {
            show(step);
        }
    }

    // One display frame while playing: the step the clock has reached.
    function tick(now)
    {
        const speed = speeds[element('watch-speed').selectedIndex];
        const reached = playing.from + Math.floor((now - playing.since) * speed / 1000);
        if (reached >= race.last) {
            playing = null;
            element('watch-play').textContent = 'Play';
            sorts.forEach((_, sort) => (part(sort, 'values').hidden = false));
            show(race.last);
            say('The race is over. ');
            return;
        }
        show(reached, 'playing');
        frame = requestAnimationFrame(tick);
        // The window that runs out first is recorded anew, in a task of its own, before the clock reaches its end.
        const ahead = window / 4;
        const short = race.shown.map((state, sort) => ({state, sort}))
                          .filter(({state}) => state.last < state.count && state.last - step < ahead)
                          .sort((a, b) => a.state.last - b.state.last)[0];
        if (short && !refilling) {
            refilling = true;
            setTimeout(() => {
                refilling = false;
                tools.refill(short.sort, race.shown[short.sort].step);
            });
        }
    }

    // The speed one rung up or down the ladder.
    function faster(rungs)
    {
        const speed = element('watch-speed');
        speed.selectedIndex = Math.min(Math.max(speed.selectedIndex + rungs, 0), speeds.length - 1);
        changeSpeed();
    }

    // Playing goes on from where the clock is, at the new speed.
    function changeSpeed()
    {
        if (playing) {
            playing = {from: step, since: performance.now()};
        }
    }

    // Jumps and steps stop the clock first.
    function go(k)
    {
        pause(false);
        show(k);
    }

    const colour = {bar: '#595959', at: '#c0392b', other: '#1a5fb4', faded: '#b3b3b3', line: '#1a1a1a'};

    // The panel's picture: the values as bars, or dots where bars would be
    // thinner than a pixel, with what the sort is doing marked below them.
    function draw(sort, state)
    {
        const canvas = part(sort, 'picture');
        const ratio = devicePixelRatio || 1;
        const width = Math.max(1, Math.round(canvas.clientWidth * ratio));
        const height = Math.round(canvas.clientHeight * ratio);
        if (canvas.width !== width || canvas.height !== height) {
            Object.assign(canvas, {width, height});
        }
        const context = canvas.getContext('2d');
        context.clearRect(0, 0, width, height);
        words(sort, state);
        const pen = new Pen(context, ratio, width);
        bars(context, state.values, 0, race.n, 0, pen.barsHeight, width);
        if (race.n > 0 && state.step > 0 && state.step < state.count) {
            [insertionMarks, mergeMarks, quickMarks][sort](pen, state);
        }
    }

    // Draws marks on a picture whose positions 0..n-1 are columns of its whole
    // width. From the top, in CSS pixels: the bars, 100; the marks' shapes, 20;
    // the ranges, 20; for merge, the scratch array's bars, 50, and their marks;
    // for quick, the ranges waiting.
    class Pen {
        constructor(context, ratio, width)
        {
            Object.assign(this, {context, ratio, width});
            this.barsHeight = 100 * ratio;
            this.rangeRow = this.barsHeight + 22 * ratio;
            context.font = `${12 * ratio}px sans-serif`;
            context.textBaseline = 'top';
        }
        x(i) { return i * this.width / race.n; }
        // Position i's bar, value high between top and bottom, filled, with a shape below it.
        mark(i, value, fill, shape, top = 0, bottom = this.barsHeight)
        {
            const {context, ratio} = this;
            const left = this.x(i);
            const w = Math.max(this.x(i + 1) - left, 2 * ratio);
            const y = bottom - value / race.top * (bottom - top);
            context.fillStyle = fill;
            context.fillRect(left, y, w, Math.max(bottom - y, 3 * ratio));
            glyph(context, shape, left + w / 2, bottom + 2 * ratio, ratio, fill);
        }
        // A line under positions from..to at height y, dashed as asked, with a label below its start.
        line(from, to, y, label = '', dash = [])
        {
            if (from > to) {
                return;
            }
            const {context, ratio} = this;
            context.strokeStyle = context.fillStyle = colour.line;
            context.lineWidth = 2 * ratio;
            context.setLineDash(dash.map((d) => d * ratio));
            context.beginPath();
            context.moveTo(this.x(from) + ratio, y);
            context.lineTo(Math.max(this.x(to + 1) - ratio, this.x(from) + 2 * ratio), y);
            context.stroke();
            context.setLineDash([]);
            if (label) {
                context.fillText(label, this.x(from), y + 2 * ratio);
            }
        }
    }

    function insertionMarks(pen, m)
    {
        pen.line(0, m.high, pen.rangeRow);
        pen.mark(m.other, m.values[m.other], colour.other, 'circle');
        pen.mark(m.at, m.values[m.at], colour.at, 'triangle');
    }

    function mergeMarks(pen, m)
    {
        const {context, ratio} = pen;
        pen.line(m.low, m.mid, pen.rangeRow);
        pen.line(m.mid + 1, m.high, pen.rangeRow, '', [4, 3]);
        const top = pen.rangeRow + 10 * ratio;
        const bottom = top + 50 * ratio;
        const written = (i) => i < m.leftNext || (i > m.mid && i < m.rightNext);
        bars(
            context, m.scratch, m.low, m.high + 1, top, bottom, pen.width,
            (i) => written(i) ? colour.faded : colour.bar);
        for (const [next, end] of [[m.leftNext, m.mid], [m.rightNext, m.high]]) {
            if (next <= end) {
                glyph(context, 'diamond', (pen.x(next) + pen.x(next + 1)) / 2, bottom + 2 * ratio, ratio, colour.line);
            }
        }
        if (m.at >= 0) {
            pen.mark(m.other, m.scratch[m.other], colour.other, 'circle', top, bottom);
            pen.mark(m.at, m.values[m.at], colour.at, 'triangle');
        }
    }

    function quickMarks(pen, m)
    {
        const {context, ratio} = pen;
        for (let i = 0; i < m.pending.length; i += 2) {
            pen.line(m.pending[i], m.pending[i + 1], pen.rangeRow + 18 * ratio, '', [2, 3]);
        }
        pen.line(m.low, m.lessEnd, pen.rangeRow, '<');
        pen.line(m.lessEnd + 1, m.next - 1, pen.rangeRow, '=');
        pen.line(m.greaterStart, m.high, pen.rangeRow, '>');
        const y = pen.barsHeight - m.pivot / race.top * pen.barsHeight;
        context.strokeStyle = colour.line;
        context.lineWidth = ratio;
        context.setLineDash([6 * ratio, 4 * ratio]);
        context.beginPath();
        context.moveTo(pen.x(m.low), y);
        context.lineTo(pen.x(m.high + 1), y);
        context.stroke();
        context.setLineDash([]);
        // The element examined went to other; at holds what it was exchanged with.
        if (m.at >= 0) {
            pen.mark(m.other, m.values[m.other], colour.at, 'triangle');
            if (m.other !== m.at) {
                pen.mark(m.at, m.values[m.at], colour.other, 'circle');
            }
        }
    }

    // Bars for values[from..to-1], in columns of the whole width as positions
    // 0..n-1 are, from bottom up; one pixel's dot each where they are too many.
    function bars(context, values, from, to, top, bottom, width, fill = () => colour.bar)
    {
        const n = race.n;
        const ratio = devicePixelRatio || 1;
        const thin = width / n < 1;
        const gap = width / n >= 4 ? 1 : 0;
        let last = null;
        for (let i = from; i < to; i++) {
            const f = fill(i);
            if (f !== last) {
                context.fillStyle = last = f;
            }
            const left = Math.floor(i * width / n);
            const y = Math.round(bottom - values[i] / race.top * (bottom - top));
            if (thin) {
                context.fillRect(left, y, ratio, ratio);
            } else {
                context.fillRect(left, y, Math.max(Math.floor((i + 1) * width / n) - left - gap, 1), bottom - y);
            }
        }
    }

    // The shapes under marked bars, so that the marks do not rest on colour alone.
    function glyph(context, shape, cx, top, ratio, fill)
    {
        const r = 5 * ratio;
        context.fillStyle = fill;
        context.beginPath();
        if (shape === 'triangle') {
            context.moveTo(cx, top);
            context.lineTo(cx + r, top + 1.7 * r);
            context.lineTo(cx - r, top + 1.7 * r);
        } else if (shape === 'diamond') {
            context.moveTo(cx, top);
            context.lineTo(cx + r, top + r);
            context.lineTo(cx, top + 2 * r);
            context.lineTo(cx - r, top + r);
        } else {
            context.arc(cx, top + r, r, 0, 2 * Math.PI);
        }
        context.fill();
    }

    const waiting = (ranges) => ranges === 1 ? '1 range waits to be sorted.' : `${ranges} ranges wait to be sorted.`;

    // The counter, and the operation in words.
    function words(sort, state)
    {
        const m = state;
        const v = state.values;
        part(sort, 'counter').textContent = `${counted[sort]}: ${state.step}`;
        const done = state.step >= state.count;
        part(sort, 'done').textContent = done ? `done at step ${state.count}` : '';
        let said;
        if (done) {
            said = 'Sorted.';
        } else if (state.step === 0) {
            said = 'Not started: the values as given.';
        } else if (sort === 0) {
            said = `Inserting the value from position ${m.high}: it moved left, exchanged with ${v[m.other]}, ` +
                `and is now at position ${m.at}. Positions 0 to ${m.high} are the part being sorted.`;
        } else if (sort === 1) {
            const run = m.other <= m.mid ? 'left' : 'right';
            said = `Merging positions ${m.low} to ${m.mid} with ${m.mid + 1} to ${m.high}: wrote ${v[m.at]} at ` +
                `position ${m.at}, from position ${m.other} of the scratch array (the ${run} run).`;
        } else {
            const value = v[m.other];
            const how = value < m.pivot ? `less: exchanged into position ${m.other}, the less region's end` :
                value > m.pivot ? `greater: exchanged into position ${m.other}, the greater region's start` :
                                  'equal: it stays';
            said = `Partitioning positions ${m.low} to ${m.high} around the pivot ${m.pivot}: examined ${value} ` +
                `at position ${m.at}, ${how}. ${waiting(state.pendingLength / 2)}`;
        }
        part(sort, 'words').textContent = said;
    }

    // The keys act on the page itself and on the view's pictures, never in a form control.
    addEventListener('keydown', (event) => {
        const target = event.target;
        const onPage = target === document.body || target === document.documentElement || target.matches?.('.picture');
        if (!race || !onPage || event.ctrlKey || event.altKey || event.metaKey) {
            return;
        }
        const keys = {
            ' ': () => (playing ? pause() : play()),
            ArrowLeft: () => go(step - 1),
            ArrowRight: () => go(step + 1),
            Home: () => go(0),
            End: () => go(race.last),
            '+': () => faster(1),
            '=': () => faster(1),
            '-': () => faster(-1),
        };
        if (keys[event.key]) {
            event.preventDefault();
            keys[event.key]();
        }
    });
    // The controls, once the page's own script has run.
    function wire()
    {
        const on = (id, type, f) => element(id).addEventListener(type, f);
        on('watch-play', 'click', () => (playing ? pause() : play()));
        on('watch-back', 'click', () => go(step - 1));
        on('watch-forward', 'click', () => go(step + 1));
        on('watch-start', 'click', () => go(0));
        on('watch-end', 'click', () => go(race.last));
        on('watch-speed', 'change', changeSpeed);
        // A dragged slider asks for many steps a frame: the last one is shown.
        let wanted = null;
        on('watch-position', 'input', (event) => {
            pause(false);
            if (wanted === null) {
                requestAnimationFrame(() => {
                    show(wanted);
                    wanted = null;
                });
            }
            wanted = Number(event.target.value);
        });
        addEventListener('resize', () => race && !playing && show(step, 'playing'));
        speeds.forEach((speed) => element('watch-speed').add(new Option(`${speed} steps a second`)));
        element('watch-speed').selectedIndex = speeds.indexOf(10);
    }

    // Sets up the controls, and brings the view's code to the engine's
    // optimising tier before the first view: a link may jump anywhere first.
    function warm(programTools)
    {
        wire();
        [0, 1, 2].forEach((sort) => programTools.watch(300, 1, 2, 1 << 12, sort) && programTools.keepEnd(sort, 1 << 9));
        for (const k of [20000, 100, 40000, 39999, 0]) {
            [0, 1, 2].forEach((sort) => programTools.go(sort, k));
        }
    }

    return {start};
})();
