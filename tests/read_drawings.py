#!/usr/bin/python3
# SPDX-License-Identifier: LicenseRef-proprietary
"""Reads the SVG and DXF drawings the program writes back with readers of
their own (an XML parser and ezdxf) and checks the units, the layers and that
every centre line stands at the railpin's exact centre along the rail, worked
out here from the section's measurements."""

import math
from fractions import Fraction
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

import ezdxf

SVG = "{http://www.w3.org/2000/svg}"
INKSCAPE = "{http://www.inkscape.org/namespaces/inkscape}"
LAYERS = ["posts", "railpins", "centres", "labels"]

# name, options, unit, length along the rail, width, count, half ends, cosine
CASES = [
    ("level", ["--length", "36", "--width", "1.375", "--max-gap", "4", "--count", "6"], "in", 36, 1.375, 6,
     False, 1.0),
    ("half gaps", ["--length", "36", "--width", "1.375", "--max-gap", "4", "--count", "7", "--ends", "half"], "in",
     36, 1.375, 7, True, 1.0),
    ("stair", ["--length", "48", "--width", "1.5", "--max-gap", "4", "--count", "7", "--rise", "7.5", "--run",
               "10"], "in", 48, 1.5, 7, False, 0.8),
    ("millimetres", ["--unit", "mm", "--length", "914", "--width", "35", "--max-gap", "100", "--count", "7",
                     "--name", "Front \"east\" <&>"], "mm", 914, 35, 7, False, 1.0),
]


def exact_centres(length, width, count, half, cosine):
    run = length * cosine
    if half:
        return [(k - 0.5) * run / count / cosine for k in range(1, count + 1)]
    gap = (run - count * width) / (count + 1)
    return [(k * gap + (k - 0.5) * width) / cosine for k in range(1, count + 1)]


def check_close(what, found, expected):
    if len(found) != len(expected):
        raise AssertionError(f"{what}: {len(found)} centres, expected {len(expected)}")
    for got, want in zip(sorted(found), expected):
        if abs(got - want) > 1e-6:
            raise AssertionError(f"{what}: centre at {got!r}, expected {want!r}")


def check_svg(path, case):
    name, _, unit, length, width, count, half, cosine = case
    root = ElementTree.parse(path).getroot()
    for attribute in ("width", "height"):
        if not root.get(attribute).endswith(unit):
            raise AssertionError(f"{name}: SVG {attribute} {root.get(attribute)!r} is not in {unit}")
    view_width = float(root.get("viewBox").split()[2])
    if not math.isclose(view_width, float(root.get("width")[: -len(unit)])):
        raise AssertionError(f"{name}: SVG viewBox is not in the unit of its width")
    groups = {group.get("id"): group for group in root.findall(SVG + "g")}
    for layer in LAYERS:
        if layer not in groups or groups[layer].get(INKSCAPE + "groupmode") != "layer":
            raise AssertionError(f"{name}: SVG has no layer {layer}")
    centres = []
    for line in groups["centres"].findall(SVG + "line"):
        if line.get("x1") != line.get("x2"):
            raise AssertionError(f"{name}: SVG centre line is not upright")
        centres.append(float(line.get("x1")))
    check_close(f"{name} (SVG)", centres, exact_centres(length, width, count, half, cosine))


def check_dxf(path, case):
    name, _, unit, length, width, count, half, cosine = case
    document = ezdxf.readfile(path)
    auditor = document.audit()
    if auditor.has_errors:
        raise AssertionError(f"{name}: DXF audit: {[str(error.message) for error in auditor.errors]}")
    if document.dxfversion != "AC1009":
        raise AssertionError(f"{name}: DXF version {document.dxfversion}")
    expected_units = 1 if unit == "in" else 4
    if document.header.get("$INSUNITS") != expected_units:
        raise AssertionError(f"{name}: $INSUNITS {document.header.get('$INSUNITS')}, expected {expected_units}")
    for layer in LAYERS:
        if not document.layers.has_entry(layer):
            raise AssertionError(f"{name}: DXF has no layer {layer}")
    space = document.modelspace()
    for layer in LAYERS:
        if not len(space.query(f'*[layer=="{layer}"]')):
            raise AssertionError(f"{name}: DXF layer {layer} is empty")
    centres = []
    for line in space.query('LINE[layer=="centres"]'):
        if line.dxf.start.x != line.dxf.end.x:
            raise AssertionError(f"{name}: DXF centre line is not upright")
        centres.append(line.dxf.start.x)
    check_close(f"{name} (DXF)", centres, exact_centres(length, width, count, half, cosine))


