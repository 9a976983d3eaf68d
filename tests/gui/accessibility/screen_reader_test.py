#!/usr/bin/python3
"""What a blind dealer hears: runs the screen reader Orca (its speech going to
a silent speech-dispatcher, what it says read from its debug output) against
the real zemprog and goes through the keyboard journeys of a day's work:
open a program file, walk the channel table, change a list and undo it, type
the access code, read and write a radio (at full speed and paced, with a
read-back that fails), the power dialog, write two radios at once.

    screen_reader_test.py ZEMPROG ZEMTOOL ZEMSIM

Run it under an X server and a session bus (xvfb-run -a dbus-run-session);
run_screen_reader_test.sh does.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import ctypes
import ctypes.util

import pyatspi

from accessible_tree_test import WindowManager, check, children, failures, find_all, walk, window_of

XK = {"Tab": 0xFF09, "Return": 0xFF0D, "Escape": 0xFF1B, "Down": 0xFF54, "Up": 0xFF52, "Right": 0xFF53,
      "F1": 0xFFBE, "F2": 0xFFBF, "Prior": 0xFF55, "space": 0x20, "Control": 0xFFE3, "Alt": 0xFFE9, "Shift": 0xFFE1}
CTRL, ALT, SHIFT = "Control", "Alt", "Shift"


class Keyboard:
    """Key presses as a keyboard makes them, through the X server's test
    extension (the accessibility registry's own key synthesis stalls the
    screen reader's key events for seconds)."""

    def __init__(self):
        self.xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
        self.xtst = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xtst"))
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.xlib.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.xlib.XOpenDisplay(None)

    def key(self, name, down):
        code = self.xlib.XKeysymToKeycode(self.display, XK[name] if name in XK else ord(name))
        self.xtst.XTestFakeKeyEvent(self.display, code, down, 0)
        self.xlib.XFlush(self.display)
        time.sleep(0.05)

    def press(self, name, modifier=None):
        if modifier:
            self.key(modifier, 1)
        self.key(name, 1)
        self.key(name, 0)
        if modifier:
            self.key(modifier, 0)
        time.sleep(0.25)


keyboard = None


def start(program, folder, port):
    """zemprog, started in folder (where its file dialogs open) on port, once it is on the accessibility bus."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=os.path.join(folder, ".settings"))
    env.pop("QT_QPA_PLATFORM", None)
    process = subprocess.Popen([program, "-platform", "xcb", "--port", port], env=env, cwd=folder)
    end = time.time() + 30
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == process.pid and app.childCount:
                frames = [f for f in children(app) if f.getRoleName() == "frame"]
                if frames and find_all(frames[0], "page tab list"):
                    return process, app
        time.sleep(0.2)
    return process, None


class Orca:
    """The screen reader, started on the session's accessibility bus with its
    speech going to a speech-dispatcher whose output module makes no sound."""

    def __init__(self, scratch):
        self.log = os.path.join(scratch, "orca.log")
        home = os.path.join(scratch, "home")
        modules = os.path.join(scratch, "speech", "modules")
        runtime = os.path.join(scratch, "runtime")
        for folder in (home, modules, runtime, os.path.join(scratch, "orca")):
            os.makedirs(folder, mode=0o700, exist_ok=True)
        with open(os.path.join(scratch, "speech", "speechd.conf"), "w") as conf:
            conf.write('AddModule "silent" "sd_generic" "silent.conf"\nDefaultModule silent\n'
                       'AudioOutputMethod "libao"\n')
        with open(os.path.join(modules, "silent.conf"), "w") as conf:
            conf.write('GenericExecuteSynth "true"\nGenericLanguage "en" "en" "utf-8"\n'
                       'AddVoice "en" "MALE1" "default"\n')
        with open(os.path.join(home, ".libao"), "w") as conf:
            conf.write("default_driver=null\n")  # libao's driver that plays nothing
        socket = os.path.join(runtime, "speechd.sock")
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local"), SPEECHD_ADDRESS="unix_socket:" + socket)
        self.env = env
        self.processes = [subprocess.Popen(
            ["speech-dispatcher", "-s", "-t", "0", "-C", os.path.join(scratch, "speech"), "-S", socket,
             "-L", scratch], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        deadline = time.time() + 20
        while not os.path.exists(socket) and time.time() < deadline:
            time.sleep(0.1)
        # Orca, with its debug output written line by line as it speaks
        # (Orca itself leaves it in a buffer for seconds).
        run_orca = ("import builtins, runpy, sys\n"
                    "sys.argv = sys.argv[1:]\n"
                    "plain_open = builtins.open\n"
                    "def line_by_line(file, mode='r', *args, **kwargs):\n"
                    "    if file == sys.argv[2][len('--debug-file='):]:\n"
                    "        return plain_open(file, mode, buffering=1)\n"
                    "    return plain_open(file, mode, *args, **kwargs)\n"
                    "builtins.open = line_by_line\n"
                    "runpy.run_path(sys.argv[0], run_name='__main__')\n")
        orca = shutil.which("orca") or "/usr/bin/orca"
        self.processes.append(subprocess.Popen(
            ["/usr/bin/python3", "-c", run_orca, orca, "--replace", "--debug-file=" + self.log,
             "-u", os.path.join(scratch, "orca")],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.mark = 0

    def heard(self):
        """Everything Orca has said so far, one utterance a line."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                text = log.read()
        except FileNotFoundError:
            return []
        return [m.group(1) for m in re.finditer(r"SPEECH OUTPUT: '(.*?)'(?: |\{|$)", text, re.M)]

    def ready(self):
        return "Screen reader on." in self.heard()

    def since(self):
        return self.heard()[self.mark:]

    def listen(self, until, timeout=30.0, quiet=0.6):
        """What is said from now on: waits until the words satisfy until, then
        for a pause of quiet seconds; at most timeout seconds."""
        end = time.time() + timeout
        said, last_change, satisfied = [], time.time(), False
        while time.time() < end:
            now = self.since()
            if now != said:
                said, last_change = now, time.time()
            satisfied = satisfied or until(said)
            if satisfied and time.time() - last_change >= quiet:
                break
            time.sleep(0.1)
        self.mark += len(said)
        return said

    def skip(self):
        """Forgets what has been said so far."""
        self.mark = len(self.heard())

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()


def keys(*sequence):
    for item in sequence:
        keyboard.press(*item) if isinstance(item, tuple) else keyboard.press(item)


def type_text(text):
    for c in text:
        keyboard.press(c)


def contains(*words):
    """until: every word has been heard, in one utterance or another."""
    return lambda said: all(any(w in s for s in said) for w in words)


def expect(orca, what, words, action, timeout=30.0):
    orca.skip()
    action()
    began = time.time()
    said = orca.listen(contains(*words), timeout)
    check(contains(*words)(said), f"{what}: heard {words} in {time.time() - began:.1f} s (heard {said})")
    return said


def wait_for_gone(app, title, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        if not any(d.name == title and d.getRoleName() == "dialog" for d in children(app)):
            return
        time.sleep(0.2)


class Radio:
    """One zemsim radio at a fixed path, started afresh with its options for each exchange."""

    def __init__(self, zemsim, link):
        self.zemsim, self.link, self.process = zemsim, link, None

    def plug_in(self, *options):
        self.unplug()
        self.process = subprocess.Popen([self.zemsim, "--link", self.link, *options], stdout=subprocess.PIPE,
                                        text=True)
        self.process.stdout.readline()

    def unplug(self):
        if self.process:
            self.process.terminate()
            self.process.wait(10)
            self.process = None


def written(said):
    """What was said that calls the write done."""
    return [s for s in said if s.startswith("Written to the radio") and "not checked" not in s]


def main():
    program, zemtool, zemsim = sys.argv[1:4]
    scratch = tempfile.mkdtemp()
    orca = Orca(scratch)
    process = radios = radio = None
    try:
        end = time.time() + 60
        while not orca.ready() and time.time() < end:
            time.sleep(0.2)
        if not orca.ready():
            print("Orca did not start")
            return 3
        # A plan of the 400-470 MHz band, in a folder with a non-ASCII name.
        folder = os.path.join(scratch, "José")
        os.makedirs(folder)
        plan = os.path.join(folder, "plan.zem")
        subprocess.run([zemtool, "new", "-o", plan, "--band", "2"], check=True)
        channels = json.loads(subprocess.run([zemtool, "show", plan, "--json"], check=True, capture_output=True,
                                             text=True).stdout)["channels"]
        global keyboard
        keyboard = Keyboard()
        radio = Radio(zemsim, os.path.join(scratch, "radio"))
        process, app = start(program, folder, radio.link)
        if not app:
            return 3
        wm = WindowManager()
        title = window_of(app).name
        wm.focus(title)
        orca.listen(contains(title), 20)

        # Open the plan: Ctrl+O, its path typed into the file dialog, Enter.
        expect(orca, "Ctrl+O opens the file dialog", ["Open"], lambda: keys(("o", CTRL)))
        wm.focus("Open")
        orca.skip()
        type_text(os.path.basename(plan))
        keys("Return")
        wait_for_gone(app, "Open")
        orca.skip()
        wm.focus(title)
        said = orca.listen(contains("Opened plan.zem"), 20)
        check(contains("Opened plan.zem")(said), f"the opened file is named ({said})")

        # From anywhere, Ctrl+G puts the first channel's receive frequency under the cursor.
        orca.skip()
        keys(("Tab", SHIFT))
        orca.listen(lambda said: len(said) > 1, 10)  # the Shift key, then where the focus went
        first = channels[0]["receive"]
        said = expect(orca, "Ctrl+G goes to the channel table", [first], lambda: keys(("g", CTRL)))
        check(not any("double click" in s for s in said), f"Ctrl+G asks no keyboard user to double-click ({said})")
        second = channels[1]["receive"]
        said = expect(orca, "Down moves to channel 2", ["channel 2", second], lambda: keys("Down"))
        joined = " ".join(said)
        check(joined.find("channel 2") < joined.find(second), f"the channel is heard before the cell ({said})")
        expect(orca, "Right moves to channel 2's transmit frequency", ["Transmit", channels[1]["transmit"]],
               lambda: keys("Right"))
        said = expect(orca, "F2 opens the cell editor", ["Transmit, channel 2"], lambda: keys("F2"))
        check(contains(channels[1]["transmit"] + " selected")(said),
              f"the cell editor's value is heard whole, {channels[1]['transmit']} ({said})")
        keys("Escape")
        orca.listen(lambda said: True, 5)

        # Type with Down: the new entry is heard.
        expect(orca, "Shift+Tab twice reaches Type", ["Type"], lambda: keys(("Tab", SHIFT), ("Tab", SHIFT)))
        expect(orca, "Down on Type", ["Other..."], lambda: keys("Down"))
        expect(orca, "Up on Type", ["ZEM-KR-M4"], lambda: keys("Up"))
        expect(orca, "Tab to Field", ["Field"], lambda: keys("Tab"))
        expect(orca, "Down on Field", ["470-512MHZ"], lambda: keys("Down"))
        expect(orca, "Ctrl+S saves the plan", ["Saved plan.zem"], lambda: keys(("s", CTRL)))
        expect(orca, "Ctrl+Z undoes the band", ["Undo: "], lambda: keys(("z", CTRL)))
        # Shift+F1 tells what the focused control is for; F1 opens the help
        # page, read line by line with the arrow keys.
        expect(orca, "Shift+F1 on Field", ["frequencies outside it are refused"], lambda: keys(("F1", SHIFT)))
        keys("Escape")
        expect(orca, "F1 opens the help", ["Help page"], lambda: keys("F1"))
        wm.focus("Zem Programming Software Help")
        orca.listen(lambda said: False, 2)
        expect(orca, "Down reads the help's picture in words", ["Picture: The Channel Setting page"],
               lambda: keys("Down", "Down"))
        expect(orca, "Down reads on", ["Type and band"], lambda: keys("Down"))
        keys("Escape")
        wm.focus(title)
        orca.listen(contains("Channel Setting"), 15)

        # Ctrl+Tab and Ctrl+PageUp name the page they go to.
        expect(orca, "Ctrl+Tab goes to the next page", ["Optional features"], lambda: keys(("Tab", CTRL)))
        expect(orca, "Ctrl+PageUp goes back", ["Channel Setting"], lambda: keys(("Prior", CTRL)))

        # The access code: its prompt is heard, none of its digits.
        expect(orca, "Alt+P opens the Program menu", ["Read From Radio"], lambda: keys(("p", ALT)))
        expect(orca, "Y asks for the access code", ["Please input password"], lambda: keys("y"))
        wm.focus("Zem Programming Software")
        orca.skip()
        type_text("8642")
        said = orca.listen(lambda said: False, 4)
        check(not any(re.search(r"[8642]", s) for s in said), f"no digit of the access code is heard ({said})")
        keys("Escape")
        wait_for_gone(app, "Zem Programming Software")
        # The virtual display has no window manager to give the window back the keyboard.
        orca.skip()
        wm.focus(title)
        orca.listen(contains("Channel Setting"), 15)

        # Reads and writes: each result is heard, at full speed (a flood of
        # progress steps) and at the line speed of a real cable.
        def exchange(what, key, dialog, options, words, timeout=40):
            radio.plug_in(*options)
            orca.skip()
            wm.focus(title)
            orca.listen(lambda said: False, 1)
            keys((key, CTRL))
            wm.focus(dialog)
            orca.listen(contains("Start"), 10)
            return expect(orca, what, words, lambda: keys("space"), timeout)

        heard = sum(contains("Read from the radio")(exchange(f"read {run + 1} at full speed", "r",
                    "Reading Data Progress", [], ["Read from the radio"])) for run in range(3))
        print(f"read results heard at full speed: {heard} of 3")
        exchange("a paced read", "r", "Reading Data Progress", ["--paced"], ["Read from the radio"])
        exchange("a write with its check", "w", "Writing Data Progress", [],
                 ["Verifying written data", "Written to the radio and verified"], 60)
        # A radio that answers short while the write is read back: the
        # message box says so, and nothing then calls the write done.
        said = exchange("a write whose read-back fails", "w", "Writing Data Progress", ["--short-reply", "0x200"],
                        ["reading it back to check it failed"], 60)
        keys("Return")
        said += orca.listen(contains("Written to the radio, but not checked"), 15)
        check(contains("Written to the radio, but not checked")(said) and not written(said),
              f"a failed read-back is never called written ({said})")

        # The power dialog's values, read and written, are heard.
        radio.plug_in()
        orca.skip()
        wm.focus(title)
        orca.listen(contains("Channel Setting"), 15)
        expect(orca, "Alt+P opens the Program menu", ["Read From Radio"], lambda: keys(("p", ALT)))
        expect(orca, "Y asks for the access code", ["Please input password"], lambda: keys("y"))
        wm.focus("Zem Programming Software")
        type_text("52038417")
        dialog_title = "Zem Electronics Co., Ltd. On Line Power Setting"
        keys("Return")
        end = time.time() + 15
        while time.time() < end and not any(d.name == dialog_title for d in children(app)):
            time.sleep(0.2)
        wm.focus(dialog_title)
        orca.listen(contains(dialog_title), 10)
        dialog = next((d for d in children(app) if d.name == dialog_title), None)
        for button, result in (("Read", "Read the power values from the radio"), ("Write", "Written")):
            if not check(dialog is not None, f"the power dialog is open for {button}"):
                break
            find_all(dialog, "push button", button)[0].queryComponent().grabFocus()
            time.sleep(0.5)
            expect(orca, f"the power dialog's {button}", [result], lambda: keys("space"))
        keys("Escape")
        wait_for_gone(app, dialog_title)
        radio.unplug()
        orca.skip()
        wm.focus(title)
        orca.listen(contains("Channel Setting"), 15)

        # Two radios written at once: the result is heard.
        radios = subprocess.Popen([zemsim, "--radios", "2"], stdout=subprocess.PIPE, text=True)
        ports = [radios.stdout.readline().strip() for _ in range(2)]
        expect(orca, "Alt+P opens the Program menu", ["Read From Radio"], lambda: keys(("p", ALT)))
        expect(orca, "S chooses the fleet dialog", ["Write to Several Radios"], lambda: keys("s"))
        wm.focus("Write to Several Radios")
        dialog = next(d for d in children(app) if d.name == "Write to Several Radios")
        field = find_all(dialog, "text")[0]
        field.queryComponent().grabFocus()
        time.sleep(0.5)
        type_text(" ".join(ports))
        expect(orca, "Return adds the typed ports", [f"2 ports added: {ports[0]}, {ports[1]}"], lambda: keys("Return"))
        start_button = find_all(dialog, "push button", "Start")[0]
        start_button.queryComponent().grabFocus()
        time.sleep(0.5)
        expect(orca, "Start writes both radios", ["2 done, 0 failed"], lambda: keys("space"), timeout=60)
        # Every frequency heard is heard whole, with its five decimals.
        cut = [s for s in orca.heard() if re.search(r"(?<![\d.])\d{3}\.\d{2,4}(?![\d])", s)]
        check(not cut, f"no frequency is heard short of its last digits ({cut})")
    finally:
        if process:
            process.terminate()
            process.wait(10)
        if radios:
            radios.terminate()
            radios.wait(10)
        if radio:
            radio.unplug()
        orca.stop()
        if failures:
            kept = os.path.join(tempfile.gettempdir(), "zemprog-orca.log")
            shutil.copy(orca.log, kept)
            print("Orca's debug output: " + kept)
        shutil.rmtree(scratch, ignore_errors=True)
    print(f"{len(failures)} failure(s)" if failures else "all screen reader checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
