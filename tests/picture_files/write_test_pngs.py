"""Writes .png files for test_png_exchange: by Pillow where Pillow can write them, and by hand
(every colour type, bit depth and transparency the PNG standard allows, plain and Adam7
interlaced), each with the pixels the standard defines for it; and files whose pixels the
standard does not define, with the reason Tessary must give for refusing them.

Usage: write_test_pngs.py FOLDER
Writes NAME.png and NAME.bgra (blue, green, red, alpha of every pixel, top row first) for each
menu image, NAME.png and NAME.grey (256 x 256 grey levels) for each font sheet, and manifest.txt
with one line per file: "image NAME WIDTH HEIGHT", "font NAME 256 256" or "refused NAME REASON".
"""
import struct
import sys
import zlib
from pathlib import Path

from PIL import Image

W, H = 37, 11  # odd sizes, so that no row happens to be aligned and every Adam7 pass has pixels
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
DEPTHS = {0: (1, 2, 4, 8, 16), 2: (8, 16), 3: (1, 2, 4, 8), 4: (8, 16), 6: (8, 16)}


def level(value, depth):
    """A sample as 8 bits: lower depths scaled exactly, 16 bits rounded."""
    if depth == 16:
        return (value * 255 + 32767) // 65535
    return value * 255 // ((1 << depth) - 1)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def packed_row(pixels, depth):
    """One row of sample tuples as the file holds it, after its filter byte (none)."""
    samples = [s for pixel in pixels for s in pixel]
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    out, bits, used = bytearray(), 0, 0
    for s in samples:
        bits = bits << depth | s
        used += depth
        if used == 8:
            out.append(bits)
            bits, used = 0, 0
    if used:
        out.append(bits << (8 - used))
    return bytes(out)


def scanlines(grid, depth, interlaced):
    if not interlaced:
        return b"".join(b"\0" + packed_row(row, depth) for row in grid)
    data = b""
    for x0, y0, dx, dy in ADAM7:
        for y in range(y0, len(grid), dy):
            row = grid[y][x0::dx]
            if row:
                data += b"\0" + packed_row(row, depth)
    return data


def png_file(grid, colour_type, depth, interlaced=False, before_idat=b"", idat=None):
    header = struct.pack(">IIBBBBB", len(grid[0]), len(grid), depth, colour_type, 0, 0, 1 if interlaced else 0)
    data = zlib.compress(scanlines(grid, depth, interlaced)) if idat is None else idat
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + before_idat + chunk(b"IDAT", data)
            + chunk(b"IEND", b""))


def samples(colour_type, depth):
    """A grid of sample tuples in which every channel takes many values, 0 and the top among them,
    and values that differ only in their low bits stand side by side."""
    top = (1 << depth) - 1
    grid = []
    for y in range(H):
        row = []
        for x in range(W):
            pixel = []
            for c in range(CHANNELS[colour_type]):
                v = (x * 977 + y * 4099 + c * 21011) % (top + 1) if depth == 16 else (x * 7 + y * 3 + c * 5) % (top + 1)
                pixel.append(v ^ (x & 1) if depth == 16 else v)
            row.append(tuple(pixel))
        grid.append(row)
    return grid


