#!/usr/bin/env bash
# Daubwerk's one entry point: installs what is missing, builds, then
#   ./build.sh run     starts Daubwerk
#   ./build.sh test    runs every test, also under AddressSanitizer and UBSan
#   ./build.sh bench   runs the benchmarks
#   ./build.sh install     installs Daubwerk for the current user (no root needed)
#   ./build.sh uninstall   removes that install again
#   ./build.sh fuzz [SECONDS]   fuzzes every file reader in turn (60 s each by default)
#   ./build.sh soak [MINUTES] [--seed N] [--out FOLDER]   paints with the real program for a
#       while (10 minutes by default) and checks its memory, descriptors and saved files
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = uninstall ]; then
    exec scripts/uninstall-for-user.sh
fi
scripts/install-dependencies.sh

jobs=$(nproc)
build() {  # build DIR CMAKE-ARGS...
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "${1:-run}" in
run)
    build build/release
    shift || true
    exec build/release/bin/daubwerk "$@"
    ;;
test)
    build build/release
    ctest --test-dir build/release --output-on-failure -j "$jobs"
    # clang: its UBSan also reports pointer arithmetic that wraps, which GCC's lets pass.
    CC=clang CXX=clang++ build build/sanitize-clang -DDAUBWERK_SANITIZE=ON \
        -DDAUBWERK_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build/sanitize-clang --output-on-failure -j "$jobs" --label-exclude style
    scripts/soak.py 1
    ;;
soak)
    build build/release
    shift
    exec scripts/soak.py "$@"
    ;;
bench)
    build build/release
    shift
    build/release/bin/daubwerk-bench "$@"
    # Then the real program's passes while painting, on a display of their own: rows of the
    # same table, the 95th percentile against the 3 ms pass.
    missing=
    for tool in Xvfb openbox xdotool wmctrl xwininfo; do
        command -v "$tool" >/dev/null || missing+=" $tool"
    done
    if [ -z "$missing" ]; then
        scripts/pass-times.py --ratio-rows
    else
        echo "(the passes were not timed; missing:$missing)"
    fi
    ;;
install)
    build build/release
    exec scripts/install-for-user.sh "$PWD/build/release/bin"
    ;;
fuzz)
    seconds=${2:-60}
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDAUBWERK_FUZZ=ON -DDAUBWERK_BENCHMARKS=OFF >/dev/null
    cmake --build build/fuzz -j "$jobs" --target daubwerk_fuzz_targets
    # DevIL leaks a few bytes on some damaged files; that is not ours to find.
    export LSAN_OPTIONS=suppressions=$PWD/fuzz/leaks.supp
    found=()
    for target in build/fuzz/fuzz/fuzz_*; do
        kind=${target##*/fuzz_}
        exe=$PWD/$target
        work=$PWD/build/fuzz/runs/$kind
        mkdir -p "$work/corpus" "$work/scratch" "$work/findings"
        # Seeds: the kept bad files and the valid examples; pictures by their extension.
        case $kind in
        picture_other) ;;
        picture_*)
            cp tests/data/*/picture/*."${kind#picture_}" "$work/corpus/" 2>/dev/null || true
            cp tests/data/*/"${kind#picture_}"/* "$work/corpus/" 2>/dev/null || true
            ;;
        *) cp tests/data/*/"$kind"/* "$work/corpus/" 2>/dev/null || true ;;
        esac
        echo "== $kind: $seconds s"
        # The scratch folder takes the files the store and picture readers are given.
        if ! (cd "$work/scratch" && "$exe" -max_total_time="$seconds" \
            -timeout=10 -rss_limit_mb=3072 -print_final_stats=1 \
            -artifact_prefix="$work/findings/" "$work/corpus" >"$work/log" 2>&1); then
            found+=("$kind")
            tail -n 30 "$work/log"
        fi
        grep -E '^(stat::number_of_executed_units|Done)' "$work/log" || true
    done
    if [ ${#found[@]} -gt 0 ]; then
        echo "Findings in: ${found[*]} (inputs in build/fuzz/runs/*/findings/); keep each under" \
            "tests/data/hostile/ with its fix." >&2
        exit 1
    fi
    ;;
*)
    echo "usage: $0 [run|test|bench|install|uninstall|fuzz [SECONDS]|soak [MINUTES]]" >&2
    exit 2
    ;;
esac
