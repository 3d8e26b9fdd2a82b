#!/usr/bin/python3
"""End-to-end run of dcsim: what only the real program on a real display can show.

Started by run_e2e.sh inside an X server and an accessibility bus of its own,
the program installed and started through its launcher. Over AT-SPI: every
control named in Russian, the launcher's folders and the help document, text
queries that always answer, the real message boxes, the saved report and
table, a teacher's task with hidden values. On the screen: the window's
place and size and the pixels that matter. Then the program again, used from
the keyboard alone while Debian's screen reader Orca speaks, checked on what
Orca says.
"""

import argparse
import csv
import itertools
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

# The graphs' top-left corner and the voltmeter's canvas, in client pixels.
GRAPH_LEFT, GRAPH_TOP = 290, 200
VOLTMETER_BOX = (128, 76, 50, 24)
BLACK, RED = (0, 0, 0), (255, 0, 0)
BOX = {"E": "ЭДС источника", "r": "Внутреннее сопротивление источника", "Rv": "Сопротивление вольтметра",
       "Ra": "Сопротивление амперметра", "Rmax": "Максимальное сопротивление реостата"}
COLUMNS = ("Сила тока, А", "Напряжение, В", "Полная мощность, Вт", "Полезная мощность, Вт", "КПД, %")


class Failure(Exception):
    """A step that the rest of the run cannot do without."""


def scheme1_reading(E, r, Ra, Rv, R):
    """Ammeter and voltmeter in scheme 1 with the key closed, from the circuit's formulas."""
    I = E * Rv / (Rv * (R + Ra) + r * (R + Rv + Ra))
    return I, (R + Ra) * I


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
        self.passed, self.failed = 0, []

    def check(self, ok, what, detail=""):
        self.passed += bool(ok)
        self.failed += [] if ok else [what]
        print(f"ok    {what}" if ok else f"FAIL  {what}{': ' + detail if detail else ''}", flush=True)

    def equal(self, actual, expected, what):
        return self.check(actual == expected, what, f"shows {actual!r}, expected {expected!r}")


def end(process, seconds):
    """Stops a process we started: politely, then for good."""
    process.terminate()
    try:
        process.wait(seconds)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def pump():
    """Lets libatspi deliver the events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


class Unanswered(str):
    """What a probe that raised gave: its error, for a check to report."""


def poll(probe, done, timeout):
    """Polls probe() until done(its value) or the time is up; returns the last value."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            seen = probe()
        except Failure:
            raise
        except Exception as error:  # an object that went away, a slow answer
            seen = Unanswered(f"<{error}>")
        if done(seen) or time.monotonic() > deadline:
            return seen
        time.sleep(0.02)


def settle(probe, want, timeout=10.0):
    """The last value probe() gave, once it is want or the time is up, so that a check can report it."""
    return poll(probe, lambda seen: seen == want, timeout)


def wait_for(what, probe, timeout=10.0):
    """What probe() gives once it is something true; fails the run otherwise."""
    found = poll(probe, lambda seen: seen and not isinstance(seen, Unanswered), timeout)
    if not found or isinstance(found, Unanswered):
        raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
    return found


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
        """Stops Orca (first: without speech-dispatcher it would start one of its
        own), then the speech modules and speech-dispatcher, each by its process id."""
        for process in reversed(self.processes):
            if process is self.processes[0]:
                for pid in subprocess.run(["pgrep", "-P", str(process.pid)], capture_output=True, text=True).stdout.split():
                    os.kill(int(pid), signal.SIGTERM)
            end(process, 10)
        os.close(self.terminal)


# ---------------------------------------------------------------------------
# The program under test, seen through AT-SPI.

def named(acc, name):
    """A control's name is its own, or that followed by what it shows."""
    return acc.name == name or acc.name.startswith(name + ": ")


def has(acc, state):
    return acc.getState().contains(state)


def children(acc):
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]


def descendants(acc):
    found, stack = [], [acc]
    while stack:
        node = stack.pop()
        found.append(node)
        stack.extend(reversed(children(node)))
    return found


def act(acc, name):
    """Runs the named action of the object."""
    action = acc.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    if name not in offered:
        raise Failure(f"{acc.name!r} offers {offered}, not {name}")
    action.doAction(offered.index(name))


