#!/usr/bin/python3
"""Starts the real tessary program on an X display (run under xvfb-run) with a sample game
folder, waits until its thumbnails are drawn, saves a screenshot, closes the main window the
way its title bar's close button does (a WM_DELETE_WINDOW message) and checks that the
program ended normally and wrote "WindowState" and "ThumbSize" to its settings.

The settings and the game's installation entry live in a temporary HOME / XDG_CONFIG_HOME,
so the machine's own are never touched. Needs python3-pil for the screenshot and libX11."""

import argparse
import ctypes
import ctypes.util
import os
import subprocess
import sys
import tempfile
import time

from PIL import ImageGrab

TITLE = b"Tessary 1.2"


class ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


class Display:
    """The few Xlib calls needed to find a top-level window by name and ask it to close."""

    def __init__(self):
        self.x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                      ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                      ctypes.POINTER(ctypes.c_uint)]
        self.x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                              ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                              ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                              ctypes.POINTER(ctypes.c_void_p)]
        self.x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                      ctypes.POINTER(XEvent)]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(None)
        if not self.display:
            raise SystemExit("xvfb_screenshot: can't open the X display " + os.environ.get("DISPLAY", "(none)"))

    def atom(self, name):
        return self.x.XInternAtom(self.display, name, False)

    def name_of(self, window):
        for prop in (self.atom(b"_NET_WM_NAME"), self.atom(b"WM_NAME")):
            kind, fmt = ctypes.c_ulong(), ctypes.c_int()
            count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
            status = self.x.XGetWindowProperty(self.display, window, prop, 0, 1024, False, 0, ctypes.byref(kind),
                                               ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                               ctypes.byref(data))
            if status == 0 and data.value:
                text = ctypes.string_at(data.value, count.value)
                self.x.XFree(data)
                if text:
                    return text
        return b""

    def find(self, name):
        root = self.x.XDefaultRootWindow(self.display)
        stack = [root]
        while stack:
            window = stack.pop()
            if window != root and self.name_of(window) == name:
                return window
            parent, rootret = ctypes.c_ulong(), ctypes.c_ulong()
            children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
            if self.x.XQueryTree(self.display, window, ctypes.byref(rootret), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
                stack.extend(children[i] for i in range(count.value))
                if children:
                    self.x.XFree(children)
        return None

    def ask_to_close(self, window):
        """Sends what a window manager sends when the title bar's close button is pressed."""
        event = XEvent()
        event.client.type = 33  # ClientMessage
        event.client.window = window
        event.client.message_type = self.atom(b"WM_PROTOCOLS")
        event.client.format = 32
        event.client.data[0] = self.atom(b"WM_DELETE_WINDOW")
        event.client.data[1] = 0  # CurrentTime
        self.x.XSendEvent(self.display, window, False, 0, ctypes.byref(event))
        self.x.XFlush(self.display)

    def close(self):
        self.x.XCloseDisplay(self.display)


def fail(message):
    print("xvfb_screenshot: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def grab():
    return ImageGrab.grab(xdisplay=os.environ["DISPLAY"])


def drawn_colours(image):
    colours = image.convert("RGB").getcolors(maxcolors=1 << 20)
    return len(colours) if colours else 1 << 20


def read_settings(config_home):
    path = os.path.join(config_home, "Quenby's Tools", "Tessary.conf")
    if not os.path.isfile(path):
        fail("no settings file was written at " + path)
    values = {}
    with open(path, encoding="utf-8") as settings:
        for line in settings:
            if "=" in line and not line.startswith("["):
                key, value = line.rstrip("\n").split("=", 1)
                values[key.strip()] = value.strip()
    return values


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True, help="the tessary executable")
    parser.add_argument("--ensure-sample", required=True, help="the ensure-sample-gamefolder executable")
    parser.add_argument("--screenshot", required=True, help="where to save the screenshot (PNG)")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="tessary-xvfb-") as temp:
        env = dict(os.environ)
        env["HOME"] = os.path.join(temp, "home")
        env["XDG_CONFIG_HOME"] = os.path.join(temp, "config")
        env["XDG_RUNTIME_DIR"] = os.path.join(temp, "runtime")
        env["QT_QPA_PLATFORM"] = "xcb"
        env.pop("WINEPREFIX", None)  # a game in the machine's Wine would be found instead
        for folder in ("home", "config", "runtime"):
            os.makedirs(os.path.join(temp, folder), mode=0o700)
        game = os.path.join(temp, "game")
        made = subprocess.run([args.ensure_sample, game], env=env, capture_output=True, text=True)
        if made.returncode != 0:
            fail("ensure-sample-gamefolder failed:\n" + made.stdout + made.stderr)

        display = Display()
        program = subprocess.Popen([args.program], env=env)
        try:
            window = wait_for(lambda: program.poll() is None and display.find(TITLE), 30, "the main window")
            # Loaded: the thumbnails are on the screen and two grabs in a row show the same.
            previous = [None]

            def settled():
                shot = grab()
                same = previous[0] is not None and shot.tobytes() == previous[0].tobytes()
                previous[0] = shot
                return shot if same and drawn_colours(shot) > 200 else None

            shot = wait_for(settled, 30, "the thumbnails to be drawn")
            os.makedirs(os.path.dirname(os.path.abspath(args.screenshot)), exist_ok=True)
            shot.save(args.screenshot)
            print("xvfb_screenshot: saved " + args.screenshot)

            display.ask_to_close(window)
            try:
                code = program.wait(timeout=20)
            except subprocess.TimeoutExpired:
                fail("the program did not end after its main window was asked to close")
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
            display.close()

        if code != 0:
            fail("the program ended with exit code %d" % code)
        values = read_settings(env["XDG_CONFIG_HOME"])
        if values.get("WindowState") != "Normal":
            fail("WindowState is %r, expected 'Normal'" % values.get("WindowState"))
        if values.get("ThumbSize") != "100":
            fail("ThumbSize is %r, expected '100'" % values.get("ThumbSize"))
        print("xvfb_screenshot: closed normally; settings hold WindowState=Normal and ThumbSize=100")


if __name__ == "__main__":
    main()
