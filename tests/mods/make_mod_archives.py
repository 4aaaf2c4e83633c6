"""Makes the mod archives the mod tests install, before the tests run (so that a Windows build
under Wine, which can't start this Python, installs them too): with Python's zipfile and
tarfile and, where Debian's 7zip is installed, 7zz.

Usage: make_mod_archives.py FOLDER

The archives fit the test game folder of tests/support (GameFolderBuilder::makeCatalogue(12)):
image n is (n + 1) x (n + 2) pixels. A file's bytes follow pattern(tone, size), which the tests
compute alike. Writes have-7z.txt when 7zz made the .7z archives.
"""
import io
import os
import shutil
import struct
import subprocess
import sys
import tarfile
import tempfile
import zipfile
from pathlib import Path

SLOTS = 12
FONTS = ["badfont1000.gpf", "New_Font1000.gpf", "style_font1250.gpf", "style_font_large1250.gpf",
         "style_font_low_blur1250.gpf", "texttest1250.gpf"]


def pattern(tone, size):
    return bytes((k * 7 + tone * 13 + (k >> 8)) & 0xFF for k in range(size))


def gpi(n, width=None, height=None, tone=None):
    """Image n of the test game at its own size (or another), with a pattern of its own."""
    width = width or n + 1
    height = height or n + 2
    return pattern(tone if tone is not None else 100 + n, width * height * 4)


def entry(lead, width, height, blocks=(), trailer=b"\0" * 32):
    return struct.pack("<IHii", lead, len(blocks), width, height) + b"".join(blocks) + trailer


def index(slots, entries):
    """An index of slots slots; entries maps an image number to its entry bytes, the others are 1 x 1."""
    body = b"".join(entries.get(n, entry(0, 1, 1)) for n in range(1, slots))
    return struct.pack("<iI", slots, 0x12345678) + body


def font(tone):
    """A font file with an empty table (the test game's fonts have tables): only its sheet counts."""
    return struct.pack("<iHII", 0, 0, 0, 0) + pattern(tone, 65536)


def tga(width, height, tone):
    """An uncompressed 32-bit TGA, top row first."""
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, width, height, 32, 0x28)
    return header + pattern(tone, width * height * 4)


def grey_tga(tone):
    """An uncompressed 8-bit grey 256 x 256 TGA (a font sheet), top row first."""
    return struct.pack("<BBBHHBHHHHBB", 0, 0, 3, 0, 0, 0, 0, 0, 256, 256, 8, 0x20) + pattern(tone, 65536)


def png(width, height):
    """A 1-bit grey PNG of width x height black pixels: a few kilobytes that decode to width x height x 4 bytes."""
    import zlib

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    row = b"\0" * (1 + (width + 7) // 8)
    packer = zlib.compressobj(9)
    body = b"".join(packer.compress(row) for _ in range(height)) + packer.flush()
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 1, 0, 0, 0, 0))
            + chunk(b"IDAT", body) + chunk(b"IEND", b""))


def write_zip(path, files):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in files:
            archive.writestr(name, data)


def tar_member(name, data=b"", kind=tarfile.REGTYPE, link=""):
    info = tarfile.TarInfo(name)
    info.type = kind
    info.size = len(data) if kind == tarfile.REGTYPE else 0
    info.linkname = link
    info.mode = 0o644
    return info, io.BytesIO(data) if kind == tarfile.REGTYPE else None


def write_tar(path, members, mode="w", **options):
    with tarfile.open(path, mode, **options) as archive:
        for member in members:
            archive.addfile(*member)


def seven_zip(path, files, password=None):
    with tempfile.TemporaryDirectory() as folder:
        for name, data in files:
            target = Path(folder, name)
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
        command = ["7zz", "a", "-bso0", "-bsp0", str(Path(path).resolve())] + ([f"-p{password}", "-mhe=off"] if password else [])
        # 7zz reads the names of the files by the locale: UTF-8, whatever the test was started in.
        subprocess.run(command + [name.split("/")[0] for name in sorted({n.split("/")[0] for n, _ in files})],
                       cwd=folder, check=True, env=dict(os.environ, LC_ALL="C.UTF-8"))


