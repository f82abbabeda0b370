#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into corpus/<target>/seed-*.

Seeds are made from small archives, sound and damaged as crashes and other programs leave them,
laid out as each target reads its input (see the comment at the top of each *_fuzz.cpp). Files
named regression-* are inputs of faults found and fixed: this script leaves them alone.

    tests/fuzz/make_corpus.py        # rewrite every seed
"""

import datetime
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"
SLOT = datetime.timedelta(minutes=5)
END = datetime.datetime(2026, 4, 20, 10, 0, 0)  # end of the newest five-minute period


def record(t, received, sent):
    return f"F{t:%d/%m/%Y %H:%M:%S}D{received}U{sent}\r\n".encode()


def recent(count, end=END, received=4096, sent=512):
    """Records of the last `count` periods before `end`, oldest first, traffic rising."""
    return b"".join(
        record(end - SLOT * (count - 1 - i), received * (i + 1), sent * (i + 1)) for i in range(count)
    )


def sparse():
    """One record a day over six weeks, then one a month over a year: every period has columns."""
    lines = [record(END - datetime.timedelta(days=30 * m), 10**9, 10**8) for m in range(12, 1, -1)]
    lines += [record(END - datetime.timedelta(days=d, minutes=5), 5 * 10**7, 10**6) for d in range(42, 0, -1)]
    return b"".join(lines)


ARCHIVES = {
    "sound": recent(24),
    "sparse-year": sparse() + recent(6),
    # A write torn by a crash, then the next append glued to it.
    "torn-and-glued": recent(4) + record(END, 1, 2)[:17] + recent(3, END + SLOT * 3),
    "torn-last-line": recent(6) + record(END + SLOT, 77, 88)[:25],
    "lone-lf-and-empty-lines": recent(3).replace(b"\r\n", b"\n") + b"\n\r\n\n" + recent(2, END + SLOT * 2),
    "junk-and-long-line": b"\x00\xff" * 40 + b"\n" + b"F" + b"9" * 300 + b"\r\n" + recent(3) + b"garbage without end",
    "bad-fields": b"".join([
        b"F31/02/2026 10:00:00D100U200\r\n",          # no such day
        b"F20/04/2026 24:00:00D100U200\r\n",          # no such hour
        b"F20/04/2026 09:00:00D100\r\n",              # no sent count
        b"F20/04/2026 09:05:00D18446744073709551616U1\r\n",  # 2^64
        b"F20/04/2026 09:10:00D9223372036854775808U9223372036854775807\r\n",  # 2^63, 2^63 - 1
        b"F20/04/2026 09:15:00D12a4U-5\r\n",          # not numbers
        b"F2/4/2026 9:20:00D1U2\r\n",                 # short fields
        b"F29/02/2028 23:55:00D600U300\r\n",          # a Gregorian leap day
    ]) + recent(2),
    "empty": b"",
}


FAR_GRADUATIONS = [999, 1000, 500, 32767, 2**31 - 1, -(2**31)]


def graduation_code(count):
    return count + 5 if -5 <= count < 45 else 250 + FAR_GRADUATIONS.index(count)


def trace_block(period, left_to_right, width, height, full_scale, graduations, when,
                automatic=False, octets=False, peaks=True, comma=False):
    """One trace of the history graph target; width and height -5 to 44."""
    flags = left_to_right | octets << 1 | automatic << 2 | peaks << 3 | comma << 4
    return struct.pack(
        "<BBBBBqBhbbbbb",
        flags, period + 1, period, width + 5, height + 5, full_scale, graduation_code(graduations),
        when.year, when.month, when.day, when.hour, when.minute, when.second,
    )


def totals_header(today, comma):
    return struct.pack("<HBBB", today.year - 1, today.month - 1, today.day - 1, comma)


def settings_input(flags, interfaces, values):
    """values: (choice, value) with choice a global index, ("if", i) an interface value or a name."""
    out = struct.pack("<BB", flags, len(interfaces))
    for name in interfaces:
        out += struct.pack("<B", len(name)) + name
    for choice, value in values:
        if isinstance(choice, tuple):
            choice = 29 + choice[1]
            name = b""
        elif isinstance(choice, bytes):
            choice, name = 127, choice
        else:
            name = b""
        out += struct.pack("<B", choice << 1 | isinstance(value, bytes))
        if name:
            out += struct.pack("<B", len(name)) + name
        out += struct.pack("<B", len(value)) + value if isinstance(value, bytes) else struct.pack("<i", value)
    return out


GLOBALS = ["Graphfile", "Autorec", "Legende", "Tous", "Vmax", "aot", "Unite", "Unite2", "tracegraph",
           "micro", "Gradu", "Echelle", "Vitesse", "Gradu2", "Gradu3", "Echelle2", "Vitesse2", "Type",
           "width", "height", "top", "left", "lrec", "lenv", "lrep", "lenp", "lint", "firstlaunch",
           "Type moyenne"]
STRINGS = {"Graphfile", "lrec", "lenv", "lrep", "lenp", "lint"}


def g(name):
    return GLOBALS.index(name)


def seeds():
    s = {}
    s["record"] = {
        "sound": record(END, 123456, 7890)[1:-2],
        "large-counts": record(END, 2**63 - 1, 2**64 - 1)[1:-2],
        "no-sent-count": b"20/04/2026 10:00:00D42",
        "short": b"20/04/20",
        "letters-and-signs": b"2x/04/2026 1O:00:00D+12U-3",
        "empty": b"",
    }
    s["record_scanner"] = {
        f"{name}-block-{size}": struct.pack("<H", size) + ARCHIVES[name]
        for name, size in [("sound", 0), ("sound", 64), ("torn-and-glued", 7), ("torn-last-line", 1),
                           ("lone-lf-and-empty-lines", 30), ("junk-and-long-line", 255),
                           ("bad-fields", 4096), ("sparse-year", 100)]
    }
    now = END + datetime.timedelta(minutes=2)
    s["history_graph"] = {
        "day-both-directions": trace_block(0, 1, 44, 40, 65536, 8, now) + trace_block(0, 0, 30, 40, 65536, 8, now) + ARCHIVES["sound"],
        "week-automatic": trace_block(1, 1, 44, 30, 1, 4, now, automatic=True) + trace_block(1, 0, 30, 20, 1 << 40, 999, now, octets=True) + ARCHIVES["sparse-year"],
        "month-bits-comma": trace_block(2, 0, 44, 44, 1310720, 10, now, comma=True) + trace_block(2, 1, 5, 0, 3, 1, now) + ARCHIVES["sparse-year"],
        "year-then-day": trace_block(3, 1, 40, 30, 131072, 5, now, peaks=False) + trace_block(0, 1, 1, 1, -7, -3, now) + ARCHIVES["sparse-year"],
        "damaged-archive": trace_block(0, 0, 40, 44, 2**31 - 1, 0, now, automatic=True) + trace_block(3, 0, 44, 44, 2**62, 32767, datetime.datetime(2028, 3, 1, 0, 3)) + ARCHIVES["bad-fields"],
        "torn-archive": trace_block(1, 1, 20, 20, 100, 3, now) + trace_block(2, 1, 20, 20, 100, 3, now) + ARCHIVES["torn-and-glued"],
    }
    today = END.date()
    s["totals"] = {
        "sound-today": totals_header(today, 1) + ARCHIVES["sound"],
        "sparse-year": totals_header(today, 0) + ARCHIVES["sparse-year"],
        "bad-fields-leap-month": totals_header(datetime.date(2028, 2, 29), 1) + ARCHIVES["bad-fields"],
        "torn-and-glued": totals_header(today, 0) + ARCHIVES["torn-and-glued"],
        "empty-archive": totals_header(today, 1),
        "largest-counts-two-days": totals_header(today, 0) + record(END - datetime.timedelta(days=1), 2**63 - 1, 1)
        + record(END, 2**63 - 1, 1),
    }
    saved = [(g(n), (b"00CC00" if n != "Graphfile" else b"/home/jo/eth0.mdf") if n in STRINGS else 1) for n in GLOBALS]
    s["settings_schema"] = {
        "sound-key": settings_input(2, [b"lo", b"eth0"], saved + [(("if", 0), 1), (("if", 4), 1)]),
        "huge-meter": settings_input(3, [b"eth0"], [(g("lrec"), b"00CC00"), (g("height"), 2**31 - 1), (g("width"), -5),
                                                    (g("top"), -(2**31)), (g("left"), 40000), (g("Type moyenne"), 7)]),
        "wrong-types": settings_input(2, [b"wlan0"], [(g(n), 5 if n in STRINGS else b"vrai") for n in GLOBALS]),
        "junk-names": settings_input(2, [b"eth", b"eth1"], [(b"\x00\xffjunk", b"x" * 40), (b"ETH1", 1), (b"lrec", b"zz"),
                                                           (g("Echelle"), 99), (g("Graphfile"), b"a\x00b")]),
        "empty-key": settings_input(0, [], []),
    }
    s["interface_name"] = {
        "plain": b"eth0",
        "forbidden-bytes": b"Carte r\xc3\xa9seau: Intel/Pro*1000 <LAN>|?\\\x18\x01",
        "zero-byte": b"wlan0\x00trailing junk",
        "empty": b"",
    }
    return s


def main():
    for target, files in seeds().items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for old in folder.glob("seed-*"):
            old.unlink()
        for name, content in files.items():
            (folder / f"seed-{name}").write_bytes(content)


if __name__ == "__main__":
    main()
