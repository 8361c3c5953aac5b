# SPDX-License-Identifier: GPL-3.0-or-later
"""The main window: its views crisp at any scale, where the focus goes, 退出 ending it all."""
import time

from harness import check, wait_for

red = lambda c: c == (255, 0, 0)
dark = lambda c: max(c) < 100
ZONE, POSITION, FONT, RICE = (376, 10, 49, 20), (480, 10, 49, 20), (352, 40, 97, 20), (328, 112, 185, 185)


def run(s):
    S = s.scale
    x, y, w, h = s.geometry(s.main)
    check((w, h) == (709 * S, 528 * S), f"main window client area {w}×{h} is 709×528 at scale {S}")
    dx, dy = s.centred(s.main)
    check(abs(dx) <= 2 and abs(dy) <= 2, f"the main window, frame included, is centred (off by {dx}, {dy})")
    screen = s.shot(s.main, "main-window")

    # The rice view's dash-dot centre line above the character, one logical pixel wide.
    column = [(328 + 81, 112 + v) for v in range(2, 29)]
    check(s.share(screen, red, column) > 0.45, "red dash-dot vertical centre line of the rice grid")
    run_pixels = [screen.getpixel(((328 + 81) * S + d, (112 + v) * S + e)) for v in range(2, 29)
                  for d in range(S) for e in range(S)]
    check(all(c in [(255, 0, 0), (255, 255, 255)] or dark(c) for c in run_pixels), "no blurred grid pixels")
    check(s.share(screen, red, [(328 + 81 + d, 112 + v) for d in (-1, 1) for v in range(2, 40)]) == 0,
          "the line is exactly one logical pixel wide")
    for name, (vx, vy) in {"rice": (328, 112), "nine": (520, 112), "eight": (328, 304), "quick": (520, 304)}.items():
        strokes = [(vx + u, vy + v) for u in range(5, 160, 2) for v in range(5, 160, 2)]
        check(s.share(screen, dark, strokes) > 0.05, f"the character is drawn in the {name} view")

    def look(*regions):
        screen = s.shot(s.main)
        return [list(screen.crop((x * S, y * S, (x + w) * S, (y + h) * S)).getdata()) for x, y, w, h in regions]

    def down_moves(changed, kept, what):
        time.sleep(0.5)
        before_changed, before_kept = look(changed, kept)
        s.key("Down")
        wait_for(what, lambda: look(changed)[0] != before_changed)
        time.sleep(0.5)
        check(look(kept)[0] == before_kept, what)

    # The focus starts on the position list: Shift+Tab reaches the zone list.
    s.focus(s.main)
    s.key("shift+Tab")
    down_moves(RICE, POSITION, "picking zone 17 by keyboard redraws the views")
    # A pick from the zone list's popup keeps the focus there: Down then steps the zones.
    s.click(s.main, 400, 20)
    time.sleep(0.5)
    s.key("Down", "Return")
    down_moves(ZONE, POSITION, "after a pick in its popup, Down steps the zone list")
    # A popup closed with Escape keeps it too.
    s.click(s.main, 400, 50)
    time.sleep(0.5)
    s.key("Escape")
    down_moves(FONT, POSITION, "after Escape in its popup, Down steps the font list")
    # Coming back from the sheet window puts it on the position list.
    s.focus(s.open_sheet())
    s.focus(s.main)
    down_moves(POSITION, FONT, "back from the sheet window, Down steps the position list")
    s.click(s.main, 300, 20)
    s.focus(wait_for("the exit question", lambda: s.window("^提示$")))
    s.key("Return")
    status = s.app.wait(timeout=10)
    check(status == 0 and s.window("^生成速成宝格$") is None, f"the program and its sheet window end (status {status})")
