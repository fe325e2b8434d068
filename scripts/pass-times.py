#!/usr/bin/env python3
"""How long the real program's main-loop passes take while a painter paints.

Starts the built program on a 5000 x 5000 painting under a fresh Xvfb and openbox, with
folders of its own, sets the brush to size 100 and, once for each zoom, paints the same
strokes with xdotool while the program measures itself (DAUBWERK_TIMING). Prints one row per
zoom: the 50th and 95th percentile and the longest pass, in milliseconds. Passes are paced to
3 ms, so the 95th percentile is what a painter feels.

    scripts/pass-times.py [--bin build/release/bin] [--zooms 0.25,1,2,3,4] [--ratio-rows] [--priority N] [--shots DIR]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import virtual_display

PASS_MS = 3.0
SIDE = 5000
START_SIZE = 30  # the brush size the program starts with
SIZE = 100
ZOOMS = [0.25, 0.5, 1.0, 2.0, 3.0, 4.0]


def fail(text):
    sys.exit("pass-times: " + text)


def raised(priority):
    """Start-up for a process that runs ahead of the machine's other work by priority steps."""
    return (lambda: os.nice(-priority)) if priority else None


class Session:
    """A display of our own with a window manager."""

    def __init__(self, priority):
        try:
            display, self.processes = virtual_display.start(1280, 1024, raised(priority))
        except RuntimeError as error:
            fail(str(error))
        self.env = dict(os.environ, DISPLAY=display)

    def run(self, *command, check=True):
        return subprocess.run(command, env=self.env, check=check, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True)

    def close(self):
        virtual_display.stop(self.processes)