def text_of(acc):
    return acc.queryText().getText(0, -1)


class Program:
    """The installed launcher started from the caller's folder."""

    def __init__(self, args, options=(), title=TITLE, env=None):
        env = dict(env or dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   XDG_CONFIG_HOME=os.path.dirname(args.pidfile))
        self.executable, self.caller, self.opened, self.title = args.dcsim, args.caller, args.opened, title
        self.process = subprocess.Popen([args.dcsim, *options], cwd=args.caller, env=env)
        self.pid = self.process.pid  # the launcher runs the program in place of itself
        with open(args.pidfile, "w") as f:
            f.write(f"{self.pid}\n")
        self.app = wait_for("dcsim on the accessibility bus", lambda: self._application(), 30)
        self.frame = wait_for("the main window", self.main_frame, 20)
        self.nodes = descendants(self.frame)

    def _application(self):
        if self.process.poll() is not None:
            raise Failure(f"dcsim ended with status {self.process.returncode} before it appeared")
        return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == self.pid), None)

    def main_frame(self):
        return self.window(pyatspi.ROLE_FRAME, self.title)

    def alert(self, title):
        return self.window(pyatspi.ROLE_ALERT, title)

    def window(self, role, title):
        return next((c for c in children(self.app) if c.getRole() == role and c.name == title and has(c, pyatspi.STATE_SHOWING)), None)

    def one(self, role, name, focusable=None):
        """The one control of this role and name (and focusability)."""
        found = [n for n in self.nodes if n.getRole() in (role if isinstance(role, tuple) else (role,)) and named(n, name) and
                 (focusable is None or has(n, pyatspi.STATE_FOCUSABLE) == focusable)]
        if len(found) != 1:
            raise Failure(f"{len(found)} controls with role {pyatspi.Role(role)!s} and name {name!r}, expected one")
        return found[0]

    def stop(self):
        end(self.process, 5)


class Screen:
    """The X server: the program's window, closing it, and screenshots."""

    def __init__(self, pid):
        self.display, self.pid = xdisplay.Display(), pid
        self.root, self.atom = self.display.screen().root, self.display.intern_atom
        # The pointer away from the window: no hover effects, no tooltips.
        self.root.warp_pointer(self.display.screen().width_in_pixels - 1, 0)
        self.display.sync()

    def window(self):
        def ours(w):
            pid = w.get_full_property(self.atom("_NET_WM_PID"), X.AnyPropertyType)
            name = w.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
            return pid and pid.value[0] == self.pid and name and name.value.decode().startswith(TITLE) and \
                w.get_attributes().map_state == X.IsViewable
        return next((w for w in self.root.query_tree().children if ours(w)), None)

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


def meter_ok(image, box):
    """Black with green text: corners black, inside only black to green, and
    enough bright green for the digits."""
    left, top, width, height = box
    corners = [(left + 3, top + height - 3), (left + width - 3, top + height - 3)]
    inside = [image.getpixel((x, y)) for x in range(left + 2, left + width - 2) for y in range(top + 2, top + height - 2)]
    return all(image.getpixel(c) == BLACK for c in corners) and all(r < 80 and b < 80 for r, g, b in inside) and \
        sum(1 for r, g, b in inside if g > 200) >= 15


def red_dot_near(image, x, y):
    """A red dot 5 px across: a 3 x 3 block of pure red within 2 px of (x, y)."""
    for cx in range(round(x) - 2, round(x) + 3):
        for cy in range(round(y) - 2, round(y) + 3):
            if all(image.getpixel((cx + dx, cy + dy)) == RED for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                return True
    return False


# ---------------------------------------------------------------------------
# The experiment, through AT-SPI and on the screen.

def number(text):
    return float(text.replace(",", "."))


UNNAMED_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_SEPARATOR}


