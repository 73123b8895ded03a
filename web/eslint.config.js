// The page's modules run in a browser, the page's tools and tests under node.
// No name may be undefined, and none of ours may hide another, a browser's
// own (window, status) included.
import js from '@eslint/js';
import globals from 'globals';

const rules = {
    'no-undef': 'error',
    'no-shadow': ['error', {builtinGlobals: true, hoist: 'all'}],
};

export default [
    // The tests, the benchmark and their engines are node scripts that hand functions to the page: both kinds of names
    // at once.
    {ignores: ['node_modules/', 'reports/', 'tests/', 'bench.mjs', 'engines.mjs', 'mutants.mjs']},
    js.configs.recommended,
    {files: ['src/**/*.js'], languageOptions: {sourceType: 'module', globals: globals.browser}, rules},
    {
        files: ['assemble.mjs', 'eslint.config.js'],
        languageOptions: {sourceType: 'module', globals: globals.node},
        rules
    },
];