def game_layout(out, have_7z):
    data = "MenuData/PC/GP2001/"
    write_zip(out / "layout.zip", [("City Lights v2/" + data + "images/3.gpi", gpi(3)),
                                   ("City Lights v2/readme.txt", b"Copy MenuData into your game folder.\n")])
    write_tar(out / "layout.tar.xz", [tar_member("Gp2001.gph", index(SLOTS, {2: entry(0xB0B0, 8, 8)})),
                                      tar_member("images/2.gpi", gpi(2, 8, 8))], "w:xz")
    if have_7z:
        seven_zip(out / "layout.7z", [("mymod/images/4.gpi", gpi(4)), ("mymod/fonts/New_Font1000.gpf", font(1))])
    # Two mods that both ship the index, each with another image changed.
    block = b"\x33" * 16
    write_zip(out / "index-a.zip", [("Gp2001.gph", index(SLOTS, {3: entry(0xAAAA0003, 10, 10, [block], b"\x44" * 32)})),
                                    ("images/3.gpi", gpi(3, 10, 10, 30))])
    write_zip(out / "index-b.zip", [("GP2001/Gp2001.gph", index(SLOTS, {7: entry(0xBBBB0007, 6, 6)})),
                                    ("GP2001/images/7.gpi", gpi(7, 6, 6, 70))])
    # An index of another image count: taken where it covers the mod's images, refused where not.
    write_zip(out / "index-fewer.zip", [("Gp2001.gph", index(6, {2: entry(0xCC, 3, 3)})), ("images/2.gpi", gpi(2, 3, 3, 20))])
    write_zip(out / "index-short.zip", [("Gp2001.gph", index(4, {})), ("images/5.gpi", gpi(5))])
    write_zip(out / "wrong-size.zip", [("images/6.gpi", gpi(6, 5, 5))])


def pictures(out):
    write_zip(out / "pictures.zip", [("my pictures/002.tga", tga(9, 4, 21)), ("my pictures/9.tga", tga(3, 3, 29)),
                                     ("my pictures/notes.txt", b"two pictures\n")])
    write_tar(out / "pictures.tar.gz", [tar_member("010.tga", tga(2, 5, 31)),
                                        tar_member("sheets/New_Font1000.gpf.tga", grey_tga(41))], "w:gz")


# Folder and file names in letters beyond Western European ones: (archive name, folder, note,
# first image). Python's zipfile marks such names as UTF-8, as 7-Zip does; a .7z keeps them in
# UTF-16.
LANGUAGES = [("polish", "Łódź nocą", "żółć.txt", 3), ("czech", "Příliš žluťoučký kůň", "čtěte mě.txt", 4),
             ("greek", "Ελληνικά γράμματα", "διάβασέ με.txt", 5), ("cyrillic", "Москва ночью", "прочти.txt", 6)]


def languages(out, have_7z):
    for language, folder, note, n in LANGUAGES:
        files = [(f"{folder}/images/{n}.gpi", gpi(n, tone=60 + n)), (f"{folder}/{note}", b"read me\n")]
        write_zip(out / f"{language}.zip", files)
        if have_7z:
            seven_zip(out / f"{language}.7z", files)


def older_zippers(out):
    """Names as older Windows zippers wrote them: code page 437, without the UTF-8 flag
    ("Men\x81s" is "Menüs"); patched in, as Python writes the flag for any name not ASCII."""
    zipped = zipfile_bytes([("Men#s/3.tga", tga(4, 5, 33)), ("Men#s/notiz.txt", b"Bilder\n")])
    (out / "cp437.zip").write_bytes(zipped.replace(b"Men#s/", b"Men\x81s/"))


