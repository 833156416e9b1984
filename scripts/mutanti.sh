#!/usr/bin/env bash
# Mutation score of the tests: one-line mutants of src/ (the fixed list
# scripts/mutanti.lista), each built and run against the unit and window
# tests in a copy of the tree. Prints one line per mutant and killed / total.
#   scripts/mutanti.sh [list] [first] [last]
# Builds in build-mutanti/ (UBSan, -O1). A new sample of N mutants:
#   python3 scripts/mutanti.py genera N SEED > scripts/mutanti.lista
set -euo pipefail
cd "$(dirname "$0")/.."
lista=${1:-scripts/mutanti.lista}
exec python3 scripts/mutanti.py esegui "$lista" build-mutanti ${2:+$2} ${3:+$3}
