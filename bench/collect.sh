#!/usr/bin/env bash
# --collect against what a user would do by hand: cp -r of the card folder, then
# sha256sum of the copies. The same recordings (random bytes) on a plain folder and on a
# FAT card image mounted with fusefat (where it can be mounted), each with a cold cache
# (the card's and the copies' cached pages dropped before the run) and a warm one; then
# the peak memory of collecting one 4 GB recording (a sparse file). Prints the times and
# the ratio collect / (cp + sha256sum); the target is 1.3 or less, and under 64 MiB.
#
# usage: bench/collect.sh [BUILD_DIR]   environment: COLLECT_MB (default 512), FAT_MB (128)
set -euo pipefail

BUILD=$(cd "${1:-build}" && pwd)
PLIMO=$BUILD/plimo-configurator
MB=${COLLECT_MB:-512}
FAT_MB=${FAT_MB:-128}
[ -x "$PLIMO" ] || { echo "missing $PLIMO: build first" >&2; exit 1; }

WORK=$(mktemp -d)
FAT_MOUNT=
cleanup() {
    [ -n "$FAT_MOUNT" ] && fusermount -u -z "$FAT_MOUNT" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
export XDG_DATA_HOME=$WORK/data

# drop FOLDER...: forgets the cached pages of every file below the folders.
drop() {
    find "$@" -type f -exec dd if={} iflag=nocache count=0 status=none \; 2>/dev/null || true
}

seconds() { # command...: wall time in seconds
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null
    t1=$(date +%s%N)
    awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", (b - a) / 1e9 }'
}

by_hand() { # card copy
    cp -r "$1" "$2" && (cd "$2" && find . -type f -print0 | xargs -0 sha256sum >/dev/null)
}

# fill CARD MB: eight recordings of random bytes in two folders.
fill() {
    mkdir -p "$1/REC/A" "$1/REC/B"
    for i in 1 2 3 4 5 6 7 8; do
        head -c $(($2 * 1000000 / 8)) /dev/urandom >"$1/REC/$([ $i -le 4 ] && echo A || echo B)/R$i.WAV"
    done
}

# compare NAME CARD: one line per cache state.
compare() {
    local name=$1 card=$2 n=0
    for cache in cold warm; do
        n=$((n + 1))
        rm -rf "$WORK/hand$n" "$WORK/archive$n"
        [ $cache = cold ] && drop "$card"
        [ $cache = warm ] && cat "$card"/REC/*/* >/dev/null
        local hand collect
        hand=$(seconds by_hand "$card" "$WORK/hand$n")
        [ $cache = cold ] && drop "$card" "$WORK/hand$n"
        [ $cache = warm ] && cat "$card"/REC/*/* >/dev/null
        collect=$(seconds "$PLIMO" --collect "$WORK/archive$n" --from "$card" "$WORK/none.cfg")
        awk -v n="$name" -v c=$cache -v h="$hand" -v k="$collect" -v mb="$3" 'BEGIN {
            printf "collect %-13s %4s: cp -r + sha256sum %6.2f s, --collect %6.2f s, ratio %.2f (%d MB)\n",
                n, c, h, k, k / h, mb }'
    done
}

echo "collect: $MB MB on a plain folder..."
fill "$WORK/card" "$MB"
compare "plain folder" "$WORK/card" "$MB"
rm -rf "$WORK/card" "$WORK"/hand* "$WORK"/archive*

if command -v fusefat >/dev/null && command -v mkfs.vfat >/dev/null &&
    mkfs.vfat -C "$WORK/card.img" $(((FAT_MB + 32) * 1024)) >/dev/null 2>&1 &&
    mkdir -p "$WORK/fat" && fusefat -o rw+ "$WORK/card.img" "$WORK/fat" 2>/dev/null; then
    FAT_MOUNT=$WORK/fat
    echo "collect: $FAT_MB MB on a fusefat card image..."
    fill "$WORK/fat" "$FAT_MB"
    compare "fusefat card" "$WORK/fat" "$FAT_MB"
    fusermount -u -z "$WORK/fat"
    FAT_MOUNT=
    rm -rf "$WORK/card.img" "$WORK"/hand* "$WORK"/archive*
else
    echo "collect: no fusefat card image here"
fi

mkdir -p "$WORK/big"
truncate -s 4G "$WORK/big/R0001.WAV"
peak=$(/usr/bin/time -f %M "$PLIMO" --collect "$WORK/archive" --from "$WORK/big" \
    "$WORK/none.cfg" 2>&1 >/dev/null | tail -n 1)
echo "collect: peak memory for a 4 GB recording: $((peak / 1024)) MiB (target under 64 MiB)"
