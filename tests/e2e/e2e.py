#!/usr/bin/python3
"""End-to-end run of dcsim: what only the real program on a real display can show.

    e2e.py <installed launcher> <output folder> <scratch folder>

Started by run_e2e.sh inside an X server and a session bus of its own, the
program installed and started through its launcher from the scratch
folder's "caller" with the example task (E and r hidden). Over AT-SPI: the
hidden boxes that tell nothing, text queries that always answer, ten rows
recorded and fitted to the real E and r, the report and the table saved
through the real file dialog, the real exit question. On the screen: the
window's place and size, the red dots and the key's blade. Then the program
again, used from the keyboard alone while Debian's screen reader Orca
speaks, checked on what Orca says: in Russian, then briefly in English.
"""

import itertools
import os
import re
import subprocess
import sys
import time
import types

import pyatspi
from gi.repository import GLib
from PIL import ImageGrab
from Xlib import X, XK, display as xdisplay, protocol
from Xlib.ext import xtest

TITLE = "Моделирование работы электрической цепи постоянного тока"
TITLE_EN = "Simulation of a Direct-Current Electric Circuit"
CLIENT_W, CLIENT_H = 549, 439
WINDOW_AT = (71, 255)
GRAPH_LEFT, GRAPH_TOP = 290, 200  # the graphs' top-left corner, in client pixels
KEY_AT = (272, 100)  # the key's click area, in client pixels
COLUMNS = ("Сила тока, А", "Напряжение, В", "Полная мощность, Вт", "Полезная мощность, Вт", "КПД, %")
failures = []


class Failure(Exception):
    """A step that the rest of the run cannot do without."""


def check(ok, what, detail=""):
    if not ok:
        failures.append(what)
    print(f"ok    {what}" if ok else f"FAIL  {what}: {detail}", flush=True)


def wait(probe, timeout=10.0, what=None):
    """probe()'s value once it is true, asked again and again while libatspi
    delivers its events (an error counts as not yet: an object that went
    away, a slow answer). When the time is up: a Failure if `what` names what
    was awaited, else the last value, for a check to report."""
    deadline = time.monotonic() + timeout
    while True:
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        try:
            seen = probe()
        except Failure:
            raise
        except Exception:
            seen = None
        if seen or time.monotonic() > deadline:
            if not seen and what:
                raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
            return seen
        time.sleep(0.02)


def start(args, options=(), env=None):
    """The installed launcher started from the caller's folder, on the X server, with accessibility on.
    The launcher runs the program in place of itself: the process is the program's."""
    env = dict(env or os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=args.work)
    return subprocess.Popen([args.dcsim, *options], cwd=args.caller, env=env)


def end(process):
    """Stops a process we started: politely, then, when it does not end in time (Orca under load), for good."""
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def x_window(display, pid, title):
    """The program's window of that title on the X server, once it is mapped."""
    atom = display.intern_atom

    def ours(w):
        owner = w.get_full_property(atom("_NET_WM_PID"), X.AnyPropertyType)
        name = w.get_full_property(atom("_NET_WM_NAME"), atom("UTF8_STRING"))
        return owner and owner.value[0] == pid and name and name.value.decode() == title and \
            w.get_attributes().map_state == X.IsViewable
    return wait(lambda: next(filter(ours, display.screen().root.query_tree().children), None), 20,
                f"the window {title!r}")


def red_dot_near(image, x, y):
    """A red dot 5 px across: a 3 x 3 block of pure red within 2 px of (x, y)."""
    return any(all(image.getpixel((cx + dx, cy + dy)) == (255, 0, 0) for dx in (-1, 0, 1) for dy in (-1, 0, 1))
               for cx in range(round(x) - 2, round(x) + 3) for cy in range(round(y) - 2, round(y) + 3))


# ---------------------------------------------------------------------------
# The program with the example task, variant 7, seen through AT-SPI and on the X server.

def has(acc, state):
    return acc.getState().contains(state)


