#!/usr/bin/env bash
# Removes what install-for-user.sh installed: the program folder (with the presets kept in
# its data/), the launcher, the desktop entry, the file type, the icons and the thumbnailer,
# and the state folder when nothing is kept in it.
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
# The state folder goes only when empty: paintings kept for recovery stay the user's.
state="${XDG_STATE_HOME:-$HOME/.local/state}/daubwerk"
rmdir "$state/writing" "$state/recovery/discarded" "$state/recovery/damaged" \
    "$state/recovery" "$state" 2>/dev/null || true
echo "Daubwerk is uninstalled."
