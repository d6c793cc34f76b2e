#!/usr/bin/env bash
# Builds the fuzzers with clang into build/fuzz, seeds them, and runs each for
# a while (FUZZ_SECONDS, 60 by default) in FUZZ_JOBS parallel jobs (1 by
# default), growing the corpus in FUZZ_CORPUS (build/fuzz/corpus by default).
# Fails on any crash, hang, leak, broken round trip or disagreement with the
# plain second reader; libFuzzer leaves the input that did it in build/fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-1}
corpora=${FUZZ_CORPUS:-$build/corpus}

# The longest input each target may grow to: hundreds of whole records.
declare -A max_len=([ticket_file]=32768 [history_file]=16384 [import_file]=32768)

"$root/scripts/deps.sh" --with-fuzz

CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

"$build/plain_formats_check"
rm -rf "$build/seeds"
"$build/make_fuzz_seeds" "$build/seeds" "$root/../shared/data/uk-lotto/lotto.csv"

for target in ticket_file history_file import_file; do
  corpus="$corpora/$target"
  mkdir -p "$corpus"
  echo "== ${target}_fuzz for ${seconds}s in $jobs job(s), max_len ${max_len[$target]}"
  log="$build/$target.log"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="${max_len[$target]}"
           -dict="$root/fuzz/$target.dict" -print_final_stats=1)
  [ "$jobs" -gt 1 ] && options+=(-jobs="$jobs" -workers="$jobs")
  if ! (cd "$build" && "./${target}_fuzz" "${options[@]}" "$corpus" "$build/seeds/$target" >"$log" 2>&1); then
    cat "$log"
    [ "$jobs" -gt 1 ] && cat "$build"/fuzz-*.log
    exit 1
  fi
  if [ "$jobs" -gt 1 ]; then
    grep -hE '(INITED|DONE) ' "$build"/fuzz-*.log || true
    rm -f "$build"/fuzz-*.log
  else
    grep -E '(INITED|DONE) ' "$log" || true
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
  fi
  echo "corpus: $(find "$corpus" -type f | wc -l) inputs, largest $(find "$corpus" -type f -printf '%s\n' | sort -n | tail -1) bytes"
done
