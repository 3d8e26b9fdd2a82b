#!/usr/bin/python3
"""End-to-end run of dcsim as a screen-reader user would drive it.

Started by run_e2e.sh inside an X server and an accessibility bus of its own.
Everything is found by accessible role and name and operated through AT-SPI:
parameter boxes are edited, the key and the buttons are pressed through their
actions, the rheostat is moved through its value, and meters, table cells and
the fitted k and b are read from their descriptions. Expected readings are
computed here from the circuit's formulas, independently of the program.
Screenshots of the window are checked at the pixels that matter and saved.
"""

import argparse
import csv
import math
import os
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
import tty

import pyatspi
from gi.repository import GLib
from PIL import ImageGrab
from Xlib import X, XK, display as xdisplay, protocol
from Xlib.ext import xtest

TITLE = "Моделирование работы электрической цепи постоянного тока"
CLIENT_W, CLIENT_H = 549, 439
WINDOW_AT = (71, 255)

# The graphs' rectangle and the canvases of the meters, in client pixels.
GRAPH_LEFT, GRAPH_TOP, GRAPH_MARGIN = 290, 200, 10
VOLTMETER_BOX = (128, 76, 50, 24)
AMMETER_BOX_SCHEME1 = (8, 112, 50, 24)

BACKGROUND = (224, 224, 224)
BLACK = (0, 0, 0)
RED = (255, 0, 0)

AMMETER = "Сила тока, А"
VOLTMETER = "Напряжение, В"
RHEOSTAT = "Реостат"
RHEOSTAT_LABEL = "Значение сопротивления"
KEY = "Ключ"
BOX = {
    "E": "ЭДС источника",
    "r": "Внутреннее сопротивление источника",
    "Rv": "Сопротивление вольтметра",
    "Ra": "Сопротивление амперметра",
    "Rmax": "Максимальное сопротивление реостата",
}
SCHEME = {1: "Вольметр параллельно источнику", 2: "Вольтметр параллельно реостату"}
GRAPH_CHOICE = {"U": "Зависимость напряжения от тока", "P": "Зависимости мощностей от тока", "h": "h(I)"}
GRAPH = {"U": "График U(I)", "P": "График Pв(I), Po(I)", "h": "График h(I)"}
COLUMNS = ("Сила тока, А", "Напряжение, В", "Полная мощность, Вт", "Полезная мощность, Вт", "КПД, %")
FIT_K = "коэффициент k прямой U=kI+b"
FIT_B = "коэффициент b прямой U=kI+b"


class Failure(Exception):
    """A step that the rest of the run cannot do without."""


# ---------------------------------------------------------------------------
# What the program should show, computed from the circuit's formulas.

def readings(E, r, Ra, Rv, R, closed, scheme):
    """Ammeter and voltmeter of the circuit."""
    if closed and scheme == 1:
        I = E * Rv / (Rv * (R + Ra) + r * (R + Rv + Ra))
        return I, (R + Ra) * I
    if closed:
        I = E / (r + Ra + R * Rv / (R + Rv))
        return I, R * Rv * I / (R + Rv)
    if scheme == 1:
        return 0.0, E * Rv / (Rv + r)
    I = E / (Ra + Rv + r)
    return I, Rv * I


def scheme1_row(E, r, Ra, Rv, R):
    """A recorded row in scheme 1 with the key closed: I, U, Po, Pv, efficiency."""
    I, U = readings(E, r, Ra, Rv, R, True, 1)
    Po = (1 + (Ra + R) / Rv) * I * E
    Pv = I * I * R
    return I, U, Po, Pv, Pv / Po


def shown(value, decimals):
    """The texts the program may show for a value: one, or both neighbours
    when the value lies so near a rounding tie that single precision decides."""
    scaled = value * 10 ** decimals
    if abs(abs(scaled) - math.floor(abs(scaled)) - 0.5) < 1e-3:
        lower = math.floor(scaled) / 10 ** decimals
        upper = math.ceil(scaled) / 10 ** decimals
        return {f"{lower:.{decimals}f}", f"{upper:.{decimals}f}"}
    return {f"{value:.{decimals}f}"}


def line_fit(currents, voltages):
    """Least-squares k and b through all ten rows, empty rows as (0, 0)."""
    n = len(currents)
    sx, sy = sum(currents), sum(voltages)
    sxy = sum(i * u for i, u in zip(currents, voltages))
    sx2 = sum(i * i for i in currents)
    k = (sxy - sy * (sx / n)) / (sx2 - sx * (sx / n))
    return k, sy / n - sx * k / n


# ---------------------------------------------------------------------------
# Checks and waiting.

class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = []

    def check(self, ok, what, detail=""):
        if ok:
            self.passed += 1
            print(f"ok    {what}", flush=True)
        else:
            self.failed.append(what)
            print(f"FAIL  {what}{': ' + detail if detail else ''}", flush=True)
        return ok

    def equal(self, actual, expected, what):
        return self.check(actual == expected, what, f"shows {actual!r}, expected {expected!r}")

    def one_of(self, actual, expected, what):
        return self.check(actual in expected, what, f"shows {actual!r}, expected {' or '.join(sorted(expected))}")


def pump():
    """Lets libatspi deliver the events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def settle(probe, want, timeout=10.0):
    """Polls probe() until it returns want or the time is up; returns the
    last value seen, so that a check can report it."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            seen = probe()
        except Exception as error:  # an object that went away, a slow answer
            seen = f"<{error}>"
        if seen == want or time.monotonic() > deadline:
            return seen
        time.sleep(0.02)


