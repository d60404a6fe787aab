#!/usr/bin/env bash
# Computes the golden values of the colour notations with culori (from the
# npm registry, installed into build/reference) and writes them to
# tests/unit/notation_goldens.tsv. Run by hand when the notations change;
# the table is committed, so the tests need no network.
set -euo pipefail
cd "$(dirname "$0")/.."
work=build/reference
mkdir -p "$work"
cp tests/reference/package.json tests/reference/notations.mjs "$work/"
(cd "$work" && npm install --no-audit --no-fund --silent)
node "$work/notations.mjs" > tests/unit/notation_goldens.tsv
echo "wrote tests/unit/notation_goldens.tsv ($(wc -l < tests/unit/notation_goldens.tsv) rows)"
