#!/usr/bin/env bash
# Daubwerk's one entry point: installs what is missing, builds, then
#   ./build.sh run     starts Daubwerk
#   ./build.sh test    runs every test, also under AddressSanitizer and UBSan
#   ./build.sh bench   runs the benchmarks
#   ./build.sh install     installs Daubwerk for the current user (no root needed)
#   ./build.sh uninstall   removes that install again
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
    build build/sanitize -DDAUBWERK_SANITIZE=ON -DDAUBWERK_BENCHMARKS=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build/sanitize --output-on-failure -j "$jobs" --label-exclude style
    ;;
bench)
    build build/release
    shift
    exec build/release/bin/daubwerk-bench "$@"
    ;;
install)
    build build/release
    exec scripts/install-for-user.sh "$PWD/build/release/bin"
    ;;
*)
    echo "usage: $0 [run|test|bench|install|uninstall]" >&2
    exit 2
    ;;
esac
