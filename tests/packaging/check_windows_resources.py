"""Reads the resources back from built Windows programs and checks them: an icon of 16 to 256
pixels named IDI_ICON1 (the name under which Qt gives it to every window's title bar and the
task bar), a version resource naming the product, its version and the program, and an application
manifest that asks for long paths, UTF-8 as the code page, per-monitor (v2) DPI awareness and
names Windows 10 and 11.

Usage: check_windows_resources.py VERSION PROGRAM.exe=DESCRIPTION...
"""
import re
import struct
import sys

RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 14, 16, 24
MANIFEST = (r"<longPathAware [^>]*>true<", r"<activeCodePage [^>]*>UTF-8<", r"<dpiAwareness [^>]*>PerMonitorV2<",
            r'<supportedOS Id="\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}"')  # Windows 10 and 11


def resources(exe, names=None):
    """{type: first resource of that type} from the PE file's resource directory; names, when
    given, gets {type: the first resource's name, or its number}."""
    data = open(exe, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    directories = optional + (112 if struct.unpack_from("<H", data, optional)[0] == 0x20B else 96)
    rsrc = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    if not rsrc:
        return {}
    spans = [struct.unpack_from("<8xIIII", data, optional + optional_size + 40 * k) for k in range(sections)]

    def at(rva):
        return next(raw + rva - address for size, address, raw_size, raw in spans
                    if address <= rva < address + max(size, raw_size))

    base = at(rsrc)

    def first_entries(offset):
        named, numbered = struct.unpack_from("<12xHH", data, base + offset)
        return [struct.unpack_from("<II", data, base + offset + 16 + 8 * k) for k in range(named + numbered)]

    def name_of(entry):
        if not entry & 0x80000000:
            return entry
        length = struct.unpack_from("<H", data, base + (entry & 0x7FFFFFFF))[0]
        start = base + (entry & 0x7FFFFFFF) + 2
        return data[start:start + 2 * length].decode("utf-16-le")

    found = {}
    for kind, entries in first_entries(0):
        name, languages = first_entries(entries & 0x7FFFFFFF)[0]
        if names is not None:
            names[kind] = name_of(name)
        _, leaf = first_entries(languages & 0x7FFFFFFF)[0]
        rva, size = struct.unpack_from("<II", data, base + leaf)
        found[kind] = data[at(rva):at(rva) + size]
    return found


def check(exe, description, version):
    names = {}
    found = resources(exe, names)
    problems = []
    if names.get(RT_GROUP_ICON) != "IDI_ICON1":
        problems.append(f"the icon is resource {names.get(RT_GROUP_ICON)!r}, not IDI_ICON1, so windows show a generic one")
    group = found.get(RT_GROUP_ICON, b"\0" * 6)
    sizes = sorted(group[6 + 14 * k] or 256 for k in range(struct.unpack_from("<H", group, 4)[0]))
    if not {16, 24, 32, 48, 256} <= set(sizes):
        problems.append(f"icon sizes {sizes}, wanted 16 to 256")
    # Each string of the version resource is its name, padding and its value, in UTF-16.
    strings = found.get(RT_VERSION, b"").decode("utf-16-le", "replace")
    name = exe.replace("\\", "/").rsplit("/", 1)[-1]
    for key, value in (("ProductName", "Tessary"), ("ProductVersion", version), ("FileVersion", version),
                       ("FileDescription", description), ("CompanyName", "Quenby's Tools"), ("OriginalFilename", name)):
        if not re.search(key + "\0+" + re.escape(value) + "\0", strings):
            problems.append(f"the version resource lacks {key} {value!r}")
    fixed = found.get(RT_VERSION, b"").find(struct.pack("<I", 0xFEEF04BD))
    major, minor = (int(part) for part in version.split(".")[:2])
    if fixed < 0 or struct.unpack_from("<8xI", found[RT_VERSION], fixed)[0] != (major << 16 | minor):
        problems.append(f"the fixed file version is not {version}")
    manifest = found.get(RT_MANIFEST, b"").decode("utf-8", "replace")
    problems += [f"the manifest lacks {wanted}" for wanted in MANIFEST if not re.search(wanted, manifest)]
    print(f"{exe}: icon {sizes} px; version resource of {len(found.get(RT_VERSION, b''))} bytes; "
          f"manifest of {len(manifest)} characters")
    return problems


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    problems = []
    for argument in sys.argv[2:]:
        exe, description = argument.split("=", 1)
        problems += [f"{exe}: {p}" for p in check(exe, description, sys.argv[1])]
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
