#!/usr/bin/python3
"""Screenshots of the modder's loop inside the real program, on a large game folder: run under
xvfb-run, it starts tessary on the folder, photographs the window while it loads, a thumbnail's
tooltip, the window while a folder of 450 edited pictures is imported (the folder picker gone,
the thumbnails drawn, the progress bar moving), the preview zoomed to 4x with the pixel
read-out, the preview showing the game folder's file while Space is held, and (with the tests'
stand-in image editor in --bin) the preview beside the window following the editor's save.

    xvfb-run -a -s "-screen 0 1280x1024x24" tools/work_loop_screenshots.py \\
        --bin build/bin --out shots [--sample FOLDER]

Without --sample a large sample folder is made with make-sample-gamefolder --large. The
settings live in a temporary HOME / XDG_CONFIG_HOME. Needs python3-pil, libX11 and libXtst."""

import argparse
import glob
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "ui"))
import user_guide_screenshots as guide  # noqa: E402
import xvfb_screenshot as xvfb  # noqa: E402

TITLE = b"Tessary 1.2"
INVERT = bytes(255 - value for value in range(256))


def make_mod(cli, game, mod):
    """Every image exported as .tga with its bytes inverted: a mod that changes all of them."""
    exported = subprocess.run([cli, "export", game, mod], capture_output=True, text=True)
    if exported.returncode != 0:
        xvfb.fail("tessary-cli export failed:\n" + exported.stdout + exported.stderr)
    for path in glob.glob(os.path.join(mod, "*.tga")):
        with open(path, "r+b") as picture:
            data = picture.read()
            picture.seek(0)
            picture.write(data[:18] + data[18:].translate(INVERT))


