#!/usr/bin/env python3
"""Turns a picture drawn in text ('#' filled, any other character empty, one
line per row) into a puzzle in the .zd text format on standard output."""
import sys


def runs(cells):
    lengths, run = [], 0
    for cell in cells:
        if cell == '#':
            run += 1
        elif run:
            lengths.append(run)
            run = 0
    if run:
        lengths.append(run)
    return lengths or [0]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: picture_to_zd.py PICTURE.txt > PUZZLE.zd")
    with open(sys.argv[1], encoding='utf-8') as picture_file:
        picture = [line.rstrip('\r\n') for line in picture_file if line.strip()]
    width = max(len(row) for row in picture)
    picture = [row.ljust(width, '.') for row in picture]
    lines = [f"{len(picture)} {width}"]
    lines += [' '.join(map(str, runs(row))) for row in picture]
    lines.append('')
    lines += [' '.join(map(str, runs(row[c] for row in picture))) for c in range(width)]
    sys.stdout.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
