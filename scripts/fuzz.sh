#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one.
#   scripts/fuzz.sh            every target for 60 s
#   scripts/fuzz.sh --smoke    replay the stored corpus, then 20 s per target (CI)
#   scripts/fuzz.sh NAME SECS  one target
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
build="$ROOT/build-fuzz"
CC=clang-14 CXX=clang++-14 BUILD_TYPE=RelWithDebInfo configure_and_build "$build" \
    -DUIEDITOR_BUILD_FUZZ=ON -DUIEDITOR_BUILD_TESTS=OFF -DUIEDITOR_BUILD_DESIGNER=OFF -DUIEDITOR_BUILD_BENCH=OFF

seconds=60
only=""
if [ "${1:-}" = "--smoke" ]; then
    seconds=20
elif [ -n "${1:-}" ]; then
    only="$1"
    seconds="${2:-60}"
fi

export QT_QPA_PLATFORM=offscreen
# fontconfig and Qt keep process-wide caches until exit; leaks are not what this pass looks for.
export ASAN_OPTIONS="detect_leaks=0"
status=0
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] && [ -f "$target" ] || continue
    name="$(basename "$target")"
    if [ -n "$only" ] && [ "$name" != "$only" ]; then
        continue
    fi
    corpus="$ROOT/fuzz/corpus/$name"
    work="$(mktemp -d)"
    log="$(mktemp)" # not in $work: libFuzzer reads every file there as an input
    mkdir -p "$corpus"
    dict=()
    [ -f "$ROOT/fuzz/$name.dict" ] && dict=(-dict="$ROOT/fuzz/$name.dict")
    echo "== $name: ${seconds}s"
    # New inputs go to a scratch folder: the stored corpus stays as committed.
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$work/" -print_final_stats=1 "${dict[@]}" "$work" "$corpus" 2>"$log"; then
        tail -n 40 "$log"
        echo "!! $name failed; the input is in $work" >&2
        status=1
        continue
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || true
    rm -rf "$work" "$log"
done
exit $status
