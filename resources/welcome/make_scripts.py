#!/usr/bin/env python3
"""Writes the pointer scripts that paint Examples/welcome.pai.

The scripts are committed; run this only to change the painting:
    python3 resources/welcome/make_scripts.py
Each script is replayed by daubwerk-batch --play at build time (see ../CMakeLists.txt).
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
STEP = 2.5  # pointer travel between two passes: dabs overlap into a continuous stroke


def sample(points, step=STEP):
    """Points every `step` pixels along a polyline."""
    out = [points[0]]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        length = math.hypot(x1 - x0, y1 - y0)
        n = max(1, int(length / step))
        for i in range(1, n + 1):
            out.append((x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * i / n))
    return out


def arc(cx, cy, r, start, end, rx=None):
    """An arc in degrees, counter-clockwise on screen (y grows downward)."""
    rx = r if rx is None else rx
    n = max(2, int(abs(end - start) / 6))
    return [(cx + rx * math.cos(math.radians(start + (end - start) * i / n)),
             cy - r * math.sin(math.radians(start + (end - start) * i / n))) for i in range(n + 1)]


def stroke(points, rest=0):
    pts = sample(points)
    lines = ["move %d %d" % (round(pts[0][0]), round(pts[0][1])), "down"]
    if rest:
        lines.append("pass %d" % rest)
    last = None
    for x, y in pts[1:]:
        p = (round(x), round(y))
        if p != last:
            lines.append("move %d %d" % p)
            last = p
    lines.append("up")
    return lines


def write(name, comment, strokes):
    with open(os.path.join(HERE, name), "w") as f:
        f.write("# %s\n" % comment)
        for s in strokes:
            f.write("\n".join(s) + "\n")


def letters(x, base):
    """'Welcome' as pen strokes in screen space: x-height 52, capitals 100."""
    mid = base - 26  # centre line of the small letters
    e = lambda ex: [(ex + 4, mid), (ex + 50, mid)] + arc(ex + 27, mid, 25, 0, 320)
    m = x + 326
    return [
        [(x, base - 100), (x + 20, base), (x + 42, base - 72), (x + 64, base), (x + 84, base - 100)],
        e(x + 100),
        [(x + 172, base - 104), (x + 172, base - 10)] + arc(x + 184, base - 10, 12, 180, 290),
        arc(x + 223, mid, 26, 40, 318),
        arc(x + 287, mid, 26, 90, 452),
        [(m, base), (m, base - 52), (m, base - 34)] + arc(m + 18, base - 34, 18, 180, 0) + [(m + 36, base)],
        [(m + 36, base - 34)] + arc(m + 54, base - 34, 18, 180, 0) + [(m + 72, base)],
        e(x + 414),
    ]


def sweeps(rows):
    """Horizontal sweeps across the whole width, back and forth, each with a slight wave."""
    strokes = []
    for i, y in enumerate(rows):
        xs = (0, 599) if i % 2 == 0 else (599, 0)
        bend = 5 if i % 3 else -5
        strokes.append(stroke([(xs[0], y), ((xs[0] + xs[1]) / 2, y + bend), (xs[1], y)]))
    return strokes


def main():
    # Evening sky in bands from deep blue down to warm light, then the sea.
    for band in range(6):
        top = band * 52
        write("sky%d.txt" % band, "Sky band %d: broad sweeps, back and forth." % band,
              sweeps(range(top + 8, top + 56, 16)))
    for band in range(3):
        top = 318 + band * 90
        write("sea%d.txt" % band, "Sea band %d." % band, sweeps(range(top + 10, top + 92, 18)))
    # A low sun: pressed and held, the paint builds up into a glossy dome; a soft glow first.
    write("sun_glow.txt", "A soft glow where the sun will be.", [stroke([(440, 250)], rest=14)])
    write("sun.txt", "The sun: press and rest, then a small circle.",
          [stroke(up_circle(440, 250, 5), rest=16)])
    # Warm light along the horizon, laid over the bands.
    write("horizon.txt", "Warm light along the horizon.", sweeps(range(262, 318, 9)))
    # Glitter of the sun on the water: short dashes, narrower and sparser further down.
    glitter = []
    for k in range(16):
        y = 330 + k * 5 + k * k // 2
        half = max(4, 30 - k * 2) * (0.6 + 0.4 * ((k * 7) % 5) / 4)
        for side in (-1, 1):
            shift = side * (((k * 37) % 13) + 6 - k // 3)
            glitter.append(stroke([(440 + shift - half / 2, y), (440 + shift + half / 2, y + 1)]))
    write("glitter.txt", "Sunlight glittering on the sea.", glitter)
    # The greeting in thick, glossy paint.
    write("welcome.txt", "The greeting, written with a loaded brush.",
          [stroke(s) for s in letters(62, 520)])
    # Swashes of colour under the word, and a knife drawn across them.
    write("swash_red.txt", "A red swash.", [stroke(arc(300, 1180, 640, 115, 65))])
    write("swash_gold.txt", "A golden swash.", [stroke(arc(300, 1195, 640, 113, 67))])
    write("knife.txt", "The knife scrapes a bright track through the swashes.",
          [stroke([(120, 560), (300, 546), (480, 560)])])
    # A few stars, sprayed and rested on.
    stars = []
    for x, y in ((80, 60), (170, 110), (260, 45), (330, 135), (540, 70), (490, 140), (40, 150)):
        stars.append(["move %d %d" % (x, y), "down", "pass 4", "up"])
    write("stars.txt", "Stars: the spray keeps spraying while the pointer rests.", stars)


def up_circle(cx, cy, r):
    return [(cx, cy)] + arc(cx, cy, r, 0, 360)


if __name__ == "__main__":
    main()
