#!/usr/bin/env python3
"""Draws the province map picture of KASTLOG from real boundaries.

Reads the province polygons (tools/data/be_provinces.geojson, Natural Earth admin-1) and the
province table of reports/map/provinces.h (codes, names, marker boxes), projects the
boundaries onto the 493 x 406 picture, and writes reports/map/provinces.svg with the borders,
the province names, the provincial capitals and the credit line.

Before writing, it checks the picture against the marker boxes the window lays over it: the
centre of every box must fall inside its own province, no name or town may sit under a box,
and no two labels may overlap. Any failure stops the script with a list of what is wrong.

    tools/make_province_map.py            check, then write the picture
    tools/make_province_map.py --check    check, and that the committed picture is current

Python 3 standard library only. The build does not run this script: the picture is generated
once and committed.
"""

import argparse
import json
import math
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
DEFAULT_DATA = os.path.join(HERE, "data", "be_provinces.geojson")
DEFAULT_HEADER = os.path.join(ROOT, "reports", "map", "provinces.h")
DEFAULT_OUT = os.path.join(ROOT, "reports", "map", "provinces.svg")

CREDIT = "Boundaries: Natural Earth (public domain)"

# Projection: longitude scaled by the cosine of the middle latitude (an equirectangular view
# true to shape at 50.5 N), 190 pixels a degree of latitude, placed so that the country fills
# the picture and every marker box sits on its province.
SCALE = 190.0
ORIGIN_LON, ORIGIN_LAT = 2.5218, 51.4962
OFFSET_X, OFFSET_Y = 25.25, 14.0
COS_LAT = math.cos(math.radians(50.5))

# Points closer than this (pixels) to the simplified border are dropped.
SIMPLIFY_PX = 0.5

# Provincial capitals (the data has no towns): name on the map, longitude, latitude, province,
# and where the label goes relative to the dot (dx, dy of the baseline start, text anchor).
# Brussels is its own region and city; its box covers it, so it gets no separate dot.
TOWNS = [
    ("Anvers", 4.4025, 51.2194, "AN", -4, 2.5, "end"),
    ("Wavre", 4.6014, 50.7172, "BW", -2.5, 7, "end"),
    ("Mons", 3.9567, 50.4542, "HT", 0, 9, "middle"),
    ("Hasselt", 5.3325, 50.9307, "LB", 4, 0, "start"),
    ("Liège", 5.5797, 50.6326, "LG", 4, 0, "start"),
    ("Arlon", 5.8167, 49.6833, "LU", -4, 2.5, "end"),
    ("Namur", 4.8720, 50.4674, "NM", 4, 2.5, "start"),
    ("Gand", 3.7174, 51.0543, "OV", 4, 0, "start"),
    ("Louvain", 4.7005, 50.8798, "VB", 4, 2.5, "start"),
    ("Bruges", 3.2247, 51.2093, "WV", 4, 2.5, "start"),
]

NAME_SIZE = 7.0
TOWN_SIZE = 6.5
CREDIT_SIZE = 6.5
LINE_GAP = 1.15  # line height of two-line names, in font sizes

# Province names: code, lines of text, centre of the text block (x, y), and for a province too
# small to hold its name, the point inside it that a leader line from the name reaches.
NAMES = [
    ("AN", ["ANVERS"], (312, 48), None),
    ("BR", ["BRUXELLES"], (215, 146), (245, 144)),
    ("BW", ["BRABANT", "WALLON"], (298, 170), None),
    ("HT", ["HAINAUT"], (228, 232), None),
    ("LB", ["LIMBOURG"], (390, 95), None),
    ("LG", ["LIEGE"], (432, 210), None),
    ("LU", ["LUXEMBOURG"], (378, 282), None),
    ("NM", ["NAMUR"], (300, 236), None),
    ("OV", ["FLANDRE", "ORIENTALE"], (178, 78), None),
    ("VB", ["BRABANT", "FLAMAND"], (300, 117), None),
    ("WV", ["FLANDRE", "OCCIDENTALE"], (78, 95), None),
]

# Fill of each province: neighbours never share a colour.
FILLS = {
    "WV": "#f2e6c4", "OV": "#dbe7d4", "AN": "#e3dbed", "VB": "#f5d9cc", "BR": "#d4e3f0",
    "LB": "#f2e6c4", "LG": "#dbe7d4", "BW": "#e3dbed", "HT": "#d4e3f0", "NM": "#f2e6c4",
    "LU": "#e3dbed",
}

# Advance widths (thousandths of the font size) of Arial / Liberation Sans, to measure labels.
_REGULAR = dict(zip("ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                    [667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
                     667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611]))
