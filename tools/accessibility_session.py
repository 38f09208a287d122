#!/usr/bin/python3
"""A random session driven from outside over the accessibility bus, as a screen reader would.

Starts the simulator, then repeatedly takes what is on screen (windows, buttons and text boxes,
by role and name, whatever they are) and presses a button or sets a text at random, from a
seeded generator. Dialogs (file dialogs, message boxes) are left open for a few actions while
it goes on pressing the windows they block. Fails on a crash (the program dies other than by
ending normally), a hang (no answer within a few seconds) or a second message box (two alerts
on screen at once). A program that ended normally (no window left) is started again.

Run it through scripts/accessibility-session, which provides the display and the buses.
"""

import argparse
import collections
import os
import random
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Atspi, GLib

PRESS_ACTIONS = {"press", "toggle", "click", "activate", "increase", "decrease"}
MODAL_ROLES = {pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_FILE_CHOOSER}
# Inside these the controls are rows and cells of a file list: left alone, like the buttons
# that leave the session's folder, so that nothing is written outside it.
SKIPPED_ROLES = {pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
                 pyatspi.ROLE_TREE, pyatspi.ROLE_LIST_BOX}
SKIPPED_BUTTONS = {"parent directory", "back", "forward"}
CLOSING_BUTTONS = {"ok", "cancel", "open", "save", "yes", "no", "close"}

# Half the texts are plausible, so that sessions get past the checks to the graph view.
PLAUSIBLE_TEXTS = ["1", "0", "2", "3", "4", "5", "7", "10", "1", "0"]
ODD_TEXTS = ["11", "-5", "100", "101", "-101", "32767", "32768", "-32769", "0.5", "5.5", "1e2",
             "&H10", " 3", "7 km", "abc", "", " ", "\u00e9\u20ac\u4e2d", "\U0001F600", "9" * 40,
             "x" * 300]
FILE_NAMES = ["graph1.tspgraph", "graph2", "four.csv", "bad.csv", "broken.tspgraph",
              "missing.tspgraph", "drawing.png", "drawing.svg", "drawing.dot", "drawing.txt",
              "", "graph1.tspgraph"]
ANSWER_SECONDS = 5


class Failure(Exception):
    pass


class Hung(Exception):
    pass


def is_timeout(error):
    text = str(error).lower()
    return "timeout" in text or "timed out" in text or "hung" in text or "noreply" in text


def call(what, *args):
    """An accessibility call; a vanished object gives None, no answer raises Hung."""
    try:
        return what(*args)
    except GLib.GError as error:
        if is_timeout(error):
            raise Hung(str(error)) from error
        return None
    except (LookupError, NotImplementedError, AttributeError, RuntimeError):
        return None


class Program:
    def __init__(self, path, folder):
        self.path = path
        self.folder = folder
        self.process = None
        self.app = None
        self.log = open(os.path.join(folder, "program.log"), "ab")

    def start(self):
        runtime = os.path.join(self.folder, ".runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", HOME=self.folder, XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(self.folder, ".config"))
        self.process = subprocess.Popen([self.path], cwd=self.folder, env=env,
                                        stdout=self.log, stderr=self.log)
        deadline = time.time() + 20
        while time.time() < deadline:
            self.check_alive()
            desktop = pyatspi.Registry.getDesktop(0)
            for index in range(call(desktop.get_child_count) or 0):
                app = call(desktop.get_child_at_index, index)
                if app is not None and call(app.get_process_id) == self.process.pid:
                    self.app = app
                    if self.windows():
                        return
            time.sleep(0.1)
        raise Failure("the program did not appear on the accessibility bus")

    def ended(self):
        return self.process.poll() == 0

    def check_alive(self):
        code = self.process.poll()
        if code is not None and code != 0:
            raise Failure("the program died (exit status %d)" % code)

    def windows(self):
        """The top-level windows on screen: (accessible, role, name)."""
        found = []
        for index in range(call(self.app.get_child_count) or 0):
            window = call(self.app.get_child_at_index, index)
            if window is None:
                continue
            state = call(window.get_state_set)
            if state is None or not state.contains(pyatspi.STATE_SHOWING):
                continue
            found.append((window, call(window.get_role), call(window.get_name) or ""))
        return found

    def answers(self):
        """Whether the program answers within ANSWER_SECONDS: a round trip to its main thread."""
        for attempt in range(2):
            try:
                for window, _, _ in self.windows():
                    component = call(window.queryComponent)
                    if component is not None:
                        call(component.getExtents, pyatspi.DESKTOP_COORDS)
                return True
            except Hung:
                self.check_alive()
        return False

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def controls(window):
    """Buttons and text boxes on screen in window: (kind, accessible, name)."""
    found = []
    stack = [window]
    while stack:
        item = stack.pop()
        for index in range(call(item.get_child_count) or 0):
            child = call(item.get_child_at_index, index)
            if child is None:
                continue
            state = call(child.get_state_set)
            if state is None or not state.contains(pyatspi.STATE_SHOWING):
                continue
            role = call(child.get_role)
            if role in SKIPPED_ROLES:
                continue
            name = call(child.get_name) or ""
            interfaces = call(pyatspi.listInterfaces, child) or []
            if "EditableText" in interfaces and state.contains(pyatspi.STATE_EDITABLE):
                found.append(("text", child, name))
            elif "Action" in interfaces and state.contains(pyatspi.STATE_SENSITIVE):
                action = call(child.queryAction)
                names = [(call(action.getName, i) or "").lower()
                         for i in range(call(lambda: action.nActions) or 0)] if action else []
                press = next((i for i, n in enumerate(names) if n in PRESS_ACTIONS), None)
                if press is not None and name.lower() not in SKIPPED_BUTTONS:
                    found.append(("press", (child, action, press), name))
            stack.append(child)
    return found


