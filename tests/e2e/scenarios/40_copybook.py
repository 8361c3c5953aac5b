# SPDX-License-Identifier: GPL-3.0-or-later
"""A copybook made through the real 字帖 menu and dialog, then saved as PDF and BMP and read
back by poppler and PIL: thirty characters on 21 rows take two pages."""
import runpy
import subprocess
import time
from pathlib import Path
from types import SimpleNamespace

from PIL import Image

from harness import check, wait_for

# The export scenario's way through the 文件 menu and the save dialog.
export = SimpleNamespace(**runpy.run_path(str(Path(__file__).parent / "30_sheet_export.py")))

TEXT = "永和九年岁在癸丑暮春之初会于会稽山阴之兰亭修禊事也群贤毕"
dark = lambda c: max(c) < 100


def ink(image, box):
    x0, y0, x1, y1 = box
    return sum(1 for y in range(y0, y1) for x in range(x0, x1) if dark(image.getpixel((x, y))))


def run(s):
    sheet = s.open_sheet()
    s.focus(sheet)
    s.key("alt+c")
    time.sleep(0.5)
    s.key("Return")
    dialog = wait_for("the copybook dialog", lambda: s.window("^字帖$"))
    time.sleep(0.5)
    s.focus(dialog)
    # Pasted: typing Chinese through xdotool drops characters.
    subprocess.run(["xclip", "-selection", "clipboard", "-loops", "1"], input=TEXT, text=True, env=s.env, check=True)
    s.key("ctrl+v")
    time.sleep(1.0)
    s.key("Escape")
    time.sleep(0.5)
    s.shot(sheet, "copybook")

    pdf = s.work / "book.pdf"
    export.export(s, sheet, 2, pdf)
    info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True, check=True).stdout
    check("Pages:           2" in info, "thirty characters on 21 rows make two PDF pages (pdfinfo)")

    s.focus(sheet)
    menu = s.geometry(sheet)[3] // s.scale - 521
    s.click(sheet, 616, 18 + menu)
    pages = [s.work / "book.bmp", s.work / "book-2.bmp"]
    s.save_as(*pages)
    bmps = [Image.open(p) for p in pages]
    check(all(b.format == "BMP" and b.size == (794, 1121) for b in bmps), "two BMP files of 794 × 1121")
    model = (74, 66, 118, 110)  # the first cell
    check(ink(bmps[1].convert("RGB"), model) > 50, "the second BMP starts with a model character")