def wait_for(what, probe, timeout=10.0):
    """Polls probe() until it returns something true; fails the run otherwise."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            found = probe()
        except Failure:
            raise
        except Exception:
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.02)


class Announcements:
    """What assistive technology has been told: description and value changes."""

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(
            self._on_event,
            "object:property-change:accessible-description",
            "object:property-change:accessible-value")

    def _on_event(self, event):
        try:
            source = event.source
            if event.type.endswith("accessible-description"):
                self.heard.append((source.name.split(": ")[0], source.description))
            else:
                self.heard.append((source.name, source.queryValue().currentValue))
        except Exception:
            pass

    def mark(self):
        return len(self.heard)

    def heard_since(self, mark, name, value, timeout=5.0):
        return settle(lambda: (name, value) in self.heard[mark:], True, timeout)


# ---------------------------------------------------------------------------
# Real keys and a real screen reader, for the run with Orca.

ORCA_DOUBLE_PRESS = 0.6  # Orca takes a keypad command twice within 0.5 s as a double press
ORCA_QUIET = 0.4  # Orca has finished once its log has had no new line for this long
# Orca will not start while any other Orca of the same user runs anywhere on
# the machine (another test run, a developer's own). This one has a display
# and buses of its own, so /usr/bin/orca runs without that check, and under
# the name python3, so that no other Orca refuses to start because of it.
ORCA_LAUNCH = ("import sys; ns = {'__name__': 'orca_launcher'}; "
               "exec(compile(open('/usr/bin/orca').read(), '/usr/bin/orca', 'exec'), ns); "
               "ns['otherOrcas'] = lambda: []; ns['setProcessName'] = lambda name: None; sys.exit(ns['main']())")
pressed_at = {}


def press_keys(display, *names):
    """Presses a key by its keysym name ("Tab", "KP_Enter"), or a chord
    ("Shift_L", "Tab"), through the X server (XTest): to the program and to
    Orca the same as a person's. Orca's commands are on the keypad; pressed
    again at once they would count as a double press, so a repeat waits."""
    codes = [display.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
    if not all(codes):
        raise Failure(f"the X server has no key for {names}")
    if names[-1].startswith("KP_"):
        time.sleep(max(0.0, pressed_at.get(names, 0) + ORCA_DOUBLE_PRESS - time.monotonic()))
    for code in codes:
        xtest.fake_input(display, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(display, X.KeyRelease, code)
    display.sync()
    pressed_at[names] = time.monotonic()


class Orca:
    """Debian's Orca and its speech-dispatcher, with a HOME, XDG folders,
    speech settings and a Russian locale of their own in `folder`, speaking
    into a null sound device. What Orca says is read from its debug log, the
    "SPEECH OUTPUT" lines. Orca opens that log with plain open(), which
    writes a file or a pipe in blocks of kilobytes but a terminal line by line;
    so the log is a pseudo-terminal, drained by a thread into `lines` and
    orca-debug.log."""

    def __init__(self, folder, out):
        self.lines, self.last_line_at, self.processes, self.out = [], time.monotonic(), [], out
        home, speechd = os.path.join(folder, "home"), os.path.join(folder, "speech-dispatcher")
        os.makedirs(home)
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")  # without a sound device Orca stops after two utterances
        shutil.copytree("/etc/speech-dispatcher", speechd)
        with open(os.path.join(speechd, "speechd.conf"), "a") as f:
            f.write('AudioOutputMethod "alsa"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n')
        subprocess.run(["localedef", "-i", "ru_RU", "-f", "UTF-8", os.path.join(folder, "ru_RU.UTF-8")], check=True)
        self.env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
                        XDG_CACHE_HOME=f"{home}/.cache", LOCPATH=folder, LANG="ru_RU.UTF-8", LC_ALL="ru_RU.UTF-8",
                        LANGUAGE="ru", GSETTINGS_BACKEND="memory")
        self.master, self.terminal = os.openpty()
        tty.setraw(self.terminal)
        threading.Thread(target=self._drain, args=(open(os.path.join(out, "orca-debug.log"), "wb"),), daemon=True).start()
        try:
            socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
            self._start("speech-dispatcher", "speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", speechd)
            wait_for("speech-dispatcher's socket", lambda: os.path.exists(socket))
            self._start("orca", sys.executable, "-c", ORCA_LAUNCH, "--disable=braille,braille-monitor",
                        "--debug-file", os.ttyname(self.terminal))
            wait_for("Orca's first words", lambda: self.said(0, timeout=0), 20)
        except BaseException:
            self.stop()
            raise

    def _start(self, name, *command):
        with open(os.path.join(self.out, f"{name}.log"), "wb") as log:
            self.processes.append(subprocess.Popen(command, env=self.env, stdout=log, stderr=subprocess.STDOUT))

    def _drain(self, log):
        rest = b""
        while True:
            try:
                data = os.read(self.master, 65536)
            except OSError:  # the terminal's last writer has gone
                return
            log.write(data)
            log.flush()
            *lines, rest = (rest + data).split(b"\n")
            self.lines.extend(line.decode(errors="replace").rstrip("\r") for line in lines)
            self.last_line_at = time.monotonic()

    def mark(self):
        return len(self.lines)

    def said(self, mark, *expected, keys=0, timeout=10.0):
        """What Orca has said since the mark, its utterances joined by " | ",
        once it has handled as many keys as were pressed since, has said
        every expected text and has finished (or the time is up)."""
        deadline = time.monotonic() + timeout
        while True:
            lines = self.lines[mark:]
            found = [re.search(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\[?\{.*\}\]?)?$", line) for line in lines]
            heard = " | ".join(m.group(1) for m in found if m)
            handled = sum(line.startswith("^^^^^ PROCESS ATSPI_KEY_RELEASED_EVENT") for line in lines)
            if time.monotonic() >= deadline or (handled >= keys and all(text in heard for text in expected) and
                                                time.monotonic() - self.last_line_at > ORCA_QUIET):
                return heard
            time.sleep(0.05)

    def stop(self):
        """Stops Orca, then the speech modules and speech-dispatcher, each by its process id."""
        def end(process):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if len(self.processes) > 1:
            end(self.processes[1])  # first: without speech-dispatcher it would start one of its own
        if self.processes:
            for pid in subprocess.run(["pgrep", "-P", str(self.processes[0].pid)],
                                      capture_output=True, text=True).stdout.split():
                os.kill(int(pid), signal.SIGTERM)
            end(self.processes[0])
        os.close(self.terminal)


# ---------------------------------------------------------------------------
# The program under test, seen through AT-SPI.

def named(acc, name):
    """A control's name is its own, or that followed by what it shows."""
    return acc.name == name or acc.name.startswith(name + ": ")


def has(acc, state):
    return acc.getState().contains(state)


def children(acc):
    found = []
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            found.append(child)
    return found


