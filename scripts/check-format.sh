#!/usr/bin/env bash
# Fails when a C++ source differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
folders=()
for folder in platform canvas tools filters files core widgets panels commands desktop batch \
    decode printing gui resources tests bench fuzz; do
    [ -d "$folder" ] && folders+=("$folder")
done
find "${folders[@]}" -name '*.cpp' -o -name '*.h' | sort | xargs -r clang-format --dry-run --Werror
