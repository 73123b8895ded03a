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
        const text = document.getElementById('program').textContent.trim();
        const bytes = Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
        const compiled = new WebAssembly.Module(bytes);
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
            const program = connect(module);
            for (let i = 0; i < 3; i++) {
                program.counts(300, 1, 'descending');
            }
            return {program};
        })
        .catch((error) => ({error}));

const camel = (field) => field.replace(/_(.)/g, (_, c) => c.toUpperCase());

// The program's calls as functions of plain values, for the rest of the page.
function connect(module)
{
    // A string for the program, on its heap and with its length: an answer
    // may be of any length, and hold any character.
    const call = (f, text, ...rest) => {
        const bytes = new TextEncoder().encode(text);
        const at = module._malloc(bytes.length + 1);
        module.HEAPU8.set(bytes, at);
        try {
            return f(...rest, at, bytes.length);
        } finally {
            module._free(at);
        }
    };
    // The program's answer, which ends at its first 0 byte.
    const decoder = new TextDecoder();
    const answer = (at) => decoder.decode(module.HEAPU8.subarray(at, module.HEAPU8.indexOf(0, at)));
    const about = JSON.parse(answer(module._about()));
    const numbers = (at, size) => Array.from(module.HEAP32.subarray(at / 4, at / 4 + size));

    // What the view draws of a sort at a step, read by the names the program
    // gives: its ints, and its arrays as views of the program's memory, good
    // until its next call. Each field's name and place, in ints, found once.
    const {shown, range} = about;
    const fields = (named) => Object.entries(named).map(([field, offset]) => [camel(field), offset / 4]);
    const ints = fields(shown.ints);
    const arrays = Object.entries(shown.arrays).map(([field, [offset, size]]) => [field, offset / 4, camel(size)]);
    const [rangesAt, rangesSize] = [shown.ranges[0] / 4, camel(shown.ranges[1])];
    const rangeFields = fields(range.fields);
    const read = (heap, at, named) => {
        const result = {};
        for (const [field, offset] of named) {
            result[field] = heap[at + offset];
        }
        return result;
    };
    const state = (address) => {
        const heap = module.HEAP32;
        const at = address / 4;
        const result = read(heap, at, ints);
        for (const [field, offset, size] of arrays) {
            result[field] = heap.subarray(heap[at + offset] / 4, heap[at + offset] / 4 + result[size]);
        }
        const first = heap[at + rangesAt] / 4;
        result.pending =
            Array.from({length: result[rangesSize]}, (_, i) => read(heap, first + i * range.size / 4, rangeFields));
        return result;
    };
    const orderOf = (wanted) => about.orders.findIndex((order) => order.name === wanted);

    return {
        // The largest number of values, the sorts in the program's order, each with its title, as "Insertion sort",
        // and the arrangements of values (orders), with their labels.
        max: about.max,
        sorts: about.sorts.map((sort) => ({...sort, title: `${sort.name[0].toUpperCase()}${sort.name.slice(1)} sort`})),
        orders: about.orders,
        // The whole session on the answers, one a line, and its report's counts, in the sorts' order (null
        // without a report).
        session: (answers) => {
            const text = answer(call(module._run_session, answers));
            const report = module._report();
            const counts = numbers(report + 4, module.HEAP32[report / 4]);
            return {text, counts: counts[0] < 0 ? null : counts};
        },
        // '' when question 0 (the count) or 1 (the seed) takes the text alone; otherwise the rule it refuses it by.
        refusal: (question, text) => answer(call(module._refusal, text, question)),
        // The whole number a guess at a count holds, from 0 to 2147483647, by the program's rule; -1 if none.
        guess: (text) => call(module._guess_of, text),
        // The learner's values in text, taken: '' once taken, or why they are refused.
        take: (text) => answer(call(module._take_values, text)),
        // The values taken, as a link gives them: each followed by a comma but the last.
        taken: () => answer(module._taken_values()),
        // The program's run on the values taken, without its questions, listed or not, and its report's counts.
        runTaken: (listing) => {
            const text = answer(module._run_values(listing ? 1 : 0));
            return {text, counts: numbers(module._report() + 4, about.sorts.length)};
        },
        // Why the counts for a run's values ({n, seed} generated, or {own: true}, those taken) in the arrangement
        // named are what they are: the counts, the quick sort's for the values as generated or typed, the pairs
        // nearly-ascending exchanges, and the numbers that explain them.
        explain: (run, order) =>
            JSON.parse(answer(module._explain(run.n, run.seed ?? 0, orderOf(order), run.own ? 1 : 0))),
        // The counts of the sorts for n values from seed in the order named.
        counts: (n, seed, order) => numbers(module._counts(n, seed, orderOf(order)), about.sorts.length),
        // The sorts made ready to be shown, the first anew, each in a call of its own.
        watch: (run, order, steps, sort) =>
            state(module._watch(run.n, run.seed ?? 0, orderOf(order), run.own ? 1 : 0, steps, sort)),
        go: (sort, step) => state(module._watch_go(sort, step)),
        refill: (sort, first) => state(module._watch_refill(sort, first)),
        keepEnd: (sort, steps) => module._watch_keep_end(sort, steps),
    };
}
