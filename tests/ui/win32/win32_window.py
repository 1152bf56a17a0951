#!/usr/bin/env python3
"""The Windows window (gb18306.exe) under Wine on its own Xvfb display, driven by keystrokes.

Under LANG=zh_CN.UTF-8 (Wine's code page 936): the first focus and the tab cycle, inputs entered
and calculated, the chart's site class changed, Save data by keyboard through the system's save
dialog, the saved GBK report compared with gb18306-cli's bytes for the same inputs; the chart
saved as PNG from its context menu (a right click); 文件 → 批量计算… with the window's factors,
its results compared with gb18306-cli's batch; Ctrl+P asking for the sheet's names and Escape
printing nothing; a rejected text and its error box captioned with the application title; the
About box from the menu; Close and exit code 0; and under a decimal comma (de_DE) the start-up
error box and exit code 0. Screenshots of the window, the names dialog, the error box and the
About box are kept in the screenshot folder for review.

Usage: win32_window.py GB18306_EXE LINUX_CLI WINE_PREFIX SCREENSHOT_DIR
Needs Xvfb, xdotool and ImageMagick's import; exits 77 (skipped) when one is missing.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "e2e"))
from desktop_keyboard import (EDITS, FIRST_INPUTS, ORDER, Desktop, Failure,  # noqa: E402
                              XServer, calculate_first_inputs, cli_report, log, read,
                              wait_until)

MAIN_TITLE = "RI 18306-2015《zezevire》 zidazov (by Varnelo)"
BOX_TITLE = "gb18306"  # the application title, from the executable's name
SHEET_NAMES_TITLE = "计算书"
SPECTRUM_FILE_TITLE = "导出反应谱函数"
ABOUT_TITLE = "关于 RI 18306-2015《zezevire》 zidazov"
WAIT = 60.0
SKIP = 77


class WineDesktop(Desktop):
    """The Linux test's driver, with the program started by Wine. Wine's windows belong to its
    own processes, so they are found by their titles rather than by the program's process."""

    timeout = WAIT

    def __init__(self, program, display, prefix, work, locale="zh_CN.UTF-8"):
        self.env = dict(os.environ, DISPLAY=display, WINEPREFIX=prefix, WINEDEBUG="-all",
                        LANG=locale, LC_ALL=locale)
        self.output_path = os.path.join(work, "program.log")
        with open(self.output_path, "wb") as output:
            self.process = subprocess.Popen(["wine", program], env=self.env, stdout=output,
                                            stderr=subprocess.STDOUT, cwd=work)
        self.main = None

    def windows(self):
        """Visible top-level windows with a title, as {id: title}."""
        self.alive()
        found = {}
        for wid in self.xdotool("search", "--onlyvisible", "--name", ".", check=False).split():
            name = self.xdotool("getwindowname", wid, check=False)
            if name:
                found[int(wid)] = name
        return found

    def wait_other_window(self, what):
        return wait_until(what, lambda: next((w for w in self.windows() if w != self.main), None),
                          WAIT)

    def key(self, *keys):
        self.alive()
        self.xdotool("key", "--delay", "40", *keys)
        time.sleep(0.2)

    def type(self, text):
        self.xdotool("type", "--delay", "40", "--", text)
        time.sleep(0.2)

    def activate(self, wid):
        self.xdotool("windowactivate", "--sync", str(wid), check=False)
        self.xdotool("windowfocus", "--sync", str(wid), check=False)
        time.sleep(0.3)

    def screenshot(self, folder, name):
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name)
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True,
                       timeout=WAIT)
        log(f"screenshot: {path}")


