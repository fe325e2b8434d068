#!/usr/bin/env bash
# Removes what install-for-user.sh installed: the program folder (with the presets kept in
# its data/), the launcher, the desktop entry, the file type, the icons and the thumbnailer.
set -euo pipefail
prefix="$HOME/.local/lib/daubwerk"
launcher="$HOME/.local/bin/daubwerk"

if [ -x "$prefix/daubwerk-register" ]; then
    "$prefix/daubwerk-register" --remove
fi
if [ -L "$launcher" ] && [ "$(readlink "$launcher")" = "$prefix/daubwerk" ]; then
    rm -f "$launcher"
fi
rm -rf "$prefix"
echo "Daubwerk is uninstalled."
