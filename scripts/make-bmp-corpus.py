#!/usr/bin/env python3
"""Writes the kept BMP files: tests/data/valid/bmp/ (each with the picture it must give in
tests/data/expected/bmp/, a binary PPM, or the embedded JPEG itself) and tests/data/hostile/bmp/.

Every file is written byte by byte from a known picture, so the expected picture is the one the
writer started from, not what some reader makes of the file. Where ImageMagick or PIL is
installed, the script also says which of the valid files each of them reads to the same picture.

Run from anywhere: python3 scripts/make-bmp-corpus.py
"""

import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data")
VALID = os.path.join(ROOT, "valid", "bmp")
HOSTILE = os.path.join(ROOT, "hostile", "bmp")
EXPECTED = os.path.join(ROOT, "expected", "bmp")

WIDTH, HEIGHT = 7, 5  # an odd width pads every row
WHITE = (255, 255, 255)

PALETTE = [
    (0, 0, 0), (255, 255, 255), (200, 30, 40), (20, 180, 60), (30, 50, 210), (250, 220, 10),
    (120, 60, 20), (90, 90, 90), (10, 200, 200), (230, 100, 180), (60, 0, 120), (160, 200, 90),
    (255, 128, 0), (40, 40, 40), (180, 180, 250), (128, 0, 0),
]


def index_at(x, y, colours):
    return (x * 3 + y * 5 + x * y) % colours


def colour_at(x, y):
    """The true-colour picture: white and black first, then distinct values."""
    if (x, y) == (0, 0):
        return WHITE
    if (x, y) == (1, 0):
        return (0, 0, 0)
    return ((x * 37 + y * 11) * 7 % 256, (x * 13 + y * 53 + 100) % 256, (255 - x * 29 - y * 17) % 256)


def indexed_picture(colours, width=WIDTH, height=HEIGHT):
    return [[index_at(x, y, colours) for x in range(width)] for y in range(height)]


def ppm(rows):
    height, width = len(rows), len(rows[0])
    body = bytes(v for row in rows for pixel in row for v in pixel)
    return b"P6\n%d %d\n255\n" % (width, height) + body


def file_header(pixel_offset, total):
    return b"BM" + struct.pack("<IHHI", total, 0, 0, pixel_offset)


def info_header(size, width, height, bits, compression=0, data_size=0, used=0, masks=None,
                planes=1):
    """A Windows header of 40, 52, 56, 108 or 124 bytes, or OS/2's at 16..64 bytes (cut)."""
    fields = struct.pack("<IiiHHIIiiII", size, width, height, planes, bits, compression,
                         data_size, 2835, 2835, used, 0)
    if size in (52, 56, 108, 124):
        r, g, b, a = masks or (0, 0, 0, 0)
        fields += struct.pack("<IIII", r, g, b, a)[: 12 if size == 52 else 16]
    if size >= 108:
        fields += b"BGRs" + bytes(36) + bytes(12)
    if size == 124:
        fields += struct.pack("<IIII", 4, 0, 0, 0)
    return fields[:size].ljust(size, b"\0")


def bmp(header, pixels, table=b"", gap=0, pixel_offset=None):
    offset = 14 + len(header) + len(table) + gap if pixel_offset is None else pixel_offset
    body = header + table + bytes(gap)
    return file_header(offset, offset + len(pixels)) + body + pixels


def palette_table(colours, entry=4):
    return b"".join(bytes((b, g, r)) + bytes(entry - 3) for r, g, b in colours)


def pad(row):
    return row + bytes(-len(row) % 4)


def indexed_rows(picture, bits, top_down=False):
    rows = []
    for row in picture:
        packed, acc, filled = bytearray(), 0, 0
        for index in row:
            acc = acc << bits | index
            filled += bits
            if filled == 8:
                packed.append(acc)
                acc, filled = 0, 0
        if filled:
            packed.append(acc << (8 - filled))
        rows.append(pad(bytes(packed)))
    return b"".join(rows if top_down else rows[::-1])