class Session:
    def __init__(self, d):
        self.d = d
        self.at = "cbb1"

    def go(self, control):
        here, there = ORDER.index(self.at), ORDER.index(control)
        keys = ["Tab"] * (there - here) if there > here else ["shift+Tab"] * (here - there)
        if keys:
            self.d.key(*keys)
        self.at = control

    def choose(self, combo, steps):
        self.go(combo)
        if steps:
            self.d.key(*(["Down" if steps > 0 else "Up"] * abs(steps)))

    def enter(self, edit, text):
        self.go(edit)
        # An edit control takes the whole text selected when Tab brings the focus to it.
        self.d.key("End", "shift+Home", "BackSpace")
        self.d.type(text)

    def press(self, button, key="space"):
        self.go(button)
        self.d.key(key)


def windows_path(work, name):
    return "Z:" + os.path.join(work, name).replace("/", "\\")


def answer_file_dialog(d, path, what):
    """Types a full Windows path into the file dialog that is opening and confirms it."""
    dialog = d.wait_other_window(what)
    d.activate(dialog)
    d.key("ctrl+a")
    d.type(path)
    d.key("Return")
    d.wait_gone(dialog, what)


def dismiss_notice(d):
    notice = d.wait_window(BOX_TITLE)
    d.activate(notice)
    d.key("Return")
    d.wait_gone(notice, "the notice")
    d.activate(d.main)


def save_as(s, work, name):
    """Save data by keyboard: the dialog's file-name field takes a full Windows path."""
    s.press("btn3")
    dialog = s.d.wait_other_window("the save dialog")
    s.d.activate(dialog)
    s.d.key("ctrl+a")
    s.d.type("Z:" + os.path.join(work, name).replace("/", "\\"))
    s.d.key("Return")
    s.d.wait_gone(dialog, "the save dialog")
    notice = s.d.wait_window(BOX_TITLE)
    s.d.activate(notice)
    s.d.key("Return")
    s.d.wait_gone(notice, "the notice")
    s.d.activate(s.d.main)


def stop_wine(prefix):
    """Ends the prefix's Wine server: one started without a display (by the tests before this)
    would keep its desktop process without one, and no window of ours could open."""
    env = dict(os.environ, WINEPREFIX=prefix)
    subprocess.run(["wineserver", "-k"], env=env, capture_output=True)
    subprocess.run(["wineserver", "-w"], env=env, capture_output=True, timeout=WAIT)


def answer_box(d, shots, title, shot, what):
    """The box titled `title` appears, is kept as `shot` and closed with Return."""
    box = d.wait_window(title)
    time.sleep(0.5)
    d.screenshot(shots, shot)
    d.activate(box)
    d.key("Return")
    d.wait_gone(box, what)
    d.activate(d.main)


def expect_exit(d, after):
    """The program ends, with status 0, after `after`."""
    try:
        status = d.process.wait(WAIT)
    except subprocess.TimeoutExpired:
        raise Failure(f"the program did not end after {after}") from None
    if status != 0:
        raise Failure(f"{after} ended the program with status {status}")