class Experiment:
    def __init__(self, program, checks, out):
        self.p, self.c, self.out = program, checks, out
        p = program
        self.voltmeter = p.one(pyatspi.ROLE_LABEL, COLUMNS[1], focusable=True)
        self.key = p.one(pyatspi.ROLE_CHECK_BOX, "Ключ")
        self.rheostat = p.one(pyatspi.ROLE_SCROLL_BAR, "Реостат")
        self.boxes = {k: p.one((pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT), name) for k, name in BOX.items()}
        self.graph = p.one(pyatspi.ROLE_IMAGE, "График U(I)")
        self.buttons = {n: p.one(pyatspi.ROLE_PUSH_BUTTON, str(n)) for n in range(1, 11)}
        self.cells = {(c, n): p.one(pyatspi.ROLE_LABEL, f"{column}, строка {n}") for c, column in enumerate(COLUMNS) for n in range(1, 11)}
        self.fit_k, self.fit_b = (p.one(pyatspi.ROLE_TEXT, f"коэффициент {x} прямой U=kI+b") for x in "kb")
        self.screen = Screen(p.pid)
        self.rows, self.ohms = {}, {}

    def row(self, n):
        return tuple(self.cells[(c, n)].description for c in range(5))

    def press_key(self, closing):
        act(self.key, "Press")
        wait_for("the key's new state", lambda: has(self.key, pyatspi.STATE_CHECKED) == closing)

    def record(self, n, ohms):
        self.rheostat.queryValue().currentValue = ohms
        wait_for(f"the rheostat at {ohms} Ом", lambda: self.rheostat.description == f"{ohms:g}")
        act(self.buttons[n], "Press")
        wait_for(f"row {n}", lambda: all(self.row(n)))
        self.rows[n], self.ohms[n] = tuple(map(number, self.row(n))), ohms

    def fit(self, fit_k=None):
        act(self.graph, "Press")
        return wait_for("k and b shown", lambda: has(self.fit_k, pyatspi.STATE_SHOWING) and text_of(self.fit_b) and
                        (number(text_of(self.fit_k)), number(text_of(self.fit_b))))

    def screenshot(self, name, ready):
        """The window saved under the output folder once ready(client area) holds
        or the time is up; returns the client area below the menu bar."""
        geometry = wait_for("the program's X window", self.screen.window).get_geometry()
        x, y, _, _ = self.voltmeter.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        left, top = x - VOLTMETER_BOX[0] - geometry.x, y - VOLTMETER_BOX[1] - geometry.y
        shot = {}

        def probe():
            shot["window"] = self.screen.grab(geometry.x, geometry.y, geometry.width, geometry.height)
            shot["client"] = shot["window"].crop((left, top, left + CLIENT_W, top + CLIENT_H))
            return ready(shot["client"])
        settle(probe, True, 10)
        shot["window"].save(os.path.join(self.out, name))
        return shot["client"]

    # The steps -------------------------------------------------------------

    def names_and_launcher(self):
        """Every control has a Russian name (but for formulas and numbers); the key
        offers F2. Started from another folder, the program runs in its documents'
        folder, knows the caller's, and "Справка 1" hands the installed spravka1.pdf
        to the desktop's opener."""
        unnamed = [n.getRoleName() for n in self.p.nodes if n.getRole() not in UNNAMED_ROLES and not n.name]
        latin = [n.name for n in self.p.nodes if n.name and not re.search("[а-яА-ЯёЁ]", n.name) and n.name not in
                 {"h(I)"} | {str(n) for n in range(1, 11)}]
        self.c.check(len(self.p.nodes) > 100 and not unnamed and not latin, "every control has a Russian name", f"{unnamed} {latin}")
        self.c.equal(self.key.queryAction().getKeyBinding(0), "F2", "the key's shortcut is its key binding")
        docs = os.path.realpath(os.path.join(os.path.dirname(self.p.executable), "..", "share", "dcsim"))
        with open(f"/proc/{self.p.pid}/environ", "rb") as f:
            told = f"DCSIM_CALLER_DIR={os.path.realpath(self.p.caller)}".encode() in f.read().split(b"\0")
        self.c.equal((os.readlink(f"/proc/{self.p.pid}/cwd"), told), (docs, True), "launcher: run in the documents' folder, the caller's known")
        act(self.p.one(pyatspi.ROLE_MENU_ITEM, "Справка 1"), "Press")
        expected = f"file://{docs}/spravka1.pdf\n"
        self.c.equal(settle(lambda: open(self.p.opened).read(), expected), expected, "Справка 1 opens spravka1.pdf")

    def geometry_and_texts(self):
        """The client area where it was stored and of its designed size; every text
        query, at every offset up to one past the end, with every boundary, answers."""
        geometry = wait_for("the program's X window", self.screen.window).get_geometry()
        x, y, _, _ = self.voltmeter.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        left, top = x - VOLTMETER_BOX[0], y - VOLTMETER_BOX[1]
        self.c.check((left, top) == WINDOW_AT and geometry.width == CLIENT_W and 0 < top - geometry.y < 60 and
                     geometry.height - (top - geometry.y) == CLIENT_H, f"client area {CLIENT_W} x {CLIENT_H} at {WINDOW_AT} below the menu bar",
                     f"at {left}, {top} in a window {geometry.width} x {geometry.height} at {geometry.x}, {geometry.y}")
        texts, unanswered = [n for n in self.p.nodes if "Text" in n.get_interfaces()], []
        for node in texts:
            text = node.queryText()
            for offset, boundary in itertools.product(range(text.characterCount + 2), range(7)):
                for query in (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset):
                    try:
                        query(offset, boundary)
                    except Exception as error:
                        unanswered.append(f"{node.name} {query.__name__}({offset}, {boundary}): {error}")
        self.c.check(len(texts) >= 7 and not unanswered, f"text queries answer on all {len(texts)} texts", "; ".join(unanswered[:3]))

    def measurements(self):
        """Three rows recorded over AT-SPI; on the screen their red dots on U(I),
        the meters black with green digits, the key's blade upright."""
        self.press_key(True)
        for n, ohms in ((3, 100), (7, 40), (1, 15)):
            self.record(n, ohms)
        width, height = CLIENT_W - 10 - GRAPH_LEFT, CLIENT_H - 10 - GRAPH_TOP
        dots = [(GRAPH_LEFT + I / 0.8 * width, GRAPH_TOP + (16 - U) / 16 * height) for I, U, *_ in self.rows.values()]
        blade = lambda im, xs: any(dark(im.getpixel((x, y))) for x in xs for y in range(103, 106))
        ready = lambda im: all(red_dot_near(im, x, y) for x, y in dots) and blade(im, (279, 280, 281)) and not blade(im, (285, 286, 287))
        image = self.screenshot("window-points.png", ready)
        self.c.check(ready(image), "screen: a red dot for each row on U(I), the key's blade upright at x 280")
        for name, box in (("voltmeter", VOLTMETER_BOX), ("ammeter", (8, 112, 50, 24))):
            self.c.check(meter_ok(image, box), f"screen: {name} black with green digits")
        k, b = line_fit(*zip(*[scheme1_reading(16, 20, 5, 75, self.ohms[n]) if n in self.rows else (0.0, 0.0) for n in range(1, 11)]))
        shown = self.fit()
        self.c.check(abs(shown[0] - k) < 2e-3 and abs(shown[1] - b) < 2e-3, f"fit: k and b read {k:.4f} and {b:.4f}", f"shows {shown}")
        self.screenshot("window.png", lambda image: True)

    def exports(self):
        """The report and the table saved through the graph's context menu and the
        file dialog, read back with poppler-utils and Python's csv."""
        menus = []  # a popup menu is no child of the application: it is heard of when shown
        pyatspi.Registry.registerEventListener(lambda e: menus.append(e.source) if e.detail1 else None, "object:state-changed:showing")

        def save(item, name):
            path = os.path.join(self.out, name)
            if os.path.exists(path):
                os.remove(path)
            menus.clear()
            act(self.graph, "ShowMenu")
            act(wait_for(f"menu item {item!r}", lambda: [n for m in menus if m.getRole() == pyatspi.ROLE_POPUP_MENU and
                                                         has(m, pyatspi.STATE_SHOWING) for n in children(m) if n.name == item][0]), "Press")
            dialog = wait_for("the file dialog", lambda: [w for w in children(self.p.app) if w.getRole() == pyatspi.ROLE_DIALOG and
                                                          has(w, pyatspi.STATE_SHOWING)][0])
            suffix = os.path.splitext(name)[1]
            edit = [n for n in descendants(dialog) if n.getRole() == pyatspi.ROLE_TEXT and text_of(n).endswith(suffix)][0]
            self.c.check(re.fullmatch(r"\w+-\d{4}-\d\d-\d\d-\d{4}" + suffix, text_of(edit)), f"{item}: a name with the date and time", text_of(edit))
            edit.queryEditableText().setTextContents(path)
            act([n for n in descendants(dialog) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Сохранить"][0], "Press")
            wait_for(f"{name} written", lambda: os.path.exists(path))
            return path

        pdf = save("Сохранить отчёт (PDF)…", "report.pdf")
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout
        captions = {"E": "E (В)=", "r": "r(Oм)=", "Rv": "Rv(Ом)=", "Ra": "Ra(Ом)=", "Rmax": "Rmax(Ом)="}
        self.c.check(TITLE in text and all(f"{captions[k]} {text_of(b).strip()}" in text for k, b in self.boxes.items()) and
                     all([str(n), *self.row(n)] in [line.split() for line in text.splitlines()] for n in self.rows) and
                     f"k = {text_of(self.fit_k)}, b = {text_of(self.fit_b)}" in text, "report: the title, the parameters, every row, k and b")
        images = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True).stdout.splitlines()[2:]
        self.c.equal([i for i in images if int(i.split()[3]) >= 100 and int(i.split()[4]) >= 100], [], "report: the graphs are lines, not pictures")
        with open(save("Сохранить таблицу (CSV)…", "table.csv"), newline="", encoding="utf-8") as f:
            self.c.equal(list(csv.reader(f)), [["n", "I_A", "U_V", "Po_W", "Pv_W", "eta"]] + [[str(n), *self.row(n)] for n in sorted(self.rows)],
                         "CSV: the header and the recorded rows as the table shows them")

    def exit_question(self):
        table = [self.row(n) for n in range(1, 11)]
        for answer in ("Нет", "Да"):
            self.screen.ask_to_close(wait_for("the program's X window", self.screen.window))
            alert = wait_for("the exit question", lambda: self.p.alert("На Выход"), 20)
            labels = [n.name for n in descendants(alert) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
            buttons = {n.name: n for n in descendants(alert) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
            self.c.equal((labels, sorted(buttons)), (["Вы абсолютно уверены?"], ["Да", "Нет"]), f"exit question ({answer}): asked, with Yes and No")
            act(buttons[answer], "Press")
            if answer == "Нет":
                wait_for("the exit question to close", lambda: not self.p.alert("На Выход"), 20)
                self.c.check([self.row(n) for n in range(1, 11)] == table, "answer No: the window stays, with its table")
        try:
            status = self.p.process.wait(20)
        except subprocess.TimeoutExpired:
            status = None
        self.c.equal(status, 0, "answer Yes: the program ends with status 0")

    def run(self):
        for step in (self.names_and_launcher, self.geometry_and_texts, self.measurements, self.exports, self.exit_question):
            print(f"--- {step.__name__}", flush=True)
            step()


def experiment(args, checks):
    program = Program(args)
    try:
        Experiment(program, checks, args.out).run()
    finally:
        program.stop()


def teacher_task(args, checks):
    """The program with the example task, variant 7: E and r masked and telling
    nothing; a ten-row fit finds the real values."""
    task = os.path.join(os.path.dirname(args.dcsim), "..", "share", "dcsim", "example-task.ini")
    lines = subprocess.run([args.dcsim, "--task", task, "--answers", "7"], capture_output=True, text=True, check=True).stdout.splitlines()
    values = dict(zip(lines[0].split("\t")[1:], map(float, lines[1].split("\t")[1:])))
    program = Program(args, ["--task", task, "--variant", "7"], TITLE + " — Вариант для 10 «Б»")
    try:
        x = Experiment(program, checks, args.out)
        for k in ("E", "r"):
            box = x.boxes[k]
            texts = [box.name, box.description, text_of(box)]
            checks.check(box.getRole() == pyatspi.ROLE_PASSWORD_TEXT and "EditableText" not in box.get_interfaces() and
                         not re.search(r"\d", "".join(texts)), f"task: box {k} is a read-only password box and tells no digit", f"{texts}")
        x.press_key(True)
        for n in range(1, 11):
            x.record(n, 110 - 10 * n)
        real = line_fit(*zip(*[scheme1_reading(values["E"], values["r"], values["Ra"], values["Rv"], 110 - 10 * n) for n in range(1, 11)]))
        shown = x.fit()
        checks.check(all(abs(a - b) < 2e-3 for a, b in zip(shown, real)), f"task: a ten-row fit reads {real}", f"{shown}")
        x.screenshot("window-task.png", lambda image: True)
    finally:
        program.stop()


# ---------------------------------------------------------------------------
# The run with Orca: the program started again, in Russian, and used from the
# keyboard alone while Debian's screen reader Orca speaks.

# What is done with the keyboard, and what Orca must say for each of it.
ORCA_STEPS = (
    ("first focus", [], ["Реостат полоса прокрутки 100"]),
    ("Tab to the EMF box", ["Tab"] * 4, ["ЭДС источника текст", "16 выделен"]),
    ("300 V typed", ["3", "0", "0"], ["Ошибка", "Опасно для жизни!", "OK нажимаемая кнопка"]),
    ("Enter: the message box closed", ["Return"], ["16 выделен"]),
    ("F2: the key closed, the focus on the rheostat", ["F2"],
     ["Реостат полоса прокрутки 100", "Ключ замкнут. Сила тока, А: 0,105; Напряжение, В: 10,98"]),
    ("Left on the rheostat", ["Left"], ["99", "Сила тока, А: 0,105; Напряжение, В: 10,97"]),
    ("Tab to the voltmeter", ["Tab"], ["Напряжение, В: 10,97"]),
    ("Where Am I on the voltmeter", ["KP_Enter"], ["Напряжение, В: 10,97"]),
    ("Tab to the button 1", ["Tab"] * 2, ["Записать измерение в строку 1"]),
    ("Enter on the button 1", ["Return"],
     ["Строка 1: Сила тока, А: 0,105; Напряжение, В: 10,97; Полная мощность, Вт: 4,03; "
      "Полезная мощность, Вт: 1,10; КПД, %: 0,27"]),
    ("flat review of the row 1", ["KP_Up"], ["Сила тока, А, строка 1: 0,105", "КПД, %, строка 1: 0,27"]),
    ("F2: the key opened, the focus on the rheostat", ["F2"], ["Реостат полоса прокрутки 99", "Ключ разомкнут"]),
    ("Tab to the EMF box", ["Tab"] * 4, ["ЭДС источника текст"]),
    ("2 V typed: the table cleared", ["2"], ["Таблица измерений очищена"]),
    ("F2: the key closed", ["F2"], ["Ключ замкнут. Сила тока, А: 0,013; Напряжение, В: 1,37"]),
    ("Tab to the button 1 and Space", ["Tab"] * 3 + ["space"], ["Строка 1: Сила тока, А: 0,013"]),
    ("Shift+Tab to the U(I) graph", ["Shift_L+Tab"] * 5, ["График U(I)"]),
    ("Space on the U(I) graph", ["space"], ["коэффициент k прямой U=kI+b: ", "; коэффициент b прямой U=kI+b: "]),
    ("Tab to k", ["Tab"] * 2, ["коэффициент k прямой U=kI+b только для чтения текст"]),
)


def orca_run(args, checks):
    orca = Orca(args.orca, args.out)
    program = None
    try:
        program = Program(args, env=orca.env)
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

def main():
    # The installed launcher, the output folder, a file for the program's process id, the folder to start it
    # from, the file where the stand-in opener notes its arguments, a folder for Orca's own HOME, speech
    # settings and locale; the seconds before the run gives up.
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for name in ("dcsim", "out", "pidfile", "caller", "opened", "orca"):
        parser.add_argument("--" + name)
    parser.add_argument("--limit", type=int, default=120)
    args = parser.parse_args()

    def out_of_time(signum, frame):
        raise Failure(f"the run took longer than {args.limit} s")
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(args.limit)
    started = time.monotonic()
    checks = Checks()
    os.makedirs(args.out, exist_ok=True)

    for run in (lambda: experiment(args, checks), lambda: teacher_task(args, checks), lambda: orca_run(args, checks)):
        try:
            run()
        except Failure as failure:
            checks.check(False, "the run went on to its end", str(failure))
    signal.alarm(0)
    print(f"{checks.passed} checks passed, {len(checks.failed)} failed, in {time.monotonic() - started:.1f} s; "
          f"screenshots in {args.out}", flush=True)
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
