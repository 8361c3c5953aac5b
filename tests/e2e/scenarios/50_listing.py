# SPDX-License-Identifier: GPL-3.0-or-later
"""获取汉字 in the real window: the text, copied, is the 6768 characters in code order and End."""
import subprocess

from harness import check, run as command, wait_for


def run(s):
    S = s.scale
    button = lambda: s.shot(s.main).crop((4 * S, 8 * S, 69 * S, 33 * S)).tobytes()  # Command1
    idle = button()
    s.click(s.main, 36, 20)
    s.focus(wait_for("the listing's hint", lambda: s.window("^提示$")))
    s.key("Return")
    command("xdotool", "mousemove", "--window", s.main, str(600 * S), str(480 * S), env=s.env)  # off the button
    wait_for("the listing to start", lambda: button() != idle)
    wait_for("the end of the listing", lambda: button() == idle, timeout=240)

    s.click(s.main, 36, 300)  # into Text1: no listing runs, so nothing stops
    s.key("ctrl+a", "ctrl+c")
    clipboard = lambda: subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=s.env,
                                       capture_output=True).stdout.decode("utf-8")
    lines = wait_for("the listing on the clipboard", lambda: (lambda t: t.endswith("End") and t)(clipboard()))
    lines = lines.replace("\r\n", "\n").split("\n")
    expected = [bytes([z + 0xA0, p + 0xA0]).decode("gb18030") for z in range(16, 88) for p in range(1, 95)]
    wrong = [i for i, (got, want) in enumerate(zip(lines, expected + ["End"])) if got != want]
    check(len(lines) == 6769 and not wrong, f"6768 characters in code order, then End (first wrong: {wrong[:3]})")
