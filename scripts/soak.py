#!/usr/bin/env python3
"""The long soak: paints with the real program for a while as a person would, watches its
memory, descriptors and pass times every minute, and checks at the end that it still runs,
ends cleanly, and that every file it saved reopens as it was shown when it was saved.

    scripts/soak.py [MINUTES] [--seed S] [--out FOLDER]   (10 minutes, seed 1, build/soak)

Positions come from the panels' layout table (widgets/panel_layout.h), read here."""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import virtual_display

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILT = os.path.join(ROOT, "build", "release", "bin")
PROGRAM = os.path.join(BUILT, "daubwerk")
BATCH = os.path.join(BUILT, "daubwerk-batch")
SCREEN_W, SCREEN_H = 1280, 1024
CANVAS_SIDE = 600  # the welcome painting, shown whole at 100%
GREY = (128, 128, 128)
AUTOSAVE_SECONDS = 15
# Leak bounds over the last half of a run of at least LEAK_CHECK_MINUTES: a snapshot of the
# painting kept per save or undo cycle adds megabytes a minute; allocator noise does not.
LEAK_CHECK_MINUTES = 4
RSS_GROWTH_MB = 64
FD_GROWTH = 4
# A document rounds heights and colours, which moves the light by up to about 20 levels on
# steep paint, and far more on lone specks of thin paint; a lost or misplaced stroke moves
# whole patches by far more.
SAVE_ROUNDING = 40
SAVE_PATCH_PIXELS = 50
# A dab relights its own square. A pixel within the light's reach of an edge (a displacement of
# up to 20 cells, and the normal's neighbour) reads paint across that edge, from cells a dab far
# away may have changed; its light is brought up to date by the next whole relight, which
# opening the file does. So the screen at save is compared inside that border.
EDGE_REACH = 21


class Failed(Exception):
    pass


def layout():
    """The numbers the soak needs from the layout table, parsed from its header."""
    text = open(os.path.join(ROOT, "widgets", "panel_layout.h")).read()

    def found(match, name):
        if not match:
            raise Failed("%s is no longer in widgets/panel_layout.h as soak.py reads it" % name)
        return match

    def number(name):
        return int(found(re.search(r"\b%s\s*=\s*(-?\d+);" % name, text), name).group(1))

    def slider(name):
        m = found(re.search(r"\b%s\{(\d+),\s*(\d+),\s*(\d+)\}" % name, text), name)
        return tuple(int(v) for v in m.groups())

    rows = re.findall(r"\{\"(\w*)\",\s*\d+,\s*(\{\}|ToolId::\w+),\s*(\{\}|ToolId::\w+)\}", text)
    header_h, button_h = number("kToolHeaderHeight"), number("kToolButtonHeight")
    # Each row sits 2 pixels below the one before; a header that starts a new group 2 more.
    tools, y = [], 0
    for i, (header, left, right) in enumerate(rows):
        if header and i > 0:
            y += 2
        if not header:
            tools.append((left.split("::")[1], number("kToolColumnLeft"), y + 2))
            tools.append((right.split("::")[1], number("kToolColumnRight"), y + 2))
        y += header_h if header else button_h
    found(len(tools) >= 2, "kToolsRows")
    return {
        "tools": tools,
        "button": (number("kToolButtonWidth"), button_h),
        "sliders": [slider(n) for n in ("kSizeSlider", "kThicknessSlider", "kGlossSlider",
                                         "kAmountSlider")],
    }


class Session:
    """Xvfb with openbox on a free display, and a fresh home for the program."""

    def __init__(self):
        self.processes = []
        self.root = tempfile.mkdtemp(prefix="daubwerk-soak-")
        try:
            self.display, self.processes = virtual_display.start(SCREEN_W, SCREEN_H)
        except RuntimeError as error:
            raise Failed(str(error))

    def env(self, more=None):
        env = dict(os.environ, DISPLAY=self.display)
        env.pop("QT_QPA_PLATFORM", None)
        env.update(more or {})
        return env

    def run(self, command, check=True):
        done = subprocess.run(command, shell=True, env=self.env(), capture_output=True)
        if check and done.returncode != 0:
            raise Failed("%s failed: %s" % (command, done.stderr.decode().strip()))
        return done

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(self.root, ignore_errors=True)


