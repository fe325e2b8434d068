#!/usr/bin/env bash
# The user install and uninstall, into a temporary home: install_test.sh SOURCE BUILT-BIN
set -euo pipefail
source=$1
bin=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home
unset XDG_DATA_HOME
share=$home/.local/share
prefix=$home/.local/lib/daubwerk
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$source/scripts/install-for-user.sh" "$bin" >/dev/null 2>&1 || fail "install"
for file in daubwerk daubwerk-batch daubwerk-register daubwerk-decode installed WorkData/gloss.bmp \
    Examples/welcome.pai manual/index.html; do
    [ -e "$prefix/$file" ] || fail "$prefix/$file missing"
done
[ "$(readlink "$home/.local/bin/daubwerk")" = "$prefix/daubwerk" ] || fail "launcher"
grep -qx "Exec=\"$prefix/daubwerk\" %f" "$share/applications/daubwerk.desktop" || fail "entry"

# The thumbnailer entry's command, as a file manager would run it.
exec_line=$(sed -n 's/^Exec=//p' "$share/thumbnailers/daubwerk.thumbnailer")
cp "$prefix/Examples/welcome.pai" "$home/my painting.pai"
command=${exec_line//%i/\"$home/my painting.pai\"}
command=${command//%s/128}
command=${command//%o/\"$home/thumb.png\"}
eval "$command" 2>/dev/null || fail "thumbnailer: $command"
[ "$(head -c 4 "$home/thumb.png" | od -An -tx1 | tr -d ' ')" = 89504e47 ] || fail "thumbnail"
if command -v update-mime-database >/dev/null; then
    grep -q 'application/x-daubwerk-painting:\*.pai' "$share/mime/globs2" || fail "mime cache"
fi

# A kind only the old picture library reads goes through the installed fenced decoder.
printf 'P3\n1 1\n255\n10 20 30\n' >"$home/plain.ppm"
"$prefix/daubwerk-batch" --import "$home/plain.ppm" --export "$home/plain.bmp" >/dev/null 2>&1 ||
    fail "import through the installed decoder"

# A reinstall keeps the user's presets.
echo kept >"$prefix/data/palette.dat"
"$source/scripts/install-for-user.sh" "$bin" >/dev/null 2>&1 || fail "reinstall"
[ "$(cat "$prefix/data/palette.dat")" = kept ] || fail "presets lost on reinstall"

"$source/scripts/uninstall-for-user.sh" >/dev/null || fail "uninstall"
[ ! -e "$prefix" ] || fail "program folder left"
[ ! -L "$home/.local/bin/daubwerk" ] || fail "launcher left"
left=$(grep -rl -i daubwerk "$home" --exclude='*.pai' --exclude=thumb.png || true)
left+=$(find "$home" -iname '*daubwerk*')
[ -z "$left" ] || fail "left behind: $left"
echo "1 passed, 0 failed"