# A run: name, options, length, maximum post spacing, post width, start, end;
# railpins 1.5 wide within 4 in every bay. Each bay's clear span is one that
# single precision holds, as the section's length is read in it.
RUNS = [
    ("run 17' 3\" at 6'", ["--length", "17' 3\"", "--max-post-spacing", "6'"], Fraction(207), Fraction(72),
     Fraction(7, 2), "post", "post"),
    ("run from a wall", ["--length", "144", "--max-post-spacing", "72", "--start", "wall"], Fraction(144),
     Fraction(72), Fraction(7, 2), "wall", "post"),
    ("run to a wall", ["--length", "12'", "--max-post-spacing", "72", "--end", "wall"], Fraction(144),
     Fraction(72), Fraction(7, 2), "post", "wall"),
]
RUN_WIDTH = 1.5
RUN_GAP = 4


def run_layout(length, spacing, post, start, end):
    """The post centres and every railpin's centre of a run, from its start
    reference, worked out here in exact fractions."""
    bays = max(1, math.ceil(length / spacing))
    on_centre = length / bays
    first = 1 if start == "wall" else 0
    last = bays if end == "post" else bays - 1
    posts = [float(i * on_centre) for i in range(first, last + 1)]
    centres = []
    for bay in range(1, bays + 1):
        left = (bay - 1) * on_centre + (post / 2 if bay > 1 or start != "wall" else 0)
        right = bay * on_centre - (post / 2 if bay < bays or end == "post" else 0)
        clear = float(right - left)
        count = 1
        while (clear - count * RUN_WIDTH) / (count + 1) > RUN_GAP:
            count += 1
        gap = (clear - count * RUN_WIDTH) / (count + 1)
        centres += [float(left) + k * gap + (k - 0.5) * RUN_WIDTH for k in range(1, count + 1)]
    return posts, centres


def check_run(program, folder, run):
    name, options, length, spacing, post, start, end = run
    posts, centres = run_layout(length, spacing, post, start, end)
    common = ["--post-width", "3 1/2", "--width", "1.5", "--max-gap", "4"]
    svg = os.path.join(folder, "run.svg")
    dxf = os.path.join(folder, "run.dxf")
    for path in (svg, dxf):
        result = subprocess.run([program, "--" + path[-3:], path] + options + common, capture_output=True, text=True)
        if result.returncode != 0:
            raise AssertionError(f"{name}: exit {result.returncode}: {result.stderr.strip()}")
    groups = {group.get("id"): group for group in ElementTree.parse(svg).getroot().findall(SVG + "g")}
    found = [float(rect.get("x")) + float(rect.get("width")) / 2 for rect in groups["posts"].findall(SVG + "rect")]
    check_close(f"{name} (SVG posts)", found, posts)
    check_close(f"{name} (SVG)", [float(line.get("x1")) for line in groups["centres"].findall(SVG + "line")],
                centres)
    space = ezdxf.readfile(dxf).modelspace()
    check_close(f"{name} (DXF)", [line.dxf.start.x for line in space.query('LINE[layer=="centres"]')], centres)
    if len(space.query('POLYLINE[layer=="posts"]')) != len(posts):
        raise AssertionError(f"{name}: DXF posts layer does not hold {len(posts)} posts")


def main():
    program = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for case in CASES:
            for suffix, check in (("svg", check_svg), ("dxf", check_dxf)):
                path = os.path.join(folder, f"drawing.{suffix}")
                result = subprocess.run([program, f"--{suffix}", path] + case[1], capture_output=True, text=True)
                try:
                    if result.returncode != 0:
                        raise AssertionError(f"{case[0]}: exit {result.returncode}: {result.stderr.strip()}")
                    check(path, case)
                    print(f"PASS {case[0]} ({suffix})")
                except AssertionError as error:
                    failures += 1
                    print(f"FAIL {error}")
        for run in RUNS:
            try:
                check_run(program, folder, run)
                print(f"PASS {run[0]}")
            except AssertionError as error:
                failures += 1
                print(f"FAIL {error}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
