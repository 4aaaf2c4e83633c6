"""Writes .png files with Pillow (and 16-bit colour ones, which Pillow can't write, by hand),
each with the pixels Tessary must read from it, for test_png_exchange.

Usage: write_pngs_with_pillow.py FOLDER
Writes NAME.png and NAME.bgra (blue, green, red, alpha of every pixel, top row first) for each
menu image, NAME.png and NAME.grey (256 x 256 grey levels) for each font sheet, and manifest.txt
with one line per picture: KIND NAME WIDTH HEIGHT, KIND being image or font.
"""
import struct
import sys
import zlib
from pathlib import Path

from PIL import Image

W, H = 37, 11  # odd sizes, so that no row happens to be aligned


def reduce16(value):
    """A 16-bit channel as 8 bits, rounded: what Tessary must make of it."""
    return (value * 255 + 32767) // 65535


def colour(x, y):
    return ((x * 7 + y * 3) % 256, (x * 5 + 60 + y * 11) % 256, (255 - x * 6 - y) % 256)


def alpha(x, y):
    return (x * 13 + y * 29) % 256  # 0, partial and full, often with bright colours


def bgra(pixels):
    return b"".join(bytes((b, g, r, a)) for (r, g, b, a) in pixels)


def hand_written_png(path, width, height, rows, colour_type, bit_depth=16):
    """A PNG with 16-bit channels: signature, IHDR, one IDAT, IEND."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    header = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    coords = [(x, y) for y in range(H) for x in range(W)]
    pictures = {}

    grey = [(x * 7 + y * 23) % 256 for (x, y) in coords]
    image = Image.new("L", (W, H))
    image.putdata(grey)
    pictures["grey-8"] = (image, [(v, v, v, 255) for v in grey])

    image = Image.new("LA", (W, H))
    image.putdata([(v, alpha(x, y)) for v, (x, y) in zip(grey, coords)])
    pictures["grey-alpha"] = (image, [(v, v, v, alpha(x, y)) for v, (x, y) in zip(grey, coords)])

    bilevel = [255 if (x + y) % 3 == 0 else 0 for (x, y) in coords]
    image = Image.new("1", (W, H))
    image.putdata(bilevel)
    pictures["bilevel"] = (image, [(v, v, v, 255) for v in bilevel])

    palette = [colour(k * 9, k) for k in range(200)]
    indices = [(x * 3 + y * 17) % 200 for (x, y) in coords]
    image = Image.new("P", (W, H))
    image.putpalette([c for rgb in palette for c in rgb])
    image.putdata(indices)
    transparency = bytes((k * 37) % 256 for k in range(200))
    image.info["transparency"] = transparency
    pictures["palette-alpha"] = (image, [palette[k] + (transparency[k],) for k in indices])

    small = [colour(k * 40, k) for k in range(16)]
    few = [(x + y) % 16 for (x, y) in coords]
    image = Image.new("P", (W, H))
    image.putpalette([c for rgb in small for c in rgb])
    image.putdata(few)
    pictures["palette-4-bit"] = (image, [small[k] + (255,) for k in few])

    image = Image.new("RGB", (W, H))
    image.putdata([colour(x, y) for (x, y) in coords])
    pictures["rgb"] = (image, [colour(x, y) + (255,) for (x, y) in coords])

    image = Image.new("RGBA", (W, H))
    image.putdata([colour(x, y) + (alpha(x, y),) for (x, y) in coords])
    pictures["rgba"] = (image, [colour(x, y) + (alpha(x, y),) for (x, y) in coords])

    deep = [(x * 1777 + y * 5003) % 65536 for (x, y) in coords]
    image = Image.new("I;16", (W, H))
    image.putdata(deep)
    pictures["grey-16"] = (image, [(reduce16(v),) * 3 + (255,) for v in deep])

    manifest = []
    for name, (image, expected) in pictures.items():
        options = {"bits": 4} if name == "palette-4-bit" else {}
        if "transparency" in image.info:
            options["transparency"] = image.info["transparency"]
        image.save(folder / (name + ".png"), **options)
        (folder / (name + ".bgra")).write_bytes(bgra(expected))
        manifest.append(f"image {name} {W} {H}")

    # 16 bits per channel, colour with and without alpha: every channel value seen somewhere.
    for name, channels in (("rgb-16", 3), ("rgba-16", 4)):
        values = [[(x * 977 + y * 4099 + c * 21011) % 65536 for c in range(channels)] for (x, y) in coords]
        rows = [b"".join(struct.pack(">" + "H" * channels, *values[y * W + x]) for x in range(W)) for y in range(H)]
        hand_written_png(folder / (name + ".png"), W, H, rows, 2 if channels == 3 else 6)
        expected = [tuple(reduce16(v) for v in value[:3]) + ((reduce16(value[3]),) if channels == 4 else (255,)) for value in values]
        (folder / (name + ".bgra")).write_bytes(bgra(expected))
        manifest.append(f"image {name} {W} {H}")

    # Font sheets: grey as it is; colours by their luminance (Pillow's own "L" conversion).
    levels = [(x * 3 + y * 5 + (x * y) % 7) % 256 for y in range(256) for x in range(256)]
    sheet = Image.new("L", (256, 256))
    sheet.putdata(levels)
    sheet.save(folder / "sheet-grey.png")
    (folder / "sheet-grey.grey").write_bytes(bytes(levels))
    coloured = Image.new("RGB", (256, 256))
    coloured.putdata([colour(x, y) for y in range(256) for x in range(256)])
    coloured.save(folder / "sheet-rgb.png")
    (folder / "sheet-rgb.grey").write_bytes(coloured.convert("L").tobytes())
    manifest += ["font sheet-grey 256 256", "font sheet-rgb 256 256"]

    (folder / "manifest.txt").write_text("\n".join(manifest) + "\n")
    print(f"wrote {len(manifest)} pictures with Pillow {Image.__version__}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
