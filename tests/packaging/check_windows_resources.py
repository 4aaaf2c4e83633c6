"""Reads the resources back from built Windows programs and checks them: an icon of 16 to 256
pixels, a version resource naming the product, its version and the program, and an application
manifest that asks for long paths, UTF-8 as the code page, per-monitor (v2) DPI awareness and
names Windows 10 and 11.

Usage: check_windows_resources.py VERSION PROGRAM.exe=DESCRIPTION...
"""
import struct
import sys
import xml.etree.ElementTree as ElementTree

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
WINDOWS_10 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
SETTINGS_2019 = "{http://schemas.microsoft.com/SMI/2019/WindowsSettings}"


def resources(exe):
    """{type: {id: bytes}} from the PE file's resource directory (first language of each)."""
    data = open(exe, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError(f"{exe} is not a PE file")
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (112 if magic == 0x20B else 96)
    rsrc_rva, rsrc_size = struct.unpack_from("<II", data, directories + 2 * 8)
    if not rsrc_size:
        return {}
    table = optional + optional_size
    spans = [struct.unpack_from("<8xIIII", data, table + 40 * k) for k in range(sections)]

    def at(rva):
        for size, address, raw_size, raw in spans:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"RVA {rva:#x} lies in no section")

    base = at(rsrc_rva)

    def entries(offset):
        named, numbered = struct.unpack_from("<12xHH", data, base + offset)
        for k in range(named + numbered):
            name, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * k)
            yield name, target

    found = {}
    for kind, kind_dir in entries(0):
        for name, name_dir in entries(kind_dir & 0x7FFFFFFF):
            _, leaf = next(entries(name_dir & 0x7FFFFFFF))
            rva, size = struct.unpack_from("<II", data, base + leaf)
            found.setdefault(kind, {})[name] = data[at(rva):at(rva) + size]
    return found


def icon_sizes(found):
    group = next(iter(found.get(RT_GROUP_ICON, {}).values()), b"")
    sizes = []
    count = struct.unpack_from("<H", group, 4)[0] if len(group) >= 6 else 0
    for k in range(count):
        width, height, _, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * k)
        picture = found.get(RT_ICON, {}).get(icon_id, b"")
        if picture.startswith(b"\x89PNG"):
            real = struct.unpack_from(">II", picture, 16)
        else:
            real = struct.unpack_from("<ii", picture, 4) if len(picture) >= 12 else (0, 0)
            real = (real[0], real[1] // 2)
        size = width or 256
        if real != (size, (height or 256)) or bits != 32:
            raise ValueError(f"icon {icon_id}: the group says {size} px, {bits} bits; the picture is {real}")
        sizes.append(size)
    return sorted(sizes)


def version_strings(blob):
    """The StringFileInfo values and the fixed file version of a VS_VERSIONINFO resource."""
    strings = {}

    def node(offset, end):
        length, value_length, kind = struct.unpack_from("<HHH", blob, offset)
        if length < 6 or offset + length > end:
            raise ValueError(f"damaged version resource at byte {offset}")
        key_end = offset + 6
        while blob[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = blob[offset + 6:key_end].decode("utf-16-le")
        value = (key_end + 2 + 3) & ~3
        children = value + (value_length * 2 if kind == 1 else value_length)
        if kind == 1 and value_length:
            strings[key] = blob[value:value + value_length * 2].decode("utf-16-le").rstrip("\0")
        if key == "VS_VERSION_INFO":
            signature, _, ms, ls = struct.unpack_from("<IIII", blob, value)
            if signature != 0xFEEF04BD:
                raise ValueError("no fixed file version")
            strings["(file version)"] = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
        child = (children + 3) & ~3
        while child < offset + length:
            child = (node(child, offset + length) + 3) & ~3
        return offset + length

    node(0, len(blob))
    return strings


def check(exe, description, version):
    found = resources(exe)
    problems = []
    sizes = icon_sizes(found)
    if not {16, 24, 32, 48, 256} <= set(sizes):
        problems.append(f"icon sizes {sizes}, wanted 16 to 256")
    strings = version_strings(next(iter(found.get(RT_VERSION, {}).values()), b"\0" * 6))
    wanted = {"ProductName": "Tessary", "ProductVersion": version, "FileVersion": version,
              "FileDescription": description, "CompanyName": "Quenby's Tools",
              "OriginalFilename": exe.replace("\\", "/").rsplit("/", 1)[-1],
              "(file version)": version + ".0" * (4 - len(version.split(".")))}
    for key, value in wanted.items():
        if strings.get(key) != value:
            problems.append(f"version {key}: {strings.get(key)!r}, wanted {value!r}")
    manifest = found.get(RT_MANIFEST, {}).get(1)
    if not manifest:
        problems.append("no application manifest (RT_MANIFEST 1)")
    else:
        root = ElementTree.fromstring(manifest)
        settings = {element.tag: (element.text or "").strip() for element in root.iter()}
        os_ids = {element.get("Id") for element in root.iter() if element.tag.endswith("supportedOS")}
        for tag, value in ((SETTINGS_2016 + "longPathAware", "true"), (SETTINGS_2019 + "activeCodePage", "UTF-8"),
                           (SETTINGS_2016 + "dpiAwareness", "PerMonitorV2")):
            if settings.get(tag) != value:
                problems.append(f"manifest {tag.split('}')[1]}: {settings.get(tag)!r}, wanted {value!r}")
        if WINDOWS_10 not in os_ids:
            problems.append(f"manifest supportedOS: {sorted(os_ids)}, wanted Windows 10/11 {WINDOWS_10}")
    print(f"{exe}: icon {sizes} px; version {strings.get('ProductName')} {strings.get('ProductVersion')} "
          f"({strings.get('FileDescription')}); manifest of {len(manifest or b'')} bytes")
    return problems


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    version = sys.argv[1]
    problems = []
    for argument in sys.argv[2:]:
        exe, description = argument.split("=", 1)
        problems += [f"{exe}: {p}" for p in check(exe, description, version)]
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
