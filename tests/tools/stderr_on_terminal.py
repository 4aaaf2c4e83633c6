"""Runs a program with its standard error on a pseudo-terminal (and its standard output
discarded), then prints what reached the terminal and ends with the program's exit code.

Usage: stderr_on_terminal.py PROGRAM [ARGUMENTS...]"""
import os
import pty
import subprocess
import sys
import threading


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
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
    code = subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=slave).returncode
    os.close(slave)
    reader.join(timeout=10)
    sys.stdout.buffer.write(bytes(seen))
    return code


if __name__ == "__main__":
    sys.exit(main())
