// Checks StrykerJS's report (reports/mutation/mutation.json) against mutants.json: every mutant the node tests
// leave alive must be accounted for there. Prints the figures; exits 1 on any that is not.
import {readFileSync} from 'node:fs';

const report = JSON.parse(readFileSync(new URL('reports/mutation/mutation.json', import.meta.url)));
const known = JSON.parse(readFileSync(new URL('mutants.json', import.meta.url)));
const tally = {};
const equivalent = [];
const browser = [];
const unaccounted = [];
for (const [file, {source, mutants}] of Object.entries(report.files)) {
    const lines = source.split('\n');
    const from = (entry) => entry.from ? lines.findIndex((line) => line.startsWith(entry.from)) + 1 : 1;
    for (const mutant of mutants) {
        tally[mutant.status] = (tally[mutant.status] ?? 0) + 1;
        if (mutant.status !== 'Survived' && mutant.status !== 'NoCoverage') {
            continue;
        }
        const line = mutant.location.start.line;
        const same = known.equivalent.find(
            (entry) => entry.file === file && entry.mutator === mutant.mutatorName &&
                entry.replacement === mutant.replacement && lines[line - 1].includes(entry.code));
        const reached = known.browser.find((entry) => entry.file === file && from(entry) > 0 && line >= from(entry));
        (same        ? equivalent :
             reached ? browser :
                       unaccounted)
            .push(`${file}:${line} ${mutant.mutatorName} ${JSON.stringify(mutant.replacement ?? '')}`);
    }
}
const total = Object.values(tally).reduce((sum, n) => sum + n, 0);
console.log(`${total} mutants: ${Object.entries(tally).map(([status, n]) => `${n} ${status}`).join(', ')}`);
console.log(
    `left alive: ${equivalent.length} equivalent, ${browser.length} reached only in a browser, ` +
    `${unaccounted.length} not accounted for`);
unaccounted.forEach((mutant) => console.log(`  not accounted for: ${mutant}`));
process.exitCode = unaccounted.length ? 1 : 0;
