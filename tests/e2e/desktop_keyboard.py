#!/usr/bin/env python3
"""The real desktop program on its own X server, driven only by keystrokes from outside.

Enters inputs, calculates, changes the chart's site class and saves through Qt's own file
dialog, then checks the saved bytes against gb18306-cli for the same inputs. A rejected text must
bring up the error box titled with the application title, after which the program still
calculates and saves. Then the exports: the calculation sheet by Ctrl+E, the chart image through
the menu 文件 opened with the mouse, and through the chart's context menu opened by a right click.
Ends with the Close button and exit code 0.

Needs Xvfb and xdotool; exits 77 (skipped) when either is missing.
"""

import argparse
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

MAIN_TITLE = "RI 18306-2015《zezevire》 zidazov (by Varnelo)"
BOX_TITLE = "gb18306"  # the application title, from the executable's name
SAVE_TITLE = "Save As"
WAIT = 30.0  # seconds for any one window or focus change; generous for sanitizer builds
SKIP = 77


class Failure(Exception):
    pass


def log(message):
    print(message, flush=True)


def wait_until(what, probe, timeout=WAIT):
    """Polls probe() until it returns something truthy; fails naming `what` after `timeout`."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)


class XServer:
    """An Xvfb on the first free display number, which it reports itself (-displayfd)."""

    def __init__(self, work):
        read_end, write_end = os.pipe()
        self.log_path = os.path.join(work, "xvfb.log")
        with open(self.log_path, "wb") as xlog:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=xlog, stderr=subprocess.STDOUT,
                start_new_session=True)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + WAIT
        while not number.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(remaining, 0))
            if not ready:
                self.stop()
                raise Failure("Xvfb did not report a display number")
            chunk = os.read(read_end, 64)
            if not chunk:
                self.stop()
                raise Failure("Xvfb exited: " + open(self.log_path, errors="replace").read())
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class Desktop:
    """The program under test and the xdotool calls that drive and observe it."""

    timeout = WAIT  # for a window to appear or close

    def __init__(self, program, display, work, locale="C.UTF-8"):
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "XDG_", "GNOME_", "KDE_", "DESKTOP_SESSION",
                                         "WAYLAND_"))}
        self.env.pop("LANGUAGE", None)
        runtime = os.path.join(work, "runtime-" + locale)
        os.mkdir(runtime, 0o700)
        self.env.update({
            "DISPLAY": display,
            "QT_QPA_PLATFORM": "xcb",
            # No platform theme: the file dialog is Qt's own widget dialog, never a GTK one.
            "QT_QPA_PLATFORMTHEME": "",
            "LC_ALL": locale,
            "XDG_RUNTIME_DIR": runtime,
        })
        self.output_path = os.path.join(work, f"program-{locale}.log")
        with open(self.output_path, "wb") as output:
            self.process = subprocess.Popen([program], env=self.env, stdout=output,
                                            stderr=subprocess.STDOUT, cwd=work)
        self.main = None

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                                timeout=WAIT)
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout.strip()

    def alive(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with status {self.process.returncode}:\n"
                          + self.output())
        return True

    def output(self):
        with open(self.output_path, errors="replace") as f:
            return f.read()

    def windows(self):
        """The program's visible top-level windows as {id: title}."""
        self.alive()
        ids = self.xdotool("search", "--onlyvisible", "--pid", str(self.process.pid), check=False)
        found = {}
        for wid in ids.split():
            name = self.xdotool("getwindowname", wid, check=False)
            found[int(wid)] = name
        return found

    def focused(self):
        out = self.xdotool("getwindowfocus", "-f", check=False)
        return int(out) if out.isdigit() else None

    def wait_window(self, title):
        def probe():
            for wid, name in self.windows().items():
                if name == title and wid != self.main:
                    return wid
            return None
        return wait_until(f'a window titled "{title}"', probe, self.timeout)

    def wait_gone(self, wid, what):
        wait_until(f"{what} to close", lambda: wid not in self.windows(), self.timeout)

    def wait_focus(self, wid, what):
        wait_until(f"{what} to have the keyboard focus", lambda: self.focused() == wid)

    def refocus_main(self):
        """What a window manager does when a box closes: the main window gets the focus back.
        Xvfb has none, and the X server itself hands the focus to the root window."""
        self.xdotool("windowfocus", "--sync", str(self.main))
        self.wait_focus(self.main, "the main window")

    def only_main_window(self):
        others = {w: n for w, n in self.windows().items() if w != self.main}
        if others:
            raise Failure(f"unexpected windows: {others}")

    def key(self, *keys):
        self.alive()
        self.xdotool("key", "--delay", "25", *keys)

    def tab(self, count):
        if count:
            self.key(*(["Tab"] * count))

    def back_tab(self, count):
        if count:
            self.key(*(["shift+Tab"] * count))

    def type_into_focused(self, text):
        """Replaces the focused edit's text."""
        self.key("ctrl+a")
        self.xdotool("type", "--delay", "25", "--", text)


