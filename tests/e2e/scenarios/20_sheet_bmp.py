# SPDX-License-Identifier: GPL-3.0-or-later
"""The grid sheet window, and its default sheet saved through the real save dialog."""
from PIL import Image

from harness import check


def run(s):
    sheet = s.open_sheet()
    dx, dy = s.centred(sheet)
    check(abs(dx) <= 2 and abs(dy) <= 2, f"the sheet window, frame included, is centred (off by {dx}, {dy})")
    s.shot(sheet, "sheet-window")
    # The form's client area (521 high) lies below the menu bar.
    menu = s.geometry(sheet)[3] // s.scale - 521
    s.click(sheet, 616, 18 + menu)
    target = s.work / "sheet.bmp"
    s.save_as(target)
    bmp = Image.open(target)
    check(bmp.format == "BMP" and bmp.size == (794, 1121), f"saved BMP is 794×1121 (got {bmp.size})")
    dpi = bmp.info.get("dpi", (0, 0))
    check(abs(dpi[0] - 96) < 0.1 and abs(dpi[1] - 96) < 0.1, f"saved BMP is 96 dpi (got {dpi})")
    rgb = bmp.convert("RGB")
    # The first cell's band: x from 1102.5 + 661.5 / 3 twips, y from 992.25 twips.
    check(rgb.getpixel((90, 80)) == (255, 255, 192), "light yellow band in the first cell")
    check(rgb.getpixel((30, 30)) == (255, 255, 255), "white margin")
