# SPDX-License-Identifier: GPL-3.0-or-later
"""`zige copybook` installed, run with no display, its PDF read back by poppler.
Usage: command_line.py BUILD_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent / "e2e"))
from harness import check, skip  # noqa: E402

work = Path(tempfile.mkdtemp(prefix="zige-command-"))
prefix = work / "prefix"
subprocess.run(["cmake", "--install", sys.argv[1], "--prefix", str(prefix)], check=True, capture_output=True)
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}


def zige(*arguments, stdin=None):
    return subprocess.run([str(prefix / "bin/zige"), *arguments], cwd=work, env=env, input=stdin,
                          capture_output=True, text=True, timeout=120)


def poppler(tool, pdf):
    return subprocess.run([tool, pdf] + ["-"] * (tool == "pdftotext"), cwd=work, capture_output=True, text=True).stdout


missing = [p for p in ("lib/zige/hz.txt", "lib/zige/strokes.bin", "share/applications/zige.desktop", "share/metainfo/zige.metainfo.xml",
                       "share/icons/hicolor/scalable/apps/zige.svg") if not (prefix / p).exists()]
check(not missing and (prefix / "bin/zige").is_symlink(), f"the install's layout (missing: {missing})")
for option in ("--help", "--version"):
    result = zige(option)
    check(result.returncode == 0 and result.stdout and not result.stderr, f"zige {option} answers")
if not all(shutil.which(tool) for tool in ("pdfinfo", "pdffonts", "pdftotext")):
    skip("poppler-utils is not installed")

# 30 characters from standard input: two pages, fonts embedded, the characters in order.
text = "永字八法天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁"
result = zige("copybook", "--file", "-", "-o", "book.pdf", stdin=text)
check(result.returncode == 0 and not result.stderr, "a copybook of 30 characters is written")
info, fonts = poppler("pdfinfo", "book.pdf"), poppler("pdffonts", "book.pdf").splitlines()
check("Pages:           2\n" in info and "595.276 x 841.89 pts (A4)" in info, "two A4 pages")
check(len(fonts) > 2 and all(" yes " in line for line in fonts[2:]), "every font embedded")
rows = [line.replace(" ", "") for line in poppler("pdftotext", "book.pdf").splitlines() if line.strip(" \f")]
check(rows == [c * 4 for c in text], "the characters come back in order, four to a row")

# Pinyin comes back as written; a typed reading none of the character's is kept and named.
result = zige("copybook", "长(cháng)行(háng)绿(lv4)长长(zang3)", "--pinyin", "-o", "pinyin.pdf")
written = ["cháng", "háng", "lǜ", "zhǎng", "zǎng"]
syllables = list(dict.fromkeys(s for s in poppler("pdftotext", "pinyin.pdf").split() if s in written))
check(result.returncode == 0 and syllables == written,
      f"pinyin read back from the PDF as written ({syllables})")
check(result.stderr.rstrip().endswith("照所写标注：长(zǎng)"), "a reading that is none of the character's is named")

result = zige("copybook", "--level", "1", "--range", "1-100", "--models", "1", "--traces", "0", "-o", "level.pdf")
drawn = "".join(poppler("pdftotext", "level.pdf").split())
check(result.returncode == 0 and len(drawn) == 100 and drawn.startswith("一乙二十丁"),
      "--level 1 --range 1-100 gives the table's first 100 characters")

(work / "gb18030.txt").write_text("长(cháng)城，hello!\n校长\n", encoding="gb18030")
result = zige("copybook", "--file", "gb18030.txt", "-o", "gb18030.pdf")
check(result.returncode == 0 and "7 个不是汉字的字符已略去" in result.stderr
      and "".join(poppler("pdftotext", "gb18030.pdf").split()) == "".join(c * 4 for c in "长城校长"),
      "a GB18030 file's hanzi, what is no hanzi named")

before = sorted(os.listdir(work))
for arguments, status, named in [
        (["--traces", "-1", "-o", "x.pdf"], 2, "--traces"), (["--dpi", "0", "-o", "x.png"], 2, "--dpi"),
        (["--dpi", "100000", "-o", "x.png"], 2, "--dpi"), (["--grid", "hexagon", "-o", "x.pdf"], 2, "--grid"),
        (["永"], 2, "-o"), (["永", "-o", "x.txt"], 2, "x.txt"),
        (["永", "--columns", "5000", "--rows", "5000", "-o", "x.pdf"], 2, "字格"),
        (["永", "-o", "missing/x.pdf"], 1, "文件夹不存在"), (["--file", "missing.txt", "-o", "x.pdf"], 1, "missing.txt"),
        (["永", "--cell-width", "15", "-o", "x.pdf"], 2, "--columns 11"),
        (["永", "--cell-mm", "40", "--margin-mm", "50", "--paper", "A5", "--landscape", "--header",
          "-o", "x.png"], 2, "放不下"),
        (["永", "--cell-mm", "7", "-o", "x.pdf"], 2, "--cell-mm"), (["永", "--paper", "A6", "-o", "x.pdf"], 2, "--paper"),
        (["--range", "1-10", "-o", "x.pdf"], 2, "--range"), (["--level", "4", "-o", "x.pdf"], 2, "--level"),
        (["--pinyin-style", "fancy", "-o", "x.pdf"], 2, "--pinyin-style")]:
    result = zige("copybook", *arguments)
    check(result.returncode == status and len(result.stderr.splitlines()) == 1 and named in result.stderr,
          f"{' '.join(arguments)}: status {status}, {result.stderr.strip()}")
check(sorted(os.listdir(work)) == before, "no file written by any of them")
shutil.rmtree(work)