# Positions in the window's tab order.
ORDER = ["cbb1", "cbb2", "edt1", "edt2", "edt3", "edt4", "edt5", "edt6", "strngrd1", "strngrd2",
         "strngrd3", "cht2", "cbb3", "btn3", "btn4", "btn1", "btn2"]
PGA_ITEMS = ["0.05", "0.10", "0.15", "0.20", "0.30", "0.40"]
ZONE_ITEMS = ["0.35", "0.40", "0.45"]
SITE_ITEMS = ["I0", "I1", "II", "III", "IV"]
EDITS = {"edt1": "--k1", "edt2": "--k2", "edt3": "--k3", "edt4": "--rare-tg-increment",
         "edt5": "--very-rare-tg-increment", "edt6": "--beta-max"}


class Session:
    """Keeps track of which control has the focus, so every move is a count of Tab presses."""

    def __init__(self, desktop):
        self.d = desktop
        self.at = "cbb1"  # the first control in tab order has the focus at start

    def go(self, control):
        here, there = ORDER.index(self.at), ORDER.index(control)
        if there > here:
            self.d.tab(there - here)
        else:
            self.d.back_tab(here - there)
        self.at = control

    def choose(self, combo, steps):
        """Moves a drop-down list's selection with the arrow keys, without opening it."""
        self.go(combo)
        self.d.key(*(["Down" if steps > 0 else "Up"] * abs(steps)))

    def enter(self, edit, text):
        self.go(edit)
        self.d.type_into_focused(text)

    def press(self, button, key="space"):
        """Space, Return and the keypad's Enter all press the focused button."""
        self.go(button)
        self.d.key(key)

    def save_as(self, path):
        """Save data through the real dialog; returns once the notice is dismissed."""
        self.press("btn3")
        self.answer_save_dialog(path)

    def answer_save_dialog(self, path):
        """Types a full path into the save dialog that is opening and confirms the notice."""
        dialog = self.d.wait_window(SAVE_TITLE)
        self.d.wait_focus(dialog, "the save dialog")
        # The file-name field has the focus; a full path takes the dialog to its folder.
        self.d.type_into_focused(path)
        self.d.key("Return")
        self.d.wait_gone(dialog, "the save dialog")
        notice = self.d.wait_window(BOX_TITLE)
        self.d.wait_focus(notice, "the notice")
        self.d.key("Return")
        self.d.wait_gone(notice, "the notice")
        self.d.refocus_main()

    def click(self, x, y, button=1):
        """A click at (x, y) of the main window."""
        self.d.xdotool("mousemove", "--window", str(self.d.main), str(x), str(y))
        self.d.xdotool("click", str(button))

    def expect_error_box(self):
        box = self.d.wait_window(BOX_TITLE)
        self.d.wait_focus(box, "the error box")
        self.d.key("Return")
        self.d.wait_gone(box, "the error box")
        self.d.refocus_main()


# What both windows' tests enter first, from the designed start: calculated, then the chart
# turned to site class III.
FIRST_INPUTS = {"pga": "0.20", "zone": "0.40", "edt1": "3.1", "edt2": "2.0", "edt3": "0.35",
                "edt4": "0.1", "edt5": "-0.02", "edt6": "2.25"}