_REGULAR.update(zip("abcdefghijklmnopqrstuvwxyz",
                    [556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
                     556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500]))
_REGULAR.update({" ": 278, "è": 556, ":": 278, "(": 333, ")": 333})
_BOLD = dict(zip("ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                 [722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,
                  667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611]))
_BOLD.update({" ": 278})


class MapError(Exception):
    pass


def text_width(text, size, bold):
    table = _BOLD if bold else _REGULAR
    try:
        return sum(table[c] for c in text) * size / 1000.0
    except KeyError as e:
        raise MapError("no width known for character %r" % e.args[0])


def text_box(text, x, baseline, size, bold, anchor):
    """Box (left, top, right, bottom) a label covers, descenders included."""
    w = text_width(text, size, bold)
    left = {"start": x, "middle": x - w / 2, "end": x - w}[anchor]
    return (left, baseline - 0.73 * size, left + w, baseline + 0.21 * size)


def read_provinces(header_path):
    """The province table of the window's header: {code: (number, name, x, y, w, h)}."""
    with open(header_path, encoding="utf-8") as f:
        text = f.read()
    rows = re.findall(r'\{\s*(\d+),\s*"([A-Z]{2})",\s*"([A-Z ]+)",\s*(\d+),\s*(\d+),\s*(\d+),'
                      r'\s*(\d+)\s*\}', text)
    table = {}
    for number, code, name, x, y, w, h in rows:
        table[code] = (int(number), name, int(x), int(y), int(w), int(h))
    if len(table) != 11 or sorted(v[0] for v in table.values()) != list(range(1, 12)):
        raise MapError("%s: expected the eleven provinces numbered 1 to 11, found %d rows"
                       % (header_path, len(table)))
    return table


def project(lon, lat):
    return (OFFSET_X + (lon - ORIGIN_LON) * COS_LAT * SCALE,
            OFFSET_Y + (ORIGIN_LAT - lat) * SCALE)


def read_boundaries(data_path):
    """{code: [ring, ...]} in picture pixels; holes are rings too (even-odd rule)."""
    with open(data_path, encoding="utf-8") as f:
        data = json.load(f)
    shapes = {}
    for feature in data["features"]:
        code = feature["properties"]["code"]
        geometry = feature["geometry"]
        if geometry["type"] == "Polygon":
            polygons = [geometry["coordinates"]]
        elif geometry["type"] == "MultiPolygon":
            polygons = geometry["coordinates"]
        else:
            raise MapError("%s: unexpected geometry %s" % (code, geometry["type"]))
        rings = shapes.setdefault(code, [])
        for polygon in polygons:
            for ring in polygon:
                rings.append([project(lon, lat) for lon, lat in ring])
    return shapes


def _distance_to_segment(p, a, b):
    (px, py), (ax, ay), (bx, by) = p, a, b
    dx, dy = bx - ax, by - ay
    if dx == 0 and dy == 0:
        return math.hypot(px - ax, py - ay)
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def simplify(points, tolerance):
    """Douglas-Peucker: keeps the points that lie farther than `tolerance` from the line."""
    if len(points) < 3:
        return list(points)
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        first, last = stack.pop()
        worst, index = 0.0, None
        for i in range(first + 1, last):
            d = _distance_to_segment(points[i], points[first], points[last])
            if d > worst:
                worst, index = d, i
        if index is not None and worst > tolerance:
            keep[index] = True
            stack.append((first, index))
            stack.append((index, last))
    return [p for p, k in zip(points, keep) if k]


def simplify_ring(ring):
    # A closed ring repeats its first point; split it at the farthest point so that both
    # halves have distinct ends.
    body = ring[:-1] if ring[0] == ring[-1] else ring
    far = max(range(len(body)), key=lambda i: math.hypot(body[i][0] - body[0][0],
                                                         body[i][1] - body[0][1]))
    first = simplify(body[:far + 1], SIMPLIFY_PX)
    second = simplify(body[far:] + [body[0]], SIMPLIFY_PX)
    return first + second[1:]


def inside(point, rings):
    """Even-odd point-in-polygon over all rings of a province (holes excluded)."""
    x, y = point
    result = False
    for ring in rings:
        n = len(ring)
        for i in range(n):
            (x1, y1), (x2, y2) = ring[i], ring[(i + 1) % n]
            if (y1 > y) != (y2 > y):
                cross = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
                if x < cross:
                    result = not result
    return result


