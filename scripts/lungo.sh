#!/usr/bin/env bash
# Soak run of the random-event test: many seeds, 5000 actions each, on a
# Release build in build-lungo. Usage: scripts/lungo.sh [first seed] [seeds]
# (default 1000 and 200 seeds: 10^6 actions). Stops at the first failure,
# which names its seed and action; replay it with VASK_SEME and VASK_AZIONI.
set -euo pipefail
cd "$(dirname "$0")/.."
primo=${1:-1000}
quanti=${2:-200}
cmake -S . -B build-lungo -DCMAKE_BUILD_TYPE=Release -DVASK_TESTS=ON >/dev/null
cmake --build build-lungo -j2 --target casuale_test >/dev/null
inizio=$(date +%s)
for ((s = primo; s < primo + quanti; ++s)); do
    if ! QT_QPA_PLATFORM=offscreen VASK_SEME=$s VASK_AZIONI=5000 \
        ./build-lungo/tests/casuale_test sequenze_casuali_non_rompono_mai_gli_invarianti \
        -maxwarnings 0 >build-lungo/ultimo.log 2>&1; then
        grep -E "FAIL|Loc|BLOCCATO" build-lungo/ultimo.log
        echo "seme $s: fallito"
        exit 1
    fi
done
fine=$(date +%s)
echo "semi $primo..$((primo + quanti - 1)): $((quanti * 5000)) azioni in $((fine - inizio)) s, nessun guasto"
