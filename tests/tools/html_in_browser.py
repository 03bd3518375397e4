#!/usr/bin/env python3
"""The HTML roster as a browser sees it: velk writes the page of Ward 3A for December 2026 from
examples/ward.json, headless Chromium renders it to a PNG and dumps the DOM it built, and we check
what a planner would look for: one row per employee of the ward, a column for each day of the
month, the shortfalls marked in the staffing rows, and a picture that is not blank.

Usage: html_in_browser.py VELK [OUTDIR]   (run from the source folder; make check does)"""
import html.parser
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

GROUP, MONTH, DAYS = "2", "2026-12", 31
# Ward 3A and its night team: Anna, Ben, Clara, David, Eva, Felix, Greta, Hannes, Lukas.
EMPLOYEES = {"100", "101", "102", "103", "104", "105", "106", "107", "111"}
# Fewer planned than the minimum (worked out from the rota in examples/ward.json): the late shift
# on 1 December (Lukas not yet there) and on 14 December (Ben off sick); the early shift on the
# weekend of 5 and 6 December and on New Year's Eve (Felix on leave).
SHORTFALLS = {("L", "2026-12-01"), ("L", "2026-12-14"), ("E", "2026-12-05"), ("E", "2026-12-06"),
              ("E", "2026-12-31")}


class Roster(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.employees, self.days, self.short = [], [], set()
        self.section, self.shift, self.column = None, None, 0

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        classes = (a.get("class") or "").split()
        if tag in ("thead", "tbody", "tfoot"):
            self.section = tag
        elif tag == "tr":
            self.column = 0
            self.shift = a.get("data-shift")
            if "employee" in classes:
                self.employees.append(a.get("data-id"))
        elif tag == "th" and self.section == "thead" and "day" in classes:
            self.days.append(a.get("data-date"))
        elif tag == "td":
            if self.section == "tfoot" and self.shift and "short" in classes:
                self.short.add((self.shift, self.days[self.column]))
            self.column += 1


def png_colours(path):
    """The distinct colours of an 8-bit RGB or RGBA PNG, as Chromium writes them."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, chunks, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks += body
        pos += 12 + length
    width, height, depth, colour_type = header[:4]
    assert depth == 8 and colour_type in (2, 6), "unexpected PNG format %s" % (header,)
    bpp = 3 if colour_type == 2 else 4
    raw, stride = zlib.decompress(chunks), width * bpp
    previous, colours = bytearray(stride), set()
    for y in range(height):
        filter_type = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up, corner = previous[i], previous[i - bpp] if i >= bpp else 0
            if filter_type == 1:
                line[i] = (line[i] + left) & 0xFF
            elif filter_type == 2:
                line[i] = (line[i] + up) & 0xFF
            elif filter_type == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif filter_type == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        colours.update(bytes(line[i:i + 3]) for i in range(0, stride, bpp))
        previous = line
    return width, height, colours


def main():
    velk = os.path.abspath(sys.argv[1])
    out = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp(prefix="velk-html-")
    os.makedirs(out, exist_ok=True)
    page, png = os.path.join(out, "roster.html"), os.path.join(out, "roster.png")
    subprocess.run([velk, "html", "examples/ward.json", "--group", GROUP, "--month", MONTH,
                    "-o", page], check=True)
    browser = shutil.which("chromium") or shutil.which("chromium-browser")
    if not browser:
        sys.exit("chromium is not installed (tools/ensure-deps.sh browser)")
    flags = [browser, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars"]
    url = "file://" + os.path.abspath(page)
    dom = subprocess.run(flags + ["--dump-dom", url], check=True, capture_output=True,
                         text=True, timeout=120).stdout
    subprocess.run(flags + ["--screenshot=" + png, "--window-size=1400,700", url], check=True,
                   capture_output=True, timeout=120)

    roster = Roster()
    roster.feed(dom)
    failures = []
    if sorted(roster.employees) != sorted(EMPLOYEES):
        failures.append("employee rows %s, expected %s" % (roster.employees, sorted(EMPLOYEES)))
    expected_days = ["%s-%02d" % (MONTH, d) for d in range(1, DAYS + 1)]
    if roster.days != expected_days:
        failures.append("day columns %s, expected the %d days of %s" % (roster.days, DAYS, MONTH))
    if roster.short != SHORTFALLS:
        failures.append("shortfalls %s, expected %s" % (sorted(roster.short), sorted(SHORTFALLS)))
    width, height, colours = png_colours(png)
    if len(colours) < 8:
        failures.append("the screenshot has %d colours: blank?" % len(colours))
    for failure in failures:
        print("FAIL:", failure)
    print("%s: %d employees, %d days, %d shortfalls; %s %dx%d, %d colours" %
          (page, len(roster.employees), len(roster.days), len(roster.short), png, width, height,
           len(colours)))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
