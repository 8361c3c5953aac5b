# SPDX-License-Identifier: GPL-3.0-or-later
"""Collects the benchmark results and the whole-process probes into one Markdown table, followed
by what each row's floor is and what that floor leaves out."""
import json
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

build, results = Path(sys.argv[1]), Path(sys.argv[2])
RUNS = int(os.environ.get("PROBE_RUNS", "15"))
LISTING_PLATFORM = os.environ.get("LISTING_PLATFORM", "xcb")
CODES = 6768  # a complete listing: zones 16 to 87, 94 positions each


def ratio_at_most(limit, seconds=None):
    """At most `limit` times the floor's median and, given `seconds`, under that many seconds."""
    return lambda median, floor: (floor is not None and median <= limit * floor and
                                  (seconds is None or median < seconds))


# What each measurement is held to, as shown next to its floor and as checked.
TARGETS = {
    "RefreshViews start-up": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "RefreshViews overlay x1000": ("0.85–1.15 × floor (no growth per call)",
                                   lambda median, floor: floor and 0.85 <= median / floor <= 1.15),
    "DrawSheet default": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "DrawSheet 50x50": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "DrawSheet copybook 21": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "PDF export default": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "PDF export 50x50": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "PNG export 300 dpi default": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "copybook text of 100 000 characters, one edit": ("< 500 ms", lambda median, floor: median < 0.5),
    "save default sheet": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "hz.txt read + format": ("≤ 3 × floor, < 30 ms", ratio_at_most(3, 0.030)),
    "complete listing": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "complete listing, paints per second": ("≥ 30, ≤ 1 per display frame",
                                            lambda median, rate: 30 <= median <= (rate or 60)),
    "start to first paint": ("≤ 1.5 × floor, < 300 ms", ratio_at_most(1.5, 0.300)),
    "start to first paint, empty-window floor": ("(for reference)", None),
    "peak RSS, main window": ("≤ floor + 40 MB",
                              lambda median, floor: floor and median - floor <= 40 * 2**20),
    "copybook 3500 PDF": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "copybook 3500 PNG 300 dpi": ("≤ 1.3 × floor", ratio_at_most(1.3)),
    "peak RSS, copybook of 3500 rows to PDF": ("≤ floor + 5 MB (no growth per page)",
                                               lambda median, floor: floor and median - floor <= 5 * 2**20),
    "stroke table load": ("< 30 ms, once, at the first stroke feature",
                          lambda median, floor: median < 0.030),
    "strokes of a character": ("≤ 2 × floor, well under 1 ms", ratio_at_most(2, 0.001)),
    "PDF export copybook 3500 with stroke order": ("≤ 1.3 × floor", ratio_at_most(1.3)),
}

