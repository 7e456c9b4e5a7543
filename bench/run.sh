#!/usr/bin/env bash
# Compares the configurator with a bare Qt 6 main window showing one text label, both
# under the offscreen platform with one 1920x1080 screen (the whole form fits: no scroll
# area):
#   start-up   launch until the window is painted, activated and the event loop idle:
#              the median of the paired ratios configurator / bare window of RUNS pairs
#   memory     peak resident set size of those runs (medians), the difference
#   idle CPU   CPU time used while the windows stay idle IDLE_SECONDS side by side, beside
#              a bare window whose time editor follows the clock (what a plain Qt window
#              showing the running seconds costs)
#   config.ini reading speed over 10 MB of hostile lines, and the longest freeze of the
#   window while the form loads the largest file it accepts
#   Cards      the longest freeze of the window while Cards writes, verifies and collects
#              four fusefat cards (root: a mount namespace of its own)
#   recordings: 10,000 WAV files of a card summarised (count, bytes, playing time), warm cache
#   season     --season of 30 cards, 20,000 recordings from their recordings.csv: the cards
#              day by day, season.csv, deployments-table.csv and season.png, warm cache
#   collect    --collect against cp -r + sha256sum, cold and warm, and its peak memory for a
#              4 GB recording (bench/collect.sh)
# The start-up runs go in pairs, in swapped order every other time, after one discarded
# warm-up run each; a second set of pairs starts the configurator with the Russian
# translation loaded.
#
# usage: bench/run.sh [BUILD_DIR]     (default: build)
# environment: RUNS (default 15), IDLE_SECONDS (default 60),
#              BEFORE: another build's bench/plimo_bench, measured alongside ("before"),
#              STARTUP_ONLY=1: the start-up and memory pairs alone, no idle, readers or collect
set -euo pipefail

BUILD=$(cd "${1:-build}" && pwd)
BARE=$BUILD/bench/bare_window
PLIMO=$BUILD/bench/plimo_bench
READ=$BUILD/bench/config_read_bench
RECORDINGS=$BUILD/bench/recordings_bench
SEASON=$BUILD/bench/season_bench
QM=$BUILD/plimo_ru.qm
RUNS=${RUNS:-15}
IDLE_SECONDS=${IDLE_SECONDS:-60}
BEFORE=${BEFORE:-}
STARTUP_ONLY=${STARTUP_ONLY:-}