def descendants(acc):
    found, stack = [], [acc]
    while stack:
        node = stack.pop()
        found.append(node)
        stack.extend(reversed(children(node)))
    return found


def act(acc, *names):
    """Runs the first of the named actions that the object offers."""
    action = acc.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for name in names:
        if name in offered:
            action.doAction(offered.index(name))
            return
    raise Failure(f"{acc.name!r} offers {offered}, none of {names}")


def text_of(acc):
    return acc.queryText().getText(0, -1)


def find_application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


class Program:
    def __init__(self, executable, pidfile, caller, options=(), title=TITLE, env=None):
        env = dict(env or dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   XDG_CONFIG_HOME=os.path.dirname(pidfile))
        self.executable, self.pidfile, self.caller, self.title = executable, pidfile, caller, title
        # The installed launcher, which runs the program in place of itself.
        self.process = subprocess.Popen([executable, *options], cwd=caller, env=env)
        self.pid = self.process.pid
        with open(pidfile, "w") as f:
            f.write(f"{self.pid}\n")
        self.app = wait_for("dcsim on the accessibility bus", lambda: self._application(), 30)
        self.frame = wait_for("the main window", self.main_frame, 20)
        self.nodes = descendants(self.frame)

    def _application(self):
        if self.process.poll() is not None:
            raise Failure(f"dcsim ended with status {self.process.returncode} before it appeared")
        return find_application(self.pid)

    def main_frame(self):
        for child in children(self.app):
            if child.getRole() == pyatspi.ROLE_FRAME and child.name == self.title and has(child, pyatspi.STATE_SHOWING):
                return child
        return None

    def one(self, role, name, focusable=None):
        """The one control of this role and name (and focusability)."""
        found = [n for n in self.nodes if n.getRole() in (role if isinstance(role, tuple) else (role,)) and named(n, name) and
                 (focusable is None or has(n, pyatspi.STATE_FOCUSABLE) == focusable)]
        if len(found) != 1:
            raise Failure(f"{len(found)} controls with role {pyatspi.Role(role)!s} and name {name!r}, expected one")
        return found[0]

    def alert(self, title):
        for child in children(self.app):
            if child.getRole() == pyatspi.ROLE_ALERT and child.name == title and has(child, pyatspi.STATE_SHOWING):
                return child
        return None

    def alive(self):
        return self.process.poll() is None

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(5)


class Screen:
    """The X server: the program's window, closing it, and screenshots."""

    def __init__(self, pid):
        self.display = xdisplay.Display()
        self.root = self.display.screen().root
        self.pid = pid
        self.atom = self.display.intern_atom
        # The pointer away from the window: no hover effects, no tooltips.
        self.root.warp_pointer(self.display.screen().width_in_pixels - 1, 0)
        self.display.sync()

    def window(self):
        for w in self.root.query_tree().children:
            pid = w.get_full_property(self.atom("_NET_WM_PID"), X.AnyPropertyType)
            name = w.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
            if (pid and pid.value[0] == self.pid and name and name.value.decode().startswith(TITLE) and
                    w.get_attributes().map_state == X.IsViewable):
                return w
        return None

    def ask_to_close(self, window):
        """What the close box of a window manager does: WM_DELETE_WINDOW."""
        event = protocol.event.ClientMessage(
            window=window, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=0)
        self.display.flush()

    def grab(self, left, top, width, height):
        return ImageGrab.grab(bbox=(left, top, left + width, top + height),
                              xdisplay=os.environ["DISPLAY"]).convert("RGB")


# ---------------------------------------------------------------------------
# Pixel tests on a screenshot of the client area.

def dark(rgb):
    return max(rgb) < 64


def column_dark(image, x, rows):
    """Whether every row of the range has a dark pixel at x or its left neighbour."""
    return all(dark(image.getpixel((x, y))) or dark(image.getpixel((x - 1, y))) for y in rows)


def any_dark(image, xs, rows):
    return any(dark(image.getpixel((x, y))) for x in xs for y in rows)


def meter_ok(image, box):
    """Black with green text: corners black, inside only black to green, and
    enough bright green for the digits."""
    left, top, width, height = box
    corners = [(left + 3, top + height - 3), (left + width - 3, top + height - 3)]
    inside = [image.getpixel((x, y)) for x in range(left + 2, left + width - 2) for y in range(top + 2, top + height - 2)]
    only_green = all(r < 80 and b < 80 for r, g, b in inside)
    bright = sum(1 for r, g, b in inside if g > 200)
    return all(image.getpixel(c) == BLACK for c in corners) and only_green and bright >= 15, \
        f"corners {[image.getpixel(c) for c in corners]}, only black to green {only_green}, bright green pixels {bright}"


