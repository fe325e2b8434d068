#!/usr/bin/env bash
# The engine and the platform interfaces never include Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
offenders=$(grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt)' canvas tools filters files \
    platform/*.h platform/*.cpp platform/headless 2>/dev/null || true)
if [ -n "$offenders" ]; then
    echo "Qt headers included where only Qt-free code belongs:"
    echo "$offenders"
    exit 1
fi