def overlaps(a, b, margin=1.0):
    return not (a[2] + margin <= b[0] or b[2] + margin <= a[0] or
                a[3] + margin <= b[1] or b[3] + margin <= a[1])


def box_rect(p):
    _, _, x, y, w, h = p
    return (x, y, x + w, y + h)


def name_layout(lines, centre):
    """[(text, x, baseline)] of a name block centred on `centre`."""
    cx, cy = centre
    step = NAME_SIZE * LINE_GAP
    first = cy - (len(lines) - 1) * step / 2 + 0.36 * NAME_SIZE
    return [(t, cx, first + i * step) for i, t in enumerate(lines)]


def name_block(lines, centre):
    """Box (left, top, right, bottom) a name block covers."""
    rects = [text_box(t, x, b, NAME_SIZE, True, "middle") for t, x, b in name_layout(lines, centre)]
    return (min(r[0] for r in rects), min(r[1] for r in rects),
            max(r[2] for r in rects), max(r[3] for r in rects))


def leader_start(block, end, gap=1.0):
    """Where a leader line leaves a name block: the block's point nearest its end, plus a gap."""
    x = min(max(end[0], block[0] - gap), block[2] + gap)
    y = min(max(end[1], block[1] - gap), block[3] + gap)
    return (x, y)


def town_layout(town):
    name, lon, lat, code, dx, dy, anchor = town
    x, y = project(lon, lat)
    return (x, y), (name, x + dx, y + dy, anchor)


def check(provinces, exact, drawn):
    """Every failure of the picture against the boxes, as sentences; empty when all is well."""
    errors = []
    if sorted(exact) != sorted(provinces):
        errors.append("the boundary data holds %s, the table %s"
                      % (",".join(sorted(exact)), ",".join(sorted(provinces))))
        return errors
    boxes = {c: box_rect(p) for c, p in provinces.items()}
    for code, p in sorted(provinces.items()):
        x0, y0, x1, y1 = boxes[code]
        centre = ((x0 + x1) / 2, (y0 + y1) / 2)
        for label, shapes in (("boundary", exact), ("drawn border", drawn)):
            owners = [c for c in shapes if inside(centre, shapes[c])]
            if owners != [code]:
                errors.append("box %s: its centre (%.1f, %.1f) falls in %s of the %s, not in %s"
                              % (code, centre[0], centre[1], ",".join(owners) or "no province",
                                 label, p[1]))
        if not (0 <= x0 and x1 <= 493 and 0 <= y0 and y1 <= 406):
            errors.append("box %s lies outside the 493 x 406 picture" % code)

    labels = []  # (what, rectangle)
    for code, lines, centre, leader in NAMES:
        expected = provinces[code][1].split(" ")
        if " ".join(lines) != provinces[code][1] or len(lines) > len(expected):
            errors.append("name of %s is %r, the table says %r"
                          % (code, " ".join(lines), provinces[code][1]))
        block = name_block(lines, centre)
        labels.append(("name " + provinces[code][1], block))
        if leader is None:
            corners = [(block[0], block[1]), (block[2], block[1]), (block[0], block[3]),
                       (block[2], block[3]), ((block[0] + block[2]) / 2, block[1]),
                       ((block[0] + block[2]) / 2, block[3]), centre]
            if not all(inside(pt, exact[code]) for pt in corners):
                errors.append("name %s does not lie wholly inside its province"
                              % provinces[code][1])
        else:
            if not inside(leader, exact[code]):
                errors.append("leader of %s ends outside its province" % provinces[code][1])
            if any(x0 <= leader[0] <= x1 and y0 <= leader[1] <= y1
                   for x0, y0, x1, y1 in boxes.values()):
                errors.append("leader of %s ends under a box" % provinces[code][1])

    for town in TOWNS:
        dot, (name, x, baseline, anchor) = town_layout(town)
        if not inside(dot, exact[town[3]]):
            errors.append("town %s (%.1f, %.1f) is not in %s" % (name, dot[0], dot[1], town[3]))
        labels.append(("town " + name, text_box(name, x, baseline, TOWN_SIZE, False, anchor)))
        labels.append(("dot of " + name, (dot[0] - 2, dot[1] - 2, dot[0] + 2, dot[1] + 2)))

    labels.append(("credit line", text_box(CREDIT, 6, 400, CREDIT_SIZE, False, "start")))
    for what, rect in labels:
        if rect[0] < 0 or rect[2] > 493 or rect[1] < 0 or rect[3] > 406:
            errors.append("%s leaves the picture" % what)
        for code, b in sorted(boxes.items()):
            if overlaps(rect, b):
                errors.append("%s sits under the box %s" % (what, code))
    for i, (what, rect) in enumerate(labels):
        for other, rect2 in labels[i + 1:]:
            own_dot = other == "dot of " + what[5:]  # a town's label touching its own dot
            if overlaps(rect, rect2, margin=0.5) and not own_dot:
                errors.append("%s overlaps %s" % (what, other))
    return errors


