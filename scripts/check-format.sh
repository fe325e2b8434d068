#!/usr/bin/env bash
# Fails when a C++ source differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
find canvas tools filters files platform app panels resources tests bench \
    -name '*.cpp' -o -name '*.h' | sort | xargs -r clang-format --dry-run --Werror
