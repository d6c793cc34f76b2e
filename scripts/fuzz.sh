#!/usr/bin/env bash
# Builds the fuzzers with clang into build/fuzz, seeds them, and runs each for
# a while (FUZZ_SECONDS, 60 by default). Fails on any crash, hang, leak or
# broken round trip; libFuzzer leaves the input that did it in build/fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
seconds=${FUZZ_SECONDS:-60}

"$root/scripts/deps.sh" --with-fuzz

CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

rm -rf "$build/seeds"
"$build/make_fuzz_seeds" "$build/seeds" "$root/../shared/data/uk-lotto/lotto.csv"

for target in ticket_file history_file import_file; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== ${target}_fuzz for ${seconds}s"
  log="$build/$target.log"
  if ! (cd "$build" && "./${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
          -max_len=16384 -print_final_stats=1 "$corpus" "$build/seeds/$target" >"$log" 2>&1); then
    cat "$log"
    exit 1
  fi
  grep -E '(INITED|DONE) ' "$log" || true
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
done