def calculate_first_inputs(s):
    s.choose("cbb1", PGA_ITEMS.index(FIRST_INPUTS["pga"]))
    s.choose("cbb2", ZONE_ITEMS.index(FIRST_INPUTS["zone"]))
    for edit in EDITS:
        s.enter(edit, FIRST_INPUTS[edit])
    s.press("btn2")
    s.choose("cbb3", SITE_ITEMS.index("III") - SITE_ITEMS.index("II"))


def cli_report(cli, work, inputs, site, name, options=()):
    """The report gb18306-cli writes for the window's `inputs`, with any further `options`."""
    path = os.path.join(work, name)
    args = [cli, "--pga", inputs["pga"], "--zone", inputs["zone"], "--site", site,
            *options, "--report", path]
    for edit, option in EDITS.items():
        args.append(f"{option}={inputs[edit]}")
    env = dict(os.environ, LC_ALL="C.UTF-8")
    result = subprocess.run(args, env=env, capture_output=True, text=True, timeout=WAIT)
    if result.returncode != 0:
        raise Failure(f"gb18306-cli failed ({result.returncode}): {result.stderr}")
    with open(path, "rb") as f:
        return f.read()


def read(path):
    if not os.path.exists(path):
        raise Failure(f"{path} was not written")
    with open(path, "rb") as f:
        return f.read()


def compare(saved_path, expected, what):
    saved = read(saved_path)
    if saved != expected:
        for number, (a, b) in enumerate(zip(saved.split(b"\r\n"), expected.split(b"\r\n")), 1):
            if a != b:
                raise Failure(f"{what}: line {number} is {a!r}, gb18306-cli wrote {b!r}")
        raise Failure(f"{what}: {len(saved)} bytes, gb18306-cli wrote {len(expected)}")
    lines = saved.count(b"\r\n")
    if lines != 273:
        raise Failure(f"{what}: {lines} lines instead of 273")
    log(f"ok: {what}: {len(saved)} bytes, same as gb18306-cli")


