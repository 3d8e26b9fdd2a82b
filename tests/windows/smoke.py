#!/usr/bin/python3
"""The Windows setup program under Wine, as a teacher would use it.

    smoke.py <setup.exe> <scratch folder>

Installs silently into a fresh Wine prefix of a Russian desktop (its
ru_RU.UTF-8 locale built in the scratch folder), in an X server of its own,
starts the installed program in its folder (as its shortcut does) on Qt's
windows platform, checks the client area's place and size, presses F2 and
sees the meters' readings and the key's blade change on the screen, closes
the window and answers the exit question Yes. The program loaded every DLL
installed beside it and no other. The last screenshot of the whole window is
kept as window.png in the scratch folder.

Then installs again, as an administrator moving it: /D into a folder whose
name has a space and Russian letters; the Start menu's shortcut and the entry
in "Apps & features" follow it. Started from elsewhere, the program opens its
instruction from there. The uninstaller left in Program Files removes that
folder alone; the one "Apps & features" names removes the new folder, its
shortcut and entry: nothing is left behind.
"""

import os
import re
import shutil
import subprocess
import sys
import time

from PIL import ImageGrab
from Xlib import X, XK, display as xdisplay
from Xlib.error import BadWindow
from Xlib.ext import xtest

CLIENT_W, CLIENT_H = 549, 439
WINDOW_AT = (71, 255)
AMMETER = (8, 112, 58, 136)  # its canvas, in client pixels
MOVED_TO = r"C:\Кабинет физики"  # where an administrator puts it with /D
setup, scratch = sys.argv[1], os.path.abspath(sys.argv[2])
shutil.rmtree(scratch, ignore_errors=True)
os.makedirs(scratch)
prefix = os.path.join(scratch, "prefix")
folder = os.path.join(prefix, "drive_c", "Program Files", "dcsim")
moved = os.path.join(prefix, "drive_c", MOVED_TO[3:])
uninstall_key = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\dcsim"
shortcuts = os.path.join(prefix, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs")


def wait(probe, what, timeout=60.0):
    deadline = time.monotonic() + timeout
    while not (seen := probe()):
        if time.monotonic() > deadline:
            sys.exit(f"FAIL  timed out waiting for {what}")
        time.sleep(0.2)
    return seen


def check(ok, what):
    print(f"ok    {what}" if ok else f"FAIL  {what}", flush=True)
    if not ok:
        sys.exit(1)


# A Russian desktop: Wine takes its language and the code page of file names
# and command lines from the locale, which need not be installed here.
subprocess.run(["localedef", "-i", "ru_RU", "-f", "UTF-8", os.path.join(scratch, "ru_RU.UTF-8")], check=True)
xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.PIPE)
os.environ.update(DISPLAY=":" + xvfb.stdout.readline().decode().strip(), WINEPREFIX=prefix, WINEARCH="win64",
                  LOCPATH=scratch, LANG="ru_RU.UTF-8", LC_ALL="ru_RU.UTF-8",
                  WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
screen = xdisplay.Display()


def wine(*arguments, **options):
    return subprocess.run(["wine", *arguments], capture_output=True, text=True, errors="replace", **options)


def installed_files(root):
    return sorted(os.path.relpath(os.path.join(d, f), root) for d, _, fs in os.walk(root) for f in fs)


def entry():
    """The values of the setup's entry in "Apps & features", {} without one."""
    if wine("reg", "export", uninstall_key, "entry.reg", "/y", cwd=scratch).returncode != 0:
        return {}
    text = open(os.path.join(scratch, "entry.reg"), encoding="utf-16").read()
    return {name: re.sub(r"\\(.)", r"\1", value) for name, value in re.findall(r'^"(.+?)"="(.*)"$', text, re.M)}


def press(*names):
    codes = [screen.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
    for code in codes:
        xtest.fake_input(screen, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(screen, X.KeyRelease, code)
    screen.sync()


def viewable():
    shown = []
    for window in screen.screen().root.query_tree().children:
        try:
            if window.get_attributes().map_state == X.IsViewable:
                shown.append(window)
        except BadWindow:  # destroyed meanwhile, as a closing program's windows are
            pass
    return shown


def dcsim_window():
    """The program's window, with the designed client area below its menu bar."""
    for window in viewable():
        geometry = window.get_geometry()
        if geometry.width == CLIENT_W and CLIENT_H < geometry.height < CLIENT_H + 40:
            return window
    return None


def title(window):
    name = window.get_full_property(screen.intern_atom("_NET_WM_NAME"), 0)
    return name.value.decode() if name else ""


def client_area():
    left, top = WINDOW_AT
    return ImageGrab.grab((left, top, left + CLIENT_W, top + CLIENT_H))


def green(image):
    return sum(1 for r, g, b in image.getdata() if g > 200 and r < 100 and b < 100)


def close(program):
    """Alt+F4 and Return (Yes) to the exit question: True when the program ends with status 0."""
    left, top = WINDOW_AT
    # A click on the menu bar, right of its menus, makes the window the active one again.
    xtest.fake_input(screen, X.MotionNotify, x=left + 400, y=top - 9)
    xtest.fake_input(screen, X.ButtonPress, 1)
    xtest.fake_input(screen, X.ButtonRelease, 1)
    xtest.fake_input(screen, X.MotionNotify, x=left + 200, y=top + 300)  # keys go where the pointer is
    shown = {w.id for w in viewable()}
    press("Alt_L", "F4")
    question = wait(lambda: [w for w in viewable() if w.id not in shown], "the exit question")[0]
    wait(lambda: question.get_image(0, 0, 8, 8, X.ZPixmap, 0xFFFFFF).data.strip(b"\0"), "the question drawn")
    press("Return")
    return program.wait(30) == 0


try:
    wine("wineboot", "-i")
    wine("winecfg", "-v", "win10")  # Qt 6 needs Windows 10
    wine(setup, "/S")
    subprocess.run(["wineserver", "-w"])
    installed = installed_files(folder)
    check({"dcsim.exe", "uninstall.exe", "spravka1.pdf", "instruction.txt", "example-task.ini",
           os.path.join("platforms", "qwindows.dll")} <= set(installed), "installed into Program Files")
    links = [name for name in os.listdir(shortcuts) if "dcsim" in name]
    check(len(links) == 1, "a shortcut in the Start menu")
    shortcut = os.path.join(shortcuts, links[0])
    check(entry().get("InstallLocation") == r"C:\Program Files\dcsim", "listed in Apps & features")

    # Started in its folder, as by the shortcut, noting every DLL it loads.
    log = open(os.path.join(scratch, "dcsim.log"), "w")
    program = subprocess.Popen(["wine", "dcsim.exe"], cwd=folder, stdout=log, stderr=subprocess.STDOUT,
                               env=dict(os.environ, WINEDEBUG="+loaddll"))
    window = wait(dcsim_window, "the window")
    corner = window.translate_coords(screen.screen().root, 0, 0)
    check((-corner.x, -corner.y + window.get_geometry().height - CLIENT_H) == WINDOW_AT,
          f"the client area {CLIENT_W} x {CLIENT_H} at {WINDOW_AT}")
    left, top = WINDOW_AT
    xtest.fake_input(screen, X.MotionNotify, x=left + 200, y=top + 300)  # keys go where the pointer is
    before = wait(lambda: green(client_area().crop(AMMETER)) > 20 and client_area(), "the meters drawn")
    press("F2")
    after = wait(lambda: (shot := client_area()).crop(AMMETER) != before.crop(AMMETER) and shot,
                 "the ammeter's new reading", 10)
    geometry = window.get_geometry()
    ImageGrab.grab((-corner.x, -corner.y, geometry.width - corner.x, geometry.height - corner.y)).save(
        os.path.join(scratch, "window.png"))
    blade = [after.getpixel((280, y)) for y in range(102, 118)]
    check(green(after.crop(AMMETER)) > 20 and all(sum(p) < 100 for p in blade),
          "F2: the ammeter shows a new reading, the key's blade stands upright")

    check(close(program), "Alt+F4 and Return (Yes): the program ends with status 0")
    log.close()
    loaded = set(re.findall(r'Loaded L"C:\\\\Program Files\\\\dcsim\\\\([^"]+\.dll)"', open(log.name).read()))
    dlls = {name.replace(os.sep, "\\\\") for name in installed if name.endswith(".dll")}
    check({n.lower() for n in loaded} == {n.lower() for n in dlls}, f"it loaded the {len(dlls)} DLLs beside it and no other")

    # /D, the last option, is read to the end of the command line, spaces
    # and all, as an administrator types it: Wine joins the arguments with
    # spaces and quotes none of them.
    wine(setup, "/S", "/AllUsers", *f"/D={MOVED_TO}".split(" "))
    subprocess.run(["wineserver", "-w"])
    check(installed_files(moved) == installed, f"/D: installed into {MOVED_TO}")
    with open(shortcut, "rb") as link:
        check(f"{MOVED_TO}\\dcsim.exe".encode("utf-16-le") in link.read(), "its shortcut starts it there")
    check(entry().get("InstallLocation") == MOVED_TO, "Apps & features names that folder")

    # Started from elsewhere, it opens its instruction from its own folder in
    # Notepad, which names the file in its title once it has read it (an
    # untitled page and an error box when there is none).
    program = subprocess.Popen(["wine", f"{MOVED_TO}\\dcsim.exe"], cwd=scratch, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    wait(dcsim_window, "the window")
    xtest.fake_input(screen, X.MotionNotify, x=left + 200, y=top + 300)
    shown = {w.id for w in viewable()}
    press("Alt_L")  # the menu bar, then Help and its first item
    for key in ("Right", "Return", "Return"):
        time.sleep(0.5)
        press(key)
    notepad = wait(lambda: [w for w in viewable() if w.id not in shown and title(w).startswith("instruction.txt")],
                   "Notepad with the instruction", 20)[0]
    check(title(notepad) == "instruction.txt - Блокнот", "Help > Instruction: Notepad shows the instruction beside it")
    notepad_at = notepad.translate_coords(screen.screen().root, 0, 0)
    xtest.fake_input(screen, X.MotionNotify, x=40 - notepad_at.x, y=40 - notepad_at.y)
    press("Alt_L", "F4")
    wait(lambda: notepad.id not in {w.id for w in viewable()}, "Notepad closed")
    check(close(program), "Notepad and the program closed")

    # The copy left in Program Files: its uninstaller removes that folder and
    # leaves the shortcut and the entry to the installation they name.
    wine(r"C:\Program Files\dcsim\uninstall.exe", "/S")
    subprocess.run(["wineserver", "-w"])
    check(not os.path.exists(folder) and installed_files(moved) == installed and os.path.exists(shortcut)
          and entry().get("InstallLocation") == MOVED_TO, "the old folder's uninstaller removes that folder alone")

    # The uninstaller that "Apps & features" runs.
    command = re.fullmatch(r'"(.+)" (.*)', entry()["QuietUninstallString"])
    wine(command[1], *command[2].split())
    subprocess.run(["wineserver", "-w"])
    check(not os.path.exists(moved) and not os.path.exists(shortcut) and entry() == {},
          "the uninstaller in Apps & features leaves nothing behind")
finally:
    subprocess.run(["wineserver", "-k"])
    xvfb.terminate()
