# SPDX-License-Identifier: GPL-3.0-or-later
"""获取汉字 lists every code of zones 16 to 87 in the real window; the whole text, read back through
the clipboard, is the 6768 characters in code order and "End"."""
import subprocess
import time

from harness import check, run as command, wait_for

BUTTON = (4, 8, 65, 25)  # Command1 in logical pixels: left, top, width, height


def expected_lines():
    # GB18030 agrees with code page 936 on GB2312 and maps its five empty codes as the program does.
    return [bytes([zone + 0xA0, position + 0xA0]).decode("gb18030")
            for zone in range(16, 88) for position in range(1, 95)] + ["End"]


def run(s):
    S = s.scale
    x, y, w, h = BUTTON
    button = lambda: s.shot(s.main).crop((x * S, y * S, (x + w) * S, (y + h) * S))
    idle = button()
    s.click(s.main, x + w // 2, y + h // 2)
    hint = wait_for("the listing's hint", lambda: s.window("^提示$"))
    s.focus(hint)
    s.key("Return")
    command("xdotool", "mousemove", "--window", s.main, str(600 * S), str(480 * S), env=s.env)  # off the button
    wait_for("the listing to start", lambda: button().tobytes() != idle.tobytes())
    # The button shows its caption again and takes clicks once the listing has ended.
    started = time.time()
    wait_for("the end of the listing", lambda: button().tobytes() == idle.tobytes(), timeout=240)
    print(f"ok: the listing ended after about {time.time() - started:.0f} s")

    s.click(s.main, 36, 300)  # into Text1: no listing runs, so nothing stops
    s.key("ctrl+a", "ctrl+c")
    # The copy reaches the clipboard a moment later; until then it may hold an earlier text.
    clipboard = lambda: subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=s.env,
                                       capture_output=True).stdout.decode("utf-8")
    text = wait_for("the listing on the clipboard", lambda: (lambda t: t if t.endswith("End") else None)(clipboard()))
    lines = text.replace("\r\n", "\n").split("\n")
    expected = expected_lines()
    check(len(lines) == 6769, f"6769 lines in the listing box (got {len(lines)})")
    check(lines[0] == "啊" and lines[6767] == "齄" and lines[-1] == "End", "啊 first, 齄 6768th, End last")
    wrong = [i for i, (got, want) in enumerate(zip(lines, expected)) if got != want]
    check(not wrong, f"every line is the character of its code (first wrong: {wrong[:3]})")
