#!/usr/bin/env python3
"""Writes the texts of the Windows packages into a folder, with CR LF line ends:
LICENSE.txt, the license of the Debian copyright file as plain text, and
README.txt from its template, in UTF-8 with a byte order mark (Notepad reads it
as UTF-8 then).

Usage: windows-texts.py COPYRIGHT README_TEMPLATE VERSION OUT_FOLDER
"""
import os
import sys


def paragraphs(text):
    """The copyright file's paragraphs, each a list of lines."""
    return [block.splitlines() for block in text.split("\n\n") if block.strip()]


def field(paragraph, name):
    for line in paragraph:
        if line.startswith(name + ":"):
            return line[len(name) + 1:].strip()
    return None


def license_text(copyright_text):
    files, holder = None, None
    for paragraph in paragraphs(copyright_text):
        if field(paragraph, "Files") == "*":
            files = paragraph
        elif field(paragraph, "License") and field(paragraph, "Files") is None \
                and field(paragraph, "Format") is None:
            holder = paragraph
    if files is None or holder is None:
        raise SystemExit("windows-texts: no license for all files in the copyright file")
    body = []
    for line in holder[1:]:
        line = line[1:] if line.startswith(" ") else line
        body.append("" if line == "." else line)
    return "\n".join([
        "Zelvo",
        "",
        "Copyright (c) " + field(files, "Copyright"),
        "License: " + field(files, "License"),
        *([field(files, "Comment")] if field(files, "Comment") else []),
        "",
        *body,
    ]) + "\n"


def write_windows_text(path, text, bom):
    data = text.replace("\n", "\r\n").encode("utf-8")
    with open(path, "wb") as out:
        out.write((b"\xef\xbb\xbf" if bom else b"") + data)


def main():
    copyright_path, readme_path, version, folder = sys.argv[1:5]
    with open(copyright_path, encoding="utf-8") as source:
        write_windows_text(os.path.join(folder, "LICENSE.txt"), license_text(source.read()), False)
    with open(readme_path, encoding="utf-8") as source:
        readme = source.read().replace("@VERSION@", version)
    write_windows_text(os.path.join(folder, "README.txt"), readme, True)


if __name__ == "__main__":
    main()
