#!/bin/bash
# Runs every fuzz target one after another, each for SECONDS (or until RUNS
# executions when RUNS is set), niced, seeded from fuzz/corpus/<target>. New
# inputs go to a scratch folder (printed at the end; set SCRATCH to a folder
# of an earlier run to go on from its inputs), so the repository's corpus
# stays small. FLAGS adds libFuzzer options to every run (for example
# FLAGS=-max_len=512: long inputs slow a run more than they find). A crash
# stops that target and leaves its input in the scratch folder; the script
# then exits non-zero.
#
#   fuzz/run_all.sh SECONDS [TARGET...]
#
# Build first: cmake --preset fuzz && cmake --build --preset fuzz
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${BUILD:-$here/../build/fuzz}
seconds=${1:?usage: $0 SECONDS [TARGET...]}
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in "$here"/Fuzz*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
scratch=${SCRATCH:-$(mktemp -d "${TMPDIR:-/tmp}/pendulor-fuzz.XXXXXX")}
status=0
printf '%-22s %12s %8s %10s  %s\n' target executions seconds 'exec/s' result
for t in "${targets[@]}"; do
    bin=$build/fuzz/$t
    [ -x "$bin" ] || { echo "$t: not built ($bin)"; status=1; continue; }
    mkdir -p "$scratch/$t/corpus" "$scratch/$t/crashes"
    limit=(-max_total_time="$seconds")
    [ -n "${RUNS:-}" ] && limit=(-runs="$RUNS")
    start=$(date +%s)
    ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=print_stacktrace=1 \
        nice -n 10 "$bin" "${limit[@]}" ${FLAGS:-} -print_final_stats=1 -artifact_prefix="$scratch/$t/crashes/" \
        "$scratch/$t/corpus" "$here/corpus/$t" >"$scratch/$t/log" 2>&1
    rc=$?
    took=$(( $(date +%s) - start ))
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$scratch/$t/log" | grep -o '[0-9]*$' | tail -1)
    rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$scratch/$t/log" | grep -o '[0-9]*$' | tail -1)
    if [ $rc -eq 0 ]; then
        result=clean
    elif grep -q 'run interrupted' "$scratch/$t/log"; then
        result="interrupted, nothing found"
    else
        result="FAILED (exit $rc): $scratch/$t/log"
        status=1
    fi
    printf '%-22s %12s %8s %10s  %s\n' "$t" "${runs:-?}" "$took" "${rate:-?}" "$result"
done
echo "scratch: $scratch"
exit $status
