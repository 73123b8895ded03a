// The program, and the only code that calls it or reads its memory. Run in
// the head, before the rest of the page is read: it compiles the program,
// carried above as base64, synchronously, since a module of this size
// compiles so in a few milliseconds, where the promise of WebAssembly.compile
// settles tens of milliseconds later. Emscripten's loader, just before this
// script, is handed the instance, as it would otherwise fetch the module,
// which the page's policy forbids; it only logs an error from
// instantiateWasm, so that is caught here. A few small runs then bring the
// sorts to the engine's optimising tier, which compiles them in the
// background while the page is read: a run the learner waits for, made at
// once, would still find them in the baseline tier.
/* global SortCompare -- emscripten's loader, the script before this one */

// A promise of the program's calls (connect), or of the error that stopped it.
export const started =
    new Promise((resolve, reject) => {
        if (typeof WebAssembly !== 'object') {
            throw new Error(
                'this browser has no WebAssembly, which the program is compiled to, so the page cannot run here');
        }
        // The way to the report's first frame, marked for the benchmark (bench.mjs), as page.js goes on.
        performance.mark('head');
        const text = document.getElementById('program').textContent.trim();
        const bytes = Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
        const compiled = new WebAssembly.Module(bytes);
        performance.mark('compiled');
        const instantiateWasm = (imports, receive) => {
            try {
                receive(new WebAssembly.Instance(compiled, imports));
            } catch (error) {
                reject(error);
            }
            return {};
        };
        SortCompare({instantiateWasm, onAbort: (what) => reject(new Error(what))}).then(resolve, reject);
    })
        .then((module) => {
            module._warm_up();
            performance.mark('started');
            return {program: connect(module)};
        })
        .catch((error) => ({error}));

const camel = (field) => field.replace(/_(.)/g, (_, c) => c.toUpperCase());

// The program's calls as functions of plain values, for the rest of the page.
function connect(module)
{
    // Texts for the program, each on its heap with its length, before the
    // call's other arguments: a text may be of any length, and hold any character.
    const call = (f, texts, ...rest) => {
        const encoder = new TextEncoder();
        const placed = texts.map((text) => {
            const bytes = encoder.encode(text);
            const at = module._malloc(bytes.length + 1);
            module.HEAPU8.set(bytes, at);
            return [at, bytes.length];
        });
        try {
            return f(...placed.flat(), ...rest);
        } finally {
            placed.forEach(([at]) => module._free(at));
        }
    };
    // The program's answer, which ends at its first 0 byte.
    const decoder = new TextDecoder();
    const answer = (at) => decoder.decode(module.HEAPU8.subarray(at, module.HEAPU8.indexOf(0, at)));
    const json = (at) => JSON.parse(answer(at));
    const about = json(module._about());
    const sorts =
        about.sorts.map((sort) => ({...sort, title: `${sort.name[0].toUpperCase()}${sort.name.slice(1)} sort`}));

    // What the view draws of a sort at a step, read by the names the program
    // gives: its ints, and its arrays as views of the program's memory. Each
    // field's name and place, in ints, found once. Each place the program
    // answers from has one object, filled anew at each answer, its views made
    // anew only when their arrays move: nothing is made at each step.
    const {shown, range} = about;
    const fields = (named) => Object.entries(named).map(([field, offset]) => [camel(field), offset / 4]);
    const ints = fields(shown.ints);
    const arrays = Object.entries(shown.arrays).map(([field, [offset, size]]) => [field, offset / 4, camel(size)]);
    const [rangesAt, rangesSize] = [shown.ranges[0] / 4, camel(shown.ranges[1])];
    const rangeFields = fields(range.fields);
    const read = (heap, at, named, into) => {
        for (const [field, offset] of named) {
            into[field] = heap[at + offset];
        }
        return into;
    };
    const states = new Map();
    const state = (address) => {
        const heap = module.HEAP32;
        const at = address / 4;
        const result = read(heap, at, ints, states.get(address) ?? {pending: []});
        states.set(address, result);
        for (const [field, offset, size] of arrays) {
            const [from, view] = [heap[at + offset] / 4, result[field]];
            if (view?.buffer !== heap.buffer || view.byteOffset !== from * 4 || view.length !== result[size]) {
                result[field] = heap.subarray(from, from + result[size]);
            }
        }
        const first = heap[at + rangesAt] / 4;
        result.pending.length = result[rangesSize];
        for (let i = 0; i < result.pending.length; i++) {
            result.pending[i] = read(heap, first + i * range.size / 4, rangeFields, result.pending[i] ?? {});
        }
        return result;
    };

    // A run the program holds, by its number: what it is, its session, and
    // the calls on it. What its calls answer is good until the same call is
    // next made for the same sort.
    const held = (number) => {
        const facts = json(module._run_facts(number));
        return {
            // n, seed, own, arrangement, report (its counts, in the sorts' order), values (own values' text for a link)
            ...facts,
            session: answer(module._run_session(number)),
            // Why its counts are what they are: the counts of its values as arranged, and the numbers that explain
            // them.
            explain: () => json(module._run_explain(number)),
            // Its sorts made ready to be shown, each anew, in windows of steps; moved; given a new window from a step.
            watch: (sort, steps) => state(module._run_watch(number, sort, steps)),
            go: (sort, step) => state(module._run_go(number, sort, step)),
            refill: (sort, first) => state(module._run_refill(number, sort, first)),
            keepEnd: (sort, steps) => module._run_keep_end(number, sort, steps),
            // Its sort done by hand: {count, choices, sorted}; null where it has too few values or too many.
            practice: (sort) => {
                const at = module._run_practice(number, sort);
                return at ? json(at) : null;
            },
            release: () => module._run_release(number),
        };
    };
    // A run the program made, or why it refused it: {count, seed, values}, each '' or its refusal, and
    // arrangement, 'unknown', 'generated-only' or ''.
    const made = (number) => number ? {run: held(number)} : {refused: json(module._refusal())};

    return {
        // The largest number of values; the seed's range, [least, greatest]; a guess's highest and the rule said
        // when one is refused; the steps in a window of the race.
        max: about.max,
        seed: about.seed,
        guess: about.guess,
        window: about.window,
        // The fewest and the most values a learner sorts by hand, [least, most].
        practice: about.practice,
        // The sorts, in the program's order, each with its title, as "Insertion sort", and the answers to its
        // choices by name (run.practice); the arrangements, likewise,
        // each with whether it applies to the learner's own values.
        sorts,
        arrangements: about.arrangements,
        // A run of generated values on the form's answers (texts: count, seed, list, arrangement).
        generated: ({count, seed, list, arrangement}) =>
            made(call(module._run_generated, [count, seed, list, arrangement])),
        // A run of the learner's values in text, listed or not, in the arrangement named.
        own: (text, arrangement, listing) => made(call(module._run_own, [text, arrangement], listing ? 1 : 0)),
        // The counts of the sorts for n values from seed in the arrangement named, for the chart.
        counts: (n, seed, arrangement) => {
            const at = call(module._counts, [arrangement], n, seed) / 4;
            if (!at) {
                throw new Error(`there is no arrangement "${arrangement}"`);
            }
            return Array.from(module.HEAP32.subarray(at, at + sorts.length));
        },
        // The whole number a guess at a count holds, by the program's rule; -1 if none.
        guessed: (text) => call(module._guess_of, [text]),
        // The step of a race of last steps a text names, by the same rule; -1 if none.
        stepOf: (text, last) => call(module._step_of, [text], last),
    };
}