def run(program, cli, work):
    server = XServer(work)
    desktop = None
    try:
        log(f"Xvfb on {server.display}")
        desktop = Desktop(program, server.display, work)
        d = desktop
        d.main = wait_until("the main window", lambda: next(iter(d.windows()), None))
        title = d.windows()[d.main]
        if title != MAIN_TITLE:
            raise Failure(f"window title {title!r}, expected {MAIN_TITLE!r}")
        log(f"ok: main window titled {title}")
        d.refocus_main()

        s = Session(d)
        inputs = FIRST_INPUTS
        calculate_first_inputs(s)
        first = os.path.join(work, "first.csv")
        s.save_as(first)
        d.only_main_window()
        compare(first, cli_report(cli, work, inputs, "III", "cli-first.csv"),
                "report after Calculate and site class III")
        first_bytes = read(first)

        s.enter("edt2", "abc")
        s.press("btn2")
        s.expect_error_box()
        d.only_main_window()
        log(f'ok: K2 "abc" showed the "{BOX_TITLE}" box; the program goes on')

        inputs["edt2"] = "1.7"
        s.enter("edt2", inputs["edt2"])
        s.press("btn2", "Return")
        s.choose("cbb3", SITE_ITEMS.index("I1") - SITE_ITEMS.index("III"))
        second = os.path.join(work, "second.csv")
        s.save_as(second)
        compare(second, cli_report(cli, work, inputs, "I1", "cli-second.csv"),
                "report after the error box, K2 1.7 and site class I1")
        if read(first) != first_bytes:
            raise Failure("the first report changed")

        # The calculation sheet by its shortcut, from wherever the focus is.
        sheet = os.path.join(work, "sheet.pdf")
        d.key("ctrl+e")
        # First the names the sheet prints: the project's field has the focus, Tab to the site's.
        names = d.wait_window("计算书")
        d.wait_focus(names, "the names dialog")
        d.type_into_focused("Line 7")
        d.key("Tab")
        d.type_into_focused("K12+300")
        d.key("Return")
        d.wait_gone(names, "the names dialog")
        s.answer_save_dialog(sheet)
        if not read(sheet).startswith(b"%PDF-"):
            raise Failure("Ctrl+E wrote no PDF")
        if shutil.which("pdftotext"):
            text = subprocess.run(["pdftotext", "-enc", "UTF-8", sheet, "-"], capture_output=True,
                                  text=True, timeout=WAIT).stdout
            if ("设计反应谱（场地类别 I1）" not in text or "输入参数" not in text
                    or "Line 7" not in text or "K12+300" not in text):
                raise Failure("the sheet does not read back as the window's: " + text[:400])
        log("ok: Ctrl+E asked for the names and wrote the calculation sheet of site class I1")

        # 文件 opened with the mouse, its fourth item (导出反应谱图…) chosen with the keys.
        s.click(20, 10)
        d.key("Down", "Down", "Down", "Down", "Return")
        svg = os.path.join(work, "chart.svg")
        s.answer_save_dialog(svg)
        if b"<svg" not in read(svg):
            raise Failure("文件 → 导出反应谱图… wrote no SVG")
        log("ok: 文件 → 导出反应谱图… wrote the chart as SVG")

        # A right click in the middle of the chart: its menu; 保存图像… is the second item.
        s.click(8 + 2 + 224, 268 + 40 + 99 + 25, button=3)
        d.key("Down", "Down", "Return")
        png = os.path.join(work, "chart.png")
        s.answer_save_dialog(png)
        if not read(png).startswith(b"\x89PNG"):
            raise Failure("the chart's 保存图像… wrote no PNG")
        log("ok: the chart's context menu saved the chart as PNG")
        d.only_main_window()
        s.at = "cht2"  # the right click gave the chart the focus

        s.press("btn4", "KP_Enter")
        try:
            status = d.process.wait(WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Close") from None
        if status != 0:
            raise Failure(f"the program ended with status {status}:\n" + d.output())
        log("ok: Close (keypad Enter) ended the program with status 0")
        leftovers = sorted(n for n in os.listdir(work) if n.startswith(".gb18306-"))
        if leftovers:
            raise Failure(f"temporary files left behind: {leftovers}")
        desktop = None
        run_chinese(program, server.display, work)
    finally:
        if desktop is not None and desktop.process.poll() is None:
            desktop.process.send_signal(signal.SIGKILL)
            desktop.process.wait()
        server.stop()


def run_chinese(program, display, work):
    """Under a Chinese locale the system's save dialog speaks Chinese; Return opens it."""
    d = Desktop(program, display, work, "zh_CN.UTF-8")
    try:
        d.main = wait_until("the main window", lambda: next(iter(d.windows()), None))
        d.refocus_main()
        s = Session(d)
        s.press("btn3", "Return")
        dialog = wait_until("the save dialog",
                            lambda: next((w for w in d.windows() if w != d.main), None))
        title = d.windows()[dialog]
        if title == SAVE_TITLE or not any("\u4e00" <= c <= "\u9fff" for c in title):
            raise Failure(f"save dialog under zh_CN.UTF-8 titled {title!r}, not in Chinese")
        log(f"ok: under zh_CN.UTF-8 the save dialog is titled {title}")
        d.wait_focus(dialog, "the save dialog")
        d.key("Escape")
        d.wait_gone(dialog, "the save dialog")
        d.refocus_main()
        s.press("btn4", "Return")
        try:
            status = d.process.wait(WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Return on Close") from None
        if status != 0:
            raise Failure(f"the program ended with status {status}")
    finally:
        if d.process.poll() is None:
            d.process.send_signal(signal.SIGKILL)
            d.process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--cli", required=True)
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            log(f"skipped: {tool} is not installed")
            return SKIP
    with tempfile.TemporaryDirectory(prefix="gb-e2e-") as work:
        started = time.monotonic()
        try:
            run(os.path.abspath(args.program), os.path.abspath(args.cli), work)
        except Failure as failure:
            log(f"FAIL: {failure}")
            for name in sorted(os.listdir(work)):
                if name.startswith("program-") and name.endswith(".log"):
                    log(f"{name}:\n" + open(os.path.join(work, name), errors="replace").read())
            return 1
        log(f"passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
