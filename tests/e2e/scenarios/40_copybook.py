# SPDX-License-Identifier: GPL-3.0-or-later
"""A copybook made through the real 字帖 menu and dialog, then saved through the real save dialog
as BMP files read back by PIL: thirty characters on 21 rows take two."""
import subprocess
import time

from PIL import Image

from harness import check, wait_for

TEXT = "永和九年岁在癸丑暮春之初会于会稽山阴之兰亭修禊事也群贤毕"
dark = lambda c: max(c) < 100


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

    s.focus(sheet)
    menu = s.geometry(sheet)[3] // s.scale - 521
    s.click(sheet, 616, 18 + menu)
    pages = [s.work / "book.bmp", s.work / "book-2.bmp"]
    s.save_as(*pages)
    bmps = [Image.open(p) for p in pages]
    check(all(b.format == "BMP" and b.size == (794, 1121) for b in bmps), "two BMP files of 794 × 1121")
    dpi = [round(d, 1) for b in bmps for d in b.info.get("dpi", (0, 0))]
    check(dpi == [96.0] * 4, f"saved at 96 dpi (got {dpi})")
    first = bmps[1].convert("RGB").crop((74, 66, 118, 110)).getdata()  # its first cell
    check(sum(1 for c in first if dark(c)) > 50, "the second BMP starts with a model character")
