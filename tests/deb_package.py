# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package: made by CPack, read back, checked by lintian; as root where no zige is,
installed, started in Xvfb and removed. Usage: deb_package.py BUILD_DIR
"""
import fcntl
import io
import os
import re
import subprocess
import sys
import tarfile
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent / "e2e"))
import harness  # noqa: E402
from harness import check, skip  # noqa: E402

FILES = {"/usr/bin/zige -> ../lib/zige/zige", "/usr/lib/zige/zige", "/usr/lib/zige/hz.txt",
         "/usr/lib/zige/strokes.bin", "/usr/share/applications/zige.desktop",
         "/usr/share/icons/hicolor/scalable/apps/zige.svg",
         "/usr/share/metainfo/zige.metainfo.xml", "/usr/share/doc/zige/copyright",
         "/usr/share/doc/zige/changelog.gz", "/usr/share/man/man1/zige.1.gz"}
RUNTIME = ("libqt6widgets6", "qt6-translations-l10n", "fonts-arphic-ukai | fonts-arphic-uming | fonts-wqy-zenhei",
           "fonts-sil-andika")


def sh(*command, env=None):
    result = subprocess.run(command, capture_output=True, text=True, env=env)
    if result.returncode != 0:
        sys.exit(f"FAIL: {' '.join(command)} ended with {result.returncode}:\n{result.stdout}{result.stderr}")
    return result.stdout


def check_copyright(text):
    """The machine-readable format, which lintian checks only in source packages."""
    paragraphs = [dict(re.findall(r"^(\S+): ?(.*(?:\n .*)*)", p, re.M)) for p in text.strip().split("\n\n")]
    named = {p["License"].split("\n")[0] for p in paragraphs[1:] if "License" in p}
    given = {p["License"].split("\n")[0] for p in paragraphs[1:] if "\n" in p.get("License", "")}
    check(paragraphs[0].get("Format", "").endswith("/copyright-format/1.0/"), "copyright names its format")
    check(all("License" in p and ("Files" not in p or "Copyright" in p) for p in paragraphs[1:]),
          "every paragraph of copyright names its licence, and the copyright of its files")
    check(named == given, f"copyright holds the text of every licence it names (missing: {named - given})")


def install_start_remove(deb, files):
    if os.geteuid() != 0:
        skip("installing the package needs root")
    if harness.missing_tool():
        skip(f"{harness.missing_tool()} is not installed")
    lock = os.open("/var/lib/dpkg/lock-frontend", os.O_RDWR | os.O_CREAT, 0o640)
    try:
        fcntl.lockf(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except OSError:
        skip("dpkg is busy")
    env = dict(os.environ, DPKG_FRONTEND_LOCKED="1")  # dpkg leaves the frontend lock to us
    if subprocess.run(["dpkg-query", "-W", "zige"], capture_output=True).returncode == 0:
        skip("zige is installed on this machine")
    if any(os.path.lexists(path) for path in files):
        skip("files of the package exist on this machine")
    try:
        sh("dpkg", "-i", str(deb), env=env)
        session = harness.Session(sys.argv[1])
        session.prefix = Path("/usr")  # start the installed package, not the session's own copy
        try:
            main = session.start()
            # The library view (76, 40, 245 × 449) full of text: hz.txt found beside the program.
            text = [(x, y) for x in range(80, 316, 2) for y in range(120, 480, 2)]
            check(session.share(session.shot(main), lambda c: max(c) < 100, text) > 0.02,
                  "/usr/bin/zige starts and shows the character library")
        finally:
            session.close()
    finally:
        sh("dpkg", "--purge", "zige", env=env)
    check(not any(os.path.lexists(path) for path in files), "removing the package removes its files")


with tempfile.TemporaryDirectory(prefix="zige-deb-") as work:
    sh("cpack", "-G", "DEB", "--config", str(Path(sys.argv[1]) / "CPackConfig.cmake"), "-B", work)
    deb = next(Path(work).glob("zige_*.deb"))
    depends = sh("dpkg-deb", "--field", str(deb), "Depends")
    for needed in RUNTIME:
        check(needed in depends, f"depends on {needed}")
    entries = [line.split(None, 5) for line in sh("dpkg-deb", "--contents", str(deb)).splitlines()]
    check({e[1] for e in entries} == {"root/root"}, "every entry belongs to root")
    listed = {e[5][1:] for e in entries if not e[0].startswith("d")}
    check(listed == FILES, f"the package holds exactly its files (differences: {listed ^ FILES})")
    print(sh("lintian", "--fail-on", "error,warning", "--tag-display-limit", "0", str(deb)), end="")
    print("ok: lintian finds no errors or warnings")
    files = tarfile.open(fileobj=io.BytesIO(subprocess.run(["dpkg-deb", "--fsys-tarfile", str(deb)],
                                                           capture_output=True, check=True).stdout))
    check_copyright(files.extractfile("./usr/share/doc/zige/copyright").read().decode())
    install_start_remove(deb, [path.split(" -> ")[0] for path in FILES])
