#!/usr/bin/env python3
"""Writes a Windows icon file holding the given PNG pictures, one entry each.

Usage: make-ico.py OUT.ico PICTURE.png...
Each picture is stored as PNG, as Windows Vista and later read icons; its size is
read from the PNG header.
"""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("make-ico: not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main():
    out, pictures = sys.argv[1], sys.argv[2:]
    images = [open(path, "rb").read() for path in pictures]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for data in images:
        width, height = png_size(data)
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset + len(blobs))
        blobs += data
    with open(out, "wb") as ico:
        ico.write(header + entries + blobs)


if __name__ == "__main__":
    main()
