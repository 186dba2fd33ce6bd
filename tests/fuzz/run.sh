#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each on a copy of its seed corpus (the repository's corpus
# is never written). Fails when a target finds a crash, a hang or a broken rule.
#   tests/fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
seconds=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in number_file settings_file script; do
    binary="$build/tests/fuzz/fuzz_$target"
    [ -x "$binary" ] || continue
    mkdir -p "$work/$target"
    cp -r "$here/corpus/$target/." "$work/$target/"
    echo "fuzzing $target for ${seconds}s"
    # With pipefail a crash, hang or broken rule fails the pipeline and stops the script.
    (cd "$work" && "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 "$work/$target" 2>&1 | tail -n 6)
done
