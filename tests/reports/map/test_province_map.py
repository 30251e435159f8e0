#!/usr/bin/env python3
"""The map picture script: the committed picture is current, and its checks catch a picture
that no longer fits the marker boxes."""

import io
import os
import re
import sys
import tempfile
import unittest
from contextlib import redirect_stderr, redirect_stdout

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import make_province_map as m  # noqa: E402


def run(*args):
    out, err = io.StringIO(), io.StringIO()
    with redirect_stdout(out), redirect_stderr(err):
        code = m.main(list(args))
    return code, out.getvalue() + err.getvalue()


class CommittedPicture(unittest.TestCase):
    def test_picture_is_current_and_fits(self):
        code, text = run("--check")
        self.assertEqual(code, 0, text)

    def test_stale_picture_is_refused(self):
        with tempfile.TemporaryDirectory() as d:
            stale = os.path.join(d, "provinces.svg")
            with open(m.DEFAULT_OUT, encoding="utf-8") as f:
                svg = f.read()
            with open(stale, "w", encoding="utf-8", newline="\n") as f:
                f.write(svg.replace('fill="#f2e6c4"', 'fill="#000000"', 1))
            code, text = run("--check", "--out", stale)
            self.assertEqual(code, 1)
            self.assertIn("not the picture the data gives", text)

    def test_picture_size_and_credit(self):
        with open(m.DEFAULT_OUT, encoding="utf-8") as f:
            svg = f.read()
        self.assertIn('width="493" height="406"', svg)
        self.assertIn(">Boundaries: Natural Earth (public domain)</text>", svg)
        for name in ["ANVERS", "BRUXELLES", "BRABANT", "WALLON", "HAINAUT", "LIMBOURG", "LIEGE",
                     "LUXEMBOURG", "NAMUR", "FLANDRE", "ORIENTALE", "FLAMAND", "OCCIDENTALE"]:
            self.assertIn(">%s</text>" % name, svg)
        self.assertEqual(len(re.findall(r"<path id=", svg)), 11)


class ChecksCatchFaults(unittest.TestCase):
    """Each row changes one box of the table (or one name) and expects the check to say why."""

    CASES = [
        # code, new box (x, y, w, h) or None, name centre or None, what the failure names
        ("BR", (296, 136, 25, 20), None, "box BR: its centre"),       # onto Flemish Brabant
        ("LU", (256, 248, 25, 20), None, "box LU: its centre"),       # onto Namur
        ("WV", (0, 0, 25, 20), None, "falls in no province"),         # into the sea
        ("AN", (480, 395, 25, 20), None, "outside the 493 x 406"),    # off the picture
        ("NM", None, (268, 258), "name NAMUR sits under the box NM"),
        ("LG", None, (300, 236), "overlaps name NAMUR"),
        ("LU", None, (300, 236), "does not lie wholly inside its province"),
    ]

    def setUp(self):
        with open(m.DEFAULT_HEADER, encoding="utf-8") as f:
            self.header = f.read()
        self.names = list(m.NAMES)

    def tearDown(self):
        m.NAMES[:] = self.names

    def test_faults(self):
        for code, box, centre, expected in self.CASES:
            with self.subTest(code=code, box=box, centre=centre):
                header = self.header
                if box:
                    header = re.sub(r'(\{\s*\d+,\s*"%s",\s*"[A-Z ]+",)[^}]*\}' % code,
                                    lambda mt: mt.group(1) + " %d, %d, %d, %d}" % box, header)
                m.NAMES[:] = [(c, l, centre if (centre and c == code) else p, ld)
                              for c, l, p, ld in self.names]
                with tempfile.TemporaryDirectory() as d:
                    path = os.path.join(d, "provinces.h")
                    with open(path, "w", encoding="utf-8") as f:
                        f.write(header)
                    code_, text = run("--check", "--header", path, "--out", os.path.join(d, "x.svg"))
                self.assertEqual(code_, 1, text)
                self.assertIn(expected, text)

    def test_table_must_hold_eleven_rows(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "provinces.h")
            with open(path, "w", encoding="utf-8") as f:
                f.write(re.sub(r'\s*\{11, "WV"[^\n]*', "", self.header))
            code, text = run("--header", path, "--out", os.path.join(d, "x.svg"))
        self.assertEqual(code, 1)
        self.assertIn("expected the eleven provinces", text)
        self.assertFalse(os.path.exists(os.path.join(d, "x.svg")))


class Geometry(unittest.TestCase):
    def test_point_in_polygon_with_hole(self):
        shapes = m.read_boundaries(m.DEFAULT_DATA)
        # Brussels lies in the hole of Flemish Brabant: the centre of the BR box is in BR only.
        centre = (252.5, 130)
        self.assertEqual([c for c in shapes if m.inside(centre, shapes[c])], ["BR"])
        square = [[(0, 0), (10, 0), (10, 10), (0, 10)], [(3, 3), (7, 3), (7, 7), (3, 7)]]
        for point, expected in [((1, 1), True), ((5, 5), False), ((11, 5), False), ((8, 5), True)]:
            self.assertEqual(m.inside(point, square), expected, point)

    def test_simplify_keeps_shape_within_half_a_pixel(self):
        line = [(x, 0.2 * ((x % 2) * 2 - 1)) for x in range(20)]  # a 0.4 px zigzag
        self.assertEqual(m.simplify(line, 0.5), [line[0], line[-1]])
        corner = [(0, 0), (5, 0.1), (10, 0), (10, 10)]
        self.assertEqual(m.simplify(corner, 0.5), [(0, 0), (10, 0), (10, 10)])
        bump = [(0, 0), (5, 0.7), (10, 0)]
        self.assertEqual(m.simplify(bump, 0.5), bump)

    def test_projection_of_the_corners(self):
        x, y = m.project(m.ORIGIN_LON, m.ORIGIN_LAT)
        self.assertAlmostEqual(x, 25.25)
        self.assertAlmostEqual(y, 14.0)
        x, y = m.project(m.ORIGIN_LON + 1, m.ORIGIN_LAT - 1)
        self.assertAlmostEqual(x - 25.25, 190 * 0.636078, places=3)
        self.assertAlmostEqual(y - 14.0, 190)


if __name__ == "__main__":
    unittest.main()
