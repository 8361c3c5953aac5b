# SPDX-License-Identifier: GPL-3.0-or-later
"""The four views as drawn on screen, crisp at any scale, and a zone picked by keyboard."""
from harness import check, wait_for

red = lambda c: c == (255, 0, 0)
dark = lambda c: max(c) < 100


def run(s):
    S = s.scale
    x, y, w, h = s.geometry(s.main)
    check((w, h) == (709 * S, 528 * S), f"main window client area {w}×{h} is 709×528 at scale {S}")
    dx, dy = s.centred(s.main)
    check(abs(dx) <= 2 and abs(dy) <= 2, f"the main window, frame included, is centred (off by {dx}, {dy})")
    screen = s.shot(s.main, "main-window")

    # Rice grid view at (328, 112): dash-dot centre lines on pixel 81, one logical pixel wide
    # (checked above the character, which covers the line further down).
    column = [(328 + 81, 112 + v) for v in range(2, 29)]
    check(s.share(screen, red, column) > 0.45, "red dash-dot vertical centre line of the rice grid")
    # Crisp at any scale: every device pixel of the line's run is pure red or white, and the
    # logical pixels on either side hold no red.
    run_pixels = [screen.getpixel(((328 + 81) * S + d, (112 + v) * S + e)) for v in range(2, 29)
                  for d in range(S) for e in range(S)]
    check(all(c in [(255, 0, 0), (255, 255, 255)] or dark(c) for c in run_pixels), "no blurred grid pixels")
    check(s.share(screen, red, [(328 + 81 + d, 112 + v) for d in (-1, 1) for v in range(2, 40)]) == 0,
          "the line is exactly one logical pixel wide")
    for name, (vx, vy) in {"rice": (328, 112), "nine": (520, 112), "eight": (328, 304), "quick": (520, 304)}.items():
        strokes = [(vx + u, vy + v) for u in range(5, 160, 2) for v in range(5, 160, 2)]
        check(s.share(screen, dark, strokes) > 0.05, f"the character is drawn in the {name} view")

    # Another zone by keyboard: the focus starts on the position list; Shift+Tab reaches the zone list.
    s.focus(s.main)
    s.key("shift+Tab", "Down")
    region = (328 * S, 112 * S, 513 * S, 297 * S)
    before = list(screen.crop(region).getdata())
    wait_for("the redraw after picking zone 17 by keyboard",
             lambda: list(s.shot(s.main).crop(region).getdata()) != before)
    print("ok: picking zone 17 by keyboard redraws the views")
