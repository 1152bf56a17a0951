#!/usr/bin/python3
"""The web page (tools/build-web.sh) in headless Chromium, driven through Selenium.

Opened from its folder (file://): the first results, random inputs typed and chosen and compared
cell by cell with gb18306-cli's tables, a site-class change, a rejected text and its box, Save
data in GBK and UTF-8 against gb18306-cli --report, Sa at a period, a spectrum function file, the
calculation sheet's print view, a zoom and its restore on the chart, and a batch in the worker
against gb18306-cli --batch with its messages; then at 360 x 740 as a phone. Served from
127.0.0.1: the same first results, the service worker, and the page again once the server has
gone. No console errors anywhere (the page's Content-Security-Policy would report them there).
Screenshots of both layouts, the sheet and the boxes stay in the screenshot folder for review.

Usage: web_page.py SITE_DIR LINUX_CLI SCREENSHOT_DIR
"""

import functools
import hashlib
import http.server
import os
import random
import re
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "e2e"))
from desktop_keyboard import EDITS, Failure, cli_report, log, wait_until  # noqa: E402

PGA_ITEMS = ["0.05", "0.10", "0.15", "0.20", "0.30", "0.40"]
ZONE_ITEMS = ["0.35", "0.40", "0.45"]
SITES = ["I0", "I1", "II", "III", "IV"]
DEFAULTS = {"pga": "0.05", "zone": "0.35", "edt1": "2.9", "edt2": "1.9", "edt3": "0.3333",
            "edt4": "0.05", "edt5": "0.05", "edt6": "2.5"}
GRIDS = ["strngrd1", "strngrd2", "strngrd3"]
TAB_ORDER = ["cbb1", "cbb2", "edt1", "edt2", "edt3", "edt4", "edt5", "edt6", "strngrd1", "strngrd2",
             "strngrd3", "cht2", "cbb3", "btn3", "btn4", "btn1", "btn2"]
WAIT = 30.0


