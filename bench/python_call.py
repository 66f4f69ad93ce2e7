#!/usr/bin/env python3
"""The cost of one call of a small method from Python, in process, through
import korbit (ctypes over libkorbit.so.1). The target: 10 microseconds a
call; the program exits 1 when a method of the table passes it.

  PYTHONPATH=build/release/python /usr/bin/python3 bench/python_call.py [--calls N]

Each line is the best of five runs of N calls, and, for comparison, the same
call with the binding's work left out (libkorbit.so.1 called directly with
values built beforehand).
"""

import argparse
import ctypes
import sys
import timeit

import korbit
from korbit import _library as lib

TARGET_MICROSECONDS = 10.0


def best(statement, namespace, calls):
    return min(timeit.repeat(statement, number=calls, repeat=5, globals=namespace)) / calls * 1e6


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--calls", type=int, default=20000)
    args = parser.parse_args()

    c = korbit.Control()
    sha = korbit.SHA256()
    namespace = {"c": c, "sha": sha, "korbit": korbit}
    cases = [
        ("GetFileExt", 'c.GetFileExt("a.TXT")'),
        ("IsLeapYear", "c.IsLeapYear(2024)"),
        ("KilogramsToPounds", "c.KilogramsToPounds(2.5)"),
        ("SHA256", 'sha.SHA256("abc")'),
        ("ConvertHexDecBinary", 'c.ConvertHexDecBinary("255", korbit.MathTypes.Math_Decimal, '
                                'korbit.MathTypes.Math_Hexidecimal)'),
    ]

    # The library alone: GetFileExt with its argument built once.
    dispid = ctypes.c_int32()
    lib.dispatch_id(c._handle, b"GetFileExt", ctypes.byref(dispid))
    values = (lib.InValue * 1)()
    korbit._types.CONVERTER.put(values[0], "a.TXT")
    result = ctypes.POINTER(lib.OutValue)()
    namespace.update(lib=lib, dispid=dispid.value, values=values, out=ctypes.byref(result), one=ctypes.c_size_t(1))
    library_alone = best("lib.invoke(c._handle, dispid, 1, values, one, out)", namespace, args.calls)

    print(f"{'method':24} {'us a call':>10}   (target {TARGET_MICROSECONDS:g} us; {args.calls} calls, best of 5)")
    over = []
    for name, statement in cases:
        cost = best(statement, namespace, args.calls)
        print(f"{name:24} {cost:10.2f}")
        if cost > TARGET_MICROSECONDS:
            over.append(name)
    print(f"{'GetFileExt, library only':24} {library_alone:10.2f}")
    if over:
        print(f"over the target: {', '.join(over)}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