def red_dot_near(image, x, y):
    """A red dot 5 px across: a 3 x 3 block of pure red within 2 px of (x, y)."""
    for cx in range(round(x) - 2, round(x) + 3):
        for cy in range(round(y) - 2, round(y) + 3):
            if all(image.getpixel((cx + dx, cy + dy)) == RED for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                return True
    return False


# ---------------------------------------------------------------------------
# The experiment.

class Experiment:
    def __init__(self, program, checks, heard, out, opened):
        self.p = program
        self.opened = opened
        self.c = checks
        self.heard = heard
        self.out = out
        p = program
        self.ammeter = p.one(pyatspi.ROLE_LABEL, AMMETER, focusable=True)
        self.voltmeter = p.one(pyatspi.ROLE_LABEL, VOLTMETER, focusable=True)
        self.key = p.one(pyatspi.ROLE_PUSH_BUTTON, KEY)
        self.rheostat = p.one(pyatspi.ROLE_SCROLL_BAR, RHEOSTAT)
        self.rheostat_label = p.one(pyatspi.ROLE_LABEL, RHEOSTAT_LABEL)
        self.boxes = {k: p.one((pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT), name) for k, name in BOX.items()}
        self.schemes = {k: p.one(pyatspi.ROLE_RADIO_BUTTON, name) for k, name in SCHEME.items()}
        self.graph_choices = {k: p.one(pyatspi.ROLE_RADIO_BUTTON, name) for k, name in GRAPH_CHOICE.items()}
        self.graphs = {k: p.one(pyatspi.ROLE_IMAGE, name) for k, name in GRAPH.items()}
        self.buttons = {n: p.one(pyatspi.ROLE_PUSH_BUTTON, str(n)) for n in range(1, 11)}
        self.cells = {(c, n): p.one(pyatspi.ROLE_LABEL, f"{column}, строка {n}")
                      for c, column in enumerate(COLUMNS) for n in range(1, 11)}
        self.fit_k = p.one(pyatspi.ROLE_TEXT, FIT_K)
        self.fit_b = p.one(pyatspi.ROLE_TEXT, FIT_B)
        self.screen = Screen(p.pid)
        self.params = dict(E=16.0, r=20.0, Rv=75.0, Ra=5.0, Rmax=100.0)

    # Reading and operating ------------------------------------------------

    def meters(self):
        return self.ammeter.description, self.voltmeter.description

    def expect_meters(self, ammeter, voltmeter, what, announced=None):
        seen = settle(self.meters, (ammeter, voltmeter))
        self.c.equal(seen, (ammeter, voltmeter), f"{what}: meters read")
        if announced is not None:
            self.c.check(self.heard.heard_since(announced, AMMETER, ammeter) and
                         self.heard.heard_since(announced, VOLTMETER, voltmeter),
                         f"{what}: the new readings are announced")

    def expect_computed_meters(self, R, closed, scheme, what):
        p = self.params
        I, U = readings(p["E"], p["r"], p["Ra"], p["Rv"], R, closed, scheme)
        expected = (shown(I, 3), shown(U, 2))

        def agree():
            ammeter, voltmeter = self.meters()
            return ammeter in expected[0] and voltmeter in expected[1]
        ok = settle(agree, True)
        self.c.check(ok, f"{what}: meters read {' or '.join(sorted(expected[0]))} and {' or '.join(sorted(expected[1]))}",
                     f"show {self.meters()}")

    def press_key(self, closing):
        mark = self.heard.mark()
        act(self.key, "Press")
        state = "замкнут" if closing else "разомкнут"
        seen = settle(lambda: self.key.description, state)
        self.c.equal(seen, state, f"key {'closed' if closing else 'opened'} through its action")
        self.c.check(self.heard.heard_since(mark, KEY, state), f"the key's new state '{state}' is announced")
        return mark

    def choose_scheme(self, n):
        act(self.schemes[n], "Toggle", "Press")
        wait_for(f"scheme {n} selected", lambda: has(self.schemes[n], pyatspi.STATE_CHECKED))

    def move_rheostat(self, value):
        mark = self.heard.mark()
        moved = self.rheostat.queryValue().currentValue != value
        self.rheostat.queryValue().currentValue = value
        R = self.params["Rmax"] * value / 100
        label = f"{R:g}"
        seen = settle(lambda: (self.rheostat.queryValue().currentValue, self.rheostat.description,
                               self.rheostat_label.description), (value, label, label))
        self.c.equal(seen, (value, label, label), f"rheostat at {value}: value, its description and the label")
        if moved:
            self.c.check(self.heard.heard_since(mark, RHEOSTAT, value) and
                         self.heard.heard_since(mark, RHEOSTAT, label), f"rheostat at {value}: the move is announced")
        return R

    def edit(self, which, text):
        box = self.boxes[which]
        box.queryEditableText().setTextContents(text)
        seen = settle(lambda: text_of(box), text)
        self.c.equal(seen, text, f"box {which} accepts {text!r}")
        self.params[which] = float(text)

    def row(self, n):
        return tuple(self.cells[(c, n)].description for c in range(5))

    def showing(self, acc):
        return has(acc, pyatspi.STATE_SHOWING)

    def surface_origin(self):
        """Top-left corner of the client area on the screen, from where the
        voltmeter is."""
        x, y, w, h = self.voltmeter.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return x - VOLTMETER_BOX[0], y - VOLTMETER_BOX[1]

    def screenshot(self, name, ready):
        """A screenshot of the window, saved under the output folder, taken
        once ready(client area) holds or the time is up. Returns the client
        area, CLIENT_W x CLIENT_H below the menu bar, for pixel checks."""
        geometry = wait_for("the program's X window", self.screen.window).get_geometry()
        left, top = self.surface_origin()
        client = (left - geometry.x, top - geometry.y, left - geometry.x + CLIENT_W, top - geometry.y + CLIENT_H)
        shot = {}

        def probe():
            shot["window"] = self.screen.grab(geometry.x, geometry.y, geometry.width, geometry.height)
            shot["client"] = shot["window"].crop(client)
            return ready(shot["client"])
        settle(probe, True, 10)
        shot["window"].save(os.path.join(self.out, name))
        return shot["client"]

    # The steps -------------------------------------------------------------

    def names(self):
        """Every control is reachable with a name, and the names are Russian
        (apart from the captions that are formulas or numbers)."""
        unnamed_roles = {pyatspi.ROLE_FILLER, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_POPUP_MENU,
                         pyatspi.ROLE_SEPARATOR}
        latin_allowed = {"h(I)"} | {str(n) for n in range(1, 11)}
        unnamed, latin = [], []
        for node in self.p.nodes:
            role = node.getRole()
            if role in unnamed_roles:
                continue
            if not node.name:
                unnamed.append(node.getRoleName())
            elif not re.search("[а-яА-ЯёЁ]", node.name) and node.name not in latin_allowed:
                latin.append(node.name)
        self.c.check(len(self.p.nodes) > 100 and not unnamed, "every control has an accessible name",
                     f"{len(unnamed)} without: {unnamed[:10]}")
        self.c.check(not latin, "accessible names are Russian", f"not Russian: {latin}")
        focusable = [n for n in self.p.nodes if has(n, pyatspi.STATE_FOCUSABLE)]
        self.c.check(all(any(named(f, n) for f in focusable) for n in (AMMETER, VOLTMETER, RHEOSTAT, GRAPH["U"])),
                     "meters, rheostat and graph take the keyboard focus")

    def start_state(self):
        self.expect_meters("0.000", "12.63", "at start")
        self.c.equal((self.rheostat.queryValue().currentValue, self.rheostat.queryValue().maximumValue,
                      self.rheostat.description), (100.0, 100.0, "100"), "at start: rheostat at its maximum")
        self.c.equal(self.key.description, "разомкнут", "at start: key open")
        self.c.equal({k: text_of(b) for k, b in self.boxes.items()},
                     {"E": "16", "r": "20", "Rv": "75", "Ra": "5", "Rmax": "100"}, "at start: parameter boxes")
        self.c.check(has(self.schemes[1], pyatspi.STATE_CHECKED) and self.showing(self.schemes[1]) and
                     self.showing(self.schemes[2]), "at start: scheme 1 chosen, both schemes offered")
        self.c.check(not any(self.showing(b) for b in self.buttons.values()), "at start: measurement buttons hidden")
        self.c.check(all(c.description == "" for c in self.cells.values()), "at start: table empty")
        self.c.equal(tuple(self.showing(self.graphs[k]) for k in "UPh"), (True, False, False),
                     "at start: graph U(I) shown")
        self.c.check(not self.showing(self.fit_k) and not self.showing(self.fit_b), "at start: k and b hidden")

    def help_document(self):
        """Started from another folder, "Справка 1" hands the installed
        spravka1.pdf to the desktop's opener."""
        docs = os.path.realpath(os.path.join(os.path.dirname(self.p.executable), "..", "share", "dcsim"))
        with open(f"/proc/{self.p.pid}/environ", "rb") as f:
            told = f"DCSIM_CALLER_DIR={os.path.realpath(self.p.caller)}".encode() in f.read().split(b"\0")
        self.c.equal((os.readlink(f"/proc/{self.p.pid}/cwd"), told), (docs, True),
                     "launcher: the program runs in the documents' folder and knows the caller's")
        act(self.p.one(pyatspi.ROLE_MENU_ITEM, "Справка 1"), "Press")
        expected = f"file://{docs}/spravka1.pdf\n"
        self.c.equal(settle(lambda: open(self.opened).read(), expected), expected, "Справка 1 opens spravka1.pdf")

    def key_and_schemes(self):
        mark = self.press_key(True)
        self.expect_meters("0.105", "10.98", "scheme 1, key closed, slider at maximum", mark)
        self.c.check(not any(has(b, pyatspi.STATE_ENABLED) for b in self.boxes.values()),
                     "key closed: parameter boxes locked")
        self.c.check(not self.showing(self.schemes[1]) and not self.showing(self.schemes[2]),
                     "key closed: scheme choice hidden")
        self.c.check(all(self.showing(b) for b in self.buttons.values()), "key closed: measurement buttons shown")
        mark = self.press_key(False)
        self.expect_meters("0.000", "12.63", "scheme 1, key open", mark)
        self.c.check(all(has(b, pyatspi.STATE_ENABLED) for b in self.boxes.values()),
                     "key open: parameter boxes editable")

        self.choose_scheme(2)
        self.expect_meters("0.160", "12.00", "scheme 2, key open, slider at maximum")
        mark = self.press_key(True)
        self.expect_meters("0.236", "10.11", "scheme 2, key closed, slider at maximum", mark)
        self.press_key(False)
        self.choose_scheme(1)
        self.expect_meters("0.000", "12.63", "back to scheme 1")

    def rejected_entry(self):
        box = self.boxes["E"]
        # Setting the text does not answer until the message box is closed,
        # so a helper process makes the edit while this one answers the box.
        helper = subprocess.Popen([sys.executable, os.path.abspath(__file__), "--edit", str(self.p.pid),
                                   BOX["E"], "300"])
        try:
            alert = wait_for("the message box 'Ошибка'", lambda: self.p.alert("Ошибка"), 20)
            labels = [n.name for n in descendants(alert) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
            self.c.equal(labels, ["Опасно для жизни!"], "300 V: the message box says")
            buttons = [n for n in descendants(alert) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
            self.c.equal([b.name for b in buttons], ["OK"], "300 V: the message box's one button")
            act(buttons[0], "Press")
            wait_for("the message box to close", lambda: not self.p.alert("Ошибка"), 20)
            helper.wait(30)
        finally:
            if helper.poll() is None:
                helper.kill()
                helper.wait()
        self.c.equal(settle(lambda: text_of(box), " 16"), " 16", "300 V: the box goes back to ' 16'")
        self.expect_meters("0.000", "12.63", "300 V rejected: readings of 16 V")

    def parameters(self):
        self.edit("r", "10")
        self.edit("Rv", "150")
        self.edit("Rmax", "200")
        p = self.params
        self.expect_computed_meters(p["Rmax"], False, 1, "new parameters, key open")
        self.c.equal(self.rheostat_label.description, "200", "new parameters: the rheostat's full 200 Ω")

    def record(self):
        self.press_key(True)
        self.expect_computed_meters(self.params["Rmax"], True, 1, "new parameters, key closed")
        self.rows = {}
        for n, value in ((3, 100), (7, 40), (1, 15)):
            R = self.move_rheostat(value)
            self.expect_computed_meters(R, True, 1, f"rheostat at {value}")
            mark = self.heard.mark()
            act(self.buttons[n], "Press")
            row = scheme1_row(self.params["E"], self.params["r"], self.params["Ra"], self.params["Rv"], R)
            self.rows[n] = row
            expected = [shown(row[0], 3)] + [shown(v, 2) for v in row[1:]]
            settle(lambda: all(text in e for text, e in zip(self.row(n), expected)), True)
            seen = self.row(n)
            for c, column in enumerate(COLUMNS):
                self.c.one_of(seen[c], expected[c], f"row {n}: {column}")
            self.c.check(all(self.heard.heard_since(mark, f"{COLUMNS[c]}, строка {n}", seen[c]) for c in range(5)),
                         f"row {n}: the new cells are announced")
        untouched = [n for n in range(1, 11) if n not in self.rows and any(self.row(n))]
        self.c.equal(untouched, [], "rows never recorded stay empty")
        count = "Точек измерений: 3"
        self.c.equal(settle(lambda: [self.graphs[k].description for k in "UPh"], [count] * 3), [count] * 3,
                     "each graph tells its number of points")

    def graph_choice(self):
        for choice, shown_graph in (("P", "P"), ("h", "h"), ("U", "U")):
            act(self.graph_choices[choice], "Toggle", "Press")
            want = tuple(k == shown_graph for k in "UPh")
            seen = settle(lambda: tuple(self.showing(self.graphs[k]) for k in "UPh"), want)
            self.c.equal(seen, want, f"choosing {GRAPH_CHOICE[choice]!r} shows {GRAPH[shown_graph]!r} alone")

    def window_geometry(self):
        window = wait_for("the program's X window", self.screen.window)
        geometry = window.get_geometry()
        left, top = self.surface_origin()
        menu = top - geometry.y
        self.c.equal((left, top), WINDOW_AT, "client area below the menu bar at its stored position")
        self.c.check(geometry.width == CLIENT_W and geometry.height - menu == CLIENT_H and 0 < menu < 60,
                     f"client area {CLIENT_W} x {CLIENT_H} below the menu bar",
                     f"window {geometry.width} x {geometry.height}, menu bar {menu}")
        ax, ay, _, _ = self.ammeter.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.c.equal((ax - left, ay - top), AMMETER_BOX_SCHEME1[:2], "ammeter where scheme 1 puts it")

    def screen_checks(self):
        """Slider at 15, key closed, three rows recorded, graph U(I) shown."""
        p = self.params
        Ikz = p["E"] / p["r"]
        width = CLIENT_W - GRAPH_MARGIN - GRAPH_LEFT
        height = CLIENT_H - GRAPH_MARGIN - GRAPH_TOP
        dots = [(GRAPH_LEFT + I / Ikz * width, GRAPH_TOP + (p["E"] - U) / p["E"] * height)
                for I, U, *_ in self.rows.values()]

        image = self.screenshot("window-points.png", lambda im: all(red_dot_near(im, x, y) for x, y in dots))
        for n, (x, y) in zip(self.rows, dots):
            self.c.check(red_dot_near(image, x, y), f"screen: red dot of row {n} on U(I) at ({x:.0f}, {y:.0f})")
        for name, box in (("voltmeter", VOLTMETER_BOX), ("ammeter", AMMETER_BOX_SCHEME1)):
            ok, detail = meter_ok(image, box)
            self.c.check(ok, f"screen: {name} black with green digits", detail)
        right, bottom = CLIENT_W - GRAPH_MARGIN, CLIENT_H - GRAPH_MARGIN
        margin_right = [image.getpixel((x, y)) for x in range(right, CLIENT_W) for y in range(GRAPH_TOP, CLIENT_H)]
        margin_bottom = [image.getpixel((x, y)) for x in range(GRAPH_LEFT, CLIENT_W) for y in range(bottom, CLIENT_H)]
        self.c.check(all(px == BACKGROUND for px in margin_right + margin_bottom),
                     "screen: 10 px of window background right of and below the graph")
        edge_column = [image.getpixel((right - 1, y)) for y in range(GRAPH_TOP, bottom)]
        edge_row = [image.getpixel((x, bottom - 1)) for x in range(GRAPH_LEFT, right)]
        self.c.check(sum(px != BACKGROUND for px in edge_column) > 0.9 * len(edge_column) and
                     sum(px != BACKGROUND for px in edge_row) > 0.9 * len(edge_row),
                     "screen: the graph reaches to the margins")
        blade_rows = range(103, 106)
        self.c.check(any_dark(image, (279, 280, 281), blade_rows) and not any_dark(image, (285, 286, 287), blade_rows),
                     "screen: key closed, blade upright at x 280")

        # The slider arrow over the thumb at both ends of the rheostat.
        shaft = range(131, 157)
        thumb_row = 172  # the middle of the scroll bar (160 to 185)
        ends = {}
        for value, x, other in ((0, 83, 237), (100, 237, 83)):
            self.move_rheostat(value)
            image = self.screenshot(f"window-slider-{value}.png",
                                    lambda im: column_dark(im, x, shaft) and not any_dark(im, (other - 1, other, other + 1), shaft))
            self.c.check(column_dark(image, x, shaft) and not any_dark(image, (other - 1, other, other + 1), shaft),
                         f"screen: slider arrow at x {x} for value {value}")
            ends[value] = (image.getpixel((83, thumb_row)), image.getpixel((237, thumb_row)))
        thumb, groove = ends[0][0], ends[0][1]
        self.c.check(thumb != groove and ends[100] == (groove, thumb),
                     "screen: the arrow stands over the thumb at 0 and at 100",
                     f"at 0: {ends[0]}, at 100: {ends[100]}")

    def fit(self):
        currents = [self.rows[n][0] if n in self.rows else 0.0 for n in range(1, 11)]
        voltages = [self.rows[n][1] if n in self.rows else 0.0 for n in range(1, 11)]
        k, b = line_fit(currents, voltages)
        mark = self.heard.mark()
        act(self.graphs["U"], "Press")
        wait_for("k and b shown", lambda: self.showing(self.fit_k) and self.showing(self.fit_b))
        self.fitted_at = time.monotonic()
        seen = settle(lambda: (self.fit_k.description, self.fit_b.description), ("", ""), 0.5)
        pattern = re.compile(r"^-?\d{2,}\.\d{4}$")
        for what, text, value in (("k", seen[0], k), ("b", seen[1], b)):
            self.c.check(bool(pattern.match(text)) and abs(float(text) - value) < 2e-4,
                         f"fit: {what} reads {value:.4f}", f"shows {text!r}")
            self.c.check(self.heard.heard_since(mark, FIT_K if what == "k" else FIT_B, text),
                         f"fit: {what} is announced")
        self.c.equal((text_of(self.fit_k), text_of(self.fit_b)), seen, "fit: the boxes' texts are k and b")
        # The window as the experiment leaves it, for people to look at.
        def boxes_shown(image):
            # Mostly the boxes' light blue, at (290, 160) and (376, 160).
            return all(sum(image.getpixel((x, y)) == (192, 255, 255)
                           for x in range(left + 2, left + 52) for y in range(163, 182)) > 300
                       for left in (290, 376))
        image = self.screenshot("window.png", boxes_shown)
        self.c.check(boxes_shown(image), "screen: k and b shown")

    def open_key_on_screen(self):
        self.press_key(False)
        self.expect_computed_meters(self.params["Rmax"], False, 1, "key opened after measuring")
        rows = range(103, 106)
        image = self.screenshot("window-key-open.png",
                                lambda im: not any_dark(im, (279, 280, 281), rows) and any_dark(im, (285, 286, 287), rows))
        self.c.check(not any_dark(image, (279, 280, 281), rows) and any_dark(image, (285, 286, 287), rows),
                     "screen: key open, blade leaning right to x 288")
        self.c.check(all(self.row(n) != ("",) * 5 for n in self.rows), "opening the key keeps the table")
        hidden = settle(lambda: not self.showing(self.fit_k) and not self.showing(self.fit_b), True,
                        max(0.0, self.fitted_at + 15 - time.monotonic()))
        self.c.check(hidden, "fit: k and b hide again after their ten seconds")

    def exports(self):
        """The report and the table saved through the graph's context menu and
        the file dialog, read back with poppler-utils and Python's csv."""
        menus = []  # a popup menu is no child of the application: it is heard of when shown
        pyatspi.Registry.registerEventListener(lambda e: menus.append(e.source) if e.detail1 else None,
                                               "object:state-changed:showing")

        def save(item, name):
            path = os.path.join(self.out, name)
            if os.path.exists(path):
                os.remove(path)
            menus.clear()
            act(self.graphs["U"], "ShowMenu")
            entry = wait_for(f"menu item {item!r}", lambda: [n for m in menus if m.getRole() == pyatspi.ROLE_POPUP_MENU
                                                              and self.showing(m) for n in children(m) if n.name == item][0])
            act(entry, "Press")
            dialog = wait_for("the file dialog", lambda: [w for w in children(self.p.app) if
                                                          w.getRole() == pyatspi.ROLE_DIALOG and self.showing(w)][0])
            suffix = os.path.splitext(name)[1]
            edit = [n for n in descendants(dialog) if n.getRole() == pyatspi.ROLE_TEXT and text_of(n).endswith(suffix)][0]
            self.c.check(re.fullmatch(r"\w+-\d{4}-\d\d-\d\d-\d{4}" + suffix, text_of(edit)),
                         f"{item}: a name with the date and time is offered", text_of(edit))
            edit.queryEditableText().setTextContents(path)
            act([n for n in descendants(dialog) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Сохранить"][0],
                "Press")
            wait_for(f"{name} written", lambda: os.path.exists(path))
            return path

        pdf = save("Сохранить отчёт (PDF)…", "report.pdf")
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout
        lines = [line.split() for line in text.splitlines()]
        captions = {"E": "E (В)=", "r": "r(Oм)=", "Rv": "Rv(Ом)=", "Ra": "Ra(Ом)=", "Rmax": "Rmax(Ом)="}
        self.c.check(TITLE in text and all(f"{captions[k]} {text_of(b).strip()}" in text for k, b in self.boxes.items()),
                     "report: the title and the five parameters")
        self.c.check(all([str(n), *self.row(n)] in lines for n in self.rows), "report: every recorded row")
        self.c.check(f"k = {text_of(self.fit_k)}, b = {text_of(self.fit_b)}" in text, "report: the fitted k and b")
        images = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True).stdout.splitlines()[2:]
        big = [i for i in images if int(i.split()[3]) >= 100 and int(i.split()[4]) >= 100]
        self.c.equal(big, [], "report: no picture as large as a graph (the graphs are drawn as lines)")

        with open(save("Сохранить таблицу (CSV)…", "table.csv"), newline="", encoding="utf-8") as f:
            table = list(csv.reader(f))
        self.c.equal(table, [["n", "I_A", "U_V", "Po_W", "Pv_W", "eta"]] + [[str(n), *self.row(n)] for n in sorted(self.rows)],
                     "CSV: the header and the recorded rows as the table shows them")

    def exit_question(self):
        table = [self.row(n) for n in range(1, 11)]
        for answer in ("Нет", "Да"):
            window = wait_for("the program's X window", self.screen.window)
            self.screen.ask_to_close(window)
            alert = wait_for("the exit question", lambda: self.p.alert("На Выход"), 20)
            labels = [n.name for n in descendants(alert) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
            self.c.equal(labels, ["Вы абсолютно уверены?"], f"exit question ({answer}): the box asks")
            buttons = {n.name: n for n in descendants(alert) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
            self.c.equal(sorted(buttons), ["Да", "Нет"], f"exit question ({answer}): buttons Yes and No")
            act(buttons[answer], "Press")
            if answer == "Нет":
                wait_for("the exit question to close", lambda: not self.p.alert("На Выход"), 20)
                self.c.check(self.p.alive() and self.p.main_frame() is not None, "answer No: the window stays")
                self.c.equal([self.row(n) for n in range(1, 11)], table, "answer No: the table is kept")
        try:
            status = self.p.process.wait(20)
        except subprocess.TimeoutExpired:
            status = None
        self.c.equal(status, 0, "answer Yes: the program ends with status 0")

    def teacher_task(self):
        """A second program with the example task, variant 7: E and r masked and
        telling nothing; meters and a ten-row fit from the real values."""
        task = os.path.join(os.path.dirname(self.p.executable), "..", "share", "dcsim", "example-task.ini")
        lines = subprocess.run([self.p.executable, "--task", task, "--answers", "7"], capture_output=True,
                               text=True, check=True).stdout.splitlines()
        values = dict(zip(lines[0].split("\t")[1:], map(float, lines[1].split("\t")[1:])))
        # It is found by its title, which names the task.
        program = Program(self.p.executable, self.p.pidfile, self.p.caller, ["--task", task, "--variant", "7"],
                          TITLE + " — Вариант для 10 «Б»")
        try:
            x = Experiment(program, self.c, self.heard, self.out, self.opened)
            x.params = values
            for k in ("E", "r"):
                box = x.boxes[k]
                # Qt's own interface would take an edit, and tell the old text in its event.
                texts = [box.description] + [text_of(box) for _ in box.get_interfaces() if _ == "Text"]
                self.c.check(box.getRole() == pyatspi.ROLE_PASSWORD_TEXT and "EditableText" not in box.get_interfaces()
                             and not re.search(r"\d", "".join(texts)),
                             f"task: box {k} is a read-only password box and tells no digit", f"{texts}")
            x.expect_computed_meters(values["Rmax"], False, 1, "task: key open")
            x.press_key(True)
            rows = []
            for n in range(1, 11):
                R = x.move_rheostat(110 - 10 * n)
                act(x.buttons[n], "Press")  # clicks a moment later
                rows.append(scheme1_row(values["E"], values["r"], values["Ra"], values["Rv"], R)[:2])
                settle(lambda: x.row(n)[0] != "", True)
            act(x.graphs["U"], "Press")
            wait_for("k and b of the task", lambda: all(re.match(r"-?\d", b.description) for b in (x.fit_k, x.fit_b)))
            for what, text, value in zip("kb", (x.fit_k.description, x.fit_b.description), line_fit(*zip(*rows))):
                self.c.check(abs(float(text) - value) < 2e-4, f"task: ten-row fit, {what} reads {value:.4f}", text)
            x.screenshot("window-task.png", lambda image: True)
        finally:
            program.stop()

    def run(self):
        steps = [self.names, self.start_state, self.help_document, self.window_geometry, self.key_and_schemes,
                 self.rejected_entry, self.parameters, self.record, self.graph_choice,
                 self.screen_checks, self.fit, self.exports, self.open_key_on_screen, self.exit_question,
                 self.teacher_task]
        for step in steps:
            print(f"--- {step.__name__}", flush=True)
            step()


# ---------------------------------------------------------------------------
# The run with Orca: the program started again, in Russian, and used from the
# keyboard alone while Debian's screen reader Orca speaks.

# What is done with the keyboard, and what Orca must say for each of it.
ORCA_STEPS = (
    ("first focus", [], ["Реостат полоса прокрутки 100"]),
    ("Tab to the EMF box", ["Tab"] * 4, ["ЭДС источника текст"]),
    ("300 V typed", ["3", "0", "0"], ["Ошибка", "Опасно для жизни!"]),
    ("Enter: the message box closed", ["Return"], ["16"]),
    ("F2: the key closed", ["F2"], []),
    ("Tab to the rheostat", ["Tab"] * 2, ["Реостат"]),
    ("Left on the rheostat", ["Left"], ["99"]),
    ("Tab to the voltmeter", ["Tab"], ["Напряжение, В"]),
    ("Where Am I on the voltmeter", ["KP_Enter"], ["Напряжение, В"]),
    ("Tab to the button 1", ["Tab"] * 2, ["Записать измерение в строку 1"]),
    ("Enter on the button 1", ["Return"], []),
    ("Space on the button 1", ["space"], []),
    ("flat review of the row 1", ["KP_Up"], ["строка 1"]),
    ("Shift+Tab to the U(I) graph", ["Shift_L+Tab"] * 5, ["График U(I)"]),
    ("Space on the U(I) graph", ["space"], []),
    ("Tab to k", ["Tab"] * 2, ["коэффициент k"]),
)


def orca_run(args, checks):
    orca = Orca(args.orca, args.out)
    program = None
    try:
        program = Program(args.dcsim, args.pidfile, args.caller, env=orca.env)
        screen = Screen(program.pid)

        def focus_window():
            """What a window manager does when a window appears or a message
            box over it closes: gives the main window the keyboard. True if
            it had to."""
            focus = screen.display.get_input_focus().focus
            if focus not in (X.NONE, X.PointerRoot) and focus.id != screen.root.id:
                return False
            before = orca.mark()
            wait_for("the program's X window", screen.window).set_input_focus(X.RevertToParent, X.CurrentTime)
            screen.display.sync()
            wait_for("Orca to see the window activated", lambda: orca.mark() > before)
            return True

        mark = orca.mark()
        for what, presses, expected in ORCA_STEPS:
            focus_window()
            for press in presses:
                press_keys(screen.display, *press.split("+"))
            heard = orca.said(mark, *expected, keys=sum(len(press.split("+")) for press in presses))
            if focus_window():
                heard = orca.said(mark, *expected)
            mark = orca.mark()
            print(f"orca  {what}: {heard}", flush=True)
            if expected:
                checks.check(all(text in heard for text in expected), f"Orca: {what}: says {expected}")
    finally:
        if program is not None:
            program.stop()
        orca.stop()


# ---------------------------------------------------------------------------

def edit_helper(pid, name, text):
    """Sets a parameter box's text; returns only when the program answers."""
    app = wait_for("dcsim", lambda: find_application(pid), 20)
    boxes = [n for n in descendants(app) if n.getRole() == pyatspi.ROLE_TEXT and named(n, name)]
    try:
        boxes[0].queryEditableText().setTextContents(text)
    except Exception as error:
        print(f"edit helper: {error}", flush=True)
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dcsim")
    parser.add_argument("--out")
    parser.add_argument("--pidfile")
    parser.add_argument("--caller", help="the folder to start the program from")
    parser.add_argument("--opened", help="the file where the stand-in opener notes its arguments")
    parser.add_argument("--orca", help="a folder for Orca's own HOME, speech settings and locale")
    parser.add_argument("--edit", nargs=3, metavar=("PID", "NAME", "TEXT"))
    parser.add_argument("--limit", type=int, default=100, help="seconds before the run gives up")
    args = parser.parse_args()
    if args.edit:
        return edit_helper(int(args.edit[0]), args.edit[1], args.edit[2])

    def out_of_time(signum, frame):
        raise Failure(f"the run took longer than {args.limit} s")
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(args.limit)

    started = time.monotonic()
    checks = Checks()
    heard = Announcements()
    os.makedirs(args.out, exist_ok=True)
    program = None
    try:
        program = Program(args.dcsim, args.pidfile, args.caller)
        Experiment(program, checks, heard, args.out, args.opened).run()
    except Failure as failure:
        checks.check(False, "the run went on to its end", str(failure))
    finally:
        if program is not None:
            program.stop()
    try:
        print("--- orca_run", flush=True)
        orca_run(args, checks)
    except Failure as failure:
        checks.check(False, "the run with Orca went on to its end", str(failure))
    finally:
        signal.alarm(0)
    print(f"{checks.passed} checks passed, {len(checks.failed)} failed, in {time.monotonic() - started:.1f} s; "
          f"screenshots in {args.out}", flush=True)
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
