#!/usr/bin/python3
"""Starts the real tessary program on an X display (run under xvfb-run) with a sample game
folder, waits until its thumbnails are drawn, saves a screenshot, clicks the channel toggle and
checks on a second screenshot that it shows the alpha view's light blue with a lowered edge,
closes the main window the way its title bar's close button does (a WM_DELETE_WINDOW message)
and checks that the program ended normally and wrote "WindowState" and "ThumbSize" to its
settings. With --icon it also checks that the window gives the desktop the program's own icon
(not a generic one); with --maximised (under Wine) the window starts maximised in a Wine desktop
and its thumbnails must fill it.

The settings and the game's installation entry live in a temporary HOME / XDG_CONFIG_HOME,
so the machine's own are never touched. With --wine-run the programs are Windows ones, run
through that wrapper in its own Wine prefix, and the settings are read from Wine's registry.
Needs python3-pil for the screenshot and libX11."""

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


# The fields every X event starts with.
EVENT_HEAD = [
    ("type", ctypes.c_int),
    ("serial", ctypes.c_ulong),
    ("send_event", ctypes.c_int),
    ("display", ctypes.c_void_p),
    ("window", ctypes.c_ulong),
]


class ClientMessage(ctypes.Structure):
    _fields_ = EVENT_HEAD + [
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class ButtonEvent(ctypes.Structure):
    _fields_ = EVENT_HEAD + [
        ("root", ctypes.c_ulong),
        ("subwindow", ctypes.c_ulong),
        ("time", ctypes.c_ulong),
        ("x", ctypes.c_int),
        ("y", ctypes.c_int),
        ("x_root", ctypes.c_int),
        ("y_root", ctypes.c_int),
        ("state", ctypes.c_uint),
        ("button", ctypes.c_uint),
        ("same_screen", ctypes.c_int),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("button", ButtonEvent), ("pad", ctypes.c_long * 24)]


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
        self.x.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                                 ctypes.c_int, ctypes.POINTER(ctypes.c_int),
                                                 ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong)]
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
        found = self.find_all(name)
        return found[0] if found else None

    def find_all(self, name):
        """Every window with that name, the topmost first."""
        root = self.x.XDefaultRootWindow(self.display)
        stack = [root]
        found = []
        while stack:
            window = stack.pop()
            if window != root and self.name_of(window) == name:
                found.append(window)
                continue
            parent, rootret = ctypes.c_ulong(), ctypes.c_ulong()
            children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
            if self.x.XQueryTree(self.display, window, ctypes.byref(rootret), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
                stack.extend(children[i] for i in range(count.value))
                if children:
                    self.x.XFree(children)
        return found

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

    def cardinals(self, window, name):
        """A window's property of 32-bit numbers (as _NET_WM_ICON is), or an empty list."""
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = self.x.XGetWindowProperty(self.display, window, self.atom(name), 0, 1 << 22, False, 0,
                                           ctypes.byref(kind), ctypes.byref(fmt), ctypes.byref(count),
                                           ctypes.byref(after), ctypes.byref(data))
        if status != 0 or not data.value:
            return []
        # Xlib hands format-32 items over as longs.
        values = list((ctypes.c_ulong * count.value).from_address(data.value)) if fmt.value == 32 else []
        self.x.XFree(data)
        return values

    def origin(self, window):
        """The window's top-left corner on the screen."""
        x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        root = self.x.XDefaultRootWindow(self.display)
        self.x.XTranslateCoordinates(self.display, window, root, 0, 0, ctypes.byref(x), ctypes.byref(y),
                                     ctypes.byref(child))
        return x.value, y.value

    def click(self, window, x, y):
        """Presses and releases the left button at (x, y) of the window."""
        origin = self.origin(window)
        for kind, state in ((4, 0), (5, 1 << 8)):  # ButtonPress; ButtonRelease with Button1 held
            event = XEvent()
            event.button.type = kind
            event.button.window = window
            event.button.root = self.x.XDefaultRootWindow(self.display)
            event.button.x, event.button.y = x, y
            event.button.x_root, event.button.y_root = origin[0] + x, origin[1] + y
            event.button.state = state
            event.button.button = 1
            event.button.same_screen = 1
            self.x.XSendEvent(self.display, window, True, 0, ctypes.byref(event))
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
    fail("timed out waiting for " + (what() if callable(what) else what))


def grab():
    return ImageGrab.grab(xdisplay=os.environ["DISPLAY"])


def drawn_colours(image):
    colours = image.convert("RGB").getcolors(maxcolors=1 << 20)
    return len(colours) if colours else 1 << 20


# The channel toggle in its tool bar: its designed left edge and size. The tool bar starts where
# the page does, a few pixels right of the window's edge, inside the tab control's frame. A font
# wider than the designed one pushes the toggle right and may widen it for its caption.
TOGGLE_X, TOGGLE_WIDTH, TOGGLE_HEIGHT = 286, 81, 20
TOGGLE_GIVES_WAY = 120
ALPHA_FILL = (166, 202, 240)


def find_toggle(shot, origin):
    """The toggle's top-left corner and width on the screen: a rectangle of the toggle's height
    whose top and left lines have one colour and whose bottom and right lines have another (its
    raised edge); the page around it may have either."""
    height = TOGGLE_HEIGHT
    pixels = shot.load()

    def line(x, y, dx, dy, length, colour):
        return all(pixels[x + i * dx, y + i * dy] == colour for i in range(length))

    # The narrowest such rectangle first: where the page is as light as the toggle's raised edge,
    # a rectangle one pixel wider, its left line on the page, would match as well.
    for width in range(TOGGLE_WIDTH, TOGGLE_WIDTH + TOGGLE_GIVES_WAY):
        for x in range(origin[0] + TOGGLE_X, min(origin[0] + TOGGLE_X + TOGGLE_GIVES_WAY, shot.width - width)):
            for y in range(origin[1], min(origin[1] + 200, shot.height - height)):
                light = pixels[x, y]
                dark = pixels[x + width - 1, y + height - 1]
                if light != dark and line(x, y, 0, 1, height - 1, light) and line(x, y, 1, 0, width - 1, light) and \
                        line(x + width - 1, y + 1, 0, 1, height - 1, dark) and line(x + 1, y + height - 1, 1, 0, width - 1, dark):
                    return x, y, width
    fail("the channel toggle was not found on the screenshot")


def lightness(colour):
    return sum(colour[:3])


def check_toggle(shot, corner, alpha):
    """The toggle's fill left of its caption, and its edge: raised (lighter on the left than on
    the right) in the colour view, lowered (darker on the left) in the alpha view."""
    x, y, width = corner[0], corner[1] + TOGGLE_HEIGHT // 2, corner[2]
    fill = shot.getpixel((x + 4, y))[:3]
    lowered = lightness(shot.getpixel((x, y))) < lightness(shot.getpixel((x + width - 1, y)))
    if alpha and fill != ALPHA_FILL:
        return "the alpha view's toggle is filled with %s, expected %s" % (fill, ALPHA_FILL)
    if not alpha and fill == ALPHA_FILL:
        return "the colour view's toggle is filled with the alpha view's light blue"
    if lowered != alpha:
        return "the toggle's edge is %s in the %s view" % ("lowered" if lowered else "raised",
                                                          "alpha" if alpha else "colour")
    return None


def window_icons(values):
    """The pictures of an _NET_WM_ICON property: width, height, then ARGB pixels, repeated."""
    icons, at = {}, 0
    while at + 2 <= len(values):
        width, height = values[at], values[at + 1]
        pixels = values[at + 2:at + 2 + width * height]
        if not width or not height or len(pixels) < width * height:
            break
        icons[(width, height)] = [((p >> 16) & 255, (p >> 8) & 255, p & 255, (p >> 24) & 255) for p in pixels]
        at += 2 + width * height
    return icons


def icon_difference(shown, expected):
    """The mean difference per channel between two pictures' pixels, over those not transparent
    in either (a window manager may blend the edge differently)."""
    pairs = [(a, b) for a, b in zip(shown, expected) if a[3] > 128 and b[3] > 128]
    if not pairs:
        return 255.0
    return sum(abs(a[i] - b[i]) for a, b in pairs for i in range(3)) / (3 * len(pairs))


def check_icon(display, window, ico_path):
    """The window's icon on the desktop is the program's: one of the sizes it gives matches the
    same size in the .ico within a few levels per channel."""
    from PIL import Image
    icons = window_icons(display.cardinals(window, b"_NET_WM_ICON"))
    if not icons:
        return "the main window gives the desktop no icon at all"
    sizes = Image.open(ico_path).info.get("sizes", set())
    best = None
    for (width, height), pixels in icons.items():
        if (width, height) not in sizes:
            continue
        ico = Image.open(ico_path)
        ico.size = (width, height)
        expected = list(ico.convert("RGBA").getdata())
        difference = icon_difference(pixels, expected)
        best = difference if best is None else min(best, difference)
    if best is None:
        return "the window's icons (%s) have no size of the program's icon" % sorted(icons)
    if best > 8:
        return "the window's icon is not the program's (%.1f levels off per channel): a generic one" % best
    return None


SETTINGS_KEY = r"HKCU\Software\Quenby's Tools\Tessary"


class Programs:
    """Runs the programs natively, or as Windows programs through a Wine wrapper, and reads the
    settings they leave: Qt's settings file on Linux, the registry key under Wine."""

    def __init__(self, wine_run, temp):
        self.wine_run = wine_run
        self.env = dict(os.environ)
        self.env.pop("WINEPREFIX", None)  # a game in the machine's Wine would be found instead
        if not wine_run:
            self.env["HOME"] = os.path.join(temp, "home")
            self.env["XDG_CONFIG_HOME"] = os.path.join(temp, "config")
            self.env["XDG_RUNTIME_DIR"] = os.path.join(temp, "runtime")
            self.env["QT_QPA_PLATFORM"] = "xcb"
            for folder in ("home", "config", "runtime"):
                os.makedirs(os.path.join(temp, folder), mode=0o700)

    def command(self, program, *arguments):
        return ([self.wine_run] if self.wine_run else []) + [program, *arguments]

    def folder(self, path):
        """A folder as the programs name it: under Wine, Linux's root is drive Z:."""
        return "Z:" + path.replace("/", "\\") if self.wine_run else path

    def forget_settings(self):
        if self.wine_run:
            subprocess.run(self.command("reg", "delete", SETTINGS_KEY, "/f"), env=self.env, capture_output=True)

    def start_maximised(self):
        """Settings that open the window maximised, as the program keeps them on closing."""
        if self.wine_run:
            subprocess.run(self.command("reg", "add", SETTINGS_KEY, "/v", "WindowState", "/d", "Full", "/f"),
                           env=self.env, capture_output=True, check=True)
            return
        folder = os.path.join(self.env["XDG_CONFIG_HOME"], "Quenby's Tools")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "Tessary.conf"), "a", encoding="utf-8") as settings:
            settings.write("[General]\nWindowState=Full\n")

    def settings(self):
        if self.wine_run:
            query = subprocess.run(self.command("reg", "query", SETTINGS_KEY), env=self.env, capture_output=True,
                                   text=True, errors="replace")
            # Lines of the form "    WindowState    REG_SZ    Normal".
            return {parts[0]: parts[2] if len(parts) > 2 else "" for parts in
                    (line.split(None, 2) for line in query.stdout.splitlines()) if len(parts) > 1 and
                    parts[1].startswith("REG_")}
        path = os.path.join(self.env["XDG_CONFIG_HOME"], "Quenby's Tools", "Tessary.conf")
        if not os.path.isfile(path):
            fail("no settings file was written at " + path)
        values = {}
        with open(path, encoding="utf-8") as settings:
            for line in settings:
                if "=" in line and not line.startswith("["):
                    key, value = line.rstrip("\n").split("=", 1)
                    values[key.strip()] = value.strip()
        return values


