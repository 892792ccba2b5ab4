#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one.
#   scripts/fuzz.sh            every target for 60 s
#   scripts/fuzz.sh --smoke    replay the stored corpus, then 20 s per target (CI)
#   scripts/fuzz.sh NAME SECS  one target
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
# The sanitizer build of scripts/test.sh --sanitize holds the targets.
configure_and_build sanitize
build="$ROOT/build-san"

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
# run_target PATH: one target over its stored corpus; prints its result.
run_target() {
    local target="$1" name corpus work log
    name="$(basename "$target")"
    corpus="$ROOT/fuzz/corpus/$name"
    work="$(mktemp -d)"
    log="$(mktemp)" # not in $work: libFuzzer reads every file there as an input
    mkdir -p "$corpus"
    local dict=()
    [ -f "$ROOT/fuzz/$name.dict" ] && dict=(-dict="$ROOT/fuzz/$name.dict")
    # New inputs go to a scratch folder: the stored corpus stays as committed.
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$work/" -print_final_stats=1 "${dict[@]}" "$work" "$corpus" 2>"$log"; then
        echo "== $name: FAILED"
        tail -n 40 "$log"
        echo "!! $name failed; the input is in $work" >&2
        return 1
    fi
    echo "== $name: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') runs in ${seconds}s"
    rm -rf "$work" "$log"
}
export -f run_target
export ROOT seconds

targets=()
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] && [ -f "$target" ] || continue
    if [ -n "$only" ] && [ "$(basename "$target")" != "$only" ]; then
        continue
    fi
    targets+=("$target")
done
# Two at a time: the machines this runs on have two cores.
printf '%s\0' "${targets[@]}" | xargs -0 -n1 -P2 bash -c 'run_target "$0"'
