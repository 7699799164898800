"""One run of kotopai.exe under Wine's virtual desktop, driven from outside with
real pointer and key input (xdotool), as a player would."""
import os
import shutil
import subprocess
import time

from screen import DPI, ROOT, Shot

DESKTOP = "kotopai"
DESKTOP_SIZE = (1024 * DPI // 96, 768 * DPI // 96)
# The tests' prefix, or the one of the DPI asked for (scripts/dpi-env.sh).
PREFIX = os.path.join(ROOT, "build", "wineprefix" if DPI == 96 else "wineprefix-dpi%d" % DPI)
WINDOW_POS = (40, 40)


def start_xvfb(screen):
    """An X server of the session's own, and its display. The server takes a free
    display number itself and tells it once it takes connections: a number found free
    by a look at /tmp may be taken by a session starting at the same moment, whose
    server would then serve both, its desktop over this one's, its game in this one's
    clicks and screenshots."""
    told, tell = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(tell), "-screen", "0", screen,
                               "-nolisten", "tcp"], pass_fds=(tell,), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    os.close(tell)
    with os.fdopen(told) as said:
        number = said.readline().strip()
    if not number:
        server.wait()
        raise RuntimeError("Xvfb did not start")
    return ":" + number, server


class Session:
    def __init__(self, app_dir, visible=False, wrapper=(), path_first=None):
        """wrapper: a command that every Wine program of the session runs under;
        path_first: a folder searched first for the host's programs (a stand-in opener)."""
        self.app_dir = app_dir
        self.wrapper = list(wrapper)
        self.xvfb = None
        if visible and os.environ.get("DISPLAY"):
            self.display = os.environ["DISPLAY"]
        else:
            self.display, self.xvfb = start_xvfb("%dx%dx24" % (DESKTOP_SIZE[0] + 256,
                                                              DESKTOP_SIZE[1] + 256))
        self.env = dict(os.environ, DISPLAY=self.display, WINEPREFIX=PREFIX)
        if path_first:
            self.env["PATH"] = path_first + os.pathsep + self.env.get("PATH", "")
        self.game = None
        self.window = None

    # --- the program -------------------------------------------------------------
    def start(self):
        # A Wine server left running would serve this session with its own rights.
        self.stop_wine()
        subprocess.run(self.wrapper + ["bash", "-c", 'dpi=%d; source "$0"' % DPI,
                                       os.path.join(ROOT, "scripts", "dpi-env.sh")]
                       if DPI != 96 else [os.path.join(ROOT, "scripts", "wine-prefix.sh")], check=True,
                       env=self.env)
        self.started_at = time.monotonic()
        self.game = subprocess.Popen(
            self.wrapper + [os.path.join(ROOT, "scripts", "wine-run"), "explorer",
             "/desktop=%s,%dx%d" % ((DESKTOP,) + DESKTOP_SIZE), "kotopai.exe"],
            cwd=self.app_dir, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--name", "Wine desktop"], env=self.env,
                                   capture_output=True, text=True).stdout.split()
            if found:
                self.window = int(found[-1])
                return
            time.sleep(0.2)
        raise RuntimeError("the Wine desktop did not appear")

    def wait_exit(self, seconds=30):
        try:
            self.game.wait(seconds)
            return True
        except subprocess.TimeoutExpired:
            return False

    def stop_wine(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)

    def stop(self):
        if self.game and self.game.poll() is None:
            self.game.kill()
        self.stop_wine()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()

    # --- eyes and hands ----------------------------------------------------------
    def shot(self):
        return Shot(self.window, self.display)

    def click(self, x, y, button=1):
        subprocess.run(["xdotool", "mousemove", "--window", str(self.window), str(x), str(y),
                        "click", str(button)], env=self.env, check=True)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys), env=self.env, check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=self.env, check=True)


def prepare_app_dir(win_build, target, ini_text):
    """A fresh folder with the program, its sounds and help, and a settings file."""
    shutil.rmtree(target, ignore_errors=True)
    os.makedirs(target)
    shutil.copy(os.path.join(win_build, "kotopai.exe"), target)
    for name in os.listdir(win_build):
        if name.endswith(".wav"):
            shutil.copy(os.path.join(win_build, name), target)
    if os.path.isdir(os.path.join(win_build, "help")):
        shutil.copytree(os.path.join(win_build, "help"), os.path.join(target, "help"))
    if ini_text is not None:
        with open(os.path.join(target, "kotopai.ini"), "w", newline="\r\n") as f:
            f.write(ini_text)


def stand_in_opener(folder):
    """An xdg-open of the test's own in folder, which only writes down what it was
    asked to open, in folder/opened.txt; returns that file's path."""
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    script = os.path.join(folder, "xdg-open")
    with open(script, "w") as f:
        f.write('#!/bin/sh\nprintf \'%s\\n\' "$*" >> "$(dirname "$0")/opened.txt"\n')
    os.chmod(script, 0o755)
    return os.path.join(folder, "opened.txt")


def read_ini(path):
    """The settings file as {section: {key: value}} (Shift-JIS text)."""
    sections, current = {}, None
    with open(path, "rb") as f:
        for raw in f.read().decode("cp932", errors="replace").splitlines():
            line = raw.strip()
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1], {})
            elif "=" in line and current is not None:
                key, value = line.split("=", 1)
                current[key] = value
    return sections