def chromium(downloads, phone=False):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # Without the background networking flags Chromium tries to reach Google, which the test
    # machine refuses.
    for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-dev-shm-usage", "--window-size=1200,900",
                 f"--user-data-dir={tempfile.mkdtemp(prefix='gb-chromium-')}"]:
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"download.default_directory": downloads,
                                              "download.prompt_for_download": False})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    d.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
    if phone:
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                          {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
        d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    return d


def console_errors(d):
    return [e["message"] for e in d.get_log("browser") if e["level"] == "SEVERE"]


def open_page(d, url):
    d.get(url)
    wait_until("the page to calculate", lambda: d.execute_script(
        "return document.body.classList.contains('ready') && "
        "document.getElementById('strngrd1').rows[1].cells[1].textContent !== ''"), WAIT)


def grid_texts(d):
    return d.execute_script("""return arguments[0].map(id =>
        [...document.getElementById(id).rows].map(r => [...r.cells].map(c => c.textContent)));""",
                            GRIDS)


def cli_run(cli, args):
    env = dict(os.environ, LC_ALL="C.UTF-8")
    return subprocess.run([cli, *args], env=env, capture_output=True, timeout=WAIT)


def input_options(inputs, site):
    args = ["--pga", inputs["pga"], "--zone", inputs["zone"], "--site", site]
    for edit, option in EDITS.items():
        args.append(f"{option}={inputs[edit]}")
    return args


def cli_tables(cli, inputs, site):
    """gb18306-cli's three tables as grids: the caption row and column included."""
    result = cli_run(cli, input_options(inputs, site))
    if result.returncode != 0:
        raise Failure(f"gb18306-cli failed: {result.stderr.decode()}")
    blocks = result.stdout.decode().strip().split("\n\n")
    grids = []
    for block in blocks[:3]:
        lines = block.split("\n")[1:]
        grid = [[""] + lines[0].split()]
        for line in lines[1:]:
            grid.append(line.split())
        grids.append(grid)
    return grids


def box(d):
    """The open box's caption and text, closed with its one OK button; None while none is open."""
    shown = d.execute_script("""const b = document.getElementById('msgbox');
        return b.open ? [document.getElementById('msgbox-caption').textContent,
                         document.getElementById('msgbox-text').textContent,
                         [...b.querySelectorAll('button')].map(x => x.textContent)] : null;""")
    if shown is None:
        return None
    d.execute_script("document.getElementById('msgbox').dataset.seen = '1'")
    d.find_element(By.ID, "msgbox-ok").click()
    # Closed, or closed and the next box of the queue shown.
    wait_until("the box to close", lambda: d.execute_script(
        "const b = document.getElementById('msgbox'); return !b.open || !b.dataset.seen"))
    caption, text, buttons = shown
    if caption != "gb18306" or buttons != ["OK"]:
        raise Failure(f"box captioned {caption!r} with buttons {buttons}")
    return text


def expect_box(d, text, what):
    wait_until(f"the box of {what}", lambda: d.execute_script(
        "return document.getElementById('msgbox').open"))
    shown = box(d)
    if shown != text:
        raise Failure(f"{what}: the box says {shown[:200]!r} ({len(shown)} characters), "
                      f"expected {text[:200]!r} ({len(text)})")


def type_into(d, element_id, text):
    e = d.find_element(By.ID, element_id)
    e.click()
    e.send_keys(Keys.CONTROL, "a")
    e.send_keys(Keys.DELETE)
    if text:
        e.send_keys(text)


def set_inputs(d, inputs, site):
    Select(d.find_element(By.ID, "cbb1")).select_by_visible_text(inputs["pga"])
    Select(d.find_element(By.ID, "cbb2")).select_by_visible_text(inputs["zone"])
    for edit in EDITS:
        type_into(d, edit, inputs[edit])
    Select(d.find_element(By.ID, "cbb3")).select_by_visible_text(site)


def wait_download(folder, name):
    path = os.path.join(folder, name)

    def done():
        return os.path.exists(path) and not any(f.endswith(".crdownload") for f in os.listdir(folder))
    wait_until(f"the download of {name}", done, WAIT)
    with open(path, "rb") as f:
        data = f.read()
    os.remove(path)
    return data


def compare(got, expected, what):
    if got != expected:
        raise Failure(f"{what}: {len(got)} bytes differ from gb18306-cli's {len(expected)}")
    log(f"{what}: {len(got)} bytes, the same as gb18306-cli's")


def menu(d, top, item):
    d.find_element(By.ID, top).click()
    d.find_element(By.ID, item).click()


def chart_hash(d):
    return hashlib.sha256(d.find_element(By.ID, "cht2").screenshot_as_png).hexdigest()


def random_inputs(rng):
    def number(lo, hi, places):
        return f"{rng.uniform(lo, hi):.{places}f}"
    return {"pga": rng.choice(PGA_ITEMS), "zone": rng.choice(ZONE_ITEMS),
            "edt1": number(1.5, 4, rng.randint(1, 4)), "edt2": number(1, 3, rng.randint(1, 4)),
            "edt3": number(0.2, 0.5, rng.randint(1, 4)), "edt4": number(0, 0.2, rng.randint(1, 3)),
            "edt5": number(0, 0.2, rng.randint(1, 3)), "edt6": number(1.5, 3.5, rng.randint(1, 3))}


def check_results(d, cli, inputs, site, what):
    expected = cli_tables(cli, inputs, site)
    got = grid_texts(d)
    if got != expected:
        raise Failure(f"{what}: the grids {got} differ from gb18306-cli's {expected}")


def check_from_folder(d, url, cli, shots, downloads, work):
    open_page(d, url)
    check_results(d, cli, DEFAULTS, "II", "first results")
    d.find_element(By.ID, "cht2").screenshot(os.path.join(shots, "chart.png"))
    d.save_screenshot(os.path.join(shots, "wide.png"))
    log("opened from its folder: the first results are gb18306-cli's")

    rng = random.Random(18306)
    inputs = DEFAULTS
    for round_ in range(6):
        inputs = random_inputs(rng)
        site = rng.choice(SITES)
        set_inputs(d, inputs, site)
        d.find_element(By.ID, "btn2").click()
        check_results(d, cli, inputs, site, f"random inputs {round_}")
    log("six random inputs typed and chosen: every cell is gb18306-cli's")

    # The chart's site class re-plots only; the grids stay.
    before = chart_hash(d)
    other = "IV" if site != "IV" else "I0"
    Select(d.find_element(By.ID, "cbb3")).select_by_visible_text(other)
    wait_until("the chart to re-plot", lambda: chart_hash(d) != before)
    check_results(d, cli, inputs, site, "after a site-class change")
    site = other

    # Save data, GBK and then UTF-8, against the command line's report.
    for encoding in ["GBK", "UTF-8"]:
        Select(d.find_element(By.ID, "encoding")).select_by_visible_text(encoding)
        d.find_element(By.ID, "btn3").click()
        expect_box(d, "完成!", "Save data")
        compare(wait_download(downloads, "地震动参数查询结果.csv"),
                cli_report(cli, work, inputs, site, "report.csv", ["--encoding", encoding]),
                f"Save data in {encoding}")
    Select(d.find_element(By.ID, "encoding")).select_by_visible_text("GBK")

    # Sa at a structure's period: the command line's numbers.
    type_into(d, "period", "0.5")
    d.find_element(By.ID, "readSa").click()
    shown = d.find_element(By.ID, "readings").text.split()
    line = cli_run(cli, [*input_options(inputs, site), "--period", "0.5"]).stdout.decode()
    values = line.strip().split("\n")[-1].split()
    if [s for s in shown if re.fullmatch(r"-?[\d.,]+", s)] != values:
        raise Failure(f"Sa at 0.5 s: the page shows {shown}, gb18306-cli {values}")
    log("Sa at 0.5 s: " + " ".join(values))

    # A spectrum function file through its dialog.
    menu(d, "Fi1", "ExportSpectrumFile1")
    wait_until("the spectrum file dialog", lambda: d.execute_script(
        "return document.getElementById('spectrumfile').open"))
    Select(d.find_element(By.ID, "spectrum-format")).select_by_index(0)
    Select(d.find_element(By.ID, "spectrum-level")).select_by_index(2)
    d.save_screenshot(os.path.join(shots, "spectrum-file-dialog.png"))
    d.find_element(By.CSS_SELECTOR, "#spectrumfile button[type=submit]").click()
    expect_box(d, "完成!", "the spectrum file")
    expected = cli_run(cli, [*input_options(inputs, site), "--spectrum-file", "sgs", "--level",
                             "rare", "--encoding", "GBK", "--output", "-"]).stdout
    compare(wait_download(downloads, "反应谱函数.sgs"), expected, "the MIDAS spectrum file")

    # All four levels: a file each, each handed over on its own click.
    menu(d, "Fi1", "ExportSpectrumFile1")
    wait_until("the spectrum file dialog", lambda: d.execute_script(
        "return document.getElementById('spectrumfile').open"))
    Select(d.find_element(By.ID, "spectrum-level")).select_by_index(4)
    d.find_element(By.CSS_SELECTOR, "#spectrumfile button[type=submit]").click()
    expect_box(d, "完成!", "the four spectrum files")
    wait_until("the files' links", lambda: d.execute_script(
        "return document.getElementById('msgbox').open"))
    links = d.find_elements(By.CSS_SELECTOR, "#msgbox-text a")
    names = [link.text for link in links]
    if len(names) != 4:
        raise Failure(f"four spectrum files offered as {names}")
    for link, name, level in zip(links, names, ["frequent", "basic", "rare", "very-rare"]):
        link.click()
        expected = cli_run(cli, [*input_options(inputs, site), "--spectrum-file", "sgs", "--level",
                                 level, "--encoding", "GBK", "--output", "-"]).stdout
        compare(wait_download(downloads, name), expected, f"the MIDAS file {name}")
    box(d)

    # The calculation sheet: the names, then the print view of one A4 page.
    menu(d, "Fi1", "PrintPreview1")
    wait_until("the names dialog", lambda: d.execute_script(
        "return document.getElementById('sheetnames').open"))
    type_into(d, "sheet-project", "测试工程")
    type_into(d, "sheet-site", "场地 A")
    d.find_element(By.CSS_SELECTOR, "#sheetnames button[type=submit]").click()
    wait_until("the sheet", lambda: d.execute_script(
        "return !document.getElementById('sheetview').hidden"))
    text = d.find_element(By.CLASS_NAME, "sheet-page").text
    for expected in ["地震动参数计算书", "测试工程", "场地 A"]:
        if expected not in text:
            raise Failure(f"the sheet lacks {expected!r}")
    overflow = d.execute_script("""const page = document.querySelector('.sheet-page').getBoundingClientRect();
        return [...document.querySelectorAll('.sheet-text, .sheet-chart')].filter(e => {
          const r = e.getBoundingClientRect(); return r.bottom > page.bottom + 1 || r.right > page.right + 1;
        }).map(e => e.textContent);""")
    if overflow:
        raise Failure(f"the sheet runs off its page: {overflow}")
    d.save_screenshot(os.path.join(shots, "sheet.png"))
    d.find_element(By.CSS_SELECTOR, ".sheet-bar button:last-child").click()
    log("the calculation sheet: one A4 page with the names")

    # The window's tab cycle from the first control.
    d.find_element(By.ID, "cbb1").click()
    d.find_element(By.ID, "cbb1").send_keys(Keys.ESCAPE)
    cycle = ["cbb1"]
    for _ in range(len(TAB_ORDER)):
        d.switch_to.active_element.send_keys(Keys.TAB)
        cycle.append(d.switch_to.active_element.get_attribute("id"))
    if cycle[:len(TAB_ORDER)] != TAB_ORDER:
        raise Failure(f"the tab cycle is {cycle}")

    # The chart as PNG at twice its size.
    menu(d, "Fi1", "ExportChart1")
    expect_box(d, "完成!", "the chart's image")
    png = wait_download(downloads, "反应谱.png")
    size = (int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big"))
    shown = d.execute_script("const r = document.getElementById('cht2').getBoundingClientRect();"
                             "return [Math.floor(r.width), Math.floor(r.height)];")
    if size != (2 * max(shown[0], 448), 2 * max(shown[1], 198)):
        raise Failure(f"the chart's image is {size} for a chart of {shown}")
    log(f"the chart as a {size[0]} x {size[1]} PNG")

    # The read-out under a resting pointer, and a legend row hiding its curve.
    from selenium.webdriver.common.action_chains import ActionChains
    canvas = d.find_element(By.ID, "cht2")
    before = chart_hash(d)
    ActionChains(d).move_to_element_with_offset(canvas, -100, 0).perform()
    wait_until("the read-out", lambda: chart_hash(d) != before)
    ActionChains(d).move_by_offset(0, 300).perform()
    wait_until("the read-out to go", lambda: chart_hash(d) == before)

    # A zoom drag on the chart and the restore of a drag up and left.
    before = chart_hash(d)
    ActionChains(d).move_to_element_with_offset(canvas, -120, -40).click_and_hold() \
        .move_by_offset(100, 50).move_by_offset(60, 20).release().perform()
    wait_until("the chart to zoom", lambda: chart_hash(d) != before)
    ActionChains(d).move_to_element_with_offset(canvas, 60, 30).click_and_hold() \
        .move_by_offset(-40, -30).move_by_offset(-40, -20).release().move_by_offset(0, 200).perform()
    wait_until("the chart to restore", lambda: chart_hash(d) == before)
    log("the tab cycle is the window's; the chart reads out, zooms and restores")

    # A rejected text: the box, and the values stored before it stay.
    shown = grid_texts(d)
    type_into(d, "edt3", "abc")
    d.find_element(By.ID, "btn2").click()
    d.save_screenshot(os.path.join(shots, "error-box.png"))
    expect_box(d, "'abc' is not a valid floating point value.", "a rejected K3")
    if grid_texts(d) != shown:
        raise Failure("a rejected K3 changed the grids")
    type_into(d, "edt3", inputs["edt3"])
    log("a rejected text: its box, and the grids as they were")

    # A huge paste gets the window's message, which repeats it whole, in a box that scrolls;
    # the page goes on.
    huge = "x" * 100000
    d.execute_script(f"document.getElementById('edt1').value = 'x'.repeat({len(huge)})")
    d.find_element(By.ID, "btn2").click()
    height = d.execute_script("return document.getElementById('msgbox').getBoundingClientRect().height")
    if height > d.execute_script("return window.innerHeight"):
        raise Failure(f"the box of a huge K1 is {height} px high")
    expect_box(d, f"'{huge}' is not a valid floating point value.", "a huge K1")
    type_into(d, "edt1", inputs["edt1"])
    d.find_element(By.ID, "btn2").click()
    check_results(d, cli, inputs, site, "after a huge K1")
    return inputs, site


def check_batch(d, cli, downloads, work, inputs, site):
    # A default that starts with a minus is a value, not an option.
    inputs = dict(inputs, edt5="-0.01")
    type_into(d, "edt5", inputs["edt5"])
    rows = ["pga,zone,k1,period"]
    rng = random.Random(7)
    for i in range(200):
        rows.append(f"{rng.choice(PGA_ITEMS)},{rng.choice(ZONE_ITEMS)},"
                    f"{'' if i % 3 else round(rng.uniform(2, 4), 2)},{round(rng.uniform(0, 6), 3)}")
    rows[57] = "0.25,0.40,,1"
    rows[120] = "0.10,0.35,x,"
    path = os.path.join(work, "sites.csv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\r\n".join(rows) + "\r\n")
    for fmt, name, encoding in [("csv", "sites-结果.csv", ["--encoding", "GBK"]),
                                ("jsonl", "sites-结果.jsonl", [])]:
        menu(d, "Fi1", "BatchCalculation1")
        d.find_element(By.ID, "batch-file").send_keys(path)
        Select(d.find_element(By.ID, "batch-format")).select_by_value(fmt)
        d.find_element(By.ID, "batch-run").click()
        got = wait_download(downloads, name)
        args = ["--batch", path, "--format", fmt, "--input-encoding", "UTF-8", *encoding,
                "--site", site]
        for edit, option in EDITS.items():
            args.append(f"{option}={inputs[edit]}")
        expected = cli_run(cli, args)
        compare(got, expected.stdout, f"the batch as {fmt}")
        messages = d.find_element(By.ID, "batch-messages").text.strip().split("\n")
        cli_messages = expected.stderr.decode().strip().split("\n")
        if messages != cli_messages:
            raise Failure(f"the batch's messages {messages} are not gb18306-cli's {cli_messages}")
        d.save_screenshot(os.path.join(work, "batch.png"))
        d.find_element(By.ID, "batch-close").click()
    log(f"the batch in the worker: the command line's bytes and its {len(messages)} messages")

    # Cancel stops a long batch at once: nothing handed over, and the page goes on.
    with open(path, "w", encoding="utf-8") as f:
        f.write("pga,zone\n" + "0.20,0.40\n" * 300000)
    menu(d, "Fi1", "BatchCalculation1")
    d.find_element(By.ID, "batch-file").send_keys(path)
    d.find_element(By.ID, "batch-run").click()
    wait_until("the batch's progress", lambda: d.execute_script(
        "return document.getElementById('batch-progress').value > 0"))
    d.find_element(By.ID, "batch-cancel").click()
    if d.execute_script("return document.getElementById('batch').dataset.state") != "cancelled":
        raise Failure("Cancel did not stop the batch")
    d.find_element(By.ID, "batch-close").click()
    d.find_element(By.ID, "btn2").click()
    check_results(d, cli, inputs, site, "after a cancelled batch")
    time.sleep(1)
    if os.listdir(downloads):
        raise Failure(f"a cancelled batch handed over {os.listdir(downloads)}")
    log("a cancelled batch: nothing handed over, the page goes on")

    # Bytes that are no text stop the batch: its message, and nothing handed over.
    with open(path, "wb") as f:
        f.write(b"pga,zone\r\n0.10,0.35\r\n\xff\xfe\x00,0.40\r\n")
    menu(d, "Fi1", "BatchCalculation1")
    d.find_element(By.ID, "batch-file").send_keys(path)
    d.find_element(By.ID, "batch-run").click()
    wait_until("the batch to stop", lambda: d.execute_script(
        "return document.getElementById('batch').dataset.state === 'stopped'"))
    expected = cli_run(cli, ["--batch", path, "--input-encoding", "UTF-8", "--encoding", "GBK"])
    messages = d.find_element(By.ID, "batch-messages").text.strip()
    if messages != expected.stderr.decode().strip() or os.listdir(downloads):
        raise Failure(f"a malformed batch: {messages!r}, downloads {os.listdir(downloads)}")
    d.find_element(By.ID, "batch-close").click()
    log(f"a malformed batch: {messages}; nothing handed over")


def check_phone(url, cli, shots, downloads):
    d = chromium(downloads, phone=True)
    try:
        open_page(d, url)
        check_results(d, cli, DEFAULTS, "II", "first results on a phone")
        layout = d.execute_script("""const q = (id) => document.getElementById(id).getBoundingClientRect();
            const buttons = [...document.querySelectorAll('#Form1 button, #Form1 select, #Form1 input')]
              .map(e => e.getBoundingClientRect()).filter(r => r.height < 44 || r.right > 361);
            const grid = document.getElementById('strngrd1-box');
            return {page: document.documentElement.scrollWidth, chart: q('cht2').width,
                    small: buttons.length, gridScrolls: grid.scrollWidth > grid.clientWidth,
                    ratio: window.devicePixelRatio, canvas: document.getElementById('cht2').width};""")
        if layout["page"] > 360:
            raise Failure(f"the phone's page is {layout['page']} px wide")
        if layout["chart"] < 320 or layout["small"] or not layout["gridScrolls"]:
            raise Failure(f"the phone layout: {layout}")
        if layout["canvas"] != round(layout["chart"] * layout["ratio"]):
            raise Failure(f"the chart is not drawn at the screen's pixels: {layout}")
        height = d.execute_script("return document.documentElement.scrollHeight")
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                          {"width": 360, "height": height, "deviceScaleFactor": 1, "mobile": True})
        time.sleep(0.3)
        d.save_screenshot(os.path.join(shots, "phone.png"))
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                          {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
        d.save_screenshot(os.path.join(shots, "phone-first-screen.png"))
        errors = console_errors(d)
        if errors:
            raise Failure(f"console errors on a phone: {errors}")
        log(f"a phone at 360 x 740: one column, the chart {layout['chart']:.0f} px wide")
    finally:
        d.quit()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def check_served(site, cli, downloads):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    d = chromium(downloads)
    try:
        open_page(d, url)
        check_results(d, cli, DEFAULTS, "II", "first results served")
        wait_until("the service worker", lambda: d.execute_script(
            "return !!(navigator.serviceWorker && navigator.serviceWorker.controller)"), WAIT)
        server.shutdown()
        server.server_close()
        d.refresh()
        open_page(d, url)
        check_results(d, cli, DEFAULTS, "II", "first results offline")
        errors = console_errors(d)
        if errors:
            raise Failure(f"console errors served: {errors}")
        log("served from 127.0.0.1: the same results, and again offline from the service worker")
    finally:
        d.quit()


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    site, cli, shots = (os.path.abspath(a) for a in sys.argv[1:])
    os.makedirs(shots, exist_ok=True)
    work = tempfile.mkdtemp(prefix="gb-web-")
    downloads = os.path.join(work, "downloads")
    os.makedirs(downloads)
    url = "file://" + os.path.join(site, "index.html")
    try:
        d = chromium(downloads)
        try:
            inputs, site_class = check_from_folder(d, url, cli, shots, downloads, work)
            check_batch(d, cli, downloads, work, inputs, site_class)
            errors = console_errors(d)
            if errors:
                raise Failure(f"console errors: {errors}")
        finally:
            d.quit()
        check_phone(url, cli, shots, downloads)
        check_served(site, cli, downloads)
    except (Failure, WebDriverException) as e:
        print(f"FAIL: {e}", file=sys.stderr)
        return 1
    log("the web page: every check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
