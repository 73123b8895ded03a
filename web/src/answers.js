// A run's answers as the page holds them: read from a link, written into one,
// and said back in the status line. Plain functions of their arguments, with
// no page to reach: the forms (forms.js) and the page (page.js) put them there.
import {amount} from './amount.js';
import {arranged, asGiven, asTheyCame, refusal} from './arranged.js';

// The longest list of values a link holds, in characters.
export const longestLink = 2000;

// The forms' fields as a link (search, its URLSearchParams) fills them, where
// fields holds their values before it: values, when the link gives them, win
// over its count and seed. names: the program's arrangements; an arrangement
// the link names that is not one of them is kept, as unlisted, for the program
// to refuse by name.
export function fromLink(search, fields, names)
{
    const order = search.get('order') ?? names[0];
    return {
        values: search.get('values') ?? '',
        count: search.get('count') ?? fields.count,
        seed: search.get('seed') ?? fields.seed,
        // Taken as the program takes its third answer: its first character that is not blank.
        list: (search.get('list') ?? '').trim().startsWith('y'),
        guess: search.get('guess') === '1',
        order,
        unlisted: names.includes(order) ? null : order,
        own: search.has('values'),
    };
}

// The address's query for these answers ({name: text}), '' for none. A list of
// values keeps its commas: a link to it reads as the values do.
export const query = (answers) => {
    const text = String(new URLSearchParams(answers)).replaceAll('%2C', ',');
    return text && '?' + text;
};

// What the page says of a run (program.generated's or program.own's): the
// answers a link to it holds (null when too long), the status line's start,
// and what the line adds when no link holds it. fields: the count and seed as
// typed; listing: 'y' or 'n'.
export function described(run, fields, listing)
{
    if (!run.own) {
        return {
            link: {count: fields.count, seed: fields.seed, list: listing, order: run.arrangement},
            ran: `Ran ${amount(run.n, 'value')}, seed ${run.seed}`,
            unlinked: '',
        };
    }
    const fits = run.values.length <= longestLink;
    return {
        link: fits ? {values: run.values, list: listing, order: run.arrangement} : null,
        ran: `Ran your ${amount(run.n, 'value')}`,
        unlinked: fits ? '' :
                         ` This run is too long for a link: its values take ${run.values.length} characters, and a ` +
                `link holds ${longestLink} at most, so the address does not hold it.`,
    };
}

// The program's refusals (program.own's or program.generated's refused) in
// words: beside each field, '' where it is accepted, and for the status line,
// '' for none. own: a run of the learner's values; arrangement: the one asked
// for; names: those there are. Values are read only for an arrangement that
// applies to them.
export function refusals(refused, own, arrangement, names)
{
    const order = refused.arrangement ? refusal(refused.arrangement, arrangement, names) : null;
    const beside = {order: order ? order.beside : '', count: '', seed: '', values: ''};
    if (own) {
        const why = order ? '' : refused.values;
        beside.values = why && `${why[0].toUpperCase()}${why.slice(1)}.`;
        return {beside, said: order ? order.said : why && `${why}.`};
    }
    Object.assign(beside, {count: refused.count, seed: refused.seed});
    return {
        beside,
        said: order                       ? order.said :
            refused.count || refused.seed ? 'an answer was refused; the message beside it says what is accepted.' :
                                            '',
    };
}

// "a, b and c": one for each sort, of which there are more than one.
const listed = (items) => `${items.slice(0, -1).join(', ')} and ${items.at(-1)}`;

// The run's counts in the status line, after ran (described's): its report's,
// of the values as generated or typed; with why (run.explain), those of the
// values as arranged too, where they differ. sorts: the program's.
export function counted(sorts, run, ran, why = null)
{
    const report = sorts.map((sort, i) => `${sort.name} sort ${run.report[i]}`).join(', ');
    if (asGiven(run.arrangement)) {
        return `${ran}: ${report}.`;
    }
    const [given, arrangedAs] = [asTheyCame(run.own), arranged(run.arrangement)];
    if (why === null) {
        return `${ran}: ${given}, ${report}.`;
    }
    return why.counts.every((count, i) => count === run.report[i]) ?
        `${ran}: ${given} and ${arrangedAs}, ${report}.` :
        `${ran}: ${given}, ${report}; ${arrangedAs}, ${listed(why.counts)}.`;
}
