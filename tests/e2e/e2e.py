# SPDX-License-Identifier: GPL-3.0-or-later
"""Each scenario in scenarios/ on the installed zige under Xvfb and openbox.
Usage: e2e.py BUILD_DIR [--scale N] [--screenshots DIR]
"""
import argparse
import runpy
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
import harness  # noqa: E402

if harness.missing_tool():
    harness.skip(f"{harness.missing_tool()} is not installed")

parser = argparse.ArgumentParser()
parser.add_argument("build")
parser.add_argument("--scale", type=int, default=1)
parser.add_argument("--screenshots")
args = parser.parse_args()

scenarios = sorted((Path(__file__).parent / "scenarios").glob("*.py"))
session = harness.Session(args.build, args.scale, args.screenshots)
try:
    for path in scenarios:
        print(f"== {path.stem}")
        scenario = runpy.run_path(str(path))
        session.start()
        try:
            scenario["run"](session)
        finally:
            session.stop()
finally:
    session.close()
print(f"{len(scenarios)} scenarios passed")
