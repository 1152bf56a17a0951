#!/usr/bin/env python3
"""Packs packaging/icons/*/gb18306.png into packaging/windows/gb18306.ico, every size stored as
PNG (Windows Vista and later read those): tools/windows-icon.py. Run it after redrawing the icons."""
import pathlib
import struct

root = pathlib.Path(__file__).resolve().parent.parent
sizes = sorted(int(p.parent.name.split("x")[0]) for p in (root / "packaging/icons").glob("*/gb18306.png"))
# Windows' icon directory holds sizes up to 256; larger images would be ignored.
sizes = [s for s in sizes if s <= 256]
images = [(root / f"packaging/icons/{s}x{s}/gb18306.png").read_bytes() for s in sizes]
out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
offset = 6 + 16 * len(images)
for size, data in zip(sizes, images):
    edge = 0 if size == 256 else size
    out += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
for data in images:
    out += data
(root / "packaging/windows/gb18306.ico").write_bytes(bytes(out))
