#!/usr/bin/python3
"""The Windows setup program under Wine, as a teacher would use it.

    smoke.py <setup.exe> <scratch folder>

Installs silently into a fresh Wine prefix of a Russian desktop (its
ru_RU.UTF-8 locale built in the scratch folder), in an X server of its own,
starts the installed program in its folder (as its shortcut does) on Qt's
windows platform, checks the client area's place and size, presses F2 and
sees the meters' readings and the key's blade change on the screen, closes
the window and answers the exit question Yes. The program loaded every DLL
installed beside it and no other; the uninstaller leaves nothing behind. The
last screenshot of the whole window is kept as window.png in the scratch
folder.
"""

import os
import re
import shutil
import subprocess
import sys
import time

from PIL import ImageGrab
from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

CLIENT_W, CLIENT_H = 549, 439
WINDOW_AT = (71, 255)
AMMETER = (8, 112, 58, 136)  # its canvas, in client pixels
setup, scratch = sys.argv[1], os.path.abspath(sys.argv[2])
shutil.rmtree(scratch, ignore_errors=True)
os.makedirs(scratch)
prefix = os.path.join(scratch, "prefix")
folder = os.path.join(prefix, "drive_c", "Program Files", "dcsim")
uninstall_key = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\dcsim"


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


def press(*names):
    codes = [screen.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
    for code in codes:
        xtest.fake_input(screen, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(screen, X.KeyRelease, code)
    screen.sync()


def viewable():
    return [w for w in screen.screen().root.query_tree().children if w.get_attributes().map_state == X.IsViewable]


def dcsim_window():
    """The program's window, with the designed client area below its menu bar."""
    for window in viewable():
        geometry = window.get_geometry()
        if geometry.width == CLIENT_W and CLIENT_H < geometry.height < CLIENT_H + 40:
            return window
    return None


def client_area():
    left, top = WINDOW_AT
    return ImageGrab.grab((left, top, left + CLIENT_W, top + CLIENT_H))


def green(image):
    return sum(1 for r, g, b in image.getdata() if g > 200 and r < 100 and b < 100)


try:
    wine("wineboot", "-i")
    wine("winecfg", "-v", "win10")  # Qt 6 needs Windows 10
    wine(setup, "/S")
    subprocess.run(["wineserver", "-w"])
    installed = sorted(os.path.relpath(os.path.join(d, f), folder) for d, _, fs in os.walk(folder) for f in fs)
    check({"dcsim.exe", "uninstall.exe", "spravka1.pdf", "instruction.txt", "example-task.ini",
           os.path.join("platforms", "qwindows.dll")} <= set(installed), "installed into Program Files")
    shortcuts = os.path.join(prefix, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs")
    check(any("dcsim" in name for name in os.listdir(shortcuts)), "a shortcut in the Start menu")
    check("InstallLocation" in wine("reg", "query", uninstall_key).stdout, "listed in Apps & features")

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

    shown = {w.id for w in viewable()}
    press("Alt_L", "F4")
    question = wait(lambda: [w for w in viewable() if w.id not in shown], "the exit question")[0]
    wait(lambda: question.get_image(0, 0, 8, 8, X.ZPixmap, 0xFFFFFF).data.strip(b"\0"), "the question drawn")
    press("Return")
    check(program.wait(30) == 0, "Alt+F4 and Return (Yes): the program ends with status 0")
    log.close()
    loaded = set(re.findall(r'Loaded L"C:\\\\Program Files\\\\dcsim\\\\([^"]+\.dll)"', open(log.name).read()))
    dlls = {name.replace(os.sep, "\\\\") for name in installed if name.endswith(".dll")}
    check({n.lower() for n in loaded} == {n.lower() for n in dlls}, f"it loaded the {len(dlls)} DLLs beside it and no other")

    wine(r"C:\Program Files\dcsim\uninstall.exe", "/S")
    subprocess.run(["wineserver", "-w"])
    check(not os.path.exists(folder) and not any("dcsim" in name for name in os.listdir(shortcuts))
          and wine("reg", "query", uninstall_key).returncode != 0, "the uninstaller leaves nothing behind")
finally:
    subprocess.run(["wineserver", "-k"])
    xvfb.terminate()