def key_of(grid):
    """A colour key that some pixels have, and others miss by their low bits only."""
    return grid[H // 2][W // 2]


def expected(grid, colour_type, depth, palette=None, alphas=b"", key=None):
    pixels = []
    for row in grid:
        for pixel in row:
            if colour_type == 3:
                r, g, b = palette[pixel[0]]
                a = alphas[pixel[0]] if pixel[0] < len(alphas) else 255
            elif colour_type in (0, 4):
                r = g = b = level(pixel[0], depth)
                a = level(pixel[1], depth) if colour_type == 4 else (0 if key is not None and pixel == key else 255)
            else:
                r, g, b = (level(s, depth) for s in pixel[:3])
                a = level(pixel[3], depth) if colour_type == 6 else (0 if key is not None and pixel == key else 255)
            pixels.append(bytes((b, g, r, a)))
    return b"".join(pixels)


def palette_of(count):
    return [((k * 67) % 256, (k * 131 + 40) % 256, (255 - k * 29) % 256) for k in range(count)]


def palette_chunks(palette, alphas):
    plte = chunk(b"PLTE", bytes(c for rgb in palette for c in rgb))
    return plte + (chunk(b"tRNS", alphas) if alphas else b"")


def key_chunk(colour_type, key):
    return chunk(b"tRNS", struct.pack(">H", key[0]) if colour_type == 0 else struct.pack(">HHH", *key))


def by_hand():
    """Every colour type x bit depth x transparency, plain and interlaced: name -> (png, bgra)."""
    files = {}
    for colour_type, depths in DEPTHS.items():
        for depth in depths:
            grid = samples(colour_type, depth)
            kinds = [("", b"", None, b"")]
            if colour_type == 3:
                count = min(1 << depth, 200)
                palette = palette_of(count)
                # Partial alpha: fewer tRNS entries than colours; the others are opaque.
                alphas = bytes((k * 97) % 256 for k in range(max(1, count - 1)))
                kinds = [("", palette_chunks(palette, b""), None, b""), ("-alpha", palette_chunks(palette, alphas), None, alphas)]
                grid = [[(s[0] % count,) for s in row] for row in grid]
            elif colour_type in (0, 2):
                key = key_of(grid)
                kinds.append(("-key", key_chunk(colour_type, key), key, b""))
            for suffix, extra, key, alphas in kinds:
                palette = palette_of(min(1 << depth, 200)) if colour_type == 3 else None
                bgra = expected(grid, colour_type, depth, palette, alphas, key)
                for interlaced in (False, True):
                    name = f"hand-type{colour_type}-{depth}bit{suffix}" + ("-adam7" if interlaced else "")
                    files[name] = (png_file(grid, colour_type, depth, interlaced, extra), bgra)
    # A picture so small that most Adam7 passes are empty.
    grid = [[(200, 10, 30)]]
    files["hand-1x1-adam7"] = (png_file(grid, 2, 8, True), bytes((30, 10, 200, 255)))
    # tRNS may not go with an alpha channel; it is left out and the alpha channel holds.
    grid = samples(6, 8)
    files["hand-rgba-with-trns"] = (png_file(grid, 6, 8, False, chunk(b"tRNS", b"\0\0\0\0\0\0")), expected(grid, 6, 8))
    return files


def refused():
    """Files whose pixels the standard does not define: name -> (png, what the reason says)."""
    grid = [[(x % 7,) for x in range(W)] for _ in range(H)]
    palette = palette_of(5)
    grey = samples(0, 8)
    damaged = bytearray(zlib.compress(scanlines(grey, 8, False)))
    damaged[len(damaged) // 2] ^= 0x10
    tRNS = chunk(b"tRNS", b"\x00\x80")
    bad_crc = tRNS[:-1] + bytes((tRNS[-1] ^ 1,))
    return {
        "refused-index-beyond-palette": (png_file(grid, 3, 8, False, palette_chunks(palette, b"")),
                                         "pixel (5, 0) has colour number 5, but the palette holds only 5 colours"),
        "refused-index-beyond-palette-adam7": (png_file(grid, 3, 8, True, palette_chunks(palette, b"")),
                                               "but the palette holds only 5 colours"),
        "refused-trns-longer-than-palette": (png_file(grid, 3, 8, False, palette_chunks(palette_of(7), bytes(8))),
                                             "palette or transparency is damaged (tRNS: invalid)"),
        "refused-trns-crc": (png_file(grey, 0, 8, False, bad_crc), "palette or transparency is damaged (tRNS: CRC error)"),
        "refused-trns-wrong-length": (png_file(grey, 0, 8, False, chunk(b"tRNS", b"\0\0\0")),
                                      "palette or transparency is damaged (tRNS: invalid)"),
        "refused-no-palette": (png_file(grid, 3, 8), "damaged or cut short"),
        "refused-rgb-4bit": (png_file(samples(0, 4), 2, 4), "damaged or cut short"),
        "refused-damaged-data": (png_file(grey, 0, 8, idat=bytes(damaged)), "damaged or cut short"),
    }


def by_pillow():
    """What Pillow writes itself: name -> (image, bgra, save options)."""
    coords = [(x, y) for y in range(H) for x in range(W)]
    colour = lambda x, y: ((x * 7 + y * 3) % 256, (x * 5 + 60 + y * 11) % 256, (255 - x * 6 - y) % 256)
    alpha = lambda x, y: (x * 13 + y * 29) % 256  # 0, partial and full, often with bright colours
    bgra = lambda pixels: b"".join(bytes((b, g, r, a)) for (r, g, b, a) in pixels)
    made = {}

    def add(name, mode, data, pixels, **options):
        image = Image.new(mode, (W, H))
        if "palette" in options:
            image.putpalette([c for rgb in options.pop("palette") for c in rgb])
        image.putdata(data)
        made[name] = (image, bgra(pixels), options)

    grey = [(x * 7 + y * 23) % 256 for (x, y) in coords]
    add("grey-8", "L", grey, [(v, v, v, 255) for v in grey])
    key = grey[W + 3]
    add("grey-8-key", "L", grey, [(v, v, v, 0 if v == key else 255) for v in grey], transparency=key)
    add("grey-alpha", "LA", [(v, alpha(x, y)) for v, (x, y) in zip(grey, coords)],
        [(v, v, v, alpha(x, y)) for v, (x, y) in zip(grey, coords)])
    bilevel = [255 if (x + y) % 3 == 0 else 0 for (x, y) in coords]
    add("bilevel", "1", bilevel, [(v, v, v, 255) for v in bilevel])
    deep = [(x * 1777 + y * 5003) % 65536 for (x, y) in coords]
    add("grey-16", "I;16", deep, [(level(v, 16),) * 3 + (255,) for v in deep])
    for bits, count in ((1, 2), (2, 4), (4, 16), (8, 200)):
        palette = [colour(k * 9, k) for k in range(count)]
        indices = [(x * 3 + y * 17) % count for (x, y) in coords]
        add(f"palette-{bits}-bit", "P", indices, [palette[k] + (255,) for k in indices], palette=palette, bits=bits)
        # Partial alpha, with fewer alpha values than colours.
        alphas = bytes((k * 37) % 256 for k in range(max(1, count - 1)))
        add(f"palette-{bits}-bit-alpha", "P", indices,
            [palette[k] + (alphas[k] if k < len(alphas) else 255,) for k in indices], palette=palette, bits=bits,
            transparency=alphas)
    rgb = [colour(x, y) for (x, y) in coords]
    add("rgb", "RGB", rgb, [c + (255,) for c in rgb])
    add("rgb-key", "RGB", rgb, [c + (0 if c == rgb[2 * W + 5] else 255,) for c in rgb], transparency=rgb[2 * W + 5])
    add("rgba", "RGBA", [colour(x, y) + (alpha(x, y),) for (x, y) in coords],
        [colour(x, y) + (alpha(x, y),) for (x, y) in coords])
    return made


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    manifest = []
    for name, (image, pixels, options) in by_pillow().items():
        image.save(folder / (name + ".png"), **options)
        (folder / (name + ".bgra")).write_bytes(pixels)
        manifest.append(f"image {name} {W} {H}")
    for name, (png, pixels) in by_hand().items():
        (folder / (name + ".png")).write_bytes(png)
        (folder / (name + ".bgra")).write_bytes(pixels)
        width, height = struct.unpack(">II", png[16:24])
        manifest.append(f"image {name} {width} {height}")
    for name, (png, reason) in refused().items():
        (folder / (name + ".png")).write_bytes(png)
        manifest.append(f"refused {name} {reason}")

    # Font sheets: grey as it is; colours by their luminance (Pillow's own "L" conversion).
    levels = [(x * 3 + y * 5 + (x * y) % 7) % 256 for y in range(256) for x in range(256)]
    sheet = Image.new("L", (256, 256))
    sheet.putdata(levels)
    sheet.save(folder / "sheet-grey.png")
    (folder / "sheet-grey.grey").write_bytes(bytes(levels))
    coloured = Image.new("RGB", (256, 256))
    coloured.putdata([((x * 7 + y * 3) % 256, (x * 5 + 60 + y * 11) % 256, (255 - x * 6 - y) % 256)
                      for y in range(256) for x in range(256)])
    coloured.save(folder / "sheet-rgb.png")
    (folder / "sheet-rgb.grey").write_bytes(coloured.convert("L").tobytes())
    manifest += ["font sheet-grey 256 256", "font sheet-rgb 256 256"]

    (folder / "manifest.txt").write_text("\n".join(manifest) + "\n")
    print(f"wrote {len(manifest)} pictures, by hand and with Pillow {Image.__version__}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
