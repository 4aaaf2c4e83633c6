#!/usr/bin/python3
"""Photographs the Windows installer's licence page under Wine: run under xvfb-run, it starts
the installer in a Wine desktop of its own (which draws the windows' title bars, icons
included), saves the welcome page (OUT-welcome.png), goes on to the licence page with the
keyboard, saves it (OUT), checks that the program's icon shows at the top of the page, and
cancels the installation.

    xvfb-run -a -s "-screen 0 1024x768x24" tools/windows/installer_screenshot.py \\
        --wine-run tools/windows/wine-run.sh --installer build-windows/Tessary-1.2-win64.exe \\
        --out build-windows/installer-licence.png

The Wine prefix is a new one in a temporary folder. Needs python3-pil, libX11 and libXtst."""

import argparse
import os
import subprocess
import sys
import tempfile
import time

# The X11 helpers of the user guide's screenshots and of the program's own Xvfb check.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import user_guide_screenshots as guide  # noqa: E402
import xvfb_screenshot as xvfb  # noqa: E402

DESKTOP = (800, 600)
# Three of the icon's tiles: red, orange and yellow, which no other part of the page has.
TILES = ((0xE5, 0x39, 0x35), (0xFB, 0x8C, 0x00), (0xFD, 0xD8, 0x35))


def shows_icon(shot):
    """True when the tiles' colours stand in the upper part of the installer's window."""
    pixels = shot.convert("RGB").crop((0, 0, shot.width, shot.height // 3)).getdata()
    near = lambda p, c: all(abs(a - b) <= 12 for a, b in zip(p, c))
    return all(sum(1 for p in pixels if near(p, tile)) >= 20 for tile in TILES)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine-run", required=True, help="tools/windows/wine-run.sh")
    parser.add_argument("--installer", required=True, help="the installer, Tessary-VERSION-win64.exe")
    parser.add_argument("--out", required=True, help="where to save the screenshot (PNG)")
    args = parser.parse_args()
    installer = "Z:" + os.path.abspath(args.installer).replace("/", "\\")
    with tempfile.TemporaryDirectory() as prefix:
        env = dict(os.environ, TESSARY_WINEPREFIX=prefix)
        setup = subprocess.Popen([args.wine_run, "explorer", "/desktop=TessarySetup,%dx%d" % DESKTOP, installer], env=env)
        session = guide.Session()
        try:
            desktop = xvfb.wait_for(lambda: session.find(b"TessarySetup - Wine desktop"), 120, "the Wine desktop")
            box = guide.box_of(session, desktop)
            # The welcome page is up once the desktop holds more than its background.
            xvfb.wait_for(lambda: len(set(xvfb.grab().crop(box).getdata())) > 50, 120, "the welcome page")
            welcome = guide.settled_shot(30).crop(box)
            welcome.save(os.path.splitext(args.out)[0] + "-welcome.png")
            # A click on the page's text gives the installer the keyboard; Return presses "Next".
            session.focus(desktop)
            session.click(box[0] + DESKTOP[0] // 2 + 100, box[1] + DESKTOP[1] // 2)
            session.key("Return")
            licence = xvfb.wait_for(lambda: (lambda s: s.tobytes() != welcome.tobytes() and s)(guide.settled_shot(30).crop(box)),
                                    60, "the licence page")
            licence.save(args.out)
            print("installer_screenshot: saved " + args.out)
            if not shows_icon(licence):
                xvfb.fail("the licence page does not show the program's icon")
            session.key("Escape")
            session.key("Return")  # "Are you sure you want to quit?"
            time.sleep(2)
        finally:
            session.close()
            subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=dict(env, WINEPREFIX=prefix), check=False)
            setup.wait(timeout=60)
    return 0


if __name__ == "__main__":
    sys.exit(main())
