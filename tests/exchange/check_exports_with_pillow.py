"""Opens .tga and .png files exported by Tessary with Pillow, an independent reader, and checks that
they hold the same size and the same pixels as the pictures they were exported from, alpha kept.

Usage: check_exports_with_pillow.py [RUNNER...] WRITER
WRITER is the helper program that writes the exports and a manifest into a folder; RUNNER is what
starts it when it is built for another system (Wine for a Windows build).
"""
import subprocess
import sys
import tempfile
from pathlib import Path

from PIL import Image


def expected_pixels(raw: bytes, mode: str) -> bytes:
    if mode == "L":
        return raw
    # Tessary keeps blue, green, red, alpha; Pillow hands out red, green, blue, alpha.
    out = bytearray(len(raw))
    out[0::4] = raw[2::4]
    out[1::4] = raw[1::4]
    out[2::4] = raw[0::4]
    out[3::4] = raw[3::4]
    return bytes(out)


def check(folder: Path, line: str) -> list:
    name, mode, width, height, raw_name = line.split()
    size = (int(width), int(height))
    problems = []
    with Image.open(folder / name) as image:
        expected_format = Path(name).suffix[1:].upper()
        if image.format != expected_format:
            problems.append(f"{name}: Pillow reads it as {image.format}, not {expected_format}")
        if image.size != size:
            problems.append(f"{name}: Pillow sees {image.size}, exported {size}")
        if image.mode != mode:
            problems.append(f"{name}: Pillow sees mode {image.mode}, expected {mode}")
        if problems:
            return problems
        seen = image.tobytes()
    wanted = expected_pixels((folder / raw_name).read_bytes(), mode)
    if len(seen) != len(wanted):
        return [f"{name}: {len(seen)} pixel bytes, expected {len(wanted)}"]
    if seen != wanted:
        first = next(k for k in range(len(seen)) if seen[k] != wanted[k])
        per_pixel = 4 if mode == "RGBA" else 1
        pixel = first // per_pixel
        problems.append(f"{name}: pixel ({pixel % size[0]}, {pixel // size[0]}) differs: "
                        f"Pillow {seen[pixel * per_pixel:(pixel + 1) * per_pixel].hex()}, "
                        f"exported {wanted[pixel * per_pixel:(pixel + 1) * per_pixel].hex()}")
    if mode == "RGBA" and size[0] * size[1] > 1:
        alphas = set(seen[3::4])
        if not any(0 < a < 255 for a in alphas) or 0 not in alphas:
            problems.append(f"{name}: alpha lost, Pillow sees only {sorted(alphas)}")
    return problems


def main() -> int:
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    with tempfile.TemporaryDirectory() as temp:
        folder = Path(temp)
        subprocess.run([*sys.argv[1:], str(folder)], check=True)
        lines = (folder / "exports.txt").read_text().splitlines()
        if not lines:
            print("the writer exported nothing", file=sys.stderr)
            return 1
        problems = [p for line in lines for p in check(folder, line)]
        for problem in problems:
            print(problem, file=sys.stderr)
        print(f"{len(lines)} exported files checked with Pillow {Image.__version__}, {len(problems)} problems")
        return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
