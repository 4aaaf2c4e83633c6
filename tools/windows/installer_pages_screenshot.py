#!/usr/bin/python3
"""Photographs, under Wine, the installer started over an installation that is already there
(its question whether to uninstall the old version first, in the language of --lang), and the
uninstaller's first and last pages; then answers Cancel to the installer and runs the
uninstaller to its end. Run under xvfb-run:

    xvfb-run -a -s "-screen 0 1024x768x24" tools/windows/installer_pages_screenshot.py \\
        --wine-run tools/windows/wine-run.sh --installer build-windows/Tessary-1.2-win64.exe \\
        --lang de_DE.UTF-8 --out build-windows/installer-de

writes OUT-over-install.png, OUT-uninstall-first.png and OUT-uninstall-last.png. The Wine
prefix is a new one in a temporary folder. Needs python3-pil, libX11 and libXtst."""

import argparse
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "ui"))
import user_guide_screenshots as guide  # noqa: E402
import xvfb_screenshot as xvfb  # noqa: E402

DESKTOP = (800, 600)


def photograph(wine_run, env, prefix, program, shots, answer):
    """Starts program in a Wine desktop of its own, saves each page shots names (pressing Return
    between them), then presses answer."""
    started = subprocess.Popen([wine_run, "explorer", "/desktop=TessaryPages,%dx%d" % DESKTOP, program], env=env)
    session = guide.Session()
    try:
        desktop = xvfb.wait_for(lambda: session.find(b"TessaryPages - Wine desktop"), 120, "the Wine desktop")
        box = guide.box_of(session, desktop)
        xvfb.wait_for(lambda: len(set(xvfb.grab().crop(box).getdata())) > 50, 120, "the first page")
        last = None
        for k, path in enumerate(shots):
            if k:
                session.focus(desktop)
                session.click(box[0] + DESKTOP[0] // 2, box[1] + DESKTOP[1] // 2)
                session.key("Return")
                xvfb.wait_for(lambda: (lambda s: s.tobytes() != last.tobytes() and s)(guide.settled_shot(30).crop(box)),
                              60, "the next page")
            last = guide.settled_shot(30).crop(box)
            last.save(path)
            print("installer_pages_screenshot: saved " + path)
        session.focus(desktop)
        session.key(answer)
        time.sleep(3)
    finally:
        session.close()
        # The Wine desktop stays until its server ends.
        subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=dict(env, WINEPREFIX=prefix), check=False)
        started.wait(timeout=60)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine-run", required=True, help="tools/windows/wine-run.sh")
    parser.add_argument("--installer", required=True, help="the installer, Tessary-VERSION-win64.exe")
    parser.add_argument("--lang", default="C.UTF-8", help="the locale Wine gives the installer (LANG)")
    parser.add_argument("--out", required=True, help="the start of the screenshots' names")
    args = parser.parse_args()
    installer = "Z:" + os.path.abspath(args.installer).replace("/", "\\")
    with tempfile.TemporaryDirectory() as prefix:
        env = dict(os.environ, TESSARY_WINEPREFIX=prefix, LANG=args.lang, LC_ALL=args.lang)
        subprocess.run([args.wine_run, installer, "/S"], env=env, check=True)
        subprocess.run(["/usr/lib/wine/wineserver", "-w"], env=dict(env, WINEPREFIX=prefix), check=False, timeout=120)
        # Escape answers Cancel: nothing is installed over the old version.
        photograph(args.wine_run, env, prefix, installer, [args.out + "-over-install.png"], "Escape")
        photograph(args.wine_run, env, prefix, "C:\\Program Files\\Tessary\\Uninstall.exe",
                   [args.out + "-uninstall-first.png", args.out + "-uninstall-last.png"], "Return")
    return 0


if __name__ == "__main__":
    sys.exit(main())
