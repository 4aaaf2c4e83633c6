#!/usr/bin/env python3
"""Kills "Apply All Changes" at random moments and checks that the next opening of the game
folder leaves it all-old or all-new.

The large sample game folder is flipped (every image, the index and every font changed) by
flip_game_folder, which is killed with SIGKILL at a random moment of its write-back; then
`tessary-cli check` opens the folder, which settles whatever the write-back left. Every game file
must then hold exactly the bytes of the folder before that write-back, or exactly those after
it, and no file of the write-back may be left. A second series runs two write-backs at once and
kills one of them. Two more series stop `tessary-cli import` and `tessary-cli export` with
SIGINT (Ctrl-C) at random moments: each must end by itself, removing its unfinished files, and
leave the game folder all-old or all-imported, and only whole exported files. A mod of every
picture is switched off and on, and two profiles are switched between, killed in the same way:
the folder (the small sample) must show the mod all on or all off, as its library says.

Each series runs until it has seen every outcome its phases can have (a kill before the new
state is committed, one while the files are moved, one after) and at least MINIMUM_TRIALS, or
until its most trials: a series that ends without every outcome fails, as it covered too little."""
import argparse
import hashlib
import json
import os
import random
import signal
import subprocess
import sys
import time

SCRATCH_MARKS = (".tessary-", "tessary-write-back.journal")
MINIMUM_TRIALS = 3


def covered(outcomes, wanted, trials):
    """Whether a series has seen each wanted outcome, in at least MINIMUM_TRIALS trials."""
    return trials >= MINIMUM_TRIALS and all(outcomes.get(w, 0) > 0 for w in wanted)


def require(series, outcomes, wanted):
    missing = [w for w in wanted if outcomes.get(w, 0) == 0]
    if missing:
        sys.exit("%s never ended as %s in its trials (%s): it covered too little" % (series, ", ".join(missing), outcomes))


def game_files(folder):
    data = os.path.join(folder, "MenuData", "PC", "GP2001")
    names = ["Gp2001.gph"]
    for sub in ("images", "fonts"):
        names += [sub + "/" + n for n in sorted(os.listdir(os.path.join(data, sub)))
                  if n.endswith((".gpi", ".gpf"))]
    return data, names


def digests(folder):
    data, names = game_files(folder)
    result = {}
    for name in names:
        with open(os.path.join(data, name), "rb") as f:
            result[name] = hashlib.sha1(f.read()).hexdigest()
    return result


def leftovers(folder):
    data, _ = game_files(folder)
    found = []
    for root, _, files in os.walk(data):
        if "tessary-originals" in root:
            continue
        found += [os.path.join(root, f) for f in files if any(m in f for m in SCRATCH_MARKS)]
    return found


def run_check(cli, folder):
    done = subprocess.run([cli, "check", folder], capture_output=True, text=True, timeout=300)
    if done.returncode != 0:
        sys.exit("tessary-cli check failed after a kill:\n" + done.stdout + done.stderr)
    return done.stdout


def settle_and_judge(args, states, current, outcomes):
    out = run_check(args.cli, args.folder)
    now = digests(args.folder)
    other = "new" if current == "old" else "old"
    if now == states[current]:
        outcome = "unchanged"
    elif now == states[other]:
        outcome = "applied"
        current = other
    else:
        torn = [n for n in now if now[n] not in (states["old"][n], states["new"][n])]
        mixed = [n for n in now if n not in torn and now[n] != states[current][n]]
        sys.exit("the folder is mixed after a kill: %d files torn (%s), %d files from the other state"
                 % (len(torn), ", ".join(torn[:5]), len(mixed)))
    left = leftovers(args.folder)
    if left:
        sys.exit("files of the write-back were left: " + ", ".join(left[:5]))
    if "cut short" in out:
        outcome += ", settled"
    outcomes[outcome] = outcomes.get(outcome, 0) + 1
    return current


def kill_at(process, delay):
    time.sleep(delay)
    if process.poll() is None:
        process.send_signal(signal.SIGKILL)
    process.wait()


