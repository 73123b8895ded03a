// Puts the page together as one file: the template with its style, the
// program's WebAssembly as base64, the chart library, emscripten's loader and
// the page's scripts inlined, each module of them bundled by rollup into one
// classic script, the notices of what it carries, and a
// Content-Security-Policy that allows exactly these scripts and this style,
// by their hashes, and no request at all.
// usage: node assemble.mjs OUTPUT VERSION LOADER_JS PROGRAM_WASM LICENSE MUSL_COPYRIGHT
import {createHash} from 'node:crypto';
import {readFileSync, writeFileSync} from 'node:fs';
import {rollup} from 'rollup';

const [output, version, loader, wasm, licence, muslCopyright] = process.argv.slice(2);
const here = new URL('.', import.meta.url);
const read = (path) => readFileSync(path, 'utf8');
const local = (path) => read(new URL(path, here));
const uplot = 'node_modules/uplot/';

// Text as HTML, in ASCII alone (see the end).
const asHtml = (text) => text.replace(/&/g, '&amp;')
                             .replace(/</g, '&lt;')
                             .replace(/>/g, '&gt;')
                             .replace(/[^\0-\x7f]/gu, (c) => `&#x${c.codePointAt(0).toString(16)};`);
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

// The modules from entry, as one classic script; name, when given, holds its exports.
async function bundle(entry, name)
{
    const modules = await rollup({
        input: new URL(entry, here).pathname,
        onwarn: (warning) => {
            throw new Error(`rollup: ${warning.message}`);
        }
    });
    const generated = await modules.generate({format: 'iife', name, indent: false});
    return generated.output[0].code;
}

// The program's start first, in the head: emscripten's loader, then the
// program's module (src/program.js), which hands the rest of the page its
// start as sortCompareStart. The chart library is run only once the report is
// on the screen (src/chart/library.js): it sets up number formats as it
// starts, which takes tens of milliseconds the first time a page does it.
const start = [read(loader), await bundle('src/program.js', 'sortCompareStart')];
const library = local(uplot + 'dist/uPlot.iife.min.js');
const scripts = [await bundle('src/page.js')];
const element = (script) => `<script>${script}</script>`;
for (const script of [...start, library, ...scripts]) {
    if (/<\/script/i.test(script)) {
        throw new Error('a script holds </script and would end its element early');
    }
}
const style = local(uplot + 'dist/uPlot.min.css') + local('page.css');

// The page's icon, carried in it (without one, a browser asks the server for
// /favicon.ico): three bars, tallest first, in the colours the style gives
// --icon-bars, each custom property of :root resolved from the style itself.
function icon(css)
{
    const properties = Object.fromEntries([...css.matchAll(/^\s*(--[a-z-]+):\s*([^;]+);/gm)].map((m) => [m[1], m[2]]));
    const resolved = (value) => value.replace(/var\((--[a-z-]+)\)/g, (_, name) => resolved(properties[name]));
    const heights = [5, 3, 2];
    const bars =
        resolved(properties['--icon-bars'])
            .split(/\s+/)
            .map(
                (colour, i) =>
                    `<path fill='${colour.replace('#', '%23')}' d='M${2 * i} 6h2V${6 - heights[i]}H${2 * i}z'/>`);
    return `data:image/svg+xml,<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 6 6'>${bars.join('')}</svg>`;
}
const policy = [
    'default-src \'none\'',
    'connect-src \'none\'',
    `script-src ${[...start, library, ...scripts].map(hash).join(' ')} 'wasm-unsafe-eval'`,
    `style-src ${hash(style)}`,
    // The icon, carried in the page: without one, a browser asks the server for /favicon.ico.
    'img-src data:',
    'base-uri \'none\'',
    'form-action \'none\'',
].join('; ');

const parts = {
    policy,
    icon: icon(local('page.css')),
    version,
    style,
    program: readFileSync(wasm).toString('base64'),
    start: start.map(element).join('\n'),
    library,
    scripts: scripts.map(element).join('\n'),
    'sort-compare': asHtml(read(licence)),
    uplot: asHtml(local(uplot + 'LICENSE')),
    // The licence of musl as a whole, without its long list of authors.
    musl: asHtml(read(muslCopyright).split('Authors/contributors include:')[0].trim()),
};
// A function, not a string, as the replacement: the scripts hold '$' patterns.
const page = local('page.html').replace(/\{\{([a-z-]+)\}\}/g, (_, name) => {
    if (!(name in parts)) {
        throw new Error(`page.html names a part that does not exist: ${name}`);
    }
    return parts[name];
});
// Any character beyond ASCII makes Chromium decode, scan and parse the whole
// page as 16-bit text: at this size its decoding alone took 2 ms more. The
// sources write such characters as references.
const wide = page.match(/[^\0-\x7f]/u);
if (wide) {
    throw new Error(`the page holds ${wide[0]}, which is not ASCII, at ${wide.index}: write it as a reference`);
}
writeFileSync(output, page);
