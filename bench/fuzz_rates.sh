#!/usr/bin/env bash
# How fast each libFuzzer target runs, against the WAV target of the same build: each target
# fuzzes SECONDS from a fresh copy of its seed corpus (tests/fuzz/corpus_*), one after the
# other, and the script prints its executions, executions a second of wall time and of CPU
# time, and that rate as a share of the WAV target's. The text targets are to reach at least
# 1/20 of the WAV target's rate. The WAV target's reader is a few hundred edges; the text
# targets read a file a user writes by hand through thousands, so they are slower by nature,
# but twenty minutes of fuzzing should still reach millions of inputs.
#
# usage: bench/fuzz_rates.sh [FUZZ_BUILD_DIR]   (default: build-fuzz, made by ./build.sh fuzz)
# environment: SECONDS_EACH (default 30), ROUNDS (default 1: the rates are the mean of the
#              rounds), BEFORE: another fuzz build directory measured alongside, target by
#              target, as "before"
set -euo pipefail
# As ./build.sh fuzz runs them: no allocation stacks kept (the same faults found).
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build-fuzz}" && pwd)
SECONDS_EACH=${SECONDS_EACH:-30}
ROUNDS=${ROUNDS:-1}
BEFORE=${BEFORE:+$(cd "$BEFORE" && pwd)}
TARGETS=(wav config preferences)

builds=(now "$BUILD")
[ -n "$BEFORE" ] && builds=(before "$BEFORE" now "$BUILD")
for ((b = 1; b < ${#builds[@]}; b += 2)); do
    for t in "${TARGETS[@]}"; do
        [ -x "${builds[b]}/tests/fuzz/fuzz_$t" ] ||
            { echo "missing ${builds[b]}/tests/fuzz/fuzz_$t: ./build.sh fuzz first" >&2; exit 1; }
    done
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# run NAME PROGRAM TARGET: one run from a fresh corpus; appends "executions cpu-seconds" to
# $WORK/NAME.TARGET
run() {
    local name=$1 program=$2 target=$3 corpus=$WORK/corpus log=$WORK/log cpu
    rm -rf "$corpus" && mkdir "$corpus" && cp "$ROOT/tests/fuzz/corpus_$target"/* "$corpus"/
    local TIMEFORMAT='%U %S'
    cpu=$( { time (cd "$WORK" && "$program" -max_total_time="$SECONDS_EACH" -seed=1 \
        -print_final_stats=1 -artifact_prefix="$WORK/" "$corpus" >"$log" 2>&1); } 2>&1) || {
        echo "$program stopped on a finding:" >&2
        tail -n 30 "$log" >&2
        exit 1
    }
    echo "$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")" \
        "$(awk '{ print $1 + $2 }' <<<"$cpu")" >>"$WORK/$name.$target"
}

echo "each target ${SECONDS_EACH} s from its seed corpus, $ROUNDS round(s)..."
for ((r = 0; r < ROUNDS; r++)); do
    for t in "${TARGETS[@]}"; do
        for ((b = 0; b < ${#builds[@]}; b += 2)); do
            run "${builds[b]}" "${builds[b + 1]}/tests/fuzz/fuzz_$t" "$t"
        done
    done
done

printf '%-8s %-12s %12s %10s %12s %12s   %s\n' "" target executions "exec/s" "exec/CPU s" \
    "of WAV" ">= 1/20"
for ((b = 0; b < ${#builds[@]}; b += 2)); do
    name=${builds[b]}
    wav=$(awk -v s="$SECONDS_EACH" '{ n += $1 } END { print n / NR / s }' "$WORK/$name.wav")
    for t in "${TARGETS[@]}"; do
        awk -v name="$name" -v t="fuzz_$t" -v s="$SECONDS_EACH" -v wav="$wav" '
            { n += $1; cpu += $2 }
            END {
                rate = n / NR / s
                share = rate / wav
                verdict = t == "fuzz_wav" ? "" : (share >= 0.05 ? "met" : "MISSED")
                printf "%-8s %-12s %12d %10.0f %12.0f %6s 1/%-4.1f   %s\n", name, t, n / NR, rate,
                       n / cpu, "", 1 / share, verdict
            }' "$WORK/$name.$t"
    done
done