def raw_rgb(command_line):
    """Raw RGB bytes an ImageMagick command writes to its standard output."""
    return subprocess.run(command_line, shell=True, capture_output=True, check=True).stdout


def far_pixels(a, a_at, b, b_width, tolerance=0):
    """Where the canvas on screenshot a and picture b (at 0, 0) have a channel further apart
    than the tolerance, as a set of canvas positions."""
    found = set()
    side = CANVAS_SIDE * 3
    for y in range(CANVAS_SIDE):
        i = ((a_at[1] + y) * SCREEN_W + a_at[0]) * 3
        row_a, row_b = a[i:i + side], b[y * b_width * 3:y * b_width * 3 + side]
        if row_a == row_b:
            continue
        for k in range(0, side, 3):
            if any(abs(p - q) > tolerance for p, q in zip(row_a[k:k + 3], row_b[k:k + 3])):
                found.add((k // 3, y))
    return found


# Far pixels whose eight neighbours are far too: the inside of a patch, not a lone speck.
def solid(far):
    return sum(all((x + dx, y + dy) in far for dx in (-1, 0, 1) for dy in (-1, 0, 1))
               for x, y in far)


class Painter:
    def __init__(self, session, rng, out):
        self.s = session
        self.rng = rng
        self.out = out
        self.layout = layout()
        self.home = os.path.join(session.root, "home")
        self.saved = os.path.join(session.root, "soak.pai")
        self.saves = []  # (copy of the saved file, screenshot at save, canvas spot)
        self.reopened = []  # (that copy, screenshot once the program opened it again, spot)
        self.zoomed = False
        self.counts = {}
        self.decks = {}
        self.missed_menus = 0
        self.recovery = os.path.join(self.home, "state", "daubwerk", "recovery")
        self.autosave_stamps = {}
        self.autosaves = 0

        program_folder = os.path.join(session.root, "program")
        os.makedirs(program_folder)
        for folder in ("home", "config", "data", "state", "runtime"):
            os.makedirs(os.path.join(self.home if folder != "home" else session.root, folder),
                        mode=0o700, exist_ok=True)
        shutil.copy2(PROGRAM, os.path.join(program_folder, "daubwerk"))
        for folder in ("WorkData", "Examples", "manual"):
            os.symlink(os.path.join(BUILT, folder), os.path.join(program_folder, folder))
        self.timing = os.path.join(session.root, "timing.txt")
        env = session.env({
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
            "XDG_DATA_HOME": os.path.join(self.home, "data"),
            "XDG_STATE_HOME": os.path.join(self.home, "state"),
            "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime"),
            "DAUBWERK_AUTOSAVE_SECONDS": str(AUTOSAVE_SECONDS),
            "DAUBWERK_TIMING": self.timing,
            "DAUBWERK_TIMING_EVERY": "60",
        })
        self.log = open(os.path.join(out, "program.log"), "wb")
        self.actions_log = open(os.path.join(out, "actions.log"), "w")
        self.program = subprocess.Popen([os.path.join(program_folder, "daubwerk")], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        session.processes.append(self.program)
        self.frame = self.wait_window(lambda t: t == "Daubwerk", 60)
        time.sleep(1.5)  # the first passes shade the painting
        self.canvas = self.find_canvas()

    # Windows, by the program's process id so no hidden leader or other program is taken.
    def windows(self):
        found = {}
        for line in self.s.run("wmctrl -lp", check=False).stdout.decode().splitlines():
            m = re.match(r"(0x[0-9a-f]+)\s+-?\d+\s+(\d+)\s+\S+ (.*)$", line)
            if m and m.group(2) == str(self.program.pid):
                found[int(m.group(1), 16)] = m.group(3)
        return found

    def wait_window(self, wanted, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.alive()
            for window, title in self.windows().items():
                if wanted(title):
                    return window
            time.sleep(0.1)
        raise Failed("no window came up in %d s; shown: %s" % (seconds, self.windows()))

    def titles(self):
        return list(self.windows().values())

    def wait_for(self, condition, what, seconds=10):
        deadline = time.monotonic() + seconds
        while not condition():
            if time.monotonic() > deadline:
                raise Failed("%s did not come in %d s; shown: %s" % (what, seconds, self.titles()))
            time.sleep(0.05)

    def wait_gone(self, title, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if title not in self.windows().values():
                return
            time.sleep(0.1)
        raise Failed("the \"%s\" window stayed open" % title)

    def panel(self, prefix):
        return self.wait_window(lambda t: t.strip().startswith(prefix), 10)

    def alive(self):
        if self.program.poll() is not None:
            raise Failed("the program ended during the soak (status %d)" % self.program.returncode)

    def key(self, keys, pause=0.3):
        self.s.run("xdotool key " + keys)
        time.sleep(pause)

    def origin(self, window):
        info = self.s.run("xwininfo -id %d" % window).stdout.decode()
        x = int(re.search(r"Absolute upper-left X:\s*(-?\d+)", info).group(1))
        y = int(re.search(r"Absolute upper-left Y:\s*(-?\d+)", info).group(1))
        return x, y

    def screenshot(self):
        return raw_rgb("DISPLAY=%s import -window root -depth 8 rgb:-" % self.s.display)

    # The canvas window lies 90, 10 into the grey client area below the menu bar.
    def find_canvas(self):
        shot = self.screenshot()
        x, y = self.origin(self.frame)
        top = y
        while top < y + 100:
            i = (top * SCREEN_W + x + 5) * 3
            if tuple(shot[i:i + 3]) == GREY:
                break
            top += 1
        return x + 90, top + 10

    # The actions, each as a person would do it.

    # Each of the choices once, in a shuffled order, before any comes again.
    def deal(self, kind, choices):
        if not self.decks.get(kind):
            self.decks[kind] = self.rng.sample(choices, len(choices))
        return self.decks[kind].pop()

    # Corners joined by small steps, each a motion the program sees while the button is held.
    def stroke(self, size=CANVAS_SIDE):
        cx, cy = self.canvas
        corners = [(cx + self.rng.randrange(20, size - 20), cy + self.rng.randrange(20, size - 20))
                   for _ in range(self.rng.randint(2, 4))]
        moves = []
        for (x0, y0), (x1, y1) in zip(corners, corners[1:]):
            steps = max(abs(x1 - x0), abs(y1 - y0)) // 12 + 1
            for i in range(1, steps + 1):
                moves.append("mousemove %d %d sleep 0.015" % (x0 + (x1 - x0) * i // steps,
                                                              y0 + (y1 - y0) * i // steps))
        self.s.run("xdotool mousemove %d %d mousedown 1 sleep 0.05 %s mouseup 1" %
                   (corners[0] + (" ".join(moves),)))
        time.sleep(0.2)

    # Keys go to the window in front; a click in a panel put that one there.
    def to_frame(self):
        self.s.run("xdotool windowactivate --sync %d" % self.frame, check=False)
        time.sleep(0.1)

    def tool(self, name=None):
        name, x, y = [t for t in self.layout["tools"] if t[0] == name][0] if name else \
            self.deal("tools", self.layout["tools"])
        tools = self.panel("Tools")
        width, height = self.layout["button"]
        self.s.run("xdotool mousemove --window %d %d %d click 1" %
                   (tools, x + width // 2, y + height // 2))
        time.sleep(0.3)
        self.stroke()
        return name

    def slider(self):
        x, y, length = self.rng.choice(self.layout["sliders"])
        window = self.panel("Brush Properties")
        wx, wy = self.origin(window)
        start, end = (wx + x + self.rng.randrange(length + 1) for _ in range(2))
        self.s.run("xdotool mousemove %d %d mousedown 1 sleep 0.1 mousemove %d %d sleep 0.1 "
                   "mouseup 1" % (start, wy + y, end, wy + y))
        time.sleep(0.2)
        self.stroke()

    # Filters: the menu by keyboard, its place counted among the items of its menu.
    FILTERS = [(0, None), (1, 0), (1, 1), (1, 2), (1, 3), (1, 4), (2, 0), (2, 1), (3, 0),
               (3, 1), (3, 2), (3, 3), (3, 4), (4, None), (5, None), (6, None), (7, None)]

    def filter(self):
        item, sub = self.deal("filters", self.FILTERS)
        down = ["Down"] * item
        if sub is None:
            self.menu(["alt+f", "Right Right Right Right"] + down, 1, "Return")
        else:
            self.menu(["alt+f", "Right Right Right Right"] + down + ["Right"] + ["Down"] * sub,
                      2, "Return")
        time.sleep(0.7)
        self.dismiss_questions()

    def shown_windows(self):
        found = self.s.run("xdotool search --onlyvisible --pid %d" % self.program.pid,
                           check=False)
        return len(found.stdout.split())

    # Keys that open a menu and its submenus one by one, then the key that picks the item,
    # pressed only when each menu came up: a key the program takes late would otherwise pick
    # another item, such as View > Lighting, which changes what the screen shows.
    def menu(self, opening, menus, pick):
        self.to_frame()
        # The pointer off the panels, whose tooltips are windows too.
        self.s.run("xdotool mousemove %d %d" % (SCREEN_W // 2, SCREEN_H - 40))
        shown = self.shown_windows()
        for keys in opening:
            self.key(keys, 0.3)
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline:
            if self.shown_windows() == shown + menus:
                self.key(pick, 0.3)
                return
            time.sleep(0.1)
        for _ in range(5):
            if self.shown_windows() <= shown:
                break
            self.key("Escape", 0.3)
        self.missed_menus += 1

    def dismiss_questions(self):
        for window, title in self.windows().items():
            if window != self.frame and not title.startswith(" "):
                self.key("Escape")

    def undo_redo(self):
        by_menu = self.rng.random() < 0.5
        self.to_frame()
        for _ in range(self.rng.randint(1, 3)):
            self.menu(["alt+e"], 1, "u") if by_menu else self.key("ctrl+z")
        for _ in range(self.rng.randint(0, 3)):
            self.menu(["alt+e"], 1, "r") if by_menu else self.key("ctrl+y")

    def zoom(self):
        self.to_frame()
        if self.rng.random() < 0.5:
            self.key(self.rng.choice(["ctrl+plus", "ctrl+minus"]), 0.5)
        else:
            # View > Zoom > one of 25% .. 400%
            self.menu(["alt+v", "z"] + ["Down"] * self.rng.randrange(6), 2, "Return")
            time.sleep(0.3)
        self.stroke(150)  # in the corner every zoom shows
        self.key("ctrl+0", 0.8)

    # A stroke of the brush first: a painting without changes is not written again.
    def save(self):
        self.tool("PaintBrush")
        self.to_frame()
        self.key("ctrl+0", 0.8)
        at_save = self.screenshot()
        before = os.stat(self.saved).st_mtime_ns if os.path.exists(self.saved) else None
        # Save always asks, offering the painting's own file, and asks again to replace it.
        self.key("ctrl+s", 0.3)
        self.wait_window(lambda t: t == "Save As", 10)
        if before is None:
            self.s.run("xdotool type --delay 10 '%s'" % self.saved)
        self.key("Return")
        if before is not None:
            self.wait_for(lambda: self.titles().count("Save As") == 2, "the question to replace")
            self.key("y")
        self.wait_gone("Save As", 10)
        deadline = time.monotonic() + 20
        while not os.path.exists(self.saved) or os.stat(self.saved).st_mtime_ns == before:
            if time.monotonic() > deadline:
                raise Failed("Save wrote nothing in 20 s")
            time.sleep(0.1)
        time.sleep(0.5)
        copy = os.path.join(self.out, "saves", "save-%03d.pai" % (len(self.saves) + 1))
        shutil.copy2(self.saved, copy)
        self.saves.append((copy, at_save, self.canvas))

    def open(self):
        if not os.path.exists(self.saved):
            return self.save()
        self.to_frame()
        self.key("ctrl+o", 0.3)
        question = self.windows()
        if any(t.startswith("Save Changes") for t in question.values()):
            self.key("alt+n")
        self.wait_window(lambda t: t == "Open", 10)
        self.s.run("xdotool type --delay 10 '%s'" % self.saved)
        self.key("Return")
        self.wait_gone("Open", 10)
        time.sleep(1.5)
        self.canvas = self.find_canvas()
        self.reopened.append((self.saves[-1][0], self.screenshot(), self.canvas))

    ACTIONS = [("tool", 6), ("slider", 3), ("stroke", 4), ("filter", 2), ("undo", 2),
               ("zoom", 2), ("save", 1), ("open", 1)]

    def act(self):
        name = self.rng.choices([a for a, _ in self.ACTIONS], [w for _, w in self.ACTIONS])[0]
        self.actions_log.write("%.1f %s\n" % (time.monotonic(), name))
        self.actions_log.flush()
        {"tool": self.tool, "slider": self.slider, "stroke": self.stroke,
         "filter": self.filter, "undo": self.undo_redo, "zoom": self.zoom,
         "save": self.save, "open": self.open}[name]()
        self.counts[name] = self.counts.get(name, 0) + 1
        self.alive()
        self.count_autosaves()

    def count_autosaves(self):
        try:
            entries = os.listdir(self.recovery)
        except FileNotFoundError:
            return
        for name in entries:
            if name.endswith(".pai"):
                try:
                    stamp = os.stat(os.path.join(self.recovery, name)).st_mtime_ns
                except FileNotFoundError:
                    continue
                if self.autosave_stamps.get(name) != stamp:
                    self.autosave_stamps[name] = stamp
                    self.autosaves += 1

    def sample(self):
        status = open("/proc/%d/status" % self.program.pid).read()
        rss = int(re.search(r"VmRSS:\s*(\d+)", status).group(1)) / 1024
        fds = len(os.listdir("/proc/%d/fd" % self.program.pid))
        return rss, fds

    # The program's line for that minute: it writes one a minute after a pass, and an idle
    # program passes at least every 10 s, when its autosave timer wakes it.
    def period(self, minute):
        deadline = time.monotonic() + 15
        while True:
            try:
                lines = [line for line in open(self.timing) if line.startswith("period ")]
            except FileNotFoundError:
                lines = []
            m = re.match(r"period (\d+): passes while painting (\d+)(?:, p50 ([\d.e+-]+) ms, "
                         r"p95 ([\d.e+-]+) ms, longest ([\d.e+-]+) ms)?",
                         lines[-1] if lines else "")
            if m and int(m.group(1)) >= minute:
                return [v if v is None or "." not in v else "%.1f" % float(v)
                        for v in m.groups()]
            if time.monotonic() > deadline:
                return [None] * 5
            time.sleep(0.2)

    def quit(self):
        self.s.run("wmctrl -i -c %d" % self.frame)
        deadline = time.monotonic() + 30
        while self.program.poll() is None and time.monotonic() < deadline:
            if any(t.startswith("Save Changes") for t in self.windows().values()):
                self.key("alt+n")
            time.sleep(0.2)
        if self.program.poll() is None:
            raise Failed("the program did not end within 30 s of closing its window")
        if self.program.returncode != 0:
            raise Failed("the program ended with status %d when closed" % self.program.returncode)


def check_saves(painter):
    """Each saved file, opened by the batch tool and lit as the program shows it: exactly what
    the program showed once it opened the file again, and what the screen showed when it was
    saved but for the document's rounding of heights and colours."""
    failures = []
    reopened = {copy: (shot, at) for copy, shot, at in painter.reopened}
    for copy, shot, at in painter.saves:
        exported = copy[:-4] + ".png"
        subprocess.run([BATCH, "--open", copy, "--export", exported], check=True,
                       capture_output=True)
        picture = raw_rgb("convert '%s' -depth 8 rgb:-" % exported)
        far = {(x, y) for x, y in far_pixels(shot, at, picture, CANVAS_SIDE, SAVE_ROUNDING)
               if EDGE_REACH <= min(x, y) and max(x, y) < CANVAS_SIDE - EDGE_REACH}
        line = "  %s: %d pixels apart from the screen at save, %d inside a patch" % (
            os.path.basename(copy), len(far), solid(far))
        bad = solid(far) > SAVE_PATCH_PIXELS
        if copy in reopened:
            again = len(far_pixels(reopened[copy][0], reopened[copy][1], picture, CANVAS_SIDE))
            line += ", %d differ from the program's view of it opened again" % again
            bad = bad or again != 0
        print(line)
        if bad:
            failures.append(copy)
            # The screen as it was, beside the export, for a look.
            subprocess.run("convert -size %dx%d -depth 8 rgb:- -crop %dx%d+%d+%d '%s'" %
                           (SCREEN_W, SCREEN_H, CANVAS_SIDE, CANVAS_SIDE, at[0], at[1],
                            copy[:-4] + "-screen.png"), shell=True, input=shot, check=True)
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("minutes", nargs="?", type=int, default=10)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--out", default=os.path.join(ROOT, "build", "soak"))
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    shutil.rmtree(os.path.join(out, "saves"), ignore_errors=True)
    os.makedirs(os.path.join(out, "saves"), exist_ok=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    session = Session()
    rows = []
    problems = []
    painter = None
    try:
        painter = Painter(session, random.Random(args.seed), out)
        print("Soak of %d minutes, seed %d, on display %s" % (args.minutes, args.seed,
                                                              session.display))
        start = time.monotonic()
        end = start + args.minutes * 60
        minute = 1
        while time.monotonic() < end:
            painter.act()
            if time.monotonic() >= start + minute * 60:
                rss, fds = painter.sample()
                period = painter.period(minute)
                row = [minute, round(rss, 1), fds] + period[1:] + [painter.autosaves]
                rows.append(row)
                row = [v if v is not None else "-" for v in row]
                print("minute %d: %.1f MB resident, %d descriptors, %s passes while painting "
                      "(p50 %s, p95 %s, longest %s ms), %d autosaves" % tuple(row), flush=True)
                minute += 1
        # Every run ends on a save and an opening of the saved file, so each checks both.
        painter.save()
        painter.open()
        painter.alive()
        painter.quit()
        problems += ["saved file reopens different from the screen: %s" % f
                     for f in check_saves(painter)]
    except Failed as failure:
        problems.append(str(failure))
    finally:
        session.close()

    header = ["minute", "rss_mb", "fds", "passes", "p50_ms", "p95_ms", "longest_ms", "autosaves"]
    with open(os.path.join(out, "soak.csv"), "w") as csv:
        csv.write(",".join(header) + "\n")
        for row in rows:
            csv.write(",".join(str(v if v is not None else "") for v in row) + "\n")
    print("\n" + " | ".join("%10s" % h for h in header))
    for row in rows:
        print(" | ".join("%10s" % (v if v is not None else "-") for v in row))
    if painter:
        print("actions: %s; %d saves; %d menus that came up late were put away; table in %s" %
              (painter.counts, len(painter.saves), painter.missed_menus,
               os.path.join(out, "soak.csv")))
    if len(rows) >= LEAK_CHECK_MINUTES:
        half = rows[len(rows) // 2 - 1]
        last = rows[-1]
        if last[1] - half[1] > RSS_GROWTH_MB:
            problems.append("resident memory grew %.1f MB over the last half (bound %d MB)" %
                            (last[1] - half[1], RSS_GROWTH_MB))
        if last[2] - half[2] > FD_GROWTH:
            problems.append("open descriptors grew by %d over the last half (bound %d)" %
                            (last[2] - half[2], FD_GROWTH))
    for problem in problems:
        print("SOAK FAILED: " + problem, file=sys.stderr)
    if not problems:
        print("Soak passed.")
    return 1 if problems else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failed as failure:  # before the program started
        print("SOAK FAILED: %s" % failure, file=sys.stderr)
        sys.exit(1)
    except KeyboardInterrupt:
        sys.exit(130)
