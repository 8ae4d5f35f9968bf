#!/usr/bin/env python3
"""Turns a plain language pack into the scrambled form Mirel reads, and back.

A plain pack is a UTF-8 text file: four header lines (Version:=, Name:=,
Author:=, Folder:=), a fifth line that is not read, then sections and items
("N,caption^tool tip"). In the scrambled form every character of a line is
written as the decimal value of its code XOR the key 40715928, eight digits
wide; lines end in CR LF. Characters are written as bytes of an 8-bit code
page (Windows-1252 unless --encoding names another; "utf-8" writes the bytes
of UTF-8, which Mirel also reads).

    scripts/scramble-pack.py scripts/language/Deutsch.txt -o dist/System/Language/Deutsch.lng
    scripts/scramble-pack.py --unscramble dist/System/Language/Deutsch.lng
"""

import argparse
import os
import sys

KEY = "40715928"


def scramble_line(line, encoding):
    key = int(KEY)
    return "".join("%0*d" % (len(KEY), byte ^ key) for byte in line.encode(encoding))


def unscramble_line(line, encoding):
    key, width = int(KEY), len(KEY)
    out = bytearray()
    for i in range(0, len(line), width):
        group = line[i:i + width].strip()
        digits = ""
        for ch in group:
            if not ch.isdigit():
                break
            digits += ch
        code = (int(digits) if digits else 0) ^ key
        if 0 <= code <= 255:
            out.append(code)
        elif out:
            out.append(out[-1])
    try:
        return out.decode("utf-8")
    except UnicodeDecodeError:
        return out.decode(encoding)


def read_lines(path):
    with open(path, "rb") as f:
        text = f.read().decode("utf-8-sig")
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("input", help="the plain pack (or, with --unscramble, the pack)")
    parser.add_argument("-o", "--output", help="where to write (default: standard output)")
    parser.add_argument("--encoding", default="cp1252", help="8-bit code page of the pack")
    parser.add_argument("--unscramble", action="store_true", help="turn a pack back into text")
    args = parser.parse_args()

    try:
        lines = read_lines(args.input)
        if args.unscramble:
            out = [unscramble_line(line, args.encoding) for line in lines]
        else:
            out = [scramble_line(line, args.encoding) for line in lines]
    except (OSError, UnicodeError, LookupError) as e:
        print("scramble-pack: %s" % e, file=sys.stderr)
        return 1
    data = "".join(line + "\r\n" for line in out).encode("utf-8")
    if args.output:
        tmp = args.output + ".tmp"
        with open(tmp, "wb") as f:
            f.write(data)
        os.replace(tmp, args.output)
    else:
        sys.stdout.buffer.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