# Each row's floor and what the floor leaves out, or why a row has none.
FLOORS = {
    "RefreshViews start-up":
        "Floor: the same lines, pens and band fill by bare QPainter calls into four 185-px images, "
        "and the 160-px character (啊 and 齄 in turn) in all four, drawn once into a transparent "
        "image just large enough for it and composited four times, the cheapest bare way. Leaves "
        "out: reading and converting the seven list values, placing in twips, choosing the font, "
        "and the padding the views' glyph stamp keeps around the ink. The floor draws the quick "
        "grid every time, where the view puts back the cleared grid kept from the call before.",
    "RefreshViews overlay x1000":
        "Floor: the same 1000 calls with the overlay off, each starting from the view's cleared "
        "grid, put back rather than drawn. The ratio shows whether the accumulating view costs "
        "more per call.",
    "DrawSheet default":
        "Floor: the same figures by bare QPainter calls into an image of the same size. Leaves out: "
        "reading the ten lists, the layout in sheet units, resizing the canvas.",
    "DrawSheet 50x50": "Floor: as for the default sheet.",
    "DrawSheet copybook 21":
        "Floor: the default sheet's figures by bare QPainter calls, and per row a model character "
        "with three pale copies, each glyph scaled from the grid box onto its cell. Leaves out: "
        "reading the lists and the text, the layout in sheet units, resizing the canvas.",
    "PDF export default":
        "Floor: the same strokes by bare QPainter calls on an A4 QPdfWriter in twips, at the same "
        "page breaks. Leaves out: reading the ten lists, the layout in sheet units.",
    "PDF export 50x50": "Floor: as for the default sheet's PDF.",
    "PNG export 300 dpi default":
        "Floor: the same strokes by bare QPainter calls into an A4 image at 300 dpi, converted by Qt "
        "to 8 bits with the page's three colours as palette and written by QImageWriter as PNG with "
        "the resolution recorded. Leaves out: the layout in sheet units, the canvas's whole-pixel "
        "rules, our own palette conversion.",
    "hz.txt read + format":
        "Floor: QTextDocument::setPlainText of the same text. Leaves out what start-up's own code, "
        "timed whole, does besides: reading the file, the RTF reader, code page 936, the placeholder "
        "text, the paragraphs' formats, the one pass that sets the font and size on the whole text.",
    "complete listing":
        f"Floor: a bare Qt window (no code of ours) of the main window's size that, for each of the "
        f"{CODES} characters, appends the line to a text box where the listing box is, draws the "
        "glyph into one 160-px view image in the face the views draw in, and yields; box and view "
        "repaint once per 16 ms, their updates held in between. Leaves out: the quick grid view's "
        "grid and band (put back from a kept copy), the code conversion, the caption counter, the "
        "caret kept at the end, the other three views and the information lines drawn once per "
        "frame, and those controls in each frame's paint. Both run in a real X server (Xvfb) with "
        "a window manager (openbox), their repetitions interleaved.",
    "complete listing, paints per second":
        "Floor: the display's frame rate as the window reports it. Paints of the listing box during "
        "the run over the run's time; the box changes with every character, so each of its paints "
        "is a frame of the window.",
    "filter over 300 fonts": "No floor: 300 fonts listed with one yield each, offscreen; for regressions.",
    "copybook text of 100 000 characters, one edit":
        "No floor: building a copybook from its text (graphemes, readings, fonts asked which "
        "characters they draw) has no bare-Qt counterpart; the row keeps an edit of a long text "
        "linear in its length, as it once was not.",
    "save default sheet":
        "Floor: the same sheet drawn by bare QPainter calls into an image at 96 dpi (the print "
        "colours, as the program draws what it saves), its resolution recorded, written by "
        "QImageWriter as BMP into a QSaveFile in the same folder. Leaves out: the layout from the "
        "model, the canvas's whole-pixel rules, the question whether to replace the file (answered "
        "yes), the file staged beside its name and put in place.",
    "start to first paint":
        "Floor: a bare Qt program (no code of ours) showing a window of the same size with the main "
        "window's captions in labels and the library's plain text in a text box, in the face and "
        "size the main window draws it in. Leaves out: reading and formatting hz.txt as rich text, "
        "filling the lists, the font list, the four views with their grids and 160-px character, "
        "the information lines. Offscreen; from process start to the window's first paint and the "
        "quit queued by it.",
    "start to first paint, empty-window floor":
        "Floor: the smallest Qt widgets program showing an empty window. Leaves out all text and "
        "every control; kept to compare with earlier tables.",
    "peak RSS, main window":
        "Floor: the empty-window program. Leaves out every control, the fonts, the library document "
        "and the four views' images.",
    "peak RSS, sheet open": "Floor: the empty-window program. Leaves out both windows.",
    "copybook 3500 PDF":
        "Floor: the same 167 pages by bare QPainter calls on an A4 QPdfWriter writing one file: the "
        "quick grid's strokes of every cell, and per row a model glyph and three pale ones, each "
        "scaled from the grid box onto its cell. Leaves out: the text's characters checked against "
        "the fonts, the readings, the layout from the model, the file staged beside its name and "
        "put in place, the media box rewritten at A4's exact size.",
    "copybook 3500 PNG 300 dpi":
        "Floor: the same pages drawn into a 300 dpi image each and written by QImageWriter as PNG "
        "files: their antialiased glyphs have more colours than a palette holds, so RGB, as the "
        "program writes them. Leaves out: the search for a palette, the whole-pixel placement of "
        "strokes, the files staged and put in place. The program draws and writes two pages at "
        "a time, one on each core.",
    "peak RSS, copybook of 3500 rows to PDF":
        "Floor: the same program saving 210 rows (10 pages) of the same 210 characters. The "
        "difference is what 157 more pages cost in memory: pages are drawn and written one at a "
        "time.",
    "stroke table load":
        "Floor: reading the file's bytes. Leaves out the check sum over the whole file and the "
        "check of the index.",
    "strokes of a character":
        "Floor: the same paths built from their elements, already in memory, every character in "
        "turn. Leaves out decoding the record and checking each point against the box.",
    "strokes of the same character again":
        "No floor: the last character asked for is kept, as a sheet asks for it cell after cell.",
    "PDF export copybook 3500 with stroke order":
        "Floor: the copybook's rows and the table's outlines, taken before timing, drawn by bare "
        "QPainter calls on an A4 QPdfWriter in twips, 21 rows to a page: every cell's quick grid, "
        "in a stroke-order cell the strokes up to its own filled through a transform onto the "
        "cell, the last in red, in a practice row the model and three pale copies scaled onto "
        "their cells. Leaves out: building the copybook (its rows, the strokes counted from the "
        "table), reading each character's strokes from the table again on every page, measuring "
        "the font's glyph to place the strokes on it, the layout in sheet units.",
}