for p in "$BARE" "$PLIMO" "$READ" "$RECORDINGS" "$SEASON" "$BUILD/bench/cards_bench" "$QM" ${BEFORE:+"$BEFORE"}; do
    [ -e "$p" ] || { echo "missing $p: build first" >&2; exit 1; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cat >"$WORK/screen.json" <<'JSON'
{ "screens": [ { "name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
export QT_QPA_PLATFORM="offscreen:configfile=$WORK/screen.json"
# The configurator keeps Plimoplayer.cfg in its working directory: one folder per kind of
# run, the Russian one naming the translation.
mkdir -p "$WORK/en" "$WORK/ru"
printf 'Language "%s"\n' "$QM" >"$WORK/ru/Plimoplayer.cfg"

# run_probe NAME FOLDER PROGRAM ARGS...: runs once in FOLDER, appends the probe's figures to
# $WORK/NAME.*
run_probe() {
    local name=$1 folder=$2 line
    shift 2
    line=$(cd "$folder" && PLIMO_BENCH_T0=$(date +%s%N) "$@" 2>>"$WORK/messages.log" |
        grep '^startup_ms=') || {
        echo "$name failed:" >&2
        cat "$WORK/messages.log" >&2
        exit 1
    }
    for field in startup_ms peak_rss_kib idle_cpu_ms idle_wall_ms; do
        sed -n "s/.*\\b$field=\\([-0-9.]*\\).*/\\1/p" <<<"$line" >>"$WORK/$name.$field"
    done
}

median() { # file
    sort -g "$1" | awk '{ v[NR] = $1 } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# pair NAME FOLDER PROGRAM I: one configurator run and one bare run, order swapped by I;
# appends configurator / bare to $WORK/NAME.ratio
pair() {
    local name=$1 folder=$2 program=$3 i=$4
    if ((i % 2 == 0)); then
        run_probe label "$WORK/en" "$BARE" --quit-after-show --label
        run_probe "$name" "$folder" "$program" --quit-after-show
    else
        run_probe "$name" "$folder" "$program" --quit-after-show
        run_probe label "$WORK/en" "$BARE" --quit-after-show --label
    fi
    paste <(tail -n 1 "$WORK/$name.startup_ms") <(tail -n 1 "$WORK/label.startup_ms") |
        awk '{ print $1 / $2 }' >>"$WORK/$name.ratio"
}

programs=(now "$PLIMO")
[ -n "$BEFORE" ] && programs=(before "$BEFORE" now "$PLIMO")

echo "warm-up..."
(cd "$WORK/en" && "$BARE" --quit-after-show --label && "$PLIMO" --quit-after-show &&
    ${BEFORE:-true} --quit-after-show) >/dev/null 2>>"$WORK/messages.log"

echo "start-up: $RUNS pairs per program, then $RUNS in Russian..."
for ((i = 0; i < RUNS; i++)); do
    for ((p = 0; p < ${#programs[@]}; p += 2)); do
        pair "${programs[p]}" "$WORK/en" "${programs[p + 1]}" "$i"
    done
done
for ((i = 0; i < RUNS; i++)); do
    for ((p = 0; p < ${#programs[@]}; p += 2)); do
        pair "${programs[p]}_ru" "$WORK/ru" "${programs[p + 1]}" "$i"
    done
done

if [ -n "$STARTUP_ONLY" ]; then
    printf '%-10s %14s %14s %14s %16s\n' "" "start-up" "ratio" "ratio (ru)" "memory"
    for ((p = 0; p < ${#programs[@]}; p += 2)); do
        n=${programs[p]}
        awk -v name="$n" -v ms="$(median "$WORK/$n.startup_ms")" \
            -v ratio="$(median "$WORK/$n.ratio")" -v ru="$(median "$WORK/${n}_ru.ratio")" \
            -v rss="$(median "$WORK/$n.peak_rss_kib")" -v lr="$(median "$WORK/label.peak_rss_kib")" \
            'BEGIN { printf "%-10s %11.1f ms %13.2fx %13.2fx %+12.1f MiB\n", name, ms, ratio, ru,
                     (rss - lr) / 1024 }'
    done
    exit 0
fi

# The card picker answers every change of the mount table, and on a shared build machine
# other programs' tests mount and unmount all the time: the idle runs get a private copy of
# the mount table (where unshare may make one), so only the program's own wake-ups count.
isolate=()
unshare --mount --propagation private true 2>/dev/null &&
    isolate=(unshare --mount --propagation private)
echo "idle: $IDLE_SECONDS s, side by side${isolate:+, in a private mount table}..."
for ((p = 0; p < ${#programs[@]}; p += 2)); do
    mkdir -p "$WORK/idle_${programs[p]}"
    run_probe "${programs[p]}_idle" "$WORK/idle_${programs[p]}" ${isolate[@]+"${isolate[@]}"} \
        "${programs[p + 1]}" --idle-seconds "$IDLE_SECONDS" &
done
mkdir -p "$WORK/idle_label"
run_probe label_idle "$WORK/idle_label" ${isolate[@]+"${isolate[@]}"} "$BARE" --label \
    --idle-seconds "$IDLE_SECONDS" &
mkdir -p "$WORK/idle_clock"
run_probe clock_idle "$WORK/idle_clock" ${isolate[@]+"${isolate[@]}"} "$BARE" --clock \
    --idle-seconds "$IDLE_SECONDS" &
wait

lr=$(median "$WORK/label.peak_rss_kib")
lc=$(median "$WORK/label_idle.idle_cpu_ms")
lw=$(median "$WORK/label_idle.idle_wall_ms")
echo
echo "bare window with a label: start-up $(median "$WORK/label.startup_ms") ms (median)," \
    "peak memory $(awk -v r="$lr" 'BEGIN { printf "%.1f", r / 1024 }') MiB," \
    "idle CPU $(awk -v c="$lc" -v w="$lw" 'BEGIN { printf "%.3f", 100 * c / w }') %"
awk -v c="$(median "$WORK/clock_idle.idle_cpu_ms")" -v w="$(median "$WORK/clock_idle.idle_wall_ms")" \
    'BEGIN { printf "bare window whose time editor follows the clock each second: idle CPU %.3f %%\n",
             100 * c / w }'
printf '%-10s %14s %14s %14s %16s %14s\n' "" "start-up" "ratio" "ratio (ru)" "memory" "idle CPU"
for ((p = 0; p < ${#programs[@]}; p += 2)); do
    n=${programs[p]}
    awk -v name="$n" -v ms="$(median "$WORK/$n.startup_ms")" -v ratio="$(median "$WORK/$n.ratio")" \
        -v ru="$(median "$WORK/${n}_ru.ratio")" -v rss="$(median "$WORK/$n.peak_rss_kib")" \
        -v lr="$lr" -v cpu="$(median "$WORK/${n}_idle.idle_cpu_ms")" \
        -v wall="$(median "$WORK/${n}_idle.idle_wall_ms")" 'BEGIN {
        printf "%-10s %11.1f ms %13.2fx %13.2fx %+12.1f MiB %12.3f %%\n", name, ms, ratio, ru,
               (rss - lr) / 1024, 100 * cpu / wall }'
done
awk -v ratio="$(median "$WORK/now.ratio")" -v ru="$(median "$WORK/now_ru.ratio")" \
    -v extra="$(awk -v a="$(median "$WORK/now.peak_rss_kib")" -v b="$lr" 'BEGIN { print (a - b) / 1024 }')" \
    -v cpu="$(median "$WORK/now_idle.idle_cpu_ms")" -v wall="$(median "$WORK/now_idle.idle_wall_ms")" \
    'function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
    printf "%-10s %14s %13s %14s %16s %14s\n", "target", "", "<= 1.6x", "", "<= +7 MiB",
           "<= 0.03 %"
    printf "%-10s %14s %13s %14s %16s %14s\n", "now", "", verdict(ratio <= 1.6),
           verdict(ru <= 1.6), verdict(extra <= 7), verdict(100 * cpu / wall <= 0.03)
}'

echo
line=$("$READ" 2>>"$WORK/messages.log") || { echo "config_read_bench failed" >&2; exit 1; }
speed=$(sed -n 's/.*read_mb_per_s=\([0-9.]*\).*/\1/p' <<<"$line")
stall=$(sed -n 's/.*load_stall_ms=\([0-9.]*\).*/\1/p' <<<"$line")
awk -v speed="$speed" -v stall="$stall" 'function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
    printf "%-46s %10.1f   >= 50 MB/s   %s\n", "reading config.ini, 10 MB hostile lines (MB/s)",
           speed, verdict(speed >= 50)
    printf "%-46s %10.1f   <= 100 ms    %s\n", "longest window freeze loading 1 MiB (ms)",
           stall, verdict(stall <= 100)
}'

line=$("$BUILD/bench/cards_bench" 2>>"$WORK/messages.log") || { echo "cards_bench failed" >&2; exit 1; }
stall=$(sed -n 's/.*cards_stall_ms=\([0-9.a-z]*\).*/\1/p' <<<"$line")
if [ "$stall" = skipped ]; then
    echo "Cards on four fusefat cards: skipped (needs root and fusefat)"
else
    awk -v stall="$stall" 'BEGIN {
        printf "%-46s %10.1f   <= 100 ms    %s\n", "longest window freeze, Cards on 4 cards (ms)",
               stall, stall <= 100 ? "met" : "MISSED"
    }'
fi

line=$("$BUILD/bench/schedule_bench") || { echo "schedule_bench failed" >&2; exit 1; }
ms=$(sed -n 's/.*schedule_ms=\([0-9.]*\).*/\1/p' <<<"$line")
awk -v ms="$ms" 'BEGIN {
    printf "%-46s %10.1f   <= 50 ms     %s\n", "schedule of the heaviest timers, ten years (ms)",
           ms, ms <= 50 ? "met" : "MISSED"
}'

line=$("$RECORDINGS" 2>>"$WORK/messages.log") || { echo "recordings_bench failed" >&2; exit 1; }
ms=$(sed -n 's/.*recordings_ms=\([0-9.]*\).*/\1/p' <<<"$line")
awk -v ms="$ms" 'function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
    printf "%-46s %10.1f   < 1000 ms    %s\n", "summarising 10,000 recordings, warm (ms)", ms,
           verdict(ms < 1000)
}'

line=$("$SEASON" 2>>"$WORK/messages.log") || { echo "season_bench failed" >&2; exit 1; }
ms=$(sed -n 's/.*season_ms=\([0-9.]*\).*/\1/p' <<<"$line")
awk -v ms="$ms" 'function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
    printf "%-46s %10.1f   < 2000 ms    %s\n", "season of 30 cards, 20,000 recordings, warm (ms)",
           ms, verdict(ms < 2000)
}'

echo
"$(dirname "$0")/collect.sh" "$BUILD"