def run(program, cli, prefix, shots, work):
    stop_wine(prefix)
    server = XServer(work)
    d = None
    try:
        log(f"Xvfb on {server.display}")
        d = WineDesktop(program, server.display, prefix, work)
        d.main = d.wait_window(MAIN_TITLE)
        d.activate(d.main)
        time.sleep(1)
        d.screenshot(shots, "window.png")
        log("ok: the main window is shown")

        s = Session(d)
        inputs = FIRST_INPUTS
        calculate_first_inputs(s)
        save_as(s, work, "first.csv")
        expected = cli_report(cli, work, inputs, "III", "cli-first.csv", ["--encoding", "GBK"])
        with open(os.path.join(work, "first.csv"), "rb") as f:
            saved = f.read()
        if saved != expected:
            raise Failure(f"the saved report ({len(saved)} bytes) differs from gb18306-cli's "
                          f"({len(expected)} bytes)")
        log(f"ok: the saved GBK report equals gb18306-cli's {len(saved)} bytes")
        d.screenshot(shots, "window-calculated.png")

        # A right click in the middle of the chart: its menu opens at the pointer, and a click
        # chooses its second item, 保存图像….
        height = int(d.xdotool("getwindowgeometry", "--shell", str(d.main)).split("HEIGHT=")[1]
                     .split()[0])
        x, y = 8 + 2 + 224, height - 540 + 268 + 40 + 99
        d.xdotool("mousemove", "--window", str(d.main), str(x), str(y))
        d.xdotool("click", "3")
        time.sleep(0.7)
        d.xdotool("mousemove", "--window", str(d.main), str(x + 40), str(y + 34))
        time.sleep(0.3)
        d.xdotool("click", "1")
        answer_file_dialog(d, windows_path(work, "chart.png"), "the image's save dialog")
        dismiss_notice(d)
        with open(os.path.join(work, "chart.png"), "rb") as f:
            png = f.read()
        if not png.startswith(b"\x89PNG"):
            raise Failure("the chart's 保存图像… wrote no PNG")
        shutil.copy(os.path.join(work, "chart.png"), os.path.join(shots, "chart.png"))
        log(f"ok: the chart's context menu saved a PNG of {len(png)} bytes")
        s.at = "cht2"  # the right click gave the chart the focus

        # 文件 → 批量计算… (its fifth item) with the window's factors and site class III.
        with open(os.path.join(work, "sites.csv"), "w") as f:
            f.write("id,pga,zone,k1\n1,0.05,0.35,\n2,0.30,0.45,2.5\n3,0.10,0.40,\n")
        d.activate(d.main)
        d.key("F10", "Down", "Down", "Down", "Down", "Down", "Return")
        answer_file_dialog(d, windows_path(work, "sites.csv"), "the batch's open dialog")
        answer_file_dialog(d, windows_path(work, "results.csv"), "the batch's save dialog")
        dismiss_notice(d)
        args = [cli, "--batch", os.path.join(work, "sites.csv"), "--output",
                os.path.join(work, "cli-results.csv"), "--encoding", "GBK", "--site", "III"]
        for edit, option in EDITS.items():
            args.append(f"{option}={inputs[edit]}")
        subprocess.run(args, env=dict(os.environ, LC_ALL="C.UTF-8"), check=True, timeout=WAIT)
        with open(os.path.join(work, "results.csv"), "rb") as f:
            results = f.read()
        with open(os.path.join(work, "cli-results.csv"), "rb") as f:
            if results != f.read():
                raise Failure("the window's batch results differ from gb18306-cli's")
        log(f"ok: 文件 → 批量计算… wrote gb18306-cli's {len(results)} bytes")

        # 文件 → 导出反应谱函数… (its third item): the dialog opens at MIDAS, the basic level and
        # the chart's class III; OK, then the save dialog. The file is gb18306-cli's, with the
        # system's CR LF.
        d.activate(d.main)
        d.key("F10", "Down", "Down", "Down", "Return")
        choice = d.wait_window(SPECTRUM_FILE_TITLE)
        d.activate(choice)
        time.sleep(0.5)
        d.screenshot(shots, "spectrum-file.png")
        d.key("Return")
        answer_file_dialog(d, windows_path(work, "spectrum.sgs"), "the spectrum file's save dialog")
        dismiss_notice(d)
        args = [cli, "--pga", inputs["pga"], "--zone", inputs["zone"], "--site", "III",
                "--spectrum-file", "sgs", "--level", "basic", "--encoding", "GBK", "--output",
                os.path.join(work, "cli-spectrum.sgs")]
        for edit, option in EDITS.items():
            args.append(f"{option}={inputs[edit]}")
        subprocess.run(args, env=dict(os.environ, LC_ALL="C.UTF-8"), check=True, timeout=WAIT)
        spectrum = read(os.path.join(work, "spectrum.sgs"))
        if spectrum.replace(b"\r\n", b"\n") != read(os.path.join(work, "cli-spectrum.sgs")):
            raise Failure("the window's spectrum file differs from gb18306-cli's")
        if spectrum.count(b"\r\n") != spectrum.count(b"\n"):
            raise Failure("the window's spectrum file has lines not ended by CR LF")
        log(f"ok: 文件 → 导出反应谱函数… wrote gb18306-cli's MIDAS file ({len(spectrum)} bytes)")

        # 文件 → 打印… (Ctrl+P) first asks for the names the sheet prints; Escape cancels it and
        # nothing follows.
        def sheet_names(last_key):
            d.activate(d.main)
            d.key("ctrl+p")
            names = d.wait_window(SHEET_NAMES_TITLE)
            d.activate(names)
            d.type("Bridge 7")
            d.key("Tab")
            d.type("Site A")
            time.sleep(0.5)
            d.screenshot(shots, "sheet-names.png")
            d.key(last_key)
            d.wait_gone(names, "the names dialog")

        def others():
            return {w: n for w, n in d.windows().items() if w != d.main}

        def quiet(seconds=3.0):
            """No window but the main one, for `seconds` on end (a late box would break it)."""
            end = time.monotonic() + seconds
            while time.monotonic() < end:
                if others():
                    return False
                time.sleep(0.25)
            return True

        sheet_names("Escape")
        if not quiet():
            raise Failure(f"the cancelled names dialog was followed by {list(others().values())}")
        # Confirmed, the names lead on to the system's print step: without a printer Wine's own
        # box says so (twice), and closing it leaves the window alone, with no error of ours.
        sheet_names("Return")
        d.wait_other_window("the system's print step")
        for _ in range(4):
            if quiet():
                break
            boxes = others()
            if not boxes:
                continue
            if BOX_TITLE in boxes.values():
                raise Failure("the print step ended in an error box of ours")
            printing = next(iter(boxes))
            d.activate(printing)
            d.key("Return")
            d.wait_gone(printing, "the system's print step")
        else:
            raise Failure(f"after the print step, windows remain: {list(others().values())}")
        d.activate(d.main)
        log(f'ok: Ctrl+P asked for the names the sheet prints in "{SHEET_NAMES_TITLE}"; '
            "Escape printed nothing, OK went on to the system's print step")

        s.enter("edt2", "abc")
        s.press("btn2")
        answer_box(d, shots, BOX_TITLE, "error-box.png", "the error box")
        log(f'ok: K2 "abc" showed the "{BOX_TITLE}" box')

        # 帮助 → 关于 from the keyboard: F10 opens the menu bar at 文件.
        d.key("F10", "Right", "Down", "Return")
        answer_box(d, shots, ABOUT_TITLE, "about-box.png", "the About box")
        log("ok: the About box opened from the menu and closed with Return")

        s.press("btn4")
        expect_exit(d, "Close")
        log("ok: Close ended the program with status 0")

        # Regional settings with a decimal comma reject the designed texts: the error box at
        # start, no window, exit code 0.
        d = WineDesktop(program, server.display, prefix, work, "de_DE.UTF-8")
        box = d.wait_window(BOX_TITLE)
        time.sleep(1.5)
        d.screenshot(shots, "decimal-comma-box.png")
        # The box waits for the user: the program is still running, with the box alone.
        if any(name == MAIN_TITLE for name in d.windows().values()):
            raise Failure("the main window was shown under a decimal comma")
        if box not in d.windows():
            raise Failure("the start-up error box closed by itself")
        d.activate(box)
        d.key("Return")
        expect_exit(d, "the start-up error")
        log("ok: under a decimal comma the start-up error box, then exit code 0")
        d = None
    finally:
        if d is not None and d.process.poll() is None:
            d.process.kill()
            d.process.wait()
        stop_wine(prefix)
        server.stop()


def main():
    if len(sys.argv) != 5:
        print(__doc__)
        return 2
    for tool in ("Xvfb", "xdotool", "import", "wine"):
        if shutil.which(tool) is None:
            print(f"skipped: {tool} is missing")
            return SKIP
    program, cli, prefix, shots = (os.path.abspath(a) for a in sys.argv[1:])
    with tempfile.TemporaryDirectory() as work:
        try:
            run(program, cli, prefix, shots, work)
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