def true_rows(pixel_bytes, top_down=False, width=WIDTH, height=HEIGHT):
    rows = [pad(b"".join(pixel_bytes(x, y) for x in range(width))) for y in range(height)]
    return b"".join(rows if top_down else rows[::-1])


def widened(value, bits):
    """A channel of `bits` bits as 8: its bits repeated, or its top 8 bits when wider."""
    if bits == 0:
        return 0
    if bits >= 8:
        return value >> (bits - 8)
    wide, filled = value << (8 - bits), bits
    while filled < 8:
        wide |= wide >> bits
        filled += bits
    return wide & 255


def mask_bits(mask):
    if mask == 0:
        return 0, 0
    shift = (mask & -mask).bit_length() - 1
    return shift, bin(mask).count("1")


def masked(masks, alpha_mask=0, bits=32):
    """Pixel writer and expected picture for the given red, green, blue masks."""
    def quantised(c8, mask):
        shift, width = mask_bits(mask)
        if width == 0:
            return 0, 0
        value = c8 * ((1 << width) - 1) // 255 if width > 8 else c8 >> (8 - width)
        return value << shift, widened(value, width)

    def pixel(x, y):
        word = 0
        for c8, mask in zip(colour_at(x, y), masks):
            word |= quantised(c8, mask)[0]
        if alpha_mask:
            shift, width = mask_bits(alpha_mask)
            word |= ((x + y) % (1 << width)) << shift
        return struct.pack("<H" if bits == 16 else "<I", word)

    expected = [[tuple(quantised(c8, mask)[1] for c8, mask in zip(colour_at(x, y), masks))
                 for x in range(WIDTH)] for y in range(HEIGHT)]
    return pixel, expected


