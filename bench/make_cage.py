#!/usr/bin/env python3
"""Writes a stand-in cage file: lines shaped like a real cage file's
("C  3.484500  -0.694521  0.000000", LF ends), either a given number of lines
or at least a given number of bytes.

    make_cage.py --lines N PATH
    make_cage.py --bytes N PATH
"""
import argparse
import random
import sys

BLOCK_LINES = 32768  # distinct lines; a large file repeats them, which a copy does not notice


def cage_lines(count, seed=1280):
    rng = random.Random(seed)
    # Coordinates of a large cage span some 20 Angstrom either side of the centre.
    return "".join("C  %f  %f  %f\n" % (rng.uniform(-20, 20), rng.uniform(-20, 20),
                                         rng.uniform(-20, 20)) for _ in range(count)).encode()


def write_lines(path, count):
    with open(path, "wb") as out:
        out.write(cage_lines(count))


def write_bytes(path, size):
    block = cage_lines(BLOCK_LINES)
    with open(path, "wb") as out:
        written = 0
        while written + len(block) <= size:
            out.write(block)
            written += len(block)
        # The rest up to the size, rounded up to a whole line.
        rest = block[:size - written]
        if rest and not rest.endswith(b"\n"):
            rest = block[:block.index(b"\n", len(rest)) + 1]
        out.write(rest)


def main():
    parser = argparse.ArgumentParser(description="Writes a stand-in cage file.")
    group = parser.add_mutually_exclusive_group(required=True)
    group.add_argument("--lines", type=int, help="number of lines")
    group.add_argument("--bytes", type=int, help="least size in bytes")
    parser.add_argument("path")
    args = parser.parse_args()
    try:
        if args.lines is not None:
            write_lines(args.path, args.lines)
        else:
            write_bytes(args.path, args.bytes)
    except OSError as error:
        sys.exit(f"make_cage.py: {args.path}: {error.strerror}")


if __name__ == "__main__":
    main()