def kill_while_moving(process, journal, extra):
    """Kills the write-back a moment after its journal appears, while it moves files into place."""
    while process.poll() is None and not os.path.exists(journal):
        time.sleep(0.0005)
    kill_at(process, extra)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--flip", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--maker", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--window-flip", help="the flip through the window's Apply All Changes")
    # The most trials of each series.
    parser.add_argument("--kills", type=int, default=30)
    parser.add_argument("--window-kills", type=int, default=16)
    parser.add_argument("--concurrent", type=int, default=16)
    parser.add_argument("--interrupts", type=int, default=10)
    parser.add_argument("--library-kills", type=int, default=16)
    parser.add_argument("--random-start", type=int, default=int(time.time()),
                        help="starting value of the random kill moments, to repeat a run")
    args = parser.parse_args()
    moments = random.Random(args.random_start)
    args.folder = os.path.join(args.work, "game")
    # A fresh folder each run: one left by an earlier, interrupted run keeps originals of a state
    # this run never saw.
    subprocess.run(["rm", "-rf", args.folder], check=True)
    subprocess.run([args.maker, "--large", args.folder], check=True, stdout=subprocess.DEVNULL)
    run_check(args.cli, args.folder)

    # The two states, and how long a whole write-back takes.
    states = {"old": digests(args.folder)}
    started = time.monotonic()
    subprocess.run([args.flip, args.folder], check=True, stdout=subprocess.DEVNULL)
    duration = time.monotonic() - started
    states["new"] = digests(args.folder)
    subprocess.run([args.flip, args.folder], check=True, stdout=subprocess.DEVNULL)
    if digests(args.folder) != states["old"]:
        sys.exit("flipping twice did not give the folder back")
    print("random start %d; %d game files; a whole write-back takes %.2f s" % (args.random_start, len(states["old"]), duration))

    journal = os.path.join(game_files(args.folder)[0], "tessary-write-back.journal")
    # A third of the kills fall anywhere; the others while the files are moved into place,
    # which takes a few milliseconds of the whole.
    current, outcomes, trials = kill_flips(args, args.flip, args.kills, 3, duration, moments, states, "old", journal)
    print("single write-back killed %d times: %s" % (trials, outcomes))
    require("the single write-back", outcomes, SETTLED_OUTCOMES)

    outcomes, refused, trials = {}, 0, 0
    while trials < args.concurrent and not (covered(outcomes, ("unchanged", "applied"), trials) and refused > 0):
        k = trials
        trials += 1
        flip = lambda: subprocess.Popen([args.flip, args.folder], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if k % 3 == 2:
            # The second runs while the first holds the folder to write its new files, and the
            # first is killed once the second has ended: neither may have changed the folder. Left
            # to chance, this hardly ever happens on a busy machine, so the first is stopped
            # (keeping its lock) for as long as the second runs.
            victim = flip()
            while victim.poll() is None and not leftovers(args.folder):
                time.sleep(0.001)
            if victim.poll() is None:
                victim.send_signal(signal.SIGSTOP)
            survivor = flip()
            _, err = survivor.communicate(timeout=600)
            kill_at(victim, 0)
        else:
            first = flip()
            time.sleep(moments.uniform(0, 0.3 * duration))
            second = flip()
            victim, survivor = (first, second) if k % 2 == 0 else (second, first)
            kill_at(victim, moments.uniform(0, duration))
            _, err = survivor.communicate(timeout=600)
        if survivor.returncode != 0:
            if "another program" not in err:
                sys.exit("the surviving write-back failed for another reason: " + err)
            refused += 1
        # The survivor may have finished a write-back of its own after the kill: judge against
        # both states, whichever it left.
        current = settle_and_judge(args, states, current, outcomes)
    print("two write-backs at once, one killed, %d times: %s; the survivor was refused %d times"
          % (trials, outcomes, refused))
    require("two write-backs at once", outcomes, ("unchanged", "applied"))
    if refused == 0:
        sys.exit("the surviving write-back was never refused: two write-backs never overlapped")

    if args.window_flip:
        current = window_kills(args, moments, states, current, journal)

    if current != "old":
        subprocess.run([args.flip, args.folder], check=True, stdout=subprocess.DEVNULL)
    library_kills(args, moments)
    interrupted_imports(args, moments, states)
    interrupted_exports(args, moments)


def cli(args, *arguments):
    done = subprocess.run([args.cli, *arguments], capture_output=True, text=True, timeout=600)
    if done.returncode != 0:
        sys.exit("tessary-cli %s failed:\n%s%s" % (" ".join(arguments), done.stdout, done.stderr))
    return done.stdout


def library_kills(original, moments):
    """A mod of every picture switched off and on, and two profiles switched between, killed as a
    write-back is: the next opening shows the mod all on or all off, and the library says the
    same. Taken off at the end, the folder is the shipped one again. On the small sample, whose
    mod takes seconds to make where the large one's would take minutes."""
    args = argparse.Namespace(**vars(original))
    args.folder = os.path.join(args.work, "library-game")
    subprocess.run(["rm", "-rf", args.folder], check=True)
    subprocess.run([args.maker, "--small", args.folder], check=True, stdout=subprocess.DEVNULL)
    shipped = digests(args.folder)
    journal = os.path.join(game_files(args.folder)[0], "tessary-write-back.journal")
    package = os.path.join(args.work, "flip-mod.zip")
    subprocess.run([args.flip, args.folder], check=True, stdout=subprocess.DEVNULL)
    cli(args, "pack", args.folder, package, "--name", "Flip")
    cli(args, "restore", args.folder, "--all")
    cli(args, "install", args.folder, package)
    cli(args, "profile", args.folder, "save", "on")
    on = digests(args.folder)
    started = time.monotonic()
    cli(args, "disable", args.folder, "Flip")
    duration = time.monotonic() - started
    cli(args, "profile", args.folder, "save", "off")
    off = digests(args.folder)
    if off != shipped:
        sys.exit("switched off, the mod of every picture did not give the shipped folder back")
    # "old" is the mod off, "new" the mod on.
    switches = {"old": off, "new": on}
    current = "old"
    series = (("switching the mod", lambda on: ["enable" if on else "disable", args.folder, "Flip"]),
              ("using a profile", lambda on: ["profile", args.folder, "use", "on" if on else "off"]))
    for name, command in series:
        outcomes, k = {}, 0
        while k < args.library_kills and not covered(outcomes, SETTLED_OUTCOMES, k):
            process = subprocess.Popen([args.cli] + command(current == "old"), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if k % 3 == 0:
                kill_at(process, moments.uniform(0, 1.05 * duration))
            else:
                # The small sample's files are moved in a millisecond or two.
                kill_while_moving(process, journal, moments.uniform(0, 0.002))
            current = settle_and_judge(args, switches, current, outcomes)
            listed = json.loads(cli(args, "mods", args.folder, "--json"))["mods"]
            if [mod["enabled"] for mod in listed] != [current == "new"]:
                sys.exit("after a kill while %s, the folder shows the mod %s but the library lists %s"
                         % (name, "on" if current == "new" else "off", listed))
            k += 1
        print("%s killed %d times (a switch takes %.2f s): %s" % (name, k, duration, outcomes))
        require(name, outcomes, SETTLED_OUTCOMES)
    cli(args, "uninstall", args.folder, "Flip")
    if digests(args.folder) != shipped:
        sys.exit("with the mod uninstalled, the folder is not the shipped one")


def window_kills(args, moments, states, current, journal):
    """The window's Apply All Changes, which writes on a thread of its own, killed as the CLI's is."""
    started = time.monotonic()
    subprocess.run([args.window_flip, args.folder], check=True, stdout=subprocess.DEVNULL)
    duration = time.monotonic() - started
    current = settle_and_judge(args, states, current, {})
    current, outcomes, trials = kill_flips(args, args.window_flip, args.window_kills, 2, duration, moments, states, current,
                                           journal)
    print("the window's Apply All Changes killed %d times (load and apply take %.2f s): %s"
          % (trials, duration, outcomes))
    require("the window's Apply All Changes", outcomes, SETTLED_OUTCOMES)
    return current


# A kill before the commit leaves the old state; one while the files are moved leaves a journal
# that the next opening settles into the new one.
SETTLED_OUTCOMES = ("unchanged", "applied, settled")


def kill_flips(args, flip_program, count, anywhere_every, duration, moments, states, current, journal):
    """Up to count flips killed, until each settled outcome was seen: every anywhere_every-th at
    any moment, the others while files are moved."""
    outcomes = {}
    k = 0
    while k < count and not covered(outcomes, SETTLED_OUTCOMES, k):
        flip = subprocess.Popen([flip_program, args.folder], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if k % anywhere_every == 0:
            kill_at(flip, moments.uniform(0, 1.05 * duration))
        else:
            kill_while_moving(flip, journal, moments.uniform(0, 0.02))
        current = settle_and_judge(args, states, current, outcomes)
        k += 1
    return current, outcomes, k


def interrupt_at(process, delay):
    time.sleep(delay)
    if process.poll() is None:
        process.send_signal(signal.SIGINT)
    _, err = process.communicate(timeout=600)
    # -SIGINT: the signal came before main() could take it over (the program was still
    # loading its libraries); the checks that follow still hold it to leaving nothing behind.
    if process.returncode not in (0, 130, -signal.SIGINT):
        sys.exit("an interrupted command failed (exit %d): %s" % (process.returncode, err))
    return process.returncode


def timed(command):
    started = time.monotonic()
    done = subprocess.run(command, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(" ".join(command) + " failed:\n" + done.stdout + done.stderr)
    return time.monotonic() - started


def interrupted_imports(args, moments, states):
    """Ctrl-C during imports of every picture: no unfinished file may stay, without any check run."""
    pictures = os.path.join(args.work, "pictures")
    subprocess.run(["rm", "-rf", pictures], check=True)
    timed([args.cli, "export", args.folder, pictures])
    flip = bytes(range(256))[::-1]
    for name in os.listdir(pictures):
        path = os.path.join(pictures, name)
        with open(path, "rb") as f:
            data = f.read()
        with open(path, "wb") as f:
            f.write(data[:18] + data[18:].translate(flip))
    duration = timed([args.cli, "import", args.folder, pictures])
    states["imported"] = digests(args.folder)
    timed([args.cli, "restore", "--all", args.folder])
    if digests(args.folder) != states["old"]:
        sys.exit("restore --all did not give the folder back")
    outcomes, seen, trials = {}, set(), 0
    while trials < args.interrupts and not (trials >= MINIMUM_TRIALS and seen == {"old", "imported"}):
        trials += 1
        run = subprocess.Popen([args.cli, "import", args.folder, pictures], stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
        code = interrupt_at(run, moments.uniform(0, 1.1 * duration))
        left = leftovers(args.folder)
        if left:
            sys.exit("an interrupted import left files behind: " + ", ".join(left[:5]))
        now = digests(args.folder)
        outcome = "old" if now == states["old"] else "imported" if now == states["imported"] else None
        if outcome is None:
            sys.exit("an interrupted import left the folder mixed")
        seen.add(outcome)
        key = "%s, exit %d" % (outcome, code)
        outcomes[key] = outcomes.get(key, 0) + 1
        if outcome == "imported":
            timed([args.cli, "restore", "--all", args.folder])
    print("import interrupted %d times: %s" % (trials, outcomes))
    if seen != {"old", "imported"}:
        sys.exit("interrupted imports never left the folder %s: they covered too little"
                 % " or ".join({"old", "imported"} - seen))


def interrupted_exports(args, moments):
    """Ctrl-C during exports: every file left in the output folder is whole, and no part file stays."""
    reference = os.path.join(args.work, "reference")
    subprocess.run(["rm", "-rf", reference], check=True)
    duration = timed([args.cli, "export", args.folder, reference])
    outcomes, k, stopped = {}, 0, []
    while k < args.interrupts and not (k >= MINIMUM_TRIALS and any(c != 0 for c in stopped)):
        out = os.path.join(args.work, "export%d" % k)
        k += 1
        subprocess.run(["rm", "-rf", out], check=True)
        run = subprocess.Popen([args.cli, "export", args.folder, out], stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
        code = interrupt_at(run, moments.uniform(0, 1.1 * duration))
        names = os.listdir(out) if os.path.isdir(out) else []
        if any(".tessary-" in name for name in names):
            sys.exit("an interrupted export left a part file in " + out)
        for name in names:
            with open(os.path.join(out, name), "rb") as f, open(os.path.join(reference, name), "rb") as g:
                if f.read() != g.read():
                    sys.exit("an interrupted export left a torn file: " + name)
        stopped.append(code)
        outcomes["exit %d" % code] = outcomes.get("exit %d" % code, 0) + 1
        subprocess.run(["rm", "-rf", out], check=True)
    print("export interrupted %d times: %s" % (k, outcomes))
    if not any(c != 0 for c in stopped):
        sys.exit("no export was stopped part-way: the interrupts covered too little")


if __name__ == "__main__":
    main()