def frame_window(session, timeout):
    """The frame's id from the window manager's list: a search by name also finds Qt's
    hidden leader window."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for line in session.run("wmctrl", "-l", check=False).stdout.splitlines():
            fields = line.split(None, 3)
            if len(fields) == 4 and fields[3] == "Daubwerk":
                return fields[0]
        time.sleep(0.1)
    fail("the program's frame did not appear")


def window_origin(session, window):
    info = session.run("xwininfo", "-id", window).stdout
    x = int(re.search(r"Absolute upper-left X:\s*(-?\d+)", info).group(1))
    y = int(re.search(r"Absolute upper-left Y:\s*(-?\d+)", info).group(1))
    return x, y


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def await_idle(pid, timeout=120):
    """The main loop waits for events when nothing is going on: a program that used no
    processor time for half a second has shaded the painting and taken its keys."""
    deadline = time.monotonic() + timeout
    last = cpu_ticks(pid)
    quiet_since = time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.1)
        now = cpu_ticks(pid)
        if now != last:
            last = now
            quiet_since = time.monotonic()
        elif time.monotonic() - quiet_since >= 0.5:
            return
    fail("the program never came to rest")


def zoom_keys(zoom):
    steps = ZOOMS.index(zoom) - ZOOMS.index(1.0)
    return ["ctrl+equal" if steps > 0 else "ctrl+minus"] * abs(steps)


def strokes(origin):
    """The same three strokes at every zoom: many small moves, as a hand makes them."""
    x0, y0 = origin[0] + 250, origin[1] + 250
    command = ["xdotool"]
    for row in range(3):
        y = y0 + row * 150
        command += ["mousemove", str(x0), str(y), "mousedown", "1"]
        for step in range(1, 121):
            command += ["mousemove", str(x0 + step * 5), str(y + (step % 20)), "sleep", "0.01"]
        command += ["mouseup", "1", "sleep", "0.3"]
    return command


def percentiles(path):
    try:
        text = open(path).read()
    except OSError:
        fail("the program wrote no timing to " + path)
    found = re.search(r"p50 ([\d.]+) ms, p95 ([\d.]+) ms, longest ([\d.]+) ms", text)
    if not found:
        fail("no passes while painting in " + path)
    return tuple(float(value) for value in found.groups())


def measure(session, root, painting, zoom, shots, priority):
    timing = os.path.join(root, f"timing-{zoom}.txt")
    env = dict(session.env, HOME=os.path.join(root, "home"),
               XDG_CONFIG_HOME=os.path.join(root, "home", "config"),
               XDG_DATA_HOME=os.path.join(root, "home", "data"),
               XDG_STATE_HOME=os.path.join(root, "home", "state"),
               XDG_RUNTIME_DIR=os.path.join(root, "runtime"), DAUBWERK_TIMING=timing)
    env.pop("QT_QPA_PLATFORM", None)
    program = subprocess.Popen([os.path.join(root, "program", "daubwerk"), painting], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               preexec_fn=raised(priority))
    try:
        frame = frame_window(session, 60)
        await_idle(program.pid)
        session.run("xdotool", "windowactivate", "--sync", frame)
        keys = ["bracketright"] * (SIZE - START_SIZE) + zoom_keys(zoom)
        session.run("xdotool", "key", "--delay", "15", *keys)
        await_idle(program.pid)
        origin = window_origin(session, frame)
        # The first change of a session is autosaved at once, 300 MB written beside the
        # painter; a click takes that first write, so that the strokes meet what a painter
        # meets for the next two minutes.
        session.run("xdotool", "mousemove", str(origin[0] + 600), str(origin[1] + 900),
                    "click", "1")
        await_idle(program.pid)
        painter = subprocess.Popen(strokes(origin), env=session.env)
        if shots:
            time.sleep(1.5)
            session.run("import", "-window", "root", os.path.join(shots, f"{zoom:g}-while.png"))
        painter.wait()
        await_idle(program.pid)
        if shots:
            session.run("import", "-window", "root", os.path.join(shots, f"{zoom:g}-after.png"))
        session.run("wmctrl", "-i", "-c", frame)
        # The painting changed: "Save Changes?" asks, and No lets the program end.
        deadline = time.monotonic() + 30
        while program.poll() is None and time.monotonic() < deadline:
            session.run("xdotool", "key", "alt+n", check=False)
            time.sleep(0.5)
        if program.poll() is None:
            fail("the program did not end")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    return percentiles(timing)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--bin", default=os.path.join(here, "..", "build", "release", "bin"))
    parser.add_argument("--zooms", default="0.25,1,2,3,4")
    parser.add_argument("--ratio-rows", action="store_true",
                        help="rows for the benchmark's table of ratios")
    parser.add_argument("--priority", type=int, default=0,
                        help="run the program and its display this many nice steps ahead of "
                        "the machine's other work (needs the right to raise priority), to see "
                        "what the program's own work costs on a busy machine")
    parser.add_argument("--shots", help="a folder for screenshots while and after painting "
                        "(the one while painting holds up the display: look, do not time)")
    args = parser.parse_args()
    zooms = [float(z) for z in args.zooms.split(",")]
    if any(z not in ZOOMS for z in zooms):
        fail("zooms are among " + ", ".join(str(z) for z in ZOOMS))
    built = os.path.abspath(args.bin)
    for tool in ("Xvfb", "openbox", "xdotool", "wmctrl", "xwininfo"):
        if shutil.which(tool) is None:
            fail(tool + " is missing")

    root = tempfile.mkdtemp(prefix="daubwerk-pass-times-")
    session = None
    try:
        # The program's folder is a copy, so that what it writes beside itself stays here.
        os.makedirs(os.path.join(root, "program"))
        os.makedirs(os.path.join(root, "runtime"), mode=0o700)
        shutil.copy2(os.path.join(built, "daubwerk"), os.path.join(root, "program"))
        for folder in ("WorkData", "Examples", "manual"):
            if os.path.isdir(os.path.join(built, folder)):
                os.symlink(os.path.join(built, folder), os.path.join(root, "program", folder))
        painting = os.path.join(root, "painting.pai")
        subprocess.run([os.path.join(built, "daubwerk-batch"), "--new", str(SIDE), str(SIDE),
                        "--save", painting], check=True)
        session = Session(args.priority)
        if not args.ratio_rows:
            print(f"passes while painting, {SIDE} x {SIDE}, size {SIZE} (ms)")
            print(f"{'zoom':>6} {'p50':>7} {'p95':>7} {'longest':>8}")
        for zoom in zooms:
            p50, p95, longest = measure(session, root, painting, zoom, args.shots, args.priority)
            if args.ratio_rows:
                print(f"| A main-loop pass while painting at size {SIZE}, zoom {zoom:g}, real "
                      f"program under Xvfb (p50 {p50:.2f} ms, longest {longest:.1f} ms) | the "
                      f"{PASS_MS:g} ms pass | {p95 / PASS_MS:.2f}x (p95 {p95:.2f} ms) | <= 1x |")
            else:
                print(f"{zoom:>6g} {p50:7.2f} {p95:7.2f} {longest:8.1f}")
            sys.stdout.flush()
    finally:
        if session:
            session.close()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