class Session:
    def __init__(self, program, seed):
        self.program = program
        self.random = random.Random(seed)
        self.history = collections.deque(maxlen=30)
        self.counts = collections.Counter()
        self.modal = None      # the dialog on screen, by name and role
        self.hold = 0          # actions left before the session acts on it

    def step(self):
        self.program.check_alive()
        if self.program.ended():
            self.counts["program ended and started again"] += 1
            self.history.append("(the program ended; started again)")
            self.program.start()
        windows = self.program.windows()
        alerts = [name for _, role, name in windows if role == pyatspi.ROLE_ALERT]
        if len(alerts) > 1:
            raise Failure("%d message boxes at once: %s" % (len(alerts), alerts))
        modals = [w for w in windows if w[1] in MODAL_ROLES]
        if not windows:
            time.sleep(0.05)
            return
        if modals:
            key = (modals[-1][1], modals[-1][2])
            if key != self.modal:
                self.modal = key
                self.hold = self.random.randint(0, 8)
                kind = "message boxes" if key[0] == pyatspi.ROLE_ALERT else "dialogs"
                self.counts["%s seen (%r ...)" % (kind, key[1])] += 1
        else:
            self.modal = None
        if modals and self.hold == 0:
            window = modals[-1]
            closing = True
        else:
            others = [w for w in windows if w[1] not in MODAL_ROLES]
            window = self.random.choice(others or windows)
            closing = False
            if modals:
                self.hold -= 1
        self.act(window, closing, blocked=bool(modals) and not closing)

    def act(self, window, closing, blocked):
        _, role, title = window
        found = controls(window[0])
        if not found:
            return
        self.counts["actions in %r" % title] += 1
        buttons = [c for c in found if c[0] == "press"]
        texts = [c for c in found if c[0] == "text"]
        if closing:
            # Acting on the dialog: now and then a file name, then mostly the buttons that end it.
            if texts and self.random.random() < 0.4:
                self.set_text(title, self.random.choice(texts), self.random.choice(FILE_NAMES))
                return
            ending = [c for c in buttons if c[2].lower() in CLOSING_BUTTONS]
            if ending and self.random.random() < 0.8:
                buttons = ending
        if buttons and (not texts or self.random.random() < 0.6):
            self.press(title, self.random.choice(buttons), blocked)
        elif texts:
            text = self.random.choice(
                PLAUSIBLE_TEXTS if self.random.random() < 0.5 else ODD_TEXTS)
            self.set_text(title, self.random.choice(texts), text, blocked)

    def press(self, title, control, blocked=False):
        _, (child, action, index), name = control
        self.history.append("press %r in %r%s" % (name, title, " (blocked)" if blocked else ""))
        call(action.doAction, index)
        self.counts["presses"] += 1
        if blocked:
            self.counts["presses on windows a dialog blocks"] += 1
        # A press arrives as an animated click, a tenth of a second later.
        time.sleep(0.15)

    def set_text(self, title, control, text, blocked=False):
        _, child, name = control
        self.history.append("text %r into %r in %r%s" % (text[:20], name, title,
                                                         " (blocked)" if blocked else ""))
        editable = call(child.queryEditableText)
        if editable is not None:
            call(editable.setTextContents, text)
        self.counts["texts set"] += 1
        if blocked:
            self.counts["texts set on windows a dialog blocks"] += 1
        time.sleep(0.02)


def prepare(folder):
    with open(os.path.join(folder, "four.csv"), "w") as f:
        f.write("0,1,3,4\n1,0,4,2\n3,4,0,9\n4,2,9,0\n")
    with open(os.path.join(folder, "bad.csv"), "w") as f:
        f.write("0,1\nx,0\n")
    with open(os.path.join(folder, "broken.tspgraph"), "w") as f:
        f.write('{"vertices": ')


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("program")
    parser.add_argument("--actions", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=1)
    arguments = parser.parse_args()
    Atspi.set_timeout(ANSWER_SECONDS * 1000, 20000)

    folder = tempfile.mkdtemp(prefix="tsp-accessibility-")
    prepare(folder)
    program = Program(os.path.abspath(arguments.program), folder)
    session = Session(program, arguments.seed)
    started = time.time()
    failure = None
    try:
        program.start()
        for number in range(arguments.actions):
            try:
                session.step()
            except Hung:
                pass
            if not program.ended() and not program.answers():
                program.check_alive()
                raise Failure("the program did not answer for %d s" % (2 * ANSWER_SECONDS))
            if number % 100 == 99:
                print("%d actions, %.0f s" % (number + 1, time.time() - started), flush=True)
    except Failure as error:
        failure = str(error)
    finally:
        program.stop()

    print("Seed %d, %d actions in %.0f s, program and its files in %s" %
          (arguments.seed, arguments.actions, time.time() - started, folder))
    for what, count in sorted(session.counts.items()):
        print("  %s: %d" % (what, count))
    if failure is None:
        print("No crash, no hang, never two message boxes at once.")
        return 0
    print("FAILED: %s\nThe last actions:" % failure)
    for line in session.history:
        print("  " + line)
    return 1


if __name__ == "__main__":
    sys.exit(main())
