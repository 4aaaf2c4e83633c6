#!/usr/bin/python3
"""Takes the screenshots of docs/USER-GUIDE.md from the real program: run under xvfb-run, it
makes the small sample game folder, exports its images to .png with tessary-cli, edits three of
them with Pillow, starts tessary and walks through the mod round trip with the mouse and the
keyboard, saving one picture of each step into the output folder.

    xvfb-run -a -s "-screen 0 1024x768x24" tools/user_guide_screenshots.py \\
        --bin build/bin --out docs/images

With --messages it edits 14 images instead of three, so that the lists of the folder import's
summary and of the close question are cut short, and tries to install a damaged archive first
(refused-archive.png): the messages to look at in each language.

The settings and the game's installation entry live in a temporary HOME / XDG_CONFIG_HOME, so
the machine's own are never touched. Needs python3-pil, libX11 and libXtst."""

import argparse
import ctypes
import ctypes.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageOps

# The X11 helpers of the program's own Xvfb check: finding a window, asking it to close, grabbing.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "ui"))
import xvfb_screenshot as xvfb  # noqa: E402

TITLE = b"Tessary 1.2"
MODIFIED_TITLE = b"Tessary 1.2*"
EDITED = (2, 5, 9)  # the images the "image editor" changes


class Session(xvfb.Display):
    """The X display, with XTest input: pointer moves, clicks and keys as a user makes them."""

    def __init__(self):
        super().__init__()
        self.xtst = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xtst") or "libXtst.so.6")
        for name, args in (("XTestFakeMotionEvent", [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]),
                           ("XTestFakeButtonEvent", [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]),
                           ("XTestFakeKeyEvent", [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong])):
            getattr(self.xtst, name).argtypes = args
        self.x.XStringToKeysym.restype = ctypes.c_ulong
        self.x.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                                 ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                                 ctypes.POINTER(ctypes.c_ulong)]
        self.x.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)] + \
            [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
        self.x.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        root = self.x.XDefaultRootWindow(self.display)
        x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        self.x.XTranslateCoordinates(self.display, window, root, 0, 0, ctypes.byref(x), ctypes.byref(y), ctypes.byref(child))
        rootret, gx, gy = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        self.x.XGetGeometry(self.display, window, ctypes.byref(rootret), ctypes.byref(gx), ctypes.byref(gy), ctypes.byref(w),
                            ctypes.byref(h), ctypes.byref(border), ctypes.byref(depth))
        return x.value, y.value, w.value, h.value

    def move(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, int(x), int(y), 0)
        self.x.XFlush(self.display)
        time.sleep(0.2)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xtst.XTestFakeButtonEvent(self.display, button, True, 0)
        self.xtst.XTestFakeButtonEvent(self.display, button, False, 0)
        self.x.XFlush(self.display)
        time.sleep(0.5)

    def key(self, name):
        code = self.x.XKeysymToKeycode(self.display, self.x.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.display, code, True, 0)
        self.xtst.XTestFakeKeyEvent(self.display, code, False, 0)
        self.x.XFlush(self.display)
        time.sleep(0.3)

    def type(self, text):
        """Types text as a user would on a US keyboard: letters, digits and a few signs."""
        names = {" ": "space", "-": "minus", ".": "period", "/": "slash", "_": "underscore"}
        shift = self.x.XKeysymToKeycode(self.display, self.x.XStringToKeysym(b"Shift_L"))
        for char in text:
            shifted = char.isupper() or char == "_"
            name = "minus" if char == "_" else names.get(char, char.lower())
            code = self.x.XKeysymToKeycode(self.display, self.x.XStringToKeysym(name.encode()))
            if shifted:
                self.xtst.XTestFakeKeyEvent(self.display, shift, True, 0)
            self.xtst.XTestFakeKeyEvent(self.display, code, True, 0)
            self.xtst.XTestFakeKeyEvent(self.display, code, False, 0)
            if shifted:
                self.xtst.XTestFakeKeyEvent(self.display, shift, False, 0)
            self.x.XFlush(self.display)
            time.sleep(0.05)
        time.sleep(0.3)

    def other_window(self, name, besides, seconds, what):
        """A window named name that is none of besides, once it is there."""
        return xvfb.wait_for(lambda: next((w for w in self.find_all(name) if w not in besides), None), seconds, what)

    def focus(self, window):
        """Points at a window and gives it the keyboard, as clicking its title would."""
        x, y, w, h = self.geometry(window)
        self.move(x + w // 2, y + 8)
        self.x.XSetInputFocus(self.display, window, 2, 0)  # RevertToParent, CurrentTime
        self.x.XFlush(self.display)
        time.sleep(0.3)


LANGUAGE = ""


def shown(text):
    """text as the window shows it in LANGUAGE: its translation in translations/, as bytes."""
    if LANGUAGE:
        import xml.etree.ElementTree as ElementTree
        ts = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations", "tessary_%s.ts" % LANGUAGE)
        for message in ElementTree.parse(ts).iter("message"):
            if message.findtext("source") == text:
                return message.findtext("translation").encode()
    return text.encode()


def settled_shot(seconds=15):
    """A screenshot once two grabs in a row show the same picture."""
    previous = [None]

    def same():
        shot = xvfb.grab()
        equal = previous[0] is not None and shot.tobytes() == previous[0].tobytes()
        previous[0] = shot
        return shot if equal else None

    time.sleep(0.3)
    return xvfb.wait_for(same, seconds, "the screen to settle")


def save(shot, box, path):
    shot.crop(box).save(path)
    print("user_guide_screenshots: saved " + path)


def union(*boxes):
    return (min(b[0] for b in boxes), min(b[1] for b in boxes), max(b[2] for b in boxes), max(b[3] for b in boxes))


def box_of(session, window, margin=0):
    x, y, w, h = session.geometry(window)
    return (max(x - margin, 0), max(y - margin, 0), x + w + margin, y + h + margin)


def make_mod(cli, game, mod):
    """The pictures a modder brings back: every image exported as .png, three of them edited."""
    exported = subprocess.run([cli, "export", game, mod, "--format", "png"], capture_output=True, text=True)
    if exported.returncode != 0:
        xvfb.fail("tessary-cli export failed:\n" + exported.stdout + exported.stderr)
    for n in EDITED:
        path = os.path.join(mod, "%03d.png" % n)
        r, g, b, a = Image.open(path).convert("RGBA").split()
        Image.merge("RGBA", [ImageOps.invert(c) for c in (r, g, b)] + [a]).save(path)


def make_mods(cli, game, temp, mods):
    """Two mods of a friend, made from a copy of the game: "Blue hour" (installed before the
    second session) and "Night sky", which covers two of its pictures."""
    friend = os.path.join(temp, "friend")
    shutil.copytree(game, friend)
    subprocess.run([cli, "restore", friend, "--all"], capture_output=True, check=True)
    os.makedirs(mods)
    for name, numbers, edit in (("Blue hour", (3, 12), lambda r, g, b: (b, g, r)),
                                ("Night sky", (2, 3, 12), lambda r, g, b: (ImageOps.invert(b), ImageOps.invert(g), r))):
        pictures = os.path.join(temp, name.replace(" ", "-"))
        exported = subprocess.run([cli, "export", friend, pictures, "--format", "png", "--images", ",".join(map(str, numbers))],
                                  capture_output=True, text=True)
        if exported.returncode != 0:
            xvfb.fail("tessary-cli export failed:\n" + exported.stdout + exported.stderr)
        for n in numbers:
            path = os.path.join(pictures, "%03d.png" % n)
            r, g, b, a = Image.open(path).convert("RGBA").split()
            Image.merge("RGBA", list(edit(r, g, b)) + [a]).save(path)
        package = os.path.join(mods, name.lower().replace(" ", "-") + ".zip")
        for command in (["import", friend, pictures], ["pack", friend, package, "--name", name, "--author", "Quenby",
                                                       "--description", "Darker skies behind the menus."],
                        ["restore", friend, "--all"]):
            done = subprocess.run([cli] + command, capture_output=True, text=True)
            if done.returncode != 0:
                xvfb.fail("tessary-cli %s failed:\n%s%s" % (command[0], done.stdout, done.stderr))
    installed = subprocess.run([cli, "install", game, os.path.join(mods, "blue-hour.zip")], capture_output=True, text=True)
    if installed.returncode != 0:
        xvfb.fail("tessary-cli install failed:\n" + installed.stdout + installed.stderr)


def menu_item_from_bottom(session, wx, wy, steps):
    """Opens a thumbnail's context menu and chooses its item steps from the bottom."""
    session.click(wx + 140, wy + 120, button=3)
    for _ in range(steps):
        session.key("Up")
    session.key("Return")


def share_and_install(session, program, env, args):
    """The second session: save the changes as a mod package, install a friend's mod after its
    preview, and list the installed mods."""
    tessary = subprocess.Popen([program("tessary")], env=env)
    try:
        window = xvfb.wait_for(lambda: tessary.poll() is None and session.find(TITLE), 30, "the main window")
        wx, wy, ww, wh = session.geometry(window)
        settled_shot()

        menu_item_from_bottom(session, wx, wy, 3)  # Save changes as a mod package...
        details = session.other_window(TITLE, [window], 10, "the mod package's details")
        session.focus(details)
        session.key("Tab")
        session.type("Quenby")
        session.key("Tab")
        session.type("Inverted colours and a blue hour.")
        save(settled_shot(), box_of(session, details, 8), os.path.join(args.out, "save-mod-package.png"))
        session.key("Tab")
        session.key("Return")  # Save...
        chooser = xvfb.wait_for(lambda: session.find(shown("Save changes as a mod package\u2026")), 10, "the save dialog")
        session.focus(chooser)
        session.key("Return")
        saved = session.other_window(TITLE, [window], 20, "the message of the saved package")
        session.focus(saved)
        session.key("Return")

        def install(archive, what, shot):
            """Chooses "Install mod..." and the archive; returns the window that answers, photographed."""
            menu_item_from_bottom(session, wx, wy, 2)
            chooser = xvfb.wait_for(lambda: session.find(shown("Install mod\u2026")), 10, "the open dialog")
            session.focus(chooser)
            session.type(archive)
            session.key("Return")
            answer = session.other_window(TITLE, [window], 20, what)
            save(settled_shot(), box_of(session, answer, 8), os.path.join(args.out, shot))
            session.focus(answer)
            return answer

        if args.messages:
            install("damaged.zip", "the refusal of the damaged archive", "refused-archive.png")
            session.key("Return")

        install("night-sky.zip", "the install preview", "install-preview.png")
        session.key("Return")  # Install
        xvfb.wait_for(lambda: session.find(MODIFIED_TITLE), 10, "the modified marker in the title")

        menu_item_from_bottom(session, wx, wy, 1)  # Mods...
        listed = session.other_window(TITLE, [session.find(MODIFIED_TITLE)], 10, "the installed mods")
        session.focus(listed)
        session.key("Down")
        save(settled_shot(), box_of(session, listed, 8), os.path.join(args.out, "installed-mods.png"))
        session.key("Escape")

        # Closing asks first; Apply writes the mod and the record of installed mods.
        session.ask_to_close(session.find(MODIFIED_TITLE))
        question = xvfb.wait_for(lambda: session.find(TITLE), 10, "the question")
        session.focus(question)
        session.key("Return")
        try:
            code = tessary.wait(timeout=20)
        except subprocess.TimeoutExpired:
            xvfb.fail("the program did not end after Apply")
    finally:
        if tessary.poll() is None:
            tessary.kill()
            tessary.wait()
    if code != 0:
        xvfb.fail("the second session ended with exit code %d" % code)


def write_settings(config_home, values):
    folder = os.path.join(config_home, "Quenby's Tools")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "Tessary.conf"), "w", encoding="utf-8") as settings:
        settings.write("[General]\n" + "".join("%s=%s\n" % item for item in values.items()))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", required=True, help="the folder holding tessary, tessary-cli and ensure-sample-gamefolder")
    parser.add_argument("--out", required=True, help="where to save the screenshots (PNG)")
    parser.add_argument("--language", default="", help="the window's language (de, pl, ...) instead of English")
    parser.add_argument("--messages", action="store_true", help="14 edited images and a damaged archive (see above)")
    args = parser.parse_args()
    global LANGUAGE, EDITED
    LANGUAGE = args.language
    if args.messages:
        EDITED = tuple(range(2, 16))
    os.makedirs(args.out, exist_ok=True)
    program = lambda name: os.path.join(args.bin, name)

    with tempfile.TemporaryDirectory(prefix="tessary-guide-") as temp:
        env = dict(os.environ, HOME=os.path.join(temp, "home"), XDG_CONFIG_HOME=os.path.join(temp, "config"),
                   XDG_RUNTIME_DIR=os.path.join(temp, "runtime"), QT_QPA_PLATFORM="xcb")
        for folder in ("home", "config", "runtime"):
            os.makedirs(os.path.join(temp, folder), mode=0o700)
        game, mod, exports, mods = (os.path.join(temp, name) for name in ("game", "my-mod", "exports", "mods"))
        made = subprocess.run([program("ensure-sample-gamefolder"), game], env=env, capture_output=True, text=True)
        if made.returncode != 0:
            xvfb.fail("ensure-sample-gamefolder failed:\n" + made.stdout + made.stderr)
        make_mod(program("tessary-cli"), game, mod)
        os.makedirs(exports)
        settings = {"SaveAllTGAPath": exports + "/", "LoadAllTGAPath": mod, "ModFolder": mods}
        if args.language:
            settings["Language"] = args.language
        write_settings(env["XDG_CONFIG_HOME"], settings)

        session = Session()
        tessary = subprocess.Popen([program("tessary")], env=env)
        try:
            window = xvfb.wait_for(lambda: tessary.poll() is None and session.find(TITLE), 30, "the main window")
            wx, wy, ww, wh = session.geometry(window)
            main_box = box_of(session, window)
            save(settled_shot(), main_box, os.path.join(args.out, "main-window.png"))

            # Step 1: "Save all images to .tga" asks .tga or .png once the folder is chosen.
            session.click(wx + 60, wy + 64)
            picker = xvfb.wait_for(lambda: session.find(shown("Please choose a folder where all .tga files will be saved.")), 10,
                                   "the folder picker")
            session.focus(picker)
            session.key("Return")
            question = xvfb.wait_for(lambda: session.find(TITLE) not in (None, window) and session.find(TITLE), 20,
                                     "the question of the format")
            save(settled_shot(), box_of(session, question), os.path.join(args.out, "save-all-format.png"))
            session.focus(question)
            session.key("Escape")

            # Step 3: the context menu of a thumbnail, then "Load all images from a folder...".
            session.click(wx + 140, wy + 120, button=3)
            shot = settled_shot()
            save(shot, union(main_box, (wx + 130, wy + 110, wx + 400, wy + 290)), os.path.join(args.out, "context-menu.png"))
            for _ in range(3):
                session.key("Down")
            session.key("Return")
            picker = xvfb.wait_for(lambda: session.find(shown("Please choose the folder that holds the pictures to load.")), 10,
                                   "the folder picker")
            session.focus(picker)
            session.key("Return")
            summary = xvfb.wait_for(lambda: session.find(TITLE) not in (None, window) and session.find(TITLE), 20,
                                    "the summary")
            save(settled_shot(), box_of(session, summary), os.path.join(args.out, "load-folder-summary.png"))
            session.focus(summary)
            session.key("Return")

            # Step 4: the marks of the pictures waiting to be applied, and the title's marker.
            xvfb.wait_for(lambda: session.find(MODIFIED_TITLE), 10, "the modified marker in the title")
            session.move(wx + ww - 20, wy + wh - 20)
            save(settled_shot(), main_box, os.path.join(args.out, "change-marks.png"))

            # Step 6: closing with changes not yet applied asks first; Apply writes them and closes.
            session.ask_to_close(session.find(MODIFIED_TITLE))
            question = xvfb.wait_for(lambda: session.find(TITLE), 10, "the question")
            save(settled_shot(), box_of(session, question), os.path.join(args.out, "close-question.png"))
            session.focus(question)
            session.key("Return")
            try:
                code = tessary.wait(timeout=20)
            except subprocess.TimeoutExpired:
                xvfb.fail("the program did not end after Apply")
            if code != 0:
                xvfb.fail("the program ended with exit code %d" % code)
            listed = subprocess.run([program("tessary-cli"), "list", game], capture_output=True, text=True).stdout
            changed = [line for line in listed.splitlines() if line.endswith(", changed")]
            if len(changed) != len(EDITED):
                xvfb.fail("after Apply, tessary-cli list shows %d changed images, not %d" % (len(changed), len(EDITED)))
            print("user_guide_screenshots: Apply wrote the %d edited images" % len(EDITED))

            # Step 7: sharing the mod, and installing a friend's on top of another.
            make_mods(program("tessary-cli"), game, temp, mods)
            if args.messages:
                with open(os.path.join(mods, "damaged.zip"), "wb") as damaged:
                    with open(os.path.join(mods, "blue-hour.zip"), "rb") as whole:
                        damaged.write(whole.read()[:300])
            share_and_install(session, program, env, args)
            if not os.path.exists(os.path.join(mods, shown("My menu mod").decode() + ".zip")):
                xvfb.fail("the mod package was not saved")
            listed = subprocess.run([program("tessary-cli"), "mods", game], capture_output=True, text=True).stdout
            if not listed.startswith('1. "Blue hour"') or '2. "Night sky"' not in listed:
                xvfb.fail("after Apply, tessary-cli mods shows:\n" + listed)
            print("user_guide_screenshots: the package was saved, and Apply installed the second mod")
        finally:
            if tessary.poll() is None:
                tessary.kill()
                tessary.wait()
            session.close()


if __name__ == "__main__":
    main()