def hostile(out, have_7z):
    good = gpi(3)
    write_zip(out / "climbs-out.zip", [("images/3.gpi", good), ("../../evil.gpi", good)])
    write_tar(out / "absolute.tar", [tar_member("images/3.gpi", good), tar_member("/tmp/evil.gpi", good)])
    write_zip(out / "drive-letter.zip", [("images/3.gpi", good), ("C:/evil.gpi", good)])
    write_tar(out / "symlink.tar", [tar_member("images/3.gpi", kind=tarfile.SYMTYPE, link="/etc/passwd")])
    write_tar(out / "hardlink.tar", [tar_member("images/4.gpi", gpi(4)), tar_member("images/3.gpi", kind=tarfile.LNKTYPE, link="images/4.gpi")])
    write_tar(out / "device.tar", [tar_member("images/3.gpi", kind=tarfile.CHRTYPE)])
    with zipfile.ZipFile(out / "duplicate.zip", "w") as archive:
        archive.writestr("images/3.gpi", good)
        archive.writestr("IMAGES/3.GPI", good)
    write_tar(out / "not-text.tar", [tar_member("images/caf\xe9.gpi", good)], format=tarfile.GNU_FORMAT, encoding="latin-1")
    write_zip(out / "zip-bomb.zip", [("images/3.gpi", bytes(64 << 20))])
    # The header promises 3 GB: refused before anything is expanded.
    info, _ = tar_member("images/3.gpi", good)
    info.size = 3 << 30
    (out / "expands-too-far.tar").write_bytes(info.tobuf(tarfile.GNU_FORMAT) + good)
    damaged = bytearray(zipfile_bytes([("images/3.gpi", pattern(5, 4000))]))
    damaged[60:70] = b"\xff" * 10
    (out / "damaged.zip").write_bytes(bytes(damaged))
    write_zip(out / "damaged-manifest.zip", [("tessary-mod.json", b'{"format": "Tessary mod package", "version": 1,'),
                                            ("images/3.png", b"")])
    # Cut off as a download not finished: a tar after its second file (no end blocks), a tar in
    # the middle of a file, a zip without its central directory, a .tar.gz without its end.
    whole = tar_bytes([tar_member("images/3.gpi", gpi(3)), tar_member("images/4.gpi", gpi(4)), tar_member("images/5.gpi", gpi(5))])
    second_end = 3 * 512 + len(gpi(4)) + (-len(gpi(4))) % 512 + len(gpi(3)) + (-len(gpi(3))) % 512 - 512
    (out / "cut-between.tar").write_bytes(whole[:second_end])
    (out / "cut-inside.tar").write_bytes(whole[:second_end + 512 + 100])
    zipped = zipfile_bytes([("images/3.gpi", gpi(3)), ("images/4.gpi", gpi(4))])
    (out / "cut-directory.zip").write_bytes(zipped[:central_directory_at(zipped) + 46 + len("images/3.gpi")])
    (out / "cut-end.tar.gz").write_bytes(gzip_bytes(whole)[:-8])
    # Damaged in the ways libarchive tells apart: no archive at all, an entry whose bytes fail
    # their CRC, an entry marked encrypted (a stored zip with the flag set in both its headers).
    (out / "not-an-archive.7z").write_bytes(b"These are notes, not an archive.\n" * 20)
    stored = bytearray(stored_zip_bytes("images/3.gpi", gpi(3)))
    stored[30 + len("images/3.gpi") + 10] ^= 0xFF
    (out / "bad-crc.zip").write_bytes(bytes(stored))
    encrypted = bytearray(stored_zip_bytes("images/3.gpi", gpi(3)))
    encrypted[6] |= 1
    encrypted[central_directory_at(bytes(encrypted)) + 8] |= 1
    (out / "encrypted-entry.zip").write_bytes(bytes(encrypted))
    # A name that holds a NUL: "images/7.gpi\0.txt", which a reader of C strings takes as 7.gpi.
    (out / "nul-name.zip").write_bytes(zipfile_bytes([("images/7.gpi#.txt", gpi(7))]).replace(b"7.gpi#.txt", b"7.gpi\0.txt"))
    # A JPEG picture under a .png name.
    write_zip(out / "jpeg-named-png.zip", [("3.png", b"\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00" + bytes(200))])
    # Small files that promise pictures far larger than any menu: one of 16384 x 16384, and five
    # of 8192 x 8192 (256 MB each decoded), together past what one mod may decode.
    write_zip(out / "huge-picture.zip", [("2.png", png(16384, 16384))])
    write_zip(out / "many-large-pictures.zip", [("%d.png" % n, png(8192, 8192)) for n in range(2, 7)])
    if have_7z:
        seven_zip(out / "encrypted.7z", [("images/3.gpi", good)], password="secret")


def tar_bytes(members):
    buffer = io.BytesIO()
    with tarfile.open(fileobj=buffer, mode="w", format=tarfile.GNU_FORMAT) as archive:
        for member in members:
            archive.addfile(*member)
    return buffer.getvalue()


def gzip_bytes(data):
    import gzip
    return gzip.compress(data, mtime=0)


def central_directory_at(zipped):
    """Where a zip's central directory begins, from its end record."""
    end = zipped.rfind(b"PK\x05\x06")
    return struct.unpack("<I", zipped[end + 16:end + 20])[0]


def stored_zip_bytes(name, data):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_STORED) as archive:
        archive.writestr(name, data)
    return buffer.getvalue()


def zipfile_bytes(files):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in files:
            archive.writestr(name, data)
    return buffer.getvalue()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    out = Path(sys.argv[1])
    shutil.rmtree(out, ignore_errors=True)
    out.mkdir(parents=True)
    have_7z = shutil.which("7zz") is not None
    game_layout(out, have_7z)
    pictures(out)
    languages(out, have_7z)
    older_zippers(out)
    hostile(out, have_7z)
    if have_7z:
        (out / "have-7z.txt").write_text("7zz made the .7z archives\n")
    print("made %d archives in %s" % (len(os.listdir(out)), out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
