# SPDX-License-Identifier: GPL-3.0-or-later
"""The position list gets the focus when the main window first appears and when the user comes
back to it from the sheet window, not when a list's popup closes; 退出 then ends it all."""
import time

from harness import check, wait_for

ZONE, POSITION, FONT = (376, 10, 49, 20), (480, 10, 49, 20), (352, 40, 97, 20)


def run(s):
    S = s.scale

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
    # 退出 asks; Yes ends the program, sheet window and all, with status 0.
    s.click(s.main, 300, 20)
    s.focus(wait_for("the exit question", lambda: s.window("^提示$")))
    s.key("Return")
    status = s.app.wait(timeout=10)
    check(status == 0 and s.window("^生成速成宝格$") is None, f"the program and its sheet window end (status {status})")
