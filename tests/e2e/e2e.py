"""End to end in a real X server: installs zige, starts it under Xvfb and drives it with xdotool,
checking screenshots and a saved sheet with an independent reader (PIL).

Usage: e2e.py BUILD_DIR [--scale N] [--screenshots DIR]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from PIL import Image

for tool in ("Xvfb", "xdotool", "xwininfo", "xdpyinfo", "import"):
    if not shutil.which(tool):
        print(f"SKIP: {tool} is not installed")
        sys.exit(77)

parser = argparse.ArgumentParser()
parser.add_argument("build")
parser.add_argument("--scale", type=int, default=1)
parser.add_argument("--screenshots")
args = parser.parse_args()
S = args.scale


def run(*command, **kw):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kw).stdout


def wait_for(what, probe, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        result = probe()
        if result:
            return result
        time.sleep(0.1)
    sys.exit(f"FAIL: timed out waiting for {what}")


def check(condition, what):
    if not condition:
        sys.exit(f"FAIL: {what}")
    print(f"ok: {what}")


work = Path(tempfile.mkdtemp(prefix="zige-e2e-"))
prefix = work / "prefix"
run("cmake", "--install", args.build, "--prefix", str(prefix))

# Xvfb picks a free display itself and tells which, so parallel runs never share one. Without
# -noreset the server resets when its last client leaves, and a connection made meanwhile (the
# program's, right after the readiness probe) is refused.
read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1300x24", "-nolisten", "tcp",
                         "-noreset"],
                        stderr=subprocess.DEVNULL, pass_fds=[write_end])
os.close(write_end)
with os.fdopen(read_end) as announced:
    display = ":" + announced.readline().strip()
env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=str(work), QT_SCALE_FACTOR=str(S),
           XDG_RUNTIME_DIR=str(work))
env.pop("QT_QPA_PLATFORMTHEME", None)
env.pop("DBUS_SESSION_BUS_ADDRESS", None)  # no desktop session here: nothing to wait for
app = None
try:
    wait_for("Xvfb", lambda: subprocess.run(["xdpyinfo"], env=env, capture_output=True).returncode == 0)
    # Started through the bin/ symlink from an unrelated folder: it must still find hz.txt.
    log = open(work / "zige.log", "w")
    app = subprocess.Popen([str(prefix / "bin" / "zige")], env=env, cwd=str(work), stderr=log)

    def window(name):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=env,
                             capture_output=True, text=True).stdout.split()
        return out[0] if out else None

    main = wait_for("the main window", lambda: window("^字格") or (app.poll() is not None and sys.exit(
        f"FAIL: zige ended with {app.returncode}: {(work / 'zige.log').read_text()}")), timeout=90)

    def geometry(wid):
        info = run("xwininfo", "-id", wid, env=env)
        value = {line.split(":")[0].strip(): line.split(":")[1].strip() for line in info.splitlines() if ":" in line}
        return (int(value["Absolute upper-left X"]), int(value["Absolute upper-left Y"]),
                int(value["Width"]), int(value["Height"]))

    def shot(wid, name, keep=True):
        path = work / f"{name}.png"
        run("import", "-window", "root", str(path), env=env)
        x, y, w, h = geometry(wid)
        image = Image.open(path).convert("RGB").crop((x, y, x + w, y + h))
        if args.screenshots and keep:
            image.save(Path(args.screenshots) / f"{name}.png")
        return image

    x, y, w, h = geometry(main)
    check((w, h) == (709 * S, 528 * S), f"main window client area {w}×{h} is 709×528 at scale {S}")

    def px(image, lx, ly):
        return image.getpixel((lx * S, ly * S))

    red = lambda c: c == (255, 0, 0)
    pale = lambda c: c == (192, 192, 255)
    dark = lambda c: max(c) < 100

    def share(image, test, points):
        return sum(1 for p in points if test(px(image, *p))) / len(points)

    # The quick grid view at (520, 304) has its pale blue band between pixels 55 and 106 once the
    # window has painted; a loaded machine may take a while.
    band = [(520 + u, 304 + v) for u in range(56, 106, 3) for v in range(2, 160, 3)]
    screen = wait_for("the first paint", lambda: (lambda im: im if share(im, pale, band) > 0.3 else None)(
        shot(main, "main-window")))
    check(share(screen, pale, band) > 0.3, "pale blue inside the quick grid's band")

    # Rice grid view at (328, 112): dash-dot centre lines on pixel 81, one logical pixel wide
    # (checked above the character, which covers the line further down).
    column = [(328 + 81, 112 + v) for v in range(2, 29)]
    check(share(screen, red, column) > 0.45, "red dash-dot vertical centre line of the rice grid")
    check(share(screen, red, [(328 + 79, 112 + v) for v in range(2, 29)]) == 0, "nothing red beside it")
    # Crisp at any scale: every device pixel of the centre line's run is pure red or pure white.
    run_pixels = [screen.getpixel(((328 + 81) * S + d, (112 + v) * S + e)) for v in range(2, 29)
                  for d in range(S) for e in range(S)]
    check(all(c in [(255, 0, 0), (255, 255, 255)] or dark(c) for c in run_pixels), "no blurred grid pixels")
    check(all(not red(screen.getpixel(((328 + 81) * S + S, (112 + v) * S))) for v in range(2, 40)),
          "the line is exactly one logical pixel wide")
    # The character's dark strokes inside the grid box of each view.
    for name, (vx, vy) in {"rice": (328, 112), "nine": (520, 112), "eight": (328, 304), "quick": (520, 304)}.items():
        strokes = [(vx + u, vy + v) for u in range(5, 160, 2) for v in range(5, 160, 2)]
        check(share(screen, dark, strokes) > 0.05, f"the character is drawn in the {name} view")

    # Another zone by keyboard: the focus starts on the position list; Shift+Tab reaches the zone list.
    run("xdotool", "windowfocus", "--sync", main, env=env)
    run("xdotool", "key", "--clearmodifiers", "shift+Tab", "Down", env=env)
    region = (328 * S, 112 * S, 513 * S, 297 * S)
    before = list(screen.crop(region).getdata())
    wait_for("the redraw after picking zone 17 by keyboard",
             lambda: list(shot(main, "main-window-zone17", keep=False).crop(region).getdata()) != before)
    print("ok: picking zone 17 by keyboard redraws the views")

    # The grid sheet window, and saving its default sheet through the real save dialog.
    def click(wid, lx, ly):
        run("xdotool", "mousemove", "--window", wid, str(lx * S), str(ly * S), "click", "1", env=env)

    click(main, 228, 20)
    sheet = wait_for("the grid sheet window", lambda: window("^生成速成宝格$"))
    time.sleep(1.0)
    shot(sheet, "sheet-window")
    click(sheet, 616, 18)
    dialog = wait_for("the save dialog", lambda: window("保存|Save"))
    time.sleep(1.0)
    target = work / "sheet.bmp"
    run("xdotool", "windowfocus", "--sync", dialog, env=env)
    run("xdotool", "key", "--clearmodifiers", "ctrl+a", env=env)
    run("xdotool", "type", "--delay", "20", str(target), env=env)
    run("xdotool", "key", "Return", env=env)
    wait_for("the saved sheet", lambda: target.exists() and target.stat().st_size > 0)
    time.sleep(0.5)
    bmp = Image.open(target)
    check(bmp.format == "BMP" and bmp.size == (794, 1121), f"saved BMP is 794×1121 (got {bmp.size})")
    dpi = bmp.info.get("dpi", (0, 0))
    check(abs(dpi[0] - 96) < 0.1 and abs(dpi[1] - 96) < 0.1, f"saved BMP is 96 dpi (got {dpi})")
    rgb = bmp.convert("RGB")
    # The first cell's band: x from 1102.5 + 661.5 / 3 twips, y from 992.25 twips.
    check(rgb.getpixel((90, 80)) == (255, 255, 192), "light yellow band in the first cell")
    check(rgb.getpixel((30, 30)) == (255, 255, 255), "white margin")

    # 退出 asks; Yes ends the program, sheet window and all, with status 0.
    run("xdotool", "windowraise", main, env=env)
    run("xdotool", "windowfocus", "--sync", main, env=env)
    click(main, 300, 20)
    question = wait_for("the exit question", lambda: window("^提示$"))
    time.sleep(0.5)
    run("xdotool", "windowfocus", "--sync", question, env=env)
    run("xdotool", "key", "Return", env=env)
    status = app.wait(timeout=10)
    check(status == 0, f"the program ends with status 0 (got {status})")
    app = None
    check(window("^生成速成宝格$") is None, "the grid sheet window closed with it")
finally:
    if app:
        app.terminate()
        app.wait(timeout=10)
    # Wait until the server is gone: a dying one removes its socket as it exits, which would
    # break a server the next run has meanwhile started on the same display number.
    xvfb.terminate()
    try:
        xvfb.wait(timeout=10)
    except subprocess.TimeoutExpired:
        xvfb.kill()
        xvfb.wait()
    shutil.rmtree(work, ignore_errors=True)
print("1 passed, 0 failed")