def fmt(v):
    s = "%.1f" % v
    return s[:-2] if s.endswith(".0") else s


def path_data(rings):
    parts = []
    for ring in rings:
        pts = ["%s %s" % (fmt(x), fmt(y)) for x, y in ring]
        parts.append("M" + "L".join(pts) + "Z")
    return "".join(parts)


def escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def render(provinces, drawn):
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
           'width="493" height="406" viewBox="0 0 493 406">',
           '<title>Provinces - %s</title>' % escape(CREDIT),
           '<rect x="0" y="0" width="493" height="406" fill="#ffffff"/>',
           '<g stroke="#5a5a5a" stroke-width="0.8" stroke-linejoin="round" fill-rule="evenodd">']
    for code in sorted(provinces, key=lambda c: provinces[c][0]):
        out.append('<path id="%s" fill="%s" d="%s"/>' % (code, FILLS[code], path_data(drawn[code])))
    out.append('</g>')
    out.append('<g stroke="#5a5a5a" stroke-width="0.6">')
    for code, lines, centre, leader in NAMES:
        if leader is not None:
            start = leader_start(name_block(lines, centre), leader)
            out.append('<line x1="%s" y1="%s" x2="%s" y2="%s"/>'
                       % (fmt(start[0]), fmt(start[1]), fmt(leader[0]), fmt(leader[1])))
    out.append('</g>')
    out.append('<g font-family="Arial" font-size="%s" font-weight="bold" fill="#303030" '
               'text-anchor="middle">' % fmt(NAME_SIZE))
    for code, lines, centre, leader in NAMES:
        for text, x, baseline in name_layout(lines, centre):
            out.append('<text x="%s" y="%s">%s</text>' % (fmt(x), fmt(baseline), escape(text)))
    out.append('</g>')
    out.append('<g fill="#202020">')
    for town in TOWNS:
        (x, y), _ = town_layout(town)
        out.append('<circle cx="%s" cy="%s" r="1.6"/>' % (fmt(x), fmt(y)))
    out.append('</g>')
    out.append('<g font-family="Arial" font-size="%s" fill="#202020">' % fmt(TOWN_SIZE))
    for town in TOWNS:
        _, (name, x, baseline, anchor) = town_layout(town)
        out.append('<text x="%s" y="%s" text-anchor="%s">%s</text>'
                   % (fmt(x), fmt(baseline), anchor, escape(name)))
    out.append('</g>')
    out.append('<text x="6" y="400" font-family="Arial" font-size="%s" fill="#606060">%s</text>'
               % (fmt(CREDIT_SIZE), escape(CREDIT)))
    out.append('</svg>')
    return "\n".join(out) + "\n"


def build(data_path, header_path):
    provinces = read_provinces(header_path)
    exact = read_boundaries(data_path)
    drawn = {c: [simplify_ring(r) for r in rings] for c, rings in exact.items()}
    errors = check(provinces, exact, drawn)
    if errors:
        raise MapError("the map does not fit its marker boxes:\n  " + "\n  ".join(errors))
    return render(provinces, drawn)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--data", default=DEFAULT_DATA, help="province boundaries (GeoJSON)")
    parser.add_argument("--header", default=DEFAULT_HEADER, help="the province table")
    parser.add_argument("--out", default=DEFAULT_OUT, help="the picture to write or check")
    parser.add_argument("--check", action="store_true",
                        help="only check; fail when the picture on disk is not the one drawn")
    args = parser.parse_args(argv)
    try:
        svg = build(args.data, args.header)
    except (MapError, OSError, ValueError, KeyError) as e:
        print("make_province_map: %s" % e, file=sys.stderr)
        return 1
    if args.check:
        try:
            with open(args.out, encoding="utf-8", newline="") as f:
                current = f.read()
        except OSError as e:
            print("make_province_map: %s" % e, file=sys.stderr)
            return 1
        if current != svg:
            print("make_province_map: %s is not the picture the data gives; run the script"
                  % args.out, file=sys.stderr)
            return 1
        print("make_province_map: %s checked, every box on its province" % args.out)
        return 0
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(svg)
    print("make_province_map: wrote %s (%d bytes)" % (args.out, len(svg.encode("utf-8"))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
