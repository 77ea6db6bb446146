#!/usr/bin/env python3
"""Writes the seeds of game_font_fuzzer: small pk3 files holding a 2 x 2 font sheet as the
zip forms the game meets (stored, deflated, with a data descriptor, zip64 records)."""
import os
import struct
import zlib

SHEET = "gfx/2d/bigchars.tga"
# An uncompressed 32-bit Targa picture of 2 x 2 pixels.
TGA = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, 2, 2, 32, 8) + bytes(range(16))


def archive(entries, zip64=False):
    """entries: (name, data, method, descriptor) tuples."""
    body, central = b"", b""
    for name, data, method, descriptor in entries:
        name = name.encode()
        packed = zlib.compress(data)[2:-4] if method == 8 else data
        crc = zlib.crc32(data)
        flags = 8 if descriptor else 0
        offset = len(body)
        sizes = (0, 0, 0) if descriptor else (crc, len(packed), len(data))
        body += struct.pack("<IHHHI3IHH", 0x04034B50, 20, flags, method, 0, *sizes, len(name), 0) + name + packed
        if descriptor:
            body += struct.pack("<4I", 0x08074B50, crc, len(packed), len(data))
        if zip64:
            extra = struct.pack("<HH3Q", 1, 24, len(data), len(packed), offset)
            claims = (0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF)
        else:
            extra = b""
            claims = (len(packed), len(data), offset)
        central += struct.pack("<IHHHHIIIIHHHHHII", 0x02014B50, 45 if zip64 else 20, 45 if zip64 else 20, flags,
                               method, 0, crc, claims[0], claims[1], len(name), len(extra), 0, 0, 0, 0,
                               claims[2]) + name + extra
    start = len(body)
    out = body + central
    if zip64:
        end64 = len(out)
        out += struct.pack("<IQHHIIQQQQ", 0x06064B50, 44, 45, 45, 0, 0, len(entries), len(entries), len(central), start)
        out += struct.pack("<IIQI", 0x07064B50, 0, end64, 1)
        return out + struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 0xFFFF, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0)
    return out + struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(entries), len(entries), len(central), start, 0)


SEEDS = {
    "stored": archive([(SHEET, TGA, 0, False)]),
    "deflated": archive([(SHEET, TGA, 8, False)]),
    "stored_descriptor": archive([(SHEET, TGA, 0, True)]),
    "deflated_descriptor": archive([(SHEET, TGA, 8, True)]),
    "zip64": archive([(SHEET, TGA, 0, False)], zip64=True),
    "several_entries": archive([("maps/q3dm1.bsp", b"map", 0, False), ("GFX\\2D\\BigChars.TGA", TGA, 8, False),
                                ("gfx/2d/", b"", 0, False), (SHEET, TGA, 0, True)]),
}

if __name__ == "__main__":
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds", "game_font_fuzzer")
    os.makedirs(folder, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(folder, name), "wb") as seed:
            seed.write(data)
