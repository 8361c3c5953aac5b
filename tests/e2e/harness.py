# SPDX-License-Identifier: GPL-3.0-or-later
"""Xvfb and openbox for the end-to-end scenarios, the installed program, and helpers to drive it
with xdotool and read its screenshots."""
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from PIL import Image

TOOLS = ("Xvfb", "openbox", "xdotool", "xwininfo", "xdpyinfo", "import", "xclip", "pdftoppm")


def missing_tool():
    return next((tool for tool in TOOLS if not shutil.which(tool)), None)


def run(*command, env=None, **kw):
    return subprocess.run(command, check=True, capture_output=True, text=True, env=env, **kw).stdout


def wait_for(what, probe, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        result = probe()
        if result:
            return result
        time.sleep(0.1)
    sys.exit(f"FAIL: timed out waiting for {what}")


def skip(why):
    print(f"SKIP: {why}")
    sys.exit(77)


def check(condition, what):
    if not condition:
        sys.exit(f"FAIL: {what}")
    print(f"ok: {what}")


class Session:
    """One X server and window manager; the program is started afresh for each scenario."""

    def __init__(self, build, scale=1, screenshots=None):
        self.scale = scale
        self.screenshots = screenshots
        self.work = Path(tempfile.mkdtemp(prefix="zige-e2e-"))
        self.prefix = self.work / "prefix"
        run("cmake", "--install", build, "--prefix", str(self.prefix))
        # Xvfb picks a free display and tells which; -noreset keeps it up between clients.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1300x24",
                                      "-nolisten", "tcp", "-noreset"], stderr=subprocess.DEVNULL, pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end) as announced:
            display = ":" + announced.readline().strip()
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=str(self.work),
                        QT_SCALE_FACTOR=str(scale), XDG_RUNTIME_DIR=str(self.work), LANG="C.UTF-8")
        for name in ("QT_QPA_PLATFORMTHEME", "DBUS_SESSION_BUS_ADDRESS", "LANGUAGE", "LC_ALL"):
            self.env.pop(name, None)  # no desktop session here, and the program must not follow the locale
        self.app = None
        wait_for("Xvfb", lambda: subprocess.run(["xdpyinfo"], env=self.env, capture_output=True).returncode == 0)
        # Keyboard focus and window frames exist only with a window manager.
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        wait_for("openbox", lambda: "_NET_SUPPORTING_WM_CHECK" in run("xprop", "-root", env=self.env))

    def start(self):
        """Starts the installed program from an unrelated folder; waits for the first paint."""
        self.log = open(self.work / "zige.log", "w")
        self.app = subprocess.Popen([str(self.prefix / "bin" / "zige")], env=self.env, cwd=str(self.work),
                                    stderr=self.log)
        self.main = wait_for("the main window", lambda: self.window("^字格") or (
            self.app.poll() is not None and sys.exit(f"FAIL: zige ended with {self.app.returncode}: "
                                                     f"{(self.work / 'zige.log').read_text()}")), timeout=90)
        # The quick grid view's pale blue band shows once the window has painted.
        band = [(520 + u, 304 + v) for u in range(56, 106, 3) for v in range(2, 160, 3)]
        pale = lambda c: c == (192, 192, 255)
        wait_for("the first paint", lambda: self.share(self.shot(self.main), pale, band) > 0.3)
        return self.main

    def stop(self):
        if self.app and self.app.poll() is None:
            self.app.terminate()
            self.app.wait(timeout=10)
        self.app = None

    def close(self):
        self.stop()
        for process in (self.wm, self.xvfb):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def window(self, name):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=self.env,
                             capture_output=True, text=True).stdout.split()
        return out[-1] if out else None

    def geometry(self, wid, frame=False):
        """(x, y, width, height) of the client area, or of the whole window with its frame."""
        info = run("xwininfo", "-id", wid, env=self.env)
        value = {line.split(":")[0].strip(): line.split(":")[1].strip() for line in info.splitlines() if ":" in line}
        x, y, w, h = (int(value["Absolute upper-left X"]), int(value["Absolute upper-left Y"]),
                      int(value["Width"]), int(value["Height"]))
        if not frame:
            return x, y, w, h
        # The window manager publishes the frame's extents (left, right, top, bottom).
        extents = run("xprop", "-id", wid, "_NET_FRAME_EXTENTS", env=self.env).partition("=")[2]
        left, right, top, bottom = (int(v) for v in extents.split(",")) if extents else (0, 0, 0, 0)
        return x - left, y - top, w + left + right, h + top + bottom

    def screen(self):
        path = self.work / "screen.png"
        run("import", "-window", "root", str(path), env=self.env)
        return Image.open(path).convert("RGB")

    def shot(self, wid, name=None):
        """The window's client area; kept for the README when asked for and named."""
        x, y, w, h = self.geometry(wid)
        image = self.screen().crop((x, y, x + w, y + h))
        if name and self.screenshots:
            image.save(Path(self.screenshots) / f"{name}.png")
        return image

    def centred(self, wid):
        """How far the whole window, frame included, stands from the screen's centre (x, y)."""
        x, y, w, h = self.geometry(wid, frame=True)
        sw, sh = self.screen().size
        return (2 * x + w - sw) / 2, (2 * y + h - sh) / 2

    def open_sheet(self):
        """Opens the grid sheet window with 生成速成宝格 and waits until it has settled."""
        self.click(self.main, 228, 20)
        sheet = wait_for("the grid sheet window", lambda: self.window("^生成速成宝格$"))
        time.sleep(1.0)
        return sheet

    def save_as(self, *files):
        """Answers the save dialog, titled 另存为 in any locale, and waits for all of `files`."""
        dialog = wait_for("the save dialog, titled 另存为", lambda: self.window("^另存为$"))
        time.sleep(1.0)
        self.focus(dialog)
        self.key("ctrl+a")
        run("xdotool", "type", "--delay", "20", str(files[0]), env=self.env)
        self.key("Return")
        wait_for(", ".join(f.name for f in files), lambda: all(f.exists() and f.stat().st_size > 0 for f in files))
        time.sleep(0.5)

    def focus(self, wid):
        run("xdotool", "windowactivate", "--sync", wid, env=self.env)

    def click(self, wid, x, y):
        s = self.scale
        run("xdotool", "mousemove", "--window", wid, str(x * s), str(y * s), "click", "1", env=self.env)

    def key(self, *keys):
        run("xdotool", "key", "--clearmodifiers", *keys, env=self.env)

    def share(self, image, test, points):
        """The share of `points`, in logical pixels, whose colour passes `test`."""
        return sum(1 for x, y in points if test(image.getpixel((x * self.scale, y * self.scale)))) / len(points)
