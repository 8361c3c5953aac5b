"""Collects the benchmark results and the whole-process probes into one Markdown table."""
import json
import statistics
import subprocess
import sys
import time
from pathlib import Path

build, results = Path(sys.argv[1]), Path(sys.argv[2])
RUNS = 15

# What each measurement is held to, next to its floor.
TARGETS = {
    "RefreshViews start-up": "≤ 1.3 × floor",
    "RefreshViews overlay x1000": "≈ 1 × floor (no growth per call)",
    "DrawSheet default": "≤ 1.3 × floor",
    "DrawSheet 50x50": "≤ 1.3 × floor",
    "PDF export default": "≤ 1.3 × floor",
    "PDF export 50x50": "≤ 1.3 × floor",
    "hz.txt read + format": "≤ 3 × floor, < 30 ms",
    "complete listing": "≤ 1.3 × floor",
    "start to first paint": "≤ 2 × floor, < 300 ms",
    "peak RSS, main window": "≤ floor + 40 MB",
}

rows = {}  # name -> list of seconds (or kilobytes)
for file in sorted(results.glob("*.json")):
    for run in json.loads(file.read_text())["benchmarks"]:
        if run.get("run_type") != "iteration":
            continue
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[run["time_unit"]]
        rows.setdefault(run["run_name"].split("/")[0], []).append(run["real_time"] * scale)


def process(program, *args):
    """Wall time of a whole run, and the peak memory the program reports."""
    start = time.perf_counter()
    output = subprocess.run([str(build / "bench" / program), *args], capture_output=True, text=True,
                            check=True).stdout
    elapsed = time.perf_counter() - start
    return elapsed, int(output.split("peak_rss_kb")[1].split()[0])


PROBES = [  # program, arguments, name of its time, name of its memory
    ("startup_probe", [], "start to first paint", "peak RSS, main window"),
    ("minimal_probe", [], "start to first paint [floor]", "peak RSS, main window [floor]"),
    ("startup_probe", ["--with-sheet"], None, "peak RSS, sheet open"),
]
for program, args, time_name, memory_name in PROBES:
    samples = [process(program, *args) for _ in range(RUNS)]
    if time_name:
        rows[time_name] = [seconds for seconds, _ in samples]
    rows[memory_name] = [kilobytes * 1024 for _, kilobytes in samples]
rows["peak RSS, sheet open [floor]"] = rows["peak RSS, main window [floor]"]
# A listing redraws the views once per code: its floor is that many bare redraws.
if "RefreshViews start-up [floor]" in rows:
    rows["complete listing [floor]"] = [6768 * statistics.median(rows["RefreshViews start-up [floor]"])]


def show(name, values):
    if name.startswith("peak"):
        return f"{statistics.median(values) / 2**20:.1f} MB"
    median = statistics.median(values)
    unit, factor = ("s", 1) if median >= 1 else ("ms", 1e3) if median >= 1e-3 else ("µs", 1e6)
    return f"{median * factor:.3g} {unit} ({min(values) * factor:.3g}–{max(values) * factor:.3g})"


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
    print(f"| {name} | {show(name, values)} | {show(name, floor) if floor else ''} | {ratio} | "
          f"{TARGETS.get(name, '')} |")