# The Wine desktop a maximised window fills: without a window manager, Wine maximises only
# inside a desktop of its own.
WINE_DESKTOP = (1000, 700)


def maximised_check(programs, program_path, screenshot):
    """Starts the program maximised in a Wine desktop, saves the screenshot once its thumbnails
    are drawn, checks that they reach the desktop's right edge, closes it as Windows' task
    list would and checks that it kept its state "Full"."""
    if not programs.wine_run:
        fail("--maximised needs --wine-run: with no window manager, only Wine maximises a window")
    name = b"TessaryMaximised"
    display = Display()
    program = subprocess.Popen(programs.command("explorer", "/desktop=%s,%dx%d" % ((name.decode(),) + WINE_DESKTOP),
                                                program_path), env=programs.env)
    try:
        desktop = wait_for(lambda: display.find(name + b" - Wine desktop"), 60, "the Wine desktop")
        origin = display.origin(desktop)
        box = (origin[0], origin[1], origin[0] + WINE_DESKTOP[0], origin[1] + WINE_DESKTOP[1])
        previous = [None]

        def settled():
            shot = grab().crop(box)
            same = previous[0] is not None and shot.tobytes() == previous[0].tobytes()
            previous[0] = shot
            return shot if same and drawn_colours(shot) > 200 else None

        shot = wait_for(settled, 60, "the thumbnails to be drawn")
        os.makedirs(os.path.dirname(os.path.abspath(screenshot)), exist_ok=True)
        shot.save(screenshot)
        print("xvfb_screenshot: saved " + screenshot)
        # Thumbnails in the desktop's right eighth, below the bars: the grid fills the width.
        right = shot.crop((WINE_DESKTOP[0] * 7 // 8, 120, WINE_DESKTOP[0] - 8, WINE_DESKTOP[1] // 2))
        if drawn_colours(right) < 50:
            fail("maximised, no thumbnail reaches the right of the %dx%d desktop" % WINE_DESKTOP)
        print("xvfb_screenshot: maximised, the thumbnails fill the %dx%d desktop" % WINE_DESKTOP)
        subprocess.run(programs.command("taskkill", "/im", "tessary.exe"), env=programs.env, capture_output=True)
        wait_for(lambda: not any(b"tessary" in line.lower() for line in subprocess.run(
            programs.command("tasklist"), env=programs.env, capture_output=True).stdout.splitlines()), 20,
            "the program to end after it was asked to close")
    finally:
        subprocess.run(programs.command("wineboot", "--end-session"), env=programs.env, capture_output=True)
        if program.poll() is None:
            program.kill()
            program.wait()
        display.close()
    state = programs.settings().get("WindowState")
    if state != "Full":
        fail("closed maximised, WindowState is %r, expected 'Full'" % state)
    print("xvfb_screenshot: closed normally; settings hold WindowState=Full")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True, help="the tessary executable")
    parser.add_argument("--ensure-sample",
                        help="the ensure-sample-gamefolder executable; without it a game folder is recorded already")
    parser.add_argument("--wine-run", help="runs Windows programs under Wine (tools/windows/wine-run.sh)")
    parser.add_argument("--screenshot", required=True, help="where to save the screenshot (PNG)")
    parser.add_argument("--icon", help="the program's .ico: check that the window shows it")
    parser.add_argument("--maximised", action="store_true",
                        help="with --wine-run: start maximised in a Wine desktop and check that the thumbnails fill it")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="tessary-xvfb-") as temp:
        programs = Programs(args.wine_run, temp)
        programs.forget_settings()
        if args.ensure_sample:
            made = subprocess.run(programs.command(args.ensure_sample, programs.folder(os.path.join(temp, "game"))),
                                  env=programs.env, capture_output=True, text=True, errors="replace")
            if made.returncode != 0:
                fail("ensure-sample-gamefolder failed:\n" + made.stdout + made.stderr)
        if args.maximised:
            programs.start_maximised()
            maximised_check(programs, args.program, args.screenshot)
            return

        display = Display()
        program = subprocess.Popen(programs.command(args.program), env=programs.env)
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

            if args.icon:
                problem = check_icon(display, window, args.icon)
                if problem:
                    fail(problem)
                print("xvfb_screenshot: the window shows the program's own icon")

            origin = display.origin(window)
            corner = find_toggle(shot, origin)
            problem = check_toggle(shot, corner, alpha=False)
            if problem:
                fail(problem)
            display.click(window, corner[0] - origin[0] + TOGGLE_WIDTH // 2, corner[1] - origin[1] + TOGGLE_HEIGHT // 2)

            seen = ["nothing"]

            def alpha_shown():
                after = grab()
                seen[0] = check_toggle(after, corner, alpha=True)
                return after if seen[0] is None else None

            alpha_shot = wait_for(alpha_shown, 10,
                                  lambda: "the channel toggle to show the alpha view: " + seen[0])
            alpha_file = os.path.splitext(args.screenshot)[0] + "-alpha.png"
            alpha_shot.save(alpha_file)
            print("xvfb_screenshot: the toggle shows the alpha view; saved " + alpha_file)

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
        values = programs.settings()
        if values.get("WindowState") != "Normal":
            fail("WindowState is %r, expected 'Normal'" % values.get("WindowState"))
        if values.get("ThumbSize") != "100":
            fail("ThumbSize is %r, expected '100'" % values.get("ThumbSize"))
        print("xvfb_screenshot: closed normally; settings hold WindowState=Normal and ThumbSize=100")


if __name__ == "__main__":
    main()
