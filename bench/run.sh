#!/usr/bin/env bash
# Compares the configurator with a bare Qt 6 main window, both under the offscreen platform:
#   start-up   launch until the window is shown and the event loop idle (median of RUNS)
#   memory     peak resident set size of those runs (median)
#   idle CPU   CPU time used while the window stays idle for IDLE_SECONDS (median of IDLE_RUNS)
#   config.ini reading speed over 10 MB of hostile lines, and the longest freeze of the
#   window while the form loads the largest file it accepts
#   recordings: 10,000 WAV files of a card summarised (count, bytes, playing time), warm cache
# The programs run alternately, each pair in swapped order every other time, after one
# discarded warm-up run each. The idle runs of the two programs go side by side: CPU time is
# counted per process, and it halves the wall time.
#
# usage: bench/run.sh [BUILD_DIR]     (default: build)
# environment: RUNS (default 11), IDLE_RUNS (default 3), IDLE_SECONDS (default 10)
set -euo pipefail

BUILD=$(cd "${1:-build}" && pwd)
BARE=$BUILD/bench/bare_window
PLIMO=$BUILD/bench/plimo_bench
READ=$BUILD/bench/config_read_bench
RECORDINGS=$BUILD/bench/recordings_bench
RUNS=${RUNS:-11}
IDLE_RUNS=${IDLE_RUNS:-3}
IDLE_SECONDS=${IDLE_SECONDS:-10}

for p in "$BARE" "$PLIMO" "$READ" "$RECORDINGS"; do
    [ -x "$p" ] || { echo "missing $p: build first" >&2; exit 1; }
done

export QT_QPA_PLATFORM=offscreen
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK" # the configurator keeps Plimoplayer.cfg in its working directory

# run_probe NAME PROGRAM ARGS...: runs once, appends the probe's figures to $WORK/NAME.*
run_probe() {
    local name=$1 line
    shift
    line=$(PLIMO_BENCH_T0=$(date +%s%N) "$@" 2>>"$WORK/messages.log" | grep '^startup_ms=') || {
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

echo "warm-up..."
{
    "$BARE" --quit-after-show
    "$PLIMO" --quit-after-show
    "$BARE" --quit-after-show --label
} >/dev/null 2>>"$WORK/messages.log"
rm -f "$WORK"/*.startup_ms "$WORK"/*.peak_rss_kib "$WORK"/*.idle_*

echo "start-up: $RUNS runs each..."
for ((i = 0; i < RUNS; i++)); do
    if ((i % 2 == 0)); then
        run_probe bare "$BARE" --quit-after-show
        run_probe plimo "$PLIMO" --quit-after-show
        run_probe label "$BARE" --quit-after-show --label
    else
        run_probe label "$BARE" --quit-after-show --label
        run_probe plimo "$PLIMO" --quit-after-show
        run_probe bare "$BARE" --quit-after-show
    fi
done

echo "idle: $IDLE_RUNS runs of $IDLE_SECONDS s each..."
for ((i = 0; i < IDLE_RUNS; i++)); do
    mkdir -p "$WORK/idle_bare" "$WORK/idle_plimo"
    (cd "$WORK/idle_bare" && run_probe bare_idle "$BARE" --idle-seconds "$IDLE_SECONDS") &
    (cd "$WORK/idle_plimo" && run_probe plimo_idle "$PLIMO" --idle-seconds "$IDLE_SECONDS") &
    wait
done

bs=$(median "$WORK/bare.startup_ms")
ps=$(median "$WORK/plimo.startup_ms")
br=$(median "$WORK/bare.peak_rss_kib")
pr=$(median "$WORK/plimo.peak_rss_kib")
ls=$(median "$WORK/label.startup_ms")
lr=$(median "$WORK/label.peak_rss_kib")
bc=$(median "$WORK/bare_idle.idle_cpu_ms")
pc=$(median "$WORK/plimo_idle.idle_cpu_ms")
bw=$(median "$WORK/bare_idle.idle_wall_ms")
pw=$(median "$WORK/plimo_idle.idle_wall_ms")

echo
echo "start-up runs (ms), bare:         $(sort -g "$WORK/bare.startup_ms" | tr '\n' ' ')"
echo "start-up runs (ms), configurator: $(sort -g "$WORK/plimo.startup_ms" | tr '\n' ' ')"
echo "start-up runs (ms), bare + label: $(sort -g "$WORK/label.startup_ms" | tr '\n' ' ')"
echo
awk -v bs="$bs" -v ps="$ps" -v br="$br" -v pr="$pr" -v bc="$bc" -v pc="$pc" -v bw="$bw" \
    -v pw="$pw" -v ls="$ls" -v lr="$lr" 'function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
    ratio = ps / bs
    extra = (pr - br) / 1024
    bcpu = 100 * bc / bw
    pcpu = 100 * pc / pw
    printf "%-34s %12s %12s %14s   %s\n", "median", "bare", "configurator", "comparison", "target"
    printf "%-34s %12.1f %12.1f %13.2fx   <= 1.25x     %s\n", "start-up to idle event loop (ms)",
           bs, ps, ratio, verdict(ratio <= 1.25)
    printf "%-34s %12.1f %12.1f %+10.1f MiB   <= +10 MiB   %s\n", "peak resident memory (MiB)",
           br / 1024, pr / 1024, extra, verdict(extra <= 10)
    printf "%-34s %12.3f %12.3f %14s   < 0.2%%      %s\n", "CPU while idle (% of one core)",
           bcpu, pcpu, sprintf("%.1f ms/%gs", pc, pw / 1000), verdict(pcpu < 0.2)
    printf "\nfor reference, the bare window with one text label (fonts loaded): start-up %.1f ms\n",
           ls
    printf "(configurator %.2fx that), peak memory %.1f MiB (configurator %+.1f MiB)\n",
           ps / ls, lr / 1024, (pr - lr) / 1024
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
line=$("$RECORDINGS" 2>>"$WORK/messages.log") || { echo "recordings_bench failed" >&2; exit 1; }
ms=$(sed -n 's/.*recordings_ms=\([0-9.]*\).*/\1/p' <<<"$line")
awk -v ms="$ms" 'function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
    printf "%-46s %10.1f   < 1000 ms    %s\n", "summarising 10,000 recordings, warm (ms)", ms,
           verdict(ms < 1000)
}'
