#!/usr/bin/env python3
"""Whether two outputs of a study are the same text but for numbers that differ in their last
bits: the C libraries of two builds may round exp, pow and log differently in the last place.
Usage: same_numbers.py FILE_A FILE_B [RELATIVE]; prints the first difference and exits 1 when
they differ. RELATIVE (1e-13 unless given) is how far apart, relative to the larger, two numbers
may be.
"""
import math
import re
import sys

TOKENS = re.compile(r'[^,:\[\]{}"\s]+|.', re.S)


def close(a, b, relative):
    try:
        x, y = float(a), float(b)
    except ValueError:
        return False
    if math.isnan(x) or math.isnan(y):
        return math.isnan(x) and math.isnan(y)
    return abs(x - y) <= relative * max(abs(x), abs(y))


def main():
    relative = float(sys.argv[3]) if len(sys.argv) > 3 else 1e-13
    with open(sys.argv[1]) as a, open(sys.argv[2]) as b:
        first, second = TOKENS.findall(a.read()), TOKENS.findall(b.read())
    for x, y in zip(first, second):
        if x != y and not close(x, y, relative):
            print(f"{x} against {y}")
            return 1
    if len(first) != len(second):
        print("one output is longer than the other")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
