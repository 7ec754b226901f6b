#!/usr/bin/env python3
# The browser driver (cdp.py) and the serving, together in headless Chromium, on the tests' own
# page staged by tools/web-stage and served by the table's built-in server: the page's WebAssembly
# compiles under the game's Content-Security-Policy, pointer movements light the button in the
# canvas pixels, Czech text arrives through the protocol's text input, the clock the tests set
# is the one the page reads, a new tab opened by the page is found and read, and every kind of
# fault the browser tests must catch (console error, uncaught exception, failed request, code the
# policy blocks, a damaged or missing data file) is caught.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, HERE)
import cdp  # noqa: E402
from servers import REPO, TableServer  # noqa: E402

READY = "document.body.dataset.ready === '1'"


def pixel(png):
    """The first pixel of a PNG as (r, g, b), decoded by ImageMagick."""
    out = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=png, capture_output=True,
                         check=True).stdout
    return tuple(out[:3])


class InTheBrowser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="sixdice-driver-")
        source = os.path.join(cls.work, "web")
        cls.play = os.path.join(cls.work, "play")
        subprocess.run([sys.executable, os.path.join(HERE, "make_fixture.py"), source], check=True)
        subprocess.run([os.path.join(REPO, "tools", "web-stage"), "--quiet", source, cls.play], check=True)
        cls.server = TableServer(cls.play, os.path.join(cls.work, "data")).__enter__()
        cls.browser = cdp.Browser(width=400, height=300)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.server.stop()
        shutil.rmtree(cls.work)

    def setUp(self):
        self.browser.forget_problems()
        self.tab = self.browser.new_tab(clock=True)

    def tearDown(self):
        self.tab.close()

    def open_page(self):
        self.tab.navigate(self.server.base + "/play/")
        self.tab.wait(READY, what="the test page to start")

    def test_a_session_of_play_leaves_no_problem(self):
        self.open_page()
        # WebAssembly ran (it shades the background) under the policy.
        self.assertEqual(pixel(self.tab.screenshot((5, 5, 1, 1))), (0, 127, 0))
        # Hover marks: in the canvas pixels, on and off.
        self.assertEqual(pixel(self.tab.screenshot((60, 60, 1, 1))), (0xDE, 0xAA, 0x2E))
        self.tab.move(60, 60)
        self.tab.wait("true")
        self.assertEqual(pixel(self.tab.screenshot((60, 60, 1, 1))), (0xFF, 0xE0, 0x66))
        self.tab.move(160, 60)
        self.tab.wait("true")
        self.assertEqual(pixel(self.tab.screenshot((60, 60, 1, 1))), (0xDE, 0xAA, 0x2E))
        # Czech letters through the protocol's text input.
        self.tab.click(60, 60)
        self.tab.insert_text("Čeněk")
        self.tab.insert_text(" Žluť")
        self.tab.wait("document.body.dataset.typed === 'Čeněk Žluť'", what="the typed name")
        # Keys: Ctrl+A selects all, typing replaces it, Backspace takes a letter back.
        self.tab.key("a", ctrl=True)
        self.tab.insert_text("Šárka")
        self.tab.key("Backspace")
        self.tab.wait("document.body.dataset.typed === 'Šárk'", what="the name after the keys")
        # The clock the page reads is the tests': frozen at the value set, also for new Date().
        self.tab.set_clock(1_767_225_600_123)
        self.tab.click(210, 60)
        self.tab.wait("document.body.dataset.clock", what="the click on the clock")
        self.assertEqual(self.tab.evaluate("document.body.dataset.clock"), "1767225600123")
        self.assertEqual(self.tab.evaluate("new Date().getTime()"), 1_767_225_600_123)
        self.assertEqual(self.tab.evaluate("Date.now() - Date.now()"), 0)
        self.assertEqual(self.tab.evaluate("new Date(0).toISOString()"), "1970-01-01T00:00:00.000Z")
        self.assertTrue(self.tab.evaluate("new Date() instanceof Date"))
        self.assertGreater(self.tab.evaluate("performance.now()"), 0)
        # The page opens the table in a new tab, which the driver finds and reads.
        known = self.browser.page_targets()
        self.tab.click(310, 60)
        table = self.browser.wait_new_tab(known)
        table.wait("document.readyState === 'complete'")
        self.assertEqual(table.url, self.server.base + "/savescore.php?gid=43&lang=en")
        self.assertEqual(table.evaluate("document.getElementById('play').getAttribute('href')"), "/play/?lang=EN")
        # The table's icon is inside the page, so no tab asks the server for /favicon.ico.
        self.assertTrue(table.evaluate("document.querySelector('link[rel=icon]').href"
                                       ".startsWith('data:image/svg+xml,')"))
        self.assertTrue(table.evaluate("(async () => { const i = new Image();"
                                       " i.src = document.querySelector('link[rel=icon]').href;"
                                       " await i.decode(); return i.naturalWidth > 0; })()", await_promise=True))
        table.close()
        self.assertEqual(self.browser.problems(), [])

    def test_faults_are_caught(self):
        self.open_page()
        self.tab.evaluate("console.error('a console error')")
        self.tab.evaluate("setTimeout(() => { throw new Error('thrown later'); }, 0)")
        self.tab.evaluate("fetch('missing.zrk').catch(() => {})", await_promise=True)
        # Code the policy forbids: an inline script and a timer given as text.
        self.tab.evaluate("const s = document.createElement('script'); s.textContent = 'window.ran = 1';"
                          "document.body.appendChild(s)")
        self.tab.evaluate("setTimeout('window.evaluated = 1', 0)")
        time.sleep(0.3)
        problems = "\n".join(self.browser.problems())
        self.assertIn("a console error", problems)
        self.assertIn("a console error", self.browser.console())
        self.assertIn("thrown later", problems)
        self.assertIn("404: " + self.server.base + "/play/missing.zrk", problems)
        self.assertIn("Content Security Policy", problems)
        self.assertIsNone(self.tab.evaluate("window.ran"))
        self.assertIsNone(self.tab.evaluate("window.evaluated"))

    def test_damaged_and_missing_data_files_are_named(self):
        with open(os.path.join(self.play, "manifest.json")) as f:
            manifest = json.load(f)
        data = os.path.join(self.play, manifest["files"]["grafika_en.zrk"]["url"])
        saved = data + ".saved"
        shutil.copy(data, saved)
        try:
            for fault in ("damaged", "missing"):
                for copy in (data, data + ".gz", data + ".br"):
                    if fault == "damaged" and os.path.exists(copy):
                        os.remove(copy)
                if fault == "damaged":
                    with open(data, "wb") as f:
                        f.write(b"TPF0 cut short")
                else:
                    os.remove(data)
                self.browser.forget_problems()
                self.open_page_expecting_error()
                self.assertEqual(self.tab.evaluate("document.body.dataset.error"), "grafika_en.zrk", fault)
                problems = self.browser.problems()
                if fault == "missing":
                    self.assertTrue(any("404" in p and "grafika_en" in p for p in problems), problems)
        finally:
            shutil.move(saved, data)

    def open_page_expecting_error(self):
        # The files keep their names while they are damaged here: the browser must not use its copy.
        self.tab.send("Network.setCacheDisabled", {"cacheDisabled": True})
        self.tab.navigate(self.server.base + "/play/")
        self.tab.wait("document.body.dataset.error", what="the error naming the file")


if __name__ == "__main__":
    unittest.main()
