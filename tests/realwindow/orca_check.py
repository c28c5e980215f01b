#!/usr/bin/env python3
"""What Debian's Orca says while a user calculates in the real window with
the keyboard alone: the window's title at start, a name for every Tab stop,
the chosen unit when its list opens, the focus in the collector-voltage box
after a type is chosen with an arrow key, the results after Enter with no
further key, and a message box whole: its title, its text and its button.

    dbus-run-session -- orca_check.py PROGRAM WORKDIR CAPTION      (DISPLAY set)

Orca runs with the settings of orca-customizations.py beside this file: it
speaks only into its debug log (WORKDIR/orca-debug.log), which this script
reads as Orca writes it. Each step presses its keys and waits until Orca has
said what it must, or fails with what Orca said instead.
"""
import os
import re
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
# Every entry of Orca's debug log starts with the time of day.
ENTRY = re.compile(rb"^\d\d:\d\d:\d\d\.\d+ - ", re.M)
SPOKEN = "SPEECH OUTPUT: '"
# What follows the utterance: Orca 43 writes its voice as a dictionary,
# Orca 48 as ACSS(...).
VOICE = re.compile(r"'\s*(\{.*\}|ACSS\(.*\)|None)?\s*$", re.S)


class Failure(Exception):
    pass


class Orca:
    def __init__(self, work):
        prefs = os.path.join(work, "orca-prefs")
        shutil.rmtree(prefs, ignore_errors=True)
        os.makedirs(prefs)
        shutil.copy(os.path.join(HERE, "orca-customizations.py"), prefs)
        home = os.path.join(work, "home")
        os.makedirs(home, exist_ok=True)
        self.log_path = os.path.join(work, "orca-debug.log")
        self.output = open(os.path.join(work, "orca-out.txt"), "wb")
        if not os.path.exists("/usr/bin/orca"):
            raise Failure("Debian's orca is not installed (scripts/deps test installs it)")
        self.process = subprocess.Popen(
            ["/usr/bin/orca", "--user-prefs", prefs, "--debug-file", self.log_path],
            env=dict(os.environ, HOME=home, LANG="C.UTF-8", LC_ALL="C.UTF-8"),
            stdout=self.output, stderr=subprocess.STDOUT)
        self.mark = 0

    def log(self):
        try:
            with open(self.log_path, "rb") as log:
                return log.read()
        except FileNotFoundError:
            return b""

    def said_since_mark(self):
        """The utterances since the mark, each with its blanks and line
        breaks made single blanks (what follows the text, Orca's voice,
        stays on)."""
        entries = ENTRY.split(self.log()[self.mark:])
        texts = (e.decode("utf-8", "replace") for e in entries)
        return [" ".join(VOICE.sub("", t.split(SPOKEN, 1)[1]).split())
                for t in texts if SPOKEN in t]

    def set_mark(self):
        self.mark = len(self.log())

    def wait_until_ready(self, timeout=30):
        ready = re.compile(rb"ORCA: Starting (ATSPI registry|Atspi main event loop)")
        end = time.monotonic() + timeout
        while not ready.search(self.log()):
            if self.process.poll() is not None or time.monotonic() > end:
                raise Failure("Orca did not start (see orca-out.txt and orca-debug.log)")
            time.sleep(0.1)
        time.sleep(1)  # Orca registers its listeners once the loop runs

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self.output.close()


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, stdout=subprocess.PIPE,
                          universal_newlines=True).stdout.strip()


def wait_for_speech(orca, where, test, describe, timeout=10):
    end = time.monotonic() + timeout
    while True:
        said = orca.said_since_mark()
        if test(said):
            return said
        if time.monotonic() > end:
            raise Failure("%s: Orca did not say %s; it said:\n  %s"
                          % (where, describe, "\n  ".join(said) or "nothing"))
        time.sleep(0.1)


def press(keys):
    """Presses the keys, in xdotool's names, or types text ("type:...")."""
    if keys.startswith("type:"):
        xdotool("type", "--delay", "60", keys[5:])
    elif keys:
        xdotool("key", "--delay", "60", *keys.split())


