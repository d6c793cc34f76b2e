#!/usr/bin/env bash
# Long fuzzing runs, outside CI: each target for the given number of seconds
# (an hour by default) on every core, at low priority, keeping the corpus
# between runs in fuzz/corpus-long (FUZZ_CORPUS to choose another place), so
# that each run starts where the last one stopped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export FUZZ_SECONDS=${1:-3600}
export FUZZ_JOBS=${FUZZ_JOBS:-$(nproc)}
export FUZZ_CORPUS=${FUZZ_CORPUS:-$root/fuzz/corpus-long}
exec nice -n 10 "$root/scripts/fuzz.sh"
