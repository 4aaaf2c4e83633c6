"""Checks that tessary-cli.exe shows text outside ASCII correctly in a console under Wine, and
keeps it UTF-8 when its output is piped.

Usage: console_text_under_wine.py WINE_RUN MAKER.exe CLI.exe
A game folder named "GP4 Łódź" is made with the sample maker; then "tessary-cli check" runs
once on a pseudo-terminal, which Wine turns into a console for it, and once with its output
piped. What reaches the terminal must read "Game folder: ...GP4 Łódź" (Wine's console writes it
to the terminal as UTF-8, with cursor moves for some spaces).
"""
import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
from pathlib import Path

NAME = "GP4 \u0141\u00f3d\u017a"


def on_terminal(command, env):
    master, slave = pty.openpty()
    seen = bytearray()

    def drain():
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:
                return
            if not chunk:
                return
            seen.extend(chunk)

    reader = threading.Thread(target=drain)
    reader.start()
    code = subprocess.run(command, stdin=slave, stdout=slave, stderr=slave, env=env, timeout=120).returncode
    os.close(slave)
    reader.join(timeout=10)
    return code, bytes(seen)


def shown(terminal_bytes):
    """The text a terminal shows: cursor moves to the right as spaces, other controls dropped."""
    text = terminal_bytes.decode("utf-8", "replace")
    text = re.sub(r"\x1b\[(\d*)C", lambda m: " " * int(m.group(1) or 1), text)
    text = re.sub(r"\x1b\[[0-9;?]*[A-Za-z]", "", text)
    return text.replace("\r", "")


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    wine_run, maker, cli = sys.argv[1:]
    bindir = Path(cli).resolve().parent
    env = dict(os.environ, LANG="C.UTF-8", WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d",
               WINEPREFIX=os.environ.get("TESSARY_WINEPREFIX", str(bindir.parent / "wineprefix")))
    wine = os.environ.get("TESSARY_WINE", "/usr/lib/wine/wine64")
    with tempfile.TemporaryDirectory() as temp:
        game = "Z:" + str(Path(temp) / NAME).replace("/", "\\")
        made = subprocess.run([wine_run, maker, "--small", game], capture_output=True, env=env, timeout=300)
        if made.returncode != 0:
            print("the sample maker failed:", made.stdout.decode(errors="replace"), file=sys.stderr)
            return 1
        wanted = "Game folder: " + game
        code, terminal = on_terminal([wine, cli, "check", game], env)
        text = shown(terminal)
        piped = subprocess.run([wine_run, cli, "check", game], capture_output=True, env=env, timeout=300)
        problems = []
        if code != 0 or wanted not in text:
            problems.append(f"on a console (exit code {code}) the terminal shows:\n{text}")
        if piped.returncode != 0 or wanted.encode("utf-8") not in piped.stdout:
            problems.append(f"piped (exit code {piped.returncode}) the output is:\n{piped.stdout!r}")
        for problem in problems:
            print(problem, file=sys.stderr)
        if not problems:
            print(f"console and pipe both show {wanted!r}")
        return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
