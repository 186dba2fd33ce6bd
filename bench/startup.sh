#!/usr/bin/env bash
# Start-up of the window program against a minimal Qt window, side by side on one X server:
# time from process start until the window first paints, and resident memory one second after
# start. Runs the two programs alternately and prints the medians.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

measure() {  # measure PROGRAM: prints "ms kib"
    local start out
    start=$(date +%s%N)
    out=$("$1")
    local shown rss
    shown=$(awk '/^shown_ns/ {print $2}' <<<"$out")
    rss=$(awk '/^rss_kib/ {print $2}' <<<"$out")
    echo "$(( (shown - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: >/tmp/startup_corvane.txt
: >/tmp/startup_minimal.txt
for _ in $(seq "$runs"); do
    measure "$build/bench/corvane_startup" >>/tmp/startup_corvane.txt
    measure "$build/bench/corvane_startup_minimal" >>/tmp/startup_minimal.txt
done
for name in corvane minimal; do
    ms=$(cut -d' ' -f1 /tmp/startup_$name.txt | median)
    kib=$(cut -d' ' -f2 /tmp/startup_$name.txt | median)
    printf '%-8s start-up %6s ms   resident %7s KiB   (median of %s runs)\n' "$name" "$ms" "$kib" "$runs"
done
