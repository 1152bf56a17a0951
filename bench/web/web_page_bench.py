#!/usr/bin/python3
"""The web page's speed and size in headless Chromium on this machine.

  - size: every file of site/, and the same compressed with gzip -9;
  - opening: from navigation to filled grids and a drawn chart, opened from file:// (median of 5
    fresh browsers);
  - Calculate: the main form's Calculate with the grids and the chart drawn again (median and
    percentiles of 200);
  - batch: ROWS sites (default 1,000,000) in the page's worker, rows per second, and the resident
    memory of the page's renderer process (which runs the worker) as the rows go by.

Usage: web_page_bench.py SITE_DIR [ROWS]
"""

import glob
import gzip
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "ui", "web"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "e2e"))
from selenium.webdriver.common.by import By  # noqa: E402
from web_page import chromium, menu, open_page  # noqa: E402


def size(site):
    files = sorted(glob.glob(os.path.join(site, "*")))
    raw = sum(os.path.getsize(f) for f in files)
    packed = sum(len(gzip.compress(open(f, "rb").read(), 9)) for f in files)
    print(f"site/: {len(files)} files, {raw / 1000:.0f} KB, {packed / 1000:.0f} KB with gzip "
          f"(targets 1500 KB and 500 KB)")


def opening(url, downloads):
    times = []
    for _ in range(5):
        d = chromium(downloads)
        try:
            open_page(d, url)
            time.sleep(0.2)
            times.append(d.execute_script(
                "return performance.getEntriesByName('gb-drawn')[0].startTime"))
        finally:
            d.quit()
    print(f"opening from file://: median {statistics.median(times):.0f} ms "
          f"({', '.join(f'{t:.0f}' for t in times)}; target 500 ms)")


def calculate(d):
    times = d.execute_script("""const p = window.gbPage, times = [];
        for (let i = 0; i < 200; ++i) {
          const t = performance.now();
          p.run('btn2Click');
          p.module._gb_chart_paint();
          times.push(performance.now() - t);
        }
        return times;""")
    ordered = sorted(times)
    print(f"Calculate with grids and chart: median {statistics.median(times):.2f} ms, "
          f"95th percentile {ordered[int(len(ordered) * 0.95)]:.2f} ms, first {times[0]:.2f} ms, "
          f"worst {max(times):.2f} ms (target 16 ms)")


def renderer_rss():
    """Resident kilobytes of Chromium's renderer processes (the page and its worker)."""
    total = 0
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                cmd = f.read()
            if b"--type=renderer" not in cmd:
                continue
            with open(f"/proc/{pid}/status") as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total


def batch(d, work, rows):
    path = os.path.join(work, "sites.csv")
    rng = random.Random(18306)
    pga = ["0.05", "0.10", "0.15", "0.20", "0.30", "0.40"]
    zone = ["0.35", "0.40", "0.45"]
    with open(path, "w") as f:
        f.write("id,pga,zone,k1,k2,k3,rare_tg_increment,very_rare_tg_increment,beta_max\n")
        for i in range(rows):
            f.write(f"{i},{rng.choice(pga)},{rng.choice(zone)},{2 + 1.5 * rng.random():.3f},"
                    f"{1.5 + 0.7 * rng.random():.3f},{0.3 + 0.1 * rng.random():.4f},"
                    f"{0.1 * rng.random():.3f},{0.1 * rng.random():.3f},{2 + rng.random():.2f}\n")
    menu(d, "Fi1", "BatchCalculation1")
    d.find_element(By.ID, "batch-file").send_keys(path)
    samples = []
    d.find_element(By.ID, "batch-run").click()
    while d.execute_script("return document.getElementById('batch').dataset.state") == "running":
        read = d.execute_script("return document.getElementById('batch-progress').value")
        samples.append((read, renderer_rss()))
        time.sleep(1)
    run = d.execute_script("return Batch.lastRun")
    print(f"batch of {rows} rows in the worker: {run['seconds']:.1f} s, "
          f"{rows / run['seconds']:.0f} rows/s (target 50,000)")
    shown = [s for s in samples if s[0] > 0]
    if shown:
        marks = [shown[0], shown[len(shown) // 2], shown[-1]]
        print("renderer memory: " + ", ".join(f"{100 * r:.0f} % read: {kb / 1000:.0f} MB"
                                               for r, kb in marks))


def main():
    site = os.path.abspath(sys.argv[1])
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 1000000
    work = tempfile.mkdtemp(prefix="gb-web-bench-")
    downloads = os.path.join(work, "downloads")
    os.makedirs(downloads)
    url = "file://" + os.path.join(site, "index.html")
    size(site)
    opening(url, downloads)
    d = chromium(downloads)
    try:
        open_page(d, url)
        calculate(d)
        batch(d, work, rows)
    finally:
        d.quit()
        subprocess.run(["rm", "-rf", work])


if __name__ == "__main__":
    main()
