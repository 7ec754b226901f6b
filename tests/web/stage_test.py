#!/usr/bin/env python3
# tools/web-stage on the tests' own page: hashed names that follow the content, the manifest and
# the page pointing at them, style moved out of the HTML, precompressed copies that decode to
# their files (also those taken over from the folder staged before), a second staging that leaves
# nothing stale, and the pages it refuses.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
import gzip
import hashlib
import json
import os
import re
import shutil
import subprocess
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
STAGE = os.path.join(HERE, "..", "..", "tools", "web-stage")
HASHED = re.compile(r"^(.+)\.([0-9a-f]{16})(\.[a-z0-9]+)$")


def slurp(path, mode="rb"):
    with open(path, mode) as f:
        return f.read()


def run_stage(source, dest):
    return subprocess.run([STAGE, "--quiet", source, dest], capture_output=True, text=True)


class Staging(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="sixdice-stage-")
        self.source = os.path.join(self.work, "web")
        self.dest = os.path.join(self.work, "play")
        subprocess.run(["python3", os.path.join(HERE, "make_fixture.py"), self.source], check=True)

    def tearDown(self):
        shutil.rmtree(self.work)

    def stage(self):
        result = run_stage(self.source, self.dest)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(os.path.join(self.dest, "manifest.json")) as f:
            return json.load(f)

    def served(self, url):
        with open(os.path.join(self.dest, url), "rb") as f:
            return f.read()

    def test_names_follow_the_content_and_the_manifest_follows_the_names(self):
        manifest = self.stage()
        plain = json.loads(slurp(os.path.join(self.source, "manifest.json")))
        self.assertEqual(set(manifest["files"]), set(plain["files"]))
        for name, entry in manifest["files"].items():
            match = HASHED.match(entry["url"])
            self.assertIsNotNone(match, entry["url"])
            content = self.served(entry["url"])
            self.assertEqual(match.group(2), hashlib.sha256(content).hexdigest()[:16])
            self.assertEqual(entry["bytes"], len(content))
            self.assertEqual(match.group(1) + match.group(3), os.path.splitext(name)[0] + match.group(3))
            if not name.endswith(".htm"):
                self.assertEqual(content, slurp(os.path.join(self.source, name)))
        self.assertTrue(manifest["files"]["hudba/menu.ogg"]["url"].startswith("hudba/menu."))
        for script in ("sixdice.js", "sixdice.wasm"):
            url = manifest["scripts"][script]
            self.assertRegex(url, HASHED)
            self.assertEqual(self.served(url), slurp(os.path.join(self.source, script)))
        # Staging the same build again gives the same names; a changed file gets a new one.
        again = self.stage()
        self.assertEqual(again, manifest)
        with open(os.path.join(self.source, "grafika_en.zrk"), "ab") as f:
            f.write(b"!")
        changed = self.stage()
        self.assertNotEqual(changed["files"]["grafika_en.zrk"]["url"], manifest["files"]["grafika_en.zrk"]["url"])
        self.assertEqual(changed["files"]["nastaveni.zrk"], manifest["files"]["nastaveni.zrk"])
        self.assertFalse(os.path.exists(os.path.join(self.dest, manifest["files"]["grafika_en.zrk"]["url"])),
                         "the old version stayed in the served folder")

    def test_page_points_at_hashed_script_and_style_with_no_inline_style_left(self):
        self.stage()
        page = self.served("index.html").decode()
        self.assertNotIn("<style", page)
        script = re.search(r'<script src="([^"]+)" defer></script>', page).group(1)
        self.assertRegex(script, r"^sixdice-page\.[0-9a-f]{16}\.js$")
        sheet = re.search(r'<link rel="stylesheet" href="([^"]+)">', page).group(1)
        self.assertIn(b"image-rendering: pixelated", self.served(sheet))
        self.assertRegex(re.search(r'<link rel="icon" href="([^"]+)">', page).group(1), r"^icon\.[0-9a-f]{16}\.png$")
        rules = json.loads(slurp(os.path.join(self.dest, "manifest.json")))["files"]["pravidla.htm"]["url"]
        document = self.served(rules).decode()
        self.assertIn("Šest kostek", document)
        self.assertRegex(document, r'<link rel="stylesheet" href="pravidla\.[0-9a-f]{16}\.css">')
        self.assertNotIn("<style", document)

    def test_the_site_icon_is_linked_only_where_the_page_names_none(self):
        icon = os.path.join(HERE, "..", "..", "assets", "art", "icon.svg")
        result = subprocess.run([STAGE, "--quiet", "--icon", icon, self.source, self.dest], capture_output=True,
                                text=True)
        self.assertEqual(result.returncode, 0, result.stderr)
        page = self.served("index.html").decode()
        self.assertEqual(len(re.findall(r'rel="icon"', page)), 1)
        self.assertFalse([n for n in os.listdir(self.dest) if re.match(r"icon\.[0-9a-f]{16}\.svg", n)])
        path = os.path.join(self.source, "index.html")
        with open(path) as f:
            text = f.read()
        with open(path, "w") as f:
            f.write(re.sub(r'<link rel="icon"[^>]*>\n', "", text))
        result = subprocess.run([STAGE, "--quiet", "--icon", icon, self.source, self.dest], capture_output=True,
                                text=True)
        self.assertEqual(result.returncode, 0, result.stderr)
        page = self.served("index.html").decode()
        link = re.search(r'<link rel="icon" href="(icon\.[0-9a-f]{16}\.svg)" type="image/svg\+xml">\n</head>', page)
        self.assertIsNotNone(link, page)
        self.assertEqual(self.served(link.group(1)), slurp(icon))
        result = subprocess.run([STAGE, "--quiet", "--icon", path, self.source, self.dest], capture_output=True,
                                text=True)
        self.assertEqual((result.returncode, "an icon is" in result.stderr), (1, True))

    def assert_copies_decode(self):
        for root, _, files in os.walk(self.dest):
            for name in files:
                if name.endswith((".gz", ".br")):
                    continue
                full = os.path.join(root, name)
                original = slurp(full)
                for suffix in (".gz", ".br"):
                    if os.path.exists(full + suffix):
                        packed = slurp(full + suffix)
                        self.assertLess(len(packed), len(original), full + suffix)
                        decoded = gzip.decompress(packed) if suffix == ".gz" else subprocess.run(
                            ["brotli", "-dc"], input=packed, capture_output=True, check=True).stdout
                        self.assertEqual(decoded, original, full + suffix)

    def test_copies_decode_to_their_files_and_only_where_they_help(self):
        manifest = self.stage()
        self.assert_copies_decode()
        # Staged again over the first folder, whose copies are taken where the bytes are the same:
        # a changed file (and the manifest that names it) gets copies of its new bytes.
        with open(os.path.join(self.source, "sixdice.wasm"), "ab") as f:
            f.write(b"\0" * 64)
        changed = self.stage()
        self.assertNotEqual(changed["scripts"]["sixdice.wasm"], manifest["scripts"]["sixdice.wasm"])
        self.assert_copies_decode()
        wasm = os.path.join(self.dest, changed["scripts"]["sixdice.wasm"])
        self.assertTrue(os.path.exists(wasm + ".gz") and os.path.exists(wasm + ".br"))
        music = os.path.join(self.dest, changed["files"]["hudba/menu.ogg"]["url"])
        self.assertFalse(os.path.exists(music + ".gz") or os.path.exists(music + ".br"))

    def test_pages_the_policy_would_break_are_refused_and_nothing_is_published(self):
        self.stage()
        before = sorted(os.listdir(self.dest))
        page = slurp(os.path.join(self.source, "index.html"), "r")
        cases = {
            "inline script": page.replace("</body>", "<script>alert(1)</script></body>"),
            "event-handler attribute": page.replace("<canvas ", '<canvas onclick="go()" '),
            "style attribute": page.replace("<canvas ", '<canvas style="width:1px" '),
            "javascript: address": page.replace("</body>", '<a href="javascript:go()">x</a></body>'),
            "did not make": page.replace("sixdice-page.js", "missing.js"),
        }
        for what, text in cases.items():
            with open(os.path.join(self.source, "index.html"), "w") as f:
                f.write(text)
            result = run_stage(self.source, self.dest)
            self.assertEqual(result.returncode, 1, what)
            self.assertIn(what, result.stderr)
            self.assertEqual(sorted(os.listdir(self.dest)), before, what)
        with open(os.path.join(self.source, "index.html"), "w") as f:
            f.write(page)
        manifest = json.loads(slurp(os.path.join(self.source, "manifest.json")))
        manifest["files"]["zvuky.zrk"] = {"url": "zvuky.zrk", "bytes": 1}
        with open(os.path.join(self.source, "manifest.json"), "w") as f:
            json.dump(manifest, f)
        result = run_stage(self.source, self.dest)
        self.assertEqual(result.returncode, 1)
        self.assertIn("zvuky.zrk", result.stderr)
        os.remove(os.path.join(self.source, "manifest.json"))
        result = run_stage(self.source, self.dest)
        self.assertEqual((result.returncode, "has no manifest.json" in result.stderr), (1, True))


if __name__ == "__main__":
    unittest.main()