def true_picture():
    return [[colour_at(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]


def indexed_expected(picture, colours):
    return [[colours[i] if i < len(colours) else (0, 0, 0) for i in row] for row in picture]


# Run-length streams, each op with the pixels (x, y from the top) it paints, so that a cut
# stream's expected picture is known.
def rle_ops(picture, kind):
    """Ops for 8-bit, 4-bit or 24-bit run lengths: runs of equal pixels, absolute stretches."""
    ops = []
    height = len(picture)
    for r in range(height):
        y = height - 1 - r
        row, x = picture[y], 0
        while x < len(row):
            run = 1
            while x + run < len(row) and row[x + run] == row[x] and run < 255:
                run += 1
            if run >= 2 or len(row) - x < 3:
                value = row[x]
                if kind == 8:
                    data = bytes((run, value))
                elif kind == 4:
                    data = bytes((run, value << 4 | value))
                else:
                    data = bytes((run, value[2], value[1], value[0]))
                ops.append((data, [(x + i, y) for i in range(run)]))
                x += run
                continue
            stretch = 3
            while x + stretch < len(row) and stretch < 255 and row[x + stretch] != row[x + stretch - 1]:
                stretch += 1
            values = row[x:x + stretch]
            if kind == 8:
                data = bytes(values)
            elif kind == 4:
                data = bytes((values[i] << 4 | (values[i + 1] if i + 1 < len(values) else 0))
                             for i in range(0, len(values), 2))
            else:
                data = b"".join(bytes((v[2], v[1], v[0])) for v in values)
            data = bytes((0, stretch)) + data + bytes(len(data) % 2)
            ops.append((data, [(x + i, y) for i in range(stretch)]))
            x += stretch
        ops.append((bytes((0, 0)), []))
    ops[-1] = (bytes((0, 1)), [])
    return ops


def rle_expected(ops, colour_of, width=WIDTH, height=HEIGHT):
    rows = [[WHITE] * width for _ in range(height)]
    for _, painted in ops:
        for x, y in painted:
            rows[y][x] = colour_of(x, y)
    return rows


PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def png_file(rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    return PNG_SIGNATURE + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def srgb_byte(fixed):
    linear = min(max(fixed, 0), 8192) / 8192.0
    shown = 12.92 * linear if linear <= 0.0031308 else 1.055 * math.pow(linear, 1 / 2.4) - 0.055
    return int(math.floor(shown * 255.0 + 0.5))


def valid_files():
    """(name, bytes, expected rows) for every good file."""
    files = []
    for bits in (1, 2, 4, 8):
        colours = PALETTE[: min(16, 1 << bits)]
        picture = indexed_picture(len(colours))
        table = palette_table(colours + [(0, 0, 0)] * ((1 << bits) - len(colours)))
        files.append((f"pal{bits}", bmp(info_header(40, WIDTH, HEIGHT, bits), indexed_rows(picture, bits), table),
                      indexed_expected(picture, colours)))

    picture = indexed_picture(16)
    rows8 = indexed_rows(picture, 8)
    expected16 = indexed_expected(picture, PALETTE)
    files += [
        ("pal8_used_16", bmp(info_header(40, WIDTH, HEIGHT, 8, used=16), rows8, palette_table(PALETTE)), expected16),
        ("pal8_top_down", bmp(info_header(40, WIDTH, -HEIGHT, 8, used=16), indexed_rows(picture, 8, True),
                              palette_table(PALETTE)), expected16),
        ("pal8_pixels_after_a_gap", bmp(info_header(40, WIDTH, HEIGHT, 8, used=16), rows8, palette_table(PALETTE), gap=75),
         expected16),
        # 300 colours declared and given: indices reach only the first 256.
        ("pal8_long_palette", bmp(info_header(40, WIDTH, HEIGHT, 8, used=300), rows8,
                                  palette_table(PALETTE + [(1, 2, 3)] * 284)), expected16),
        # Eight colours for sixteen indices: the rest come out black.
        ("pal8_short_palette", bmp(info_header(40, WIDTH, HEIGHT, 8, used=8), rows8, palette_table(PALETTE[:8])),
         indexed_expected(picture, PALETTE[:8])),
        ("pal8_core_header", bmp(struct.pack("<IHHHH", 12, WIDTH, HEIGHT, 1, 8), rows8,
                                 palette_table(PALETTE + [(0, 0, 0)] * 240, entry=3)), expected16),
        # The old header has no count: the room before the pixels gives it.
        ("pal8_core_header_short_palette", bmp(struct.pack("<IHHHH", 12, WIDTH, HEIGHT, 1, 8), rows8,
                                               palette_table(PALETTE, entry=3)), expected16),
        ("pal8_os2_header_16", bmp(info_header(16, WIDTH, HEIGHT, 8), rows8,
                                   palette_table(PALETTE + [(0, 0, 0)] * 240)), expected16),
        ("pal8_os2_header_64", bmp(info_header(64, WIDTH, HEIGHT, 8, used=16), rows8, palette_table(PALETTE)),
         expected16),
    ]

    for name, masks, size, compression, bits in (
        ("rgb16_555", (0x7C00, 0x3E0, 0x1F), 40, 0, 16),
        ("rgb16_555_bitfields", (0x7C00, 0x3E0, 0x1F), 40, 3, 16),
        ("rgb16_565_bitfields", (0xF800, 0x7E0, 0x1F), 40, 3, 16),
        ("rgb16_231_bitfields", (0x30, 0xE, 0x1), 40, 3, 16),
        ("rgb16_565_v5", (0xF800, 0x7E0, 0x1F), 124, 3, 16),
        ("rgb32", (0xFF0000, 0xFF00, 0xFF), 40, 0, 32),
        ("rgb32_bitfields_h52", (0xFF0000, 0xFF00, 0xFF), 52, 3, 32),
        ("rgb32_111110_bitfields", (0xFFE00000, 0x1FFC00, 0x3FF), 40, 3, 32),
    ):
        pixel, expected = masked(masks, bits=bits)
        header = info_header(size, WIDTH, HEIGHT, bits, compression, masks=masks + (0,))
        table = struct.pack("<III", *masks) if size == 40 and compression == 3 else b""
        files.append((name, bmp(header, true_rows(pixel), table), expected))

    # Alpha is dropped, as for every other kind.
    for name, masks, alpha, size, compression, bits in (
        ("rgba16_4444_v5", (0xF00, 0xF0, 0xF), 0xF000, 124, 3, 16),
        ("rgba32_v5", (0xFF0000, 0xFF00, 0xFF), 0xFF000000, 124, 3, 32),
        ("rgba32_1010102_v5", (0x3FF00000, 0xFFC00, 0x3FF), 0xC0000000, 124, 3, 32),
        ("rgba32_h56", (0xFF000000, 0xFF0000, 0xFF00), 0xFF, 56, 3, 32),
        ("rgba32_alpha_bitfields", (0xFF0000, 0xFF00, 0xFF), 0xFF000000, 40, 6, 32),
    ):
        pixel, expected = masked(masks, alpha, bits=bits)
        header = info_header(size, WIDTH, HEIGHT, bits, compression, masks=masks + (alpha,))
        table = struct.pack("<IIII", *masks, alpha) if size == 40 else b""
        files.append((name, bmp(header, true_rows(pixel), table), expected))

    # A colour table in a 16-bit bit-field file is only a hint for old displays.
    pixel, expected = masked((0xF800, 0x7E0, 0x1F), bits=16)
    files.append(("rgb16_565_with_colour_table",
                  bmp(info_header(40, WIDTH, HEIGHT, 16, 3, used=256), true_rows(pixel),
                      struct.pack("<III", 0xF800, 0x7E0, 0x1F) + palette_table(PALETTE * 16)), expected))

    def bgr(x, y):
        r, g, b = colour_at(x, y)
        return bytes((b, g, r))

    files += [
        ("rgb24", bmp(info_header(40, WIDTH, HEIGHT, 24), true_rows(bgr)), true_picture()),
        ("rgb24_top_down", bmp(info_header(124, WIDTH, -HEIGHT, 24), true_rows(bgr, True)), true_picture()),
        ("rgb24_colour_table_and_gap", bmp(info_header(40, WIDTH, HEIGHT, 24, used=16), true_rows(bgr),
                                           palette_table(PALETTE), gap=10), true_picture()),
        ("rgb24_os2_header_64", bmp(info_header(64, WIDTH, HEIGHT, 24), true_rows(bgr)), true_picture()),
    ]

    # 64 bits: blue, green, red, alpha as linear light, 8192 being full.
    levels = [0, 8192, 9000, -500, 1, 40, 200, 1000, 2500, 4096, 6000, 7777]

    def fixed(x, y, c):
        return levels[(x * 5 + y * 3 + c * 7) % len(levels)]

    files.append(("rgba64", bmp(info_header(40, WIDTH, HEIGHT, 64),
                                true_rows(lambda x, y: struct.pack("<hhhh", fixed(x, y, 2), fixed(x, y, 1), fixed(x, y, 0), 8192))),
                  [[tuple(srgb_byte(fixed(x, y, c)) for c in range(3)) for x in range(WIDTH)] for y in range(HEIGHT)]))

    # Run lengths.
    runs = [[min(x // 2 + y, 15) if y != 2 else (x * 7 + 3) % 16 for x in range(WIDTH)] for y in range(HEIGHT)]
    for bits in (8, 4):
        ops = rle_ops(runs, bits)
        stream = b"".join(data for data, _ in ops)
        files.append((f"rle{bits}", bmp(info_header(40, WIDTH, HEIGHT, bits, 1 if bits == 8 else 2, len(stream), used=16),
                                        stream, palette_table(PALETTE)),
                      rle_expected(ops, lambda x, y: PALETTE[runs[y][x]])))
    true = true_picture()
    true[1][2:6] = [true[1][2]] * 4
    ops = rle_ops(true, 24)
    stream = b"".join(data for data, _ in ops)
    files.append(("rle24_os2", bmp(info_header(64, WIDTH, HEIGHT, 24, 4, len(stream)), stream),
                  rle_expected(ops, lambda x, y: true[y][x])))

    # Skipped pixels and a stream cut short stay white, like paper.
    ops = rle_ops(runs, 8)
    delta = [(bytes((3, 2)), [(0, 4), (1, 4), (2, 4)]),  # bottom row
             (bytes((0, 2, 2, 1)), []),  # two right, one up
             (bytes((2, 4)), [(5, 3), (6, 3)]),
             (bytes((0, 0)), []),
             (bytes((0, 3, 5, 6, 7, 0)), [(0, 2), (1, 2), (2, 2)]),
             (bytes((0, 1)), [])]
    stream = b"".join(data for data, _ in delta)
    painted = {(0, 4): 2, (1, 4): 2, (2, 4): 2, (5, 3): 4, (6, 3): 4, (0, 2): 5, (1, 2): 6, (2, 2): 7}
    files.append(("rle8_delta", bmp(info_header(40, WIDTH, HEIGHT, 8, 1, len(stream), used=16), stream,
                                    palette_table(PALETTE)),
                  rle_expected(delta, lambda x, y: PALETTE[painted[(x, y)]])))
    # Run lengths are meant to be stored bottom row first, but a top-down stream is clear enough.
    top_down = [(bytes((7, 3)), [(x, 0) for x in range(WIDTH)]), (bytes((0, 0)), []),
                (bytes((2, 4)), [(0, 1), (1, 1)]), (bytes((0, 1)), [])]
    stream = b"".join(data for data, _ in top_down)
    files.append(("rle8_top_down", bmp(info_header(40, WIDTH, -HEIGHT, 8, 1, len(stream), used=16), stream,
                                       palette_table(PALETTE)),
                  rle_expected(top_down, lambda x, y: PALETTE[3 if y == 0 else 4])))
    cut = ops[: len(ops) // 2]
    stream = b"".join(data for data, _ in cut) + b"\x00"
    files.append(("rle8_cut", bmp(info_header(40, WIDTH, HEIGHT, 8, 1, 0, used=16), stream, palette_table(PALETTE)),
                  rle_expected(cut, lambda x, y: PALETTE[runs[y][x]])))

    # Embedded files: a PNG of the true-colour picture, and the JPEG of the picture tests.
    png = png_file(true_picture())
    files.append(("rgb24_png", bmp(info_header(40, WIDTH, HEIGHT, 0, 5, len(png)), png), true_picture()))
    with open(os.path.join(ROOT, "valid", "picture", "quad.jpg"), "rb") as f:
        jpeg = f.read()
    files.append(("rgb24_jpeg", bmp(info_header(40, 4, 3, 0, 4, len(jpeg)), jpeg), jpeg))
    return files


def hostile_files():
    rows8 = indexed_rows(indexed_picture(16), 8)
    table = palette_table(PALETTE)

    def bgr(x, y):
        return bytes(reversed(colour_at(x, y)))

    rows24 = true_rows(bgr)
    huge_rle = bytes((255, 1)) * 4 + bytes((0, 1))
    files = [
        ("bit_count_7", bmp(info_header(40, WIDTH, HEIGHT, 7, used=16), rows8, table)),
        ("planes_2", bmp(info_header(40, WIDTH, HEIGHT, 24, planes=2), rows24)),
        ("header_size_66", bmp(struct.pack("<I", 66) + info_header(64, WIDTH, HEIGHT, 24)[4:] + bytes(2), rows24)),
        ("header_size_past_the_end", file_header(54, 54) + struct.pack("<I", 124) + bytes(20)),
        ("rows_cut", bmp(info_header(40, WIDTH, HEIGHT, 24), rows24[:-1])),
        ("height_past_the_rows", bmp(info_header(40, WIDTH, HEIGHT + 1, 24), rows24)),
        ("width_60000_height_60000", bmp(info_header(40, 60000, 60000, 24), rows24)),
        ("width_zero", bmp(info_header(40, 0, HEIGHT, 24), rows24)),
        ("width_negative", bmp(info_header(40, -WIDTH, HEIGHT, 24), rows24)),
        ("height_most_negative", bmp(info_header(40, WIDTH, -2**31, 24), rows24)),
        ("pixel_offset_past_the_end", bmp(info_header(40, WIDTH, HEIGHT, 24), rows24, pixel_offset=10**6)),
        ("pixel_offset_inside_the_header", bmp(info_header(40, WIDTH, HEIGHT, 24), rows24, pixel_offset=30)),
        ("palette_without_room", bmp(info_header(40, WIDTH, HEIGHT, 8, used=16), rows8, pixel_offset=54)),
        ("bitfields_masks_apart", bmp(info_header(40, WIDTH, HEIGHT, 16, 3), true_rows(lambda x, y: b"\1\2"),
                                      struct.pack("<III", 0x5401, 0x3E0, 0x1F))),
        ("bitfields_24_bits", bmp(info_header(40, WIDTH, HEIGHT, 24, 3), rows24, struct.pack("<III", 0xFF0000, 0xFF00, 0xFF))),
        ("bitfields_masks_past_the_end", file_header(54, 60) + info_header(40, 1, 1, 16, 3) + bytes(6)),
        ("os2_huffman", bmp(info_header(64, WIDTH, HEIGHT, 1, 3), rows8, table)),
        ("compression_11", bmp(info_header(40, WIDTH, HEIGHT, 32, 11), rows24)),
        ("rle8_with_4_bits", bmp(info_header(40, WIDTH, HEIGHT, 4, 1, used=16), bytes((7, 1, 0, 1)), table)),
        ("rle8_5000x5000_in_ten_bytes", bmp(info_header(40, 5000, 5000, 8, 1, used=16), huge_rle, table)),
        ("rle8_without_stream", bmp(info_header(40, WIDTH, HEIGHT, 8, 1, used=16), b"", table)),
        ("png_cut", bmp(info_header(40, WIDTH, HEIGHT, 0, 5), png_file(true_picture())[:-20])),
        ("png_longer_than_the_file", bmp(info_header(40, WIDTH, HEIGHT, 0, 5, 5000), png_file(true_picture()))),
        ("png_larger_than_declared", bmp(info_header(40, 3, 2, 0, 5), png_file(true_picture()))),
        ("jpeg_that_is_a_png", bmp(info_header(40, WIDTH, HEIGHT, 0, 4), png_file(true_picture()))),
        ("file_header_only", file_header(14, 14)),
    ]
    return files


def independent_readers():
    readers = []
    if shutil.which("convert"):
        def magick(path):
            out = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True)
            return out.stdout if out.returncode == 0 else None
        readers.append(("ImageMagick", magick))
    try:
        from PIL import Image

        def pil(path):
            try:
                with Image.open(path) as image:
                    image = image.convert("RGB")
                    return b"P6\n%d %d\n255\n" % image.size + image.tobytes()
            except Exception:
                return None
        readers.append(("PIL", pil))
    except ImportError:
        pass
    return readers


def main():
    for folder in (VALID, HOSTILE, EXPECTED):
        os.makedirs(folder, exist_ok=True)
        for name in os.listdir(folder):
            os.remove(os.path.join(folder, name))
    readers = independent_readers()
    for name, data, expected in valid_files():
        path = os.path.join(VALID, name + ".bmp")
        with open(path, "wb") as f:
            f.write(data)
        if isinstance(expected, bytes):
            with open(os.path.join(EXPECTED, name + ".jpg"), "wb") as f:
                f.write(expected)
            continue
        with open(os.path.join(EXPECTED, name + ".ppm"), "wb") as f:
            f.write(ppm(expected))
        verdicts = []
        for reader, read in readers:
            got = read(path)
            verdicts.append(f"{reader}: " + ("refuses" if got is None else "same" if got == ppm(expected) else "differs"))
        print(f"{name:36} " + ", ".join(verdicts))
    for name, data in hostile_files():
        with open(os.path.join(HOSTILE, name + ".bmp"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    sys.exit(main())
