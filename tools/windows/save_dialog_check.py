#!/usr/bin/python3
"""Saves a picture through Windows' own save dialog under Wine, the two ways a user does, and
checks the file names that come out: image 5 with the name the dialog offers ("005", to which
the dialog adds the filter's ".tga"), and image 6 with "006.tga" typed whole. Both must give
one ".tga", never "005.tga.tga". Run under xvfb-run, with a game folder already recorded:

    xvfb-run -a -s "-screen 0 1024x768x24" tools/windows/save_dialog_check.py \\
        --wine-run tools/windows/wine-run.sh --program 'C:\\Program Files\\Tessary\\bin\\tessary.exe'

The pictures go to a temporary folder, set as the dialog's folder in the settings. Needs
python3-pil, libX11 and libXtst."""

import argparse
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "ui"))
import user_guide_screenshots as guide  # noqa: E402
import xvfb_screenshot as xvfb  # noqa: E402

DIALOG = b"Save the picture (.tga, .png)"
# The first thumbnail's middle, from the window's top-left corner: below the top bar, the tabs
# and the tool bar.
FIRST_CELL = (55, 29 + 22 + 24 + 55)


def save_through_dialog(session, window, steps_right, typed):
    """Selects the thumbnail steps_right after the first, opens its menu from the keyboard,
    chooses "Save image to a .tga file" and answers the dialog: Return on the name it offers,
    or typed in its place."""
    x, y, _, _ = session.geometry(window)
    session.click(x + FIRST_CELL[0], y + FIRST_CELL[1])
    for _ in range(steps_right):
        session.key("Right")
    session.key("Menu")
    session.key("Down")
    session.key("Down")
    session.key("Return")
    dialog = xvfb.wait_for(lambda: session.find(DIALOG), 30, "the save dialog")
    guide.settled_shot(20)
    session.focus(dialog)
    if typed:
        # The dialog may show the offered name with the filter's extension: clear it all.
        session.key("End")
        for _ in range(16):
            session.key("BackSpace")
        session.type(typed)
    session.key("Return")
    xvfb.wait_for(lambda: not session.find(DIALOG), 20, "the save dialog to close")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--wine-run", required=True, help="runs Windows programs under Wine (tools/windows/wine-run.sh)")
    parser.add_argument("--program", required=True, help="tessary.exe as Wine names it")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="tessary-save-dialog-") as temp:
        programs = xvfb.Programs(args.wine_run, temp)
        # The window as it first opens (a maximised one lays its cells out elsewhere).
        programs.forget_settings()
        out = os.path.join(temp, "out")
        os.makedirs(out)
        subprocess.run(programs.command("reg", "add", xvfb.SETTINGS_KEY, "/v", "SaveTGAPath", "/d",
                                        programs.folder(out) + "\\", "/f"),
                       env=programs.env, capture_output=True, check=True)
        session = guide.Session()
        program = subprocess.Popen(programs.command(args.program), env=programs.env)
        try:
            window = xvfb.wait_for(lambda: program.poll() is None and session.find(xvfb.TITLE), 60, "the main window")
            guide.settled_shot(30)
            save_through_dialog(session, window, 4, "")
            xvfb.wait_for(lambda: os.path.isfile(os.path.join(out, "005.tga")), 20,
                          lambda: "005.tga; the folder holds %s" % sorted(os.listdir(out)))
            session.focus(window)
            save_through_dialog(session, window, 5, "006.tga")
            xvfb.wait_for(lambda: os.path.isfile(os.path.join(out, "006.tga")), 20,
                          lambda: "006.tga; the folder holds %s" % sorted(os.listdir(out)))
            names = sorted(os.listdir(out))
            if names != ["005.tga", "006.tga"]:
                xvfb.fail("the save dialog gave %s, expected 005.tga and 006.tga" % names)
            print("save_dialog_check: the offered name and a typed name.tga both gave one .tga: %s" % names)
            session.ask_to_close(window)
            program.wait(timeout=20)
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
            session.close()


if __name__ == "__main__":
    main()
