#!/usr/bin/env python3
# Writes the tests' small page in the shape of the web build's output folder (build-web/web):
# index.html, sixdice-page.js, sixdice.js, a WebAssembly module, data files under their plain
# names and manifest.json.
#   make_fixture.py OUT
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
import json
import os
import random
import shutil
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# A module exporting shade(x) = 2x + 1, padded with a custom section so that it compresses.
WASM = bytes.fromhex(
    "0061736d01000000"
    "0106016001" "7f017f"  # type (i32) -> i32
    + "03020100"  # one function of type 0
    + "0709010573686164650000"  # export "shade" = function 0
    + "0a0c010a0020004102" + "6c41016a0b"  # body: local.get 0, i32.const 2, mul, i32.const 1, add
)


def leb(n):
    out = bytearray()
    while True:
        byte = n & 0x7F
        n >>= 7
        if n:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def padded_wasm():
    payload = b"\x03pad" + bytes(200_000)
    return WASM + b"\x00" + leb(len(payload)) + payload


def icon_png():
    """A 16x16 gold square as PNG."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = b"".join(b"\x00" + b"\xde\xaa\x2e" * 16 for _ in range(16))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def main():
    out = sys.argv[1]
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(os.path.join(out, "hudba"))
    for name in ("index.html", "sixdice-page.js", "sixdice.js"):
        shutil.copy(os.path.join(HERE, "fixture", name), os.path.join(out, name))
    files = {
        "nastaveni.zrk": "menu.ogg\r\nhra.ogg\r\nEN\r\n".encode("cp1250"),
        "grafika_en.zrk": ("TPF0 picture list " * 4000).encode(),
        "pravidla.htm": '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Pravidla</title>'
                        "<style>body{color:#222}</style></head><body><p>Šest kostek</p></body></html>\n"
                        .encode(),
    }
    noise = random.Random(43)
    files["hudba/menu.ogg"] = b"OggS" + bytes(noise.getrandbits(8) for _ in range(30_000))
    for name, content in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(content)
    with open(os.path.join(out, "icon.png"), "wb") as f:
        f.write(icon_png())
    with open(os.path.join(out, "sixdice.wasm"), "wb") as f:
        f.write(padded_wasm())
    manifest = {
        "files": {name: {"url": name, "bytes": len(content)} for name, content in files.items()},
        "scripts": {"sixdice.js": "sixdice.js", "sixdice.wasm": "sixdice.wasm"},
    }
    with open(os.path.join(out, "manifest.json"), "w") as f:
        json.dump(manifest, f, indent=1)


if __name__ == "__main__":
    main()
