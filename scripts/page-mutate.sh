#!/usr/bin/env bash
# Mutation testing of the page's modules: StrykerJS (web/stryker.config.json)
# mutates web/src/ and runs the node tests on each mutant. Every mutant they
# leave alive must be one web/mutants.json accounts for, as equivalent or as
# reached only in a browser. About a minute and a half on two cores.
set -euo pipefail
cd "$(dirname "$0")/../web"
[ -d node_modules/@stryker-mutator ] || npm ci --no-audit --no-fund --loglevel=error
npx stryker run
node mutants.mjs