def children(acc):
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]


def descendants(acc):
    return [acc] + [node for child in children(acc) for node in descendants(child)]


def act(acc, name):
    """Runs the named action of the object."""
    action = acc.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    if name not in offered:
        raise Failure(f"{acc.name!r} offers {offered}, not {name}")
    action.doAction(offered.index(name))


def text_of(acc):
    return acc.queryText().getText(0, -1)


class Experiment:
    """The installed launcher started with the example task's variant 7 (E and r hidden); its window
    and controls found on the accessibility bus by their Russian names."""

    def __init__(self, args):
        self.args = args
        task = os.path.join(args.docs, "example-task.ini")
        # The variant's values, the hidden ones too, and the answer key's line in scheme 1 (k1, b1).
        answers = subprocess.run([args.dcsim, "--task", task, "--answers", "7"], capture_output=True, text=True,
                                 check=True).stdout.splitlines()
        self.answers = dict(zip(answers[0].split("\t"), answers[1].split("\t")))
        self.title = TITLE + " — Вариант для 10 «Б»"
        self.process = start(args, ["--task", task, "--variant", "7"])
        self.app = wait(self.application, 30, "dcsim on the accessibility bus")
        self.nodes = descendants(wait(lambda: self.window(pyatspi.ROLE_FRAME, self.title), 20, "the main window"))
        self.key = self.one(pyatspi.ROLE_CHECK_BOX, "Ключ")
        self.rheostat = self.one(pyatspi.ROLE_SCROLL_BAR, "Реостат")
        self.graph = self.one(pyatspi.ROLE_IMAGE, "График U(I)")
        self.cells = {(c, n): self.one(pyatspi.ROLE_LABEL, f"{column}, строка {n}")
                      for c, column in enumerate(COLUMNS) for n in range(1, 11)}
        self.fit_k = self.one(pyatspi.ROLE_TEXT, "коэффициент k прямой U=kI+b")
        self.fit_b = self.one(pyatspi.ROLE_TEXT, "коэффициент b прямой U=kI+b")

    def application(self):
        if self.process.poll() is not None:
            raise Failure(f"dcsim ended with status {self.process.returncode} before it appeared")
        return next((a for a in pyatspi.Registry.getDesktop(0)
                     if a is not None and a.get_process_id() == self.process.pid), None)

    def window(self, role, title):
        return next((c for c in children(self.app) if c.getRole() == role and c.name == title and
                     has(c, pyatspi.STATE_SHOWING)), None)

    def one(self, role, name):
        """The one control of this role and name (its own, or that followed by what it shows)."""
        found = [n for n in self.nodes if n.getRole() == role and (n.name == name or n.name.startswith(name + ": "))]
        if len(found) != 1:
            raise Failure(f"{len(found)} controls with role {role} and name {name!r}, expected one")
        return found[0]

    def row(self, n):
        return tuple(self.cells[(c, n)].description for c in range(5))

    def client_area(self):
        """Where the client area below the menu bar stands on the screen, from the key's place."""
        x, y, _, _ = self.key.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return x - KEY_AT[0], y - KEY_AT[1]

    def names_and_launcher(self):
        """Every control has a Russian name (but numbers and a formula). Started from another
        folder, the program runs in its documents' folder and knows the caller's; "Справка 1"
        hands the installed spravka1.pdf to the desktop's opener."""
        unnamed = {pyatspi.ROLE_FILLER, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_SEPARATOR}
        bad = [n.getRoleName() + " " + n.name for n in self.nodes if n.getRole() not in unnamed and
               not re.search("[а-яА-ЯёЁ]", n.name) and n.name not in {"h(I)", *map(str, range(1, 11))}]
        check(len(self.nodes) > 100 and not bad, "every control has a Russian name", bad)
        pid, docs = self.process.pid, self.args.docs
        with open(f"/proc/{pid}/environ", "rb") as f:
            told = f"DCSIM_CALLER_DIR={self.args.caller}".encode() in f.read().split(b"\0")
        check(os.readlink(f"/proc/{pid}/cwd") == docs and told, "launcher: in the documents' folder, told the caller's")
        act(self.one(pyatspi.ROLE_MENU_ITEM, "Справка 1"), "Press")
        opened = os.path.join(self.args.work, "opened")
        check(wait(lambda: os.path.exists(opened) and open(opened).read() == f"file://{docs}/spravka1.pdf\n"),
              "Справка 1 hands the installed spravka1.pdf to the opener")

    def hidden_boxes(self):
        """E and r in read-only password boxes that tell no digit."""
        for name in ("ЭДС источника", "Внутреннее сопротивление источника"):
            box = self.one(pyatspi.ROLE_PASSWORD_TEXT, name)
            texts = [box.name, box.description, text_of(box)]
            check("EditableText" not in box.get_interfaces() and not re.search(r"\d", "".join(texts)),
                  f"task: {name} in a read-only password box, no digit told", texts)

    def geometry_and_texts(self):
        """The client area where it was stored and of its designed size; every text
        query, at every offset up to one past the end, with every boundary, answers."""
        geometry = x_window(self.args.display, self.process.pid, self.title).get_geometry()
        left, top = self.client_area()
        check((left, top) == WINDOW_AT and geometry.width == CLIENT_W and 0 < top - geometry.y < 60 and
              geometry.height - (top - geometry.y) == CLIENT_H, f"client area {CLIENT_W} x {CLIENT_H} at {WINDOW_AT}",
              f"at {left}, {top} in a window {geometry.width} x {geometry.height} at {geometry.x}, {geometry.y}")
        texts = [n for n in self.nodes if "Text" in n.get_interfaces()]
        unanswered = []
        for node in texts:
            text = node.queryText()
            for offset, boundary in itertools.product(range(text.characterCount + 2), range(7)):
                for query in (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset):
                    try:
                        query(offset, boundary)
                    except Exception as error:
                        unanswered.append(f"{node.name} {query.__name__}({offset}, {boundary}): {error}")
        check(len(texts) >= 7 and not unanswered, f"text queries answer on all {len(texts)} texts", unanswered[:3])

    def measurements(self):
        """The key closed and ten rows recorded over AT-SPI, the rheostat at 100, 90, ..., 10 ohms:
        on the screen a red dot for each row on U(I) and the key's blade upright; the fit finds
        the answer key's line in scheme 1, the line the task's real E and r give."""
        act(self.key, "Press")
        wait(lambda: has(self.key, pyatspi.STATE_CHECKED), 10, "the key closed")
        for n in range(1, 11):
            ohms = 110 - 10 * n
            self.rheostat.queryValue().currentValue = ohms
            wait(lambda: self.rheostat.description == f"{ohms:g}", 10, f"the rheostat at {ohms} Ом")
            act(self.one(pyatspi.ROLE_PUSH_BUTTON, str(n)), "Press")
            wait(lambda: all(self.row(n)), 10, f"row {n}")
        # U(I) runs from 0 to the short-circuit current E/r across, from E down to 0 downwards.
        E, r = float(self.answers["E"]), float(self.answers["r"])
        width, height = CLIENT_W - 10 - GRAPH_LEFT, CLIENT_H - 10 - GRAPH_TOP
        rows = [map(float, self.row(n)) for n in range(1, 11)]
        dots = [(GRAPH_LEFT + I / (E / r) * width, GRAPH_TOP + (E - U) / E * height) for I, U, *_ in rows]
        left, top = self.client_area()
        shot = {}

        def ready():
            shot["image"] = ImageGrab.grab(bbox=(left, top, left + CLIENT_W, top + CLIENT_H),
                                           xdisplay=os.environ["DISPLAY"]).convert("RGB")
            dark = {x for x in range(279, 288) for y in range(103, 106) if max(shot["image"].getpixel((x, y))) < 64}
            return all(red_dot_near(shot["image"], x, y) for x, y in dots) and dark & {279, 280, 281} and \
                not dark & {285, 286, 287}
        check(wait(ready), "screen: a red dot for each row on U(I), the key's blade upright at x 280")
        shot["image"].save(os.path.join(self.args.out, "window.png"))
        act(self.graph, "Press")
        shown = wait(lambda: has(self.fit_k, pyatspi.STATE_SHOWING) and text_of(self.fit_b) and
                     (text_of(self.fit_k), text_of(self.fit_b)), 10, "k and b shown")
        # The key is the exact line, the window's fit single precision: within 0.000025 of it over these
        # rows, so the four decimals shown are the key's or, next to a rounding boundary, one off.
        key = (self.answers["k1"], self.answers["b1"])
        off = [abs(round(float(a) * 10000) - round(float(b) * 10000)) for a, b in zip(shown, key)]
        check(max(off) <= 1, f"fit: k and b as the answer key's {key}", shown)

    def save(self, item, suffix):
        """Saves through the graph's context menu and the real file dialog, which opens in the
        caller's folder and offers a name with the variant, the date and the time: the file is
        written there. What it holds is the unit tests' to read."""
        menus = []  # a popup menu is no child of the application: it is heard of when shown
        listener = lambda e: menus.append(e.source) if e.detail1 else None
        pyatspi.Registry.registerEventListener(listener, "object:state-changed:showing")
        act(self.graph, "ShowMenu")
        act(wait(lambda: [n for m in menus if m.getRole() == pyatspi.ROLE_POPUP_MENU and has(m, pyatspi.STATE_SHOWING)
                          for n in children(m) if n.name == item][0], 10, f"menu item {item!r}"), "Press")
        pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:showing")
        dialog = wait(lambda: [w for w in children(self.app) if w.getRole() == pyatspi.ROLE_DIALOG and
                               has(w, pyatspi.STATE_SHOWING)][0], 10, "the file dialog")
        controls = descendants(dialog)
        name = [text_of(n) for n in controls if n.getRole() == pyatspi.ROLE_TEXT and text_of(n).endswith(suffix)][0]
        check(re.fullmatch(r"\w+-вариант-7-\d{4}-\d\d-\d\d-\d{4}" + re.escape(suffix), name),
              f"{item}: named by the variant and the time", name)
        act([n for n in controls if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Сохранить"][0], "Press")
        check(wait(lambda: os.path.exists(os.path.join(self.args.caller, name))), f"{item}: in the caller's folder")

    def exports(self):
        """The lab report and the table saved."""
        self.save("Сохранить отчёт (PDF)…", ".pdf")
        self.save("Сохранить таблицу (CSV)…", ".csv")

    def exit_question(self):
        """The real exit question, asked as a window manager's close box asks it (WM_DELETE_WINDOW):
        answered No, the window stays with its table; answered Yes, the program ends with status 0."""
        table = [self.row(n) for n in range(1, 11)]
        display, atom = self.args.display, self.args.display.intern_atom
        window = x_window(display, self.process.pid, self.title)
        close = protocol.event.ClientMessage(window=window, client_type=atom("WM_PROTOCOLS"),
                                             data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        for answer in ("Нет", "Да"):
            window.send_event(close, event_mask=0)
            display.flush()
            alert = wait(lambda: self.window(pyatspi.ROLE_ALERT, "На Выход"), 20, "the exit question")
            labels = [n.name for n in descendants(alert) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
            buttons = {n.name: n for n in descendants(alert) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
            check(labels == ["Вы абсолютно уверены?"] and sorted(buttons) == ["Да", "Нет"], f"exit question ({answer})",
                  f"{labels} {sorted(buttons)}")
            act(buttons[answer], "Press")
            if answer == "Нет":
                wait(lambda: not self.window(pyatspi.ROLE_ALERT, "На Выход"), 20, "the exit question to close")
                check([self.row(n) for n in range(1, 11)] == table, "answer No: the window stays, with its table")
        wait(lambda: self.process.poll() is not None, 20)
        check(self.process.poll() == 0, "answer Yes: the program ends with status 0", self.process.poll())


def experiment(args):
    x = Experiment(args)
    try:
        for step in (x.names_and_launcher, x.hidden_boxes, x.geometry_and_texts, x.measurements, x.exports,
                     x.exit_question):
            print(f"--- {step.__name__}", flush=True)
            step()
    finally:
        end(x.process)


# ---------------------------------------------------------------------------
# The runs with Orca: the program started again and used from the keyboard
# alone while Debian's screen reader Orca speaks, in Russian, then in English.

ORCA_QUIET = 0.4  # Orca has finished once its log has had no new line for this long
# Orca will not start while any other Orca of the same user runs anywhere on
# the machine (another test run, a developer's own). This one has a display
# and buses of its own, so /usr/bin/orca runs without that check, and under
# the name python3, so that no other Orca refuses to start because of it.
# It has no speech server: what it says is in its debug log all the same,
# written before a synthesizer would get it. The log is opened line-buffered,
# so that every line is there at once.
ORCA_LAUNCH = ("import sys; from orca import settings; settings.speechFactoryModules = []; "
               "settings.speechServerFactory = None; ns = {'__name__': 'orca_launcher'}; "
               "exec(compile(open('/usr/bin/orca').read(), '/usr/bin/orca', 'exec'), ns); "
               "ns['otherOrcas'] = lambda: []; ns['setProcessName'] = lambda name: None; "
               "ns['open'] = lambda name, mode: open(name, mode, buffering=1); sys.exit(ns['main']())")


def press_keys(display, *names):
    """Presses a key by its keysym name ("Tab", "KP_Enter"), or a chord
    ("Shift_L", "Tab"), through the X server (XTest): to the program and to
    Orca the same as a person's."""
    codes = [display.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
    if not all(codes):
        raise Failure(f"the X server has no key for {names}")
    for code in codes:
        xtest.fake_input(display, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(display, X.KeyRelease, code)
    display.sync()


class Orca:
    """Debian's Orca, with a HOME, XDG folders and a locale of its own in
    `folder`; its logs go to `out`. What Orca says is read from its debug
    log, the "SPEECH OUTPUT" lines."""

    def __init__(self, folder, out, locale):
        home = os.path.join(folder, "home")
        os.makedirs(home)
        os.makedirs(out, exist_ok=True)
        subprocess.run(["localedef", "-i", locale, "-f", "UTF-8", os.path.join(folder, f"{locale}.UTF-8")], check=True)
        self.env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
                        XDG_CACHE_HOME=f"{home}/.cache", LOCPATH=folder, LANG=f"{locale}.UTF-8", LC_ALL=f"{locale}.UTF-8",
                        LANGUAGE=locale[:2], GSETTINGS_BACKEND="memory")
        log = os.path.join(out, "orca-debug.log")
        open(log, "w").close()
        self.log = open(log, encoding="utf-8", errors="replace")
        self.lines = []
        self.rest = ""
        self.last_line_at = time.monotonic()
        with open(os.path.join(out, "orca.log"), "wb") as f:
            self.process = subprocess.Popen([sys.executable, "-c", ORCA_LAUNCH, "--disable=braille,braille-monitor",
                                             "--debug-file", log], env=self.env, stdout=f, stderr=subprocess.STDOUT)
        try:
            wait(lambda: self.said(0, timeout=0), 20, "Orca's first words")
        except Failure:
            end(self.process)
            raise

    def read(self):
        """The log's lines so far: those written since the last read added, a line not yet ended kept for the next."""
        *new, self.rest = (self.rest + self.log.read()).split("\n")
        if new:
            self.lines += new
            self.last_line_at = time.monotonic()
        return self.lines

    def said(self, mark, *expected, keys=0, timeout=10.0):
        """What Orca has said since the mark (a count of log lines), its utterances
        joined by " | ", once it has handled as many keys as were pressed since,
        has said every expected text and has finished (or the time is up)."""
        heard = {}

        def done():
            lines = self.read()[mark:]
            found = [re.search(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\[?\{.*\}\]?)?$", line) for line in lines]
            heard["text"] = " | ".join(m.group(1) for m in found if m)
            handled = sum(line.startswith("^^^^^ PROCESS ATSPI_KEY_RELEASED_EVENT") for line in lines)
            quiet = time.monotonic() - self.last_line_at > ORCA_QUIET
            return handled >= keys and all(text in heard["text"] for text in expected) and quiet
        wait(done, timeout)
        return heard["text"]


# What is done with the keyboard in Russian, and what Orca must say for each of it. Orca's commands
# are on the keypad; pressed twice within 0.5 s, one is a double press: a step presses each once.
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
# In English, found by its English title: the switch's state after F2, with both readings.
ENGLISH_STEPS = (
    ("F2 in English", ["F2"], ["Switch closed. Current, A: 0.105; Voltage, V: 10.98"]),
)


def orca_run(args, locale, title, steps):
    """Orca and the program under `locale`; the program's window found by its title in that
    language; each step's keys pressed, and what Orca said since the step before checked."""
    orca = Orca(os.path.join(args.work, f"orca-{locale}"), os.path.join(args.out, f"orca-{locale[:2]}"), locale)
    program = start(args, env=orca.env)
    display = args.display
    try:
        window = x_window(display, program.pid, title)  # which shows the title in the run's language

        def focus_window():
            """What a window manager does when a window appears or a message box
            over it closes: gives the main window the keyboard. True if it had to."""
            focus = display.get_input_focus().focus
            if focus not in (X.NONE, X.PointerRoot) and focus.id != display.screen().root.id:
                return False
            before = len(orca.read())
            window.set_input_focus(X.RevertToParent, X.CurrentTime)
            display.sync()
            wait(lambda: len(orca.read()) > before, 10, "Orca to see the window activated")
            return True

        mark = len(orca.read())
        for what, presses, expected in steps:
            focus_window()
            for press in presses:
                press_keys(display, *press.split("+"))
            heard = orca.said(mark, *expected, keys=sum(len(press.split("+")) for press in presses))
            if focus_window():
                heard = orca.said(mark, *expected)
            mark = len(orca.read())
            print(f"orca  {what}: {heard}", flush=True)
            check(all(text in heard for text in expected), f"Orca: {what}: says {expected}")
    finally:
        end(program)
        end(orca.process)


def main():
    # The installed launcher, the output folder, and in the scratch folder: the folder the program is started
    # from, and Orca's own HOME, settings and locale. The run's time is kept by run_e2e.sh.
    # The installed documents lie under the launcher's prefix.
    dcsim, out, work = sys.argv[1:4]
    docs = os.path.realpath(os.path.join(os.path.dirname(dcsim), "..", "share", "dcsim"))
    args = types.SimpleNamespace(dcsim=dcsim, out=out, work=work, caller=os.path.realpath(f"{work}/caller"), docs=docs,
                                 display=xdisplay.Display())
    started = time.monotonic()
    # The pointer away from the windows: no hover effects, no tooltips.
    screen = args.display.screen()
    screen.root.warp_pointer(screen.width_in_pixels - 1, 0)
    args.display.sync()
    runs = ((experiment,), (orca_run, "ru_RU", TITLE, ORCA_STEPS), (orca_run, "en_US", TITLE_EN, ENGLISH_STEPS))
    for run, *how in runs:
        try:
            run(args, *how)
        except Failure as failure:
            check(False, "the run went on to its end", str(failure))
    print(f"{len(failures)} checks failed, in {time.monotonic() - started:.1f} s; screenshots in {out}", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