def step(orca, where, keys, *fragments):
    """Presses the keys, then waits until Orca has said each fragment (with
    no keys, since the last mark)."""
    if keys:
        orca.set_mark()
        press(keys)
    said = wait_for_speech(
        orca, where, lambda said: all(any(f in u for u in said) for f in fragments),
        " and ".join(repr(f) for f in fragments))
    print("%s: %s" % (where, " | ".join(said)))
    return said


def said_in_order(fragments):
    """A test: one utterance says every fragment, in order."""
    def test(said):
        for utterance in said:
            at = 0
            for fragment in fragments:
                at = utterance.find(fragment, at)
                if at < 0:
                    break
                at += len(fragment)
            else:
                return True
        return False
    return test


def check(program, work, caption):
    orca = Orca(work)
    app = None
    try:
        orca.wait_until_ready()
        orca.set_mark()
        app = subprocess.Popen(
            [program], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                                QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
            stdout=open(os.path.join(work, "orca-app-out.txt"), "wb"), stderr=subprocess.STDOUT)
        window = xdotool("search", "--sync", "--onlyvisible", "--pid", str(app.pid)).split()[0]
        xdotool("windowfocus", "--sync", window)
        step(orca, "start", "", caption, "Tensione di Collettore")

        # Every Tab stop after the first box, around to it again; none of them
        # is announced as lying in a group named after the window.
        for name in ["Resistenza di Collettore", "Corrente di Collettore",
                     "Unità della Corrente di Collettore", "HFE / GAIN", "Tensione di BASE",
                     "x 3", "calcola", "Circuito NPN image", "Circuito PNP image",
                     "Resistenza image", "NPN"]:
            said = step(orca, "Tab to %s" % name, "Tab", name)
            if any(caption in utterance for utterance in said):
                raise Failure("Tab to %s: Orca said the window's title" % name)
            if name == "Unità della Corrente di Collettore":
                # The list opens on the chosen entry, which Orca says, not
                # only the list; Escape closes it again.
                step(orca, "Alt+Down", "alt+Down", "mA")
                step(orca, "Escape", "Escape", name)
        # A type chosen with an arrow key puts the focus in the collector-voltage
        # box; PNP is the type group's Tab stop then.
        step(orca, "Down on NPN", "Down", "Tensione di Collettore")
        step(orca, "shift+Tab to PNP", "shift+Tab", "Tipo di transistor", "PNP")
        step(orca, "Tab", "Tab", "Tensione di Collettore")

        # 12 V across 1000 ohm, gain 160, base 5 V, x 3: the results are said
        # after Enter alone, then what to fit.
        press("type:12")
        step(orca, "Tab", "Tab", "Resistenza di Collettore")
        press("type:1000")
        time.sleep(0.5)  # what Orca says of the typing is not this step's
        orca.set_mark()
        press("Return")
        results = ["corrente di base: 225 µA.", "resistenza di base: 19.111 Ohm (19,11K).",
                   "Resistenza di base: 19,1K.", "Watt: 0,14.",
                   "Valori normalizzati per difetto: E12 18K · E24 18K · E96 19,1K.",
                   "Potenza su Rb: 970 µW."]
        said = wait_for_speech(orca, "Enter", said_in_order(results), " then ".join(results))
        print("Enter: %s" % " | ".join(said))

        # The gain box emptied (Tab selects its text), Enter: the message box
        # whole, its title, its text and its button.
        step(orca, "Tab Tab Tab to the gain", "Tab Tab Tab", "HFE / GAIN")
        press("BackSpace")
        time.sleep(0.5)
        step(orca, "Enter without a gain", "Return", "alert Base Resistor Calculator",
             "Inserire il valore di HFE (Gain)", "OK")
        return 0
    finally:
        if app is not None:
            app.terminate()
            app.wait(10)
        orca.stop()


def main(argv):
    if len(argv) != 4:
        sys.exit("usage: orca_check.py PROGRAM WORKDIR CAPTION")
    os.makedirs(argv[2], exist_ok=True)
    started = time.monotonic()
    try:
        check(os.path.abspath(argv[1]), argv[2], argv[3])
    except (Failure, subprocess.CalledProcessError) as error:
        sys.exit("FAIL: %s" % error)
    print("Orca: every step said what it must, in %.0f s" % (time.monotonic() - started))


if __name__ == "__main__":
    main(sys.argv)
