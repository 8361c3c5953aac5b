# SPDX-License-Identifier: GPL-3.0-or-later
"""The grid sheet window: exports through its menu and save dialog, a copybook as BMP files."""
import subprocess
import time

from PIL import Image

from harness import check, wait_for

TEXT = "永和九年岁在癸丑暮春之初会于会稽山阴之兰亭修禊事也群贤毕"


def export(s, sheet, downs, target):
    """Opens 文件 with the mouse, goes down to the entry with the keyboard and saves as `target`."""
    s.focus(sheet)
    s.click(sheet, 20, 8)
    time.sleep(0.5)
    s.key(*["Down"] * downs, "Return")
    s.save_as(target)


def run(s):
    sheet = s.open_sheet()
    dx, dy = s.centred(sheet)
    check(abs(dx) <= 2 and abs(dy) <= 2, f"the sheet window, frame included, is centred (off by {dx}, {dy})")
    s.shot(sheet, "sheet-window")
    width, height = s.geometry(sheet)[2:]
    menu = height // s.scale - 521
    check(width == 653 * s.scale and 15 <= menu <= 40, f"the form's 653×521 client area below a menu bar {menu} high")

    pdf = s.work / "sheet.pdf"
    export(s, sheet, 2, pdf)
    subprocess.run(["pdftoppm", "-r", "96", "-png", "-singlefile", str(pdf), str(s.work / "page")], check=True)
    page = Image.open(s.work / "page.png").convert("RGB")
    check(page.getpixel((90, 80)) == (255, 255, 192), "light yellow band in the first cell of the PDF")
    check(page.getpixel((30, 30)) == (255, 255, 255), "white margin")

    png = s.work / "sheet.png"
    export(s, sheet, 3, png)
    image = Image.open(png)
    dpi = image.info.get("dpi", (0, 0))
    check(image.format == "PNG" and image.size == (2481, 3503), f"PNG of 2481 × 3503 (got {image.size})")
    check(abs(dpi[0] - 300) < 0.01 and abs(dpi[1] - 300) < 0.01, f"300 dpi recorded (got {dpi})")
    rgb = image.convert("RGB")
    check(set(c for _, c in rgb.getcolors(16)) == {(255, 255, 255), (255, 255, 192), (0, 0, 128)},
          "crisp: white, light yellow and the pen colour only")
    check(rgb.getpixel((281, 250)) == (255, 255, 192), "light yellow band in the first cell at 300 dpi")

    # Thirty characters pasted (xdotool drops typed Chinese) fill two BMP files.
    s.focus(sheet)
    s.key("alt+c")
    time.sleep(0.5)
    s.key("Return")
    s.focus(wait_for("the copybook dialog", lambda: s.window("^字帖$")))
    time.sleep(0.5)
    subprocess.run(["xclip", "-selection", "clipboard", "-loops", "1"], input=TEXT, text=True, env=s.env, check=True)
    s.key("ctrl+v")
    time.sleep(1.0)
    s.key("Escape")
    time.sleep(0.5)
    s.shot(sheet, "copybook")
    s.focus(sheet)
    s.click(sheet, 616, 18 + menu)
    pages = [s.work / "book.bmp", s.work / "book-2.bmp"]
    s.save_as(*pages)
    bmps = [Image.open(p) for p in pages]
    check(all(b.format == "BMP" and b.size == (794, 1121) for b in bmps), "two BMP files of 794 × 1121")
    dpi = [round(d, 1) for b in bmps for d in b.info.get("dpi", (0, 0))]
    check(dpi == [96.0] * 4, f"saved at 96 dpi (got {dpi})")
    first = bmps[1].convert("RGB").crop((74, 66, 118, 110)).getdata()  # its first cell
    check(sum(1 for c in first if max(c) < 100) > 50, "the second BMP starts with a model character")