class Session(guide.Session):
    def press(self, name, down):
        code = self.x.XKeysymToKeycode(self.display, self.x.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.display, code, down, 0)
        self.x.XFlush(self.display)

    def double_click(self, x, y):
        self.move(x, y)
        for _ in range(2):
            self.xtst.XTestFakeButtonEvent(self.display, 1, True, 0)
            self.xtst.XTestFakeButtonEvent(self.display, 1, False, 0)
            self.x.XFlush(self.display)
            time.sleep(0.05)
        time.sleep(0.8)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", required=True, help="the folder holding tessary, tessary-cli and make-sample-gamefolder")
    parser.add_argument("--out", required=True, help="where to save the screenshots (PNG)")
    parser.add_argument("--sample", help="a large game folder to use as it is (it is not changed)")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    program = lambda name: os.path.join(args.bin, name)
    out = lambda name: os.path.join(args.out, name)

    with tempfile.TemporaryDirectory(prefix="tessary-loop-") as temp:
        env = dict(os.environ, HOME=os.path.join(temp, "home"), XDG_CONFIG_HOME=os.path.join(temp, "config"),
                   XDG_RUNTIME_DIR=os.path.join(temp, "runtime"), QT_QPA_PLATFORM="xcb")
        for folder in ("home", "config", "runtime"):
            os.makedirs(os.path.join(temp, folder), mode=0o700)
        game, mod = args.sample, os.path.join(temp, "all-inverted")
        if not game:
            game = os.path.join(temp, "game")
            made = subprocess.run([program("make-sample-gamefolder"), "--large", game], capture_output=True, text=True)
            if made.returncode != 0:
                xvfb.fail("make-sample-gamefolder failed:\n" + made.stdout + made.stderr)
        make_mod(program("tessary-cli"), game, mod)
        settings = {"GameFolder": game, "LoadAllTGAPath": mod}
        editor = program("fake_image_editor")
        if os.path.exists(editor):
            settings["ImageEditor"] = editor
        guide.write_settings(env["XDG_CONFIG_HOME"], settings)

        session = Session()
        tessary = subprocess.Popen([program("tessary")], env=env)
        try:
            window = xvfb.wait_for(lambda: tessary.poll() is None and session.find(TITLE), 30, "the main window")
            wx, wy, ww, wh = session.geometry(window)
            main_box = guide.box_of(session, window)
            # While it loads: shots until two in a row are the same.
            loading, previous, started = 0, None, time.monotonic()
            while time.monotonic() - started < 20:
                shot = xvfb.grab().crop(main_box)
                if previous is not None and shot.tobytes() == previous.tobytes():
                    break
                if loading < 3:
                    loading += 1
                    shot.save(out("loading-%d.png" % loading))
                previous = shot
                time.sleep(0.15)
            guide.save(guide.settled_shot(), main_box, out("loaded.png"))

            # A thumbnail's tooltip: Qt shows tooltips in the active window.
            session.focus(window)
            session.move(wx + 60, wy + 110)
            session.move(wx + 62, wy + 112)
            time.sleep(1.5)
            guide.save(guide.settled_shot(), guide.union(main_box, (wx, wy, wx + ww + 200, wy + 260)), out("tooltip.png"))

            # "Load all images from a folder..." with 450 edited pictures, photographed meanwhile.
            session.click(wx + 140, wy + 120, button=3)
            for _ in range(3):
                session.key("Down")
            session.key("Return")
            picker = xvfb.wait_for(lambda: session.find(b"Please choose the folder that holds the pictures to load."), 10, "the folder picker")
            session.focus(picker)
            session.press("Return", True)
            session.press("Return", False)
            shots, started = [], time.monotonic()
            while time.monotonic() - started < 60 and not (session.find(TITLE) not in (None, window)):
                shots.append(xvfb.grab().crop(main_box))
                time.sleep(0.1)
            if not shots:
                xvfb.fail("the import ended before the window could be photographed")
            for k, shot in enumerate(shots[1:4] or shots[:1]):
                shot.save(out("folder-import-%d.png" % (k + 1)))
            print("work_loop_screenshots: %d shots during the folder import" % len(shots))
            summary = xvfb.wait_for(lambda: session.find(TITLE) not in (None, window) and session.find(TITLE), 60,
                                    "the summary")
            guide.save(guide.settled_shot(), guide.box_of(session, summary), out("folder-import-summary.png"))
            session.focus(summary)
            session.key("Return")

            # The preview of image 1, zoomed to 4x, with the read-out of the pixel under the mouse.
            session.focus(window)
            session.double_click(wx + 40, wy + 100)
            preview = xvfb.wait_for(lambda: session.find(b"1.gpi"), 10, "the preview")
            session.focus(preview)
            session.key("4")
            px, py, pw, ph = session.geometry(preview)
            session.move(px + min(pw, 400) // 3, py + min(ph, 300) // 3)
            session.move(px + min(pw, 400) // 3 + 1, py + min(ph, 300) // 3 + 1)
            px, py, pw, ph = session.geometry(preview)
            guide.save(guide.settled_shot(), guide.box_of(session, preview), out("preview-zoom.png"))

            # Space held: the game folder's file, against Tessary's imported picture.
            session.press("space", True)
            time.sleep(0.8)
            guide.save(guide.settled_shot(), guide.box_of(session, preview), out("preview-game-folder.png"))
            session.press("space", False)
            time.sleep(0.5)

            # "Edit in image editor...": the stand-in editor inverts the picture and saves it, and
            # the open preview beside the window shows the picture read back.
            if "ImageEditor" in settings:
                session.focus(preview)
                session.key("1")
                session.focus(window)
                session.click(wx + 40, wy + 100, button=3)
                for _ in range(6):  # past the import, revert and restore are there too
                    session.key("Down")
                session.key("Return")
                time.sleep(4)
                guide.save(guide.settled_shot(), guide.union(main_box, guide.box_of(session, preview)),
                           out("preview-follows-editor.png"))
        finally:
            if tessary.poll() is None:
                tessary.kill()
                tessary.wait()
            session.close()


if __name__ == "__main__":
    main()
