#!/usr/bin/env bash
# Installs Daubwerk for the current user, without root:
#   ~/.local/lib/daubwerk/   the program folder: executables, WorkData/, data/, Examples/, manual
#   ~/.local/bin/daubwerk    the launcher
#   $XDG_DATA_HOME (~/.local/share): the desktop entry, the painting file type, the icons and
#   the thumbnailer, written by the installed program's own daubwerk-register.
# A reinstall keeps the user's presets in data/. Usage: install-for-user.sh [BUILT-BIN-FOLDER]
set -euo pipefail
from=${1:-"$(cd "$(dirname "$0")/.." && pwd)/build/release/bin"}
prefix="$HOME/.local/lib/daubwerk"
launcher="$HOME/.local/bin/daubwerk"

for needed in daubwerk-batch daubwerk-register daubwerk-decode WorkData; do
    if [ ! -e "$from/$needed" ]; then
        echo "install-for-user: $from/$needed is missing; build first (./build.sh install)" >&2
        exit 1
    fi
done

mkdir -p "$prefix/data" "$(dirname "$launcher")"
for program in daubwerk daubwerk-batch daubwerk-register daubwerk-decode; do
    [ -e "$from/$program" ] && install -m 755 "$from/$program" "$prefix/$program"
done
# Parts the program only reads are replaced whole; the manual goes along when it was built.
for part in WorkData Examples manual; do
    rm -rf "${prefix:?}/$part"
    [ -d "$from/$part" ] && cp -R "$from/$part" "$prefix/$part"
done
# The picture stores are filled from WorkData/ on first use; new pictures need new stores.
rm -f "$prefix/data/ipack" "$prefix/data/ppack"
if [ -d "$from/data" ]; then
    for file in "$from"/data/*.dat; do
        [ -e "$file" ] && cp -n "$file" "$prefix/data/"
    done
fi
# The installed program keeps its file type on the desktop up to date at every start; a run
# from a build folder, without this file, leaves the desktop alone.
echo "Installed by install-for-user.sh; removed by uninstall-for-user.sh." >"$prefix/installed"
ln -sfn "$prefix/daubwerk" "$launcher"
"$prefix/daubwerk-register"

echo "Daubwerk is installed in $prefix; start it with: daubwerk"
[ -e "$from/daubwerk" ] || echo "Note: the window program was not built; the launcher waits for it." >&2
case ":$PATH:" in
*":$HOME/.local/bin:"*) ;;
*) echo "Note: add $HOME/.local/bin to your PATH to start it by name." >&2 ;;
esac