rows = {}  # name -> list of seconds (or bytes, or a rate)
frame_rates = []  # the display's, as the listing's window reports it
for file in sorted(results.glob("*.json")):
    # Interleaved repetitions come in random order: each program's rows in the order it names them.
    for run in sorted(json.loads(file.read_text())["benchmarks"], key=lambda run: run.get("family_index", 0)):
        if run.get("run_type") != "iteration":
            continue
        name = run["run_name"].split("/")[0]
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[run["time_unit"]]
        rows.setdefault(name, []).append(run["real_time"] * scale)
        if "paints/s" in run and name == "complete listing":
            rows.setdefault(name + ", paints per second", []).append(run["paints/s"])
        if "frames/s" in run:
            frame_rates.append(run["frames/s"])


def process(program, *args):
    """Wall time of a whole run, and the peak memory the program reports."""
    start = time.perf_counter()
    output = subprocess.run([str(build / "bench" / program), *args], capture_output=True, text=True,
                            check=True).stdout
    elapsed = time.perf_counter() - start
    return elapsed, int(output.split("peak_rss_kb")[1].split()[0])


PROBES = [  # program, arguments, name of its time, name of its memory
    ("startup_probe", [], "start to first paint", "peak RSS, main window"),
    ("text_window_probe", [], "start to first paint [floor]", None),
    ("minimal_probe", [], "start to first paint, empty-window floor [floor]", "peak RSS, main window [floor]"),
    ("startup_probe", ["--with-sheet"], None, "peak RSS, sheet open"),
    ("copybook_bench", ["--peak-rss", "210"], None, "peak RSS, copybook of 3500 rows to PDF [floor]"),
    ("copybook_bench", ["--peak-rss", "3500"], None, "peak RSS, copybook of 3500 rows to PDF"),
]
samples = {probe: [] for probe in range(len(PROBES))}
for _ in range(RUNS):  # interleaved, so a busy moment of the machine hits every probe alike
    for i, (program, args, _, _) in enumerate(PROBES):
        samples[i].append(process(program, *args))
for i, (_, _, time_name, _) in enumerate(PROBES):
    if time_name:
        rows[time_name] = [seconds for seconds, _ in samples[i]]
rows["start to first paint, empty-window floor"] = rows["start to first paint"]
for i, (_, _, _, memory_name) in enumerate(PROBES):
    if memory_name:
        rows[memory_name] = [kilobytes * 1024 for _, kilobytes in samples[i]]
rows["peak RSS, sheet open [floor]"] = rows["peak RSS, main window [floor]"]


def show(name, values):
    median = statistics.median(values)
    if name.startswith("peak"):
        return f"{median / 2**20:.1f} MB"
    if name.endswith("per second"):
        return f"{median:.0f} ({min(values):.0f}–{max(values):.0f})"
    unit, factor = ("s", 1) if median >= 1 else ("ms", 1e3) if median >= 1e-3 else ("µs", 1e6)
    number = lambda x: f"{x * factor:.0f}" if x * factor >= 1000 else f"{x * factor:.3g}"
    return f"{number(median)} {unit} ({number(min(values))}–{number(max(values))})"


missed = []
print("| measurement | median (min–max) | floor | ratio | target |")
print("|---|---|---|---|---|")
for name, values in rows.items():
    if name.endswith(" [floor]"):
        continue
    floor = rows.get(name + " [floor]")
    ratio = ""
    if floor:
        if name.startswith("peak"):
            ratio = f"+{(statistics.median(values) - statistics.median(floor)) / 2**20:.1f} MB"
        else:
            ratio = f"{statistics.median(values) / statistics.median(floor):.2f}"
    target, meets = TARGETS.get(name, ("", None))
    reference = statistics.median(frame_rates) if name.endswith("paints per second") and frame_rates \
        else statistics.median(floor) if floor else None
    if meets and not meets(statistics.median(values), reference):
        missed.append(name)
    shown = name + (" (offscreen)" if name.startswith("complete listing") and LISTING_PLATFORM != "xcb" else "")
    print(f"| {shown} | {show(name, values)} | {show(name, floor) if floor else ''} | {ratio} | {target} |")

print("\nFloors, and what each leaves out:\n")
for name in rows:
    if not name.endswith(" [floor]"):
        print(f"- {name}. {FLOORS.get(name, 'Floor: not described.')}")

# A miss fails the command unless FAIL_ON_MISS=0 (one quick repetition, as CI runs it, is noise).
print()
if missed:
    print("Rows that miss their targets:", *(f"- {name}" for name in missed), sep="\n")
else:
    print("Every row meets its target.")
sys.exit(1 if missed and os.environ.get("FAIL_ON_MISS", "1") != "0" else 0)
