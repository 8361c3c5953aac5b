# SPDX-License-Identifier: GPL-3.0-or-later
"""退出 asks; Yes ends the program, sheet window and all, with status 0."""
from harness import check, wait_for


def run(s):
    s.open_sheet()
    s.focus(s.main)
    s.click(s.main, 300, 20)
    question = wait_for("the exit question", lambda: s.window("^提示$"))
    s.focus(question)
    s.key("Return")
    status = s.app.wait(timeout=10)
    check(status == 0, f"the program ends with status 0 (got {status})")
    check(s.window("^生成速成宝格$") is None, "the grid sheet window closed with it")
