"""Makes the Windows program icon and the installer's header picture from the SVG icon.

Usage: make_icons.py [OUTPUT_FOLDER]   (default: the folder of this script)
Writes tessary.ico (16 to 256 pixels: 32-bit pictures with alpha, the 256-pixel one PNG
compressed, as Windows keeps them), installer-header.bmp (150 x 57, the picture at the top of
the installer's pages) and installer-welcome.bmp (164 x 314, beside its first and last page). Needs rsvg-convert (librsvg2-bin) and Pillow (python3-pil). Both files
are kept in the repository, so that a build needs neither; run this after changing the SVG.
"""
import io
import struct
import subprocess
import sys
from pathlib import Path

from PIL import Image

HERE = Path(__file__).resolve().parent
SVG = HERE.parent / "linux" / "org.quenby.Tessary.svg"
SIZES = (16, 20, 24, 32, 40, 48, 64, 128, 256)


def render(size):
    """The SVG drawn at size x size pixels by librsvg (small sizes drawn small, not shrunk)."""
    png = subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), str(SVG)],
                         check=True, capture_output=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def dib(image):
    """A 32-bit icon picture as Windows stores it: header, rows bottom first in BGRA, the
    (empty) 1-bit mask."""
    width, height = image.size
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(height)):
        row = image.crop((0, y, width, y + 1)).tobytes()
        rows.append(b"".join(bytes((row[k + 2], row[k + 1], row[k], row[k + 3])) for k in range(0, len(row), 4)))
    mask_row = ((width + 31) // 32) * 4
    return header + b"".join(rows) + bytes(mask_row * height)


def ico(pictures):
    entries, blobs = [], []
    offset = 6 + 16 * len(pictures)
    for image in pictures:
        size = image.size[0]
        if size >= 256:
            buffer = io.BytesIO()
            image.save(buffer, "PNG", optimize=True)
            blob = buffer.getvalue()
        else:
            blob = dib(image)
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(pictures)) + b"".join(entries) + b"".join(blobs)


def header_picture():
    """150 x 57, white like the page header, the icon at its right."""
    picture = Image.new("RGB", (150, 57), (255, 255, 255))
    icon = render(48)
    picture.paste(icon, (150 - 48 - 6, 4), icon)
    return picture


def welcome_picture():
    """164 x 314, the icon's dark board colours, the icon large near its top."""
    picture = Image.new("RGB", (164, 314))
    for y in range(314):
        t = y / 313
        colour = tuple(round(a + (b - a) * t) for a, b in zip((0x45, 0x5A, 0x64), (0x26, 0x32, 0x38)))
        picture.paste(colour, (0, y, 164, y + 1))
    icon = render(128)
    picture.paste(icon, ((164 - 128) // 2, 40), icon)
    return picture


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else HERE
    out.mkdir(parents=True, exist_ok=True)
    (out / "tessary.ico").write_bytes(ico([render(size) for size in SIZES]))
    header_picture().save(out / "installer-header.bmp")
    welcome_picture().save(out / "installer-welcome.bmp")
    print(f"wrote {out / 'tessary.ico'} ({', '.join(map(str, SIZES))} px), installer-header.bmp and installer-welcome.bmp")
    return 0


if __name__ == "__main__":
    sys.exit(main())
