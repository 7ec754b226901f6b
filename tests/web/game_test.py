#!/usr/bin/env python3
# The browser game end to end in headless Chromium, served by the table's own server (server/run)
# from the staged web build, driven through the DevTools protocol (cdp.py) like a player:
#   - the menu's canvas equals the desktop game's menu (image 0 of the graphics file, which the
#     desktop end-to-end test finds in the desktop window pixel for pixel), in Czech and English;
#   - a play-through as the desktop one (tests/e2e/playthrough.sh): hover marks, the player setup
#     with names typed through the protocol's text input (Czech letters), a whole two-player game
#     with the dice chosen through the clock the page reads (Date, set by the test before the
#     page's scripts run; the shipped build has no hook of its own), the highscore, the e-mail
#     form, the submission arriving at the real table server (SQLite) and its row shown in the new
#     tab;
#   - a damaged and a missing data file on the server give the error box naming the file (its
#     text also goes to standard error, the page's console, where the test reads the name);
#   - no console error, uncaught exception or failed request anywhere else.
#   game_test.py --served build-web/play --build build [--shots DIR]
# The build folder gives the data files (build/run) and the desktop tests' helpers e2e_pictures
# and e2e_dice. Screenshots are kept in DIR (default build-web/shots) for a person to look at.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
import argparse
import datetime
import hashlib
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, HERE)
import cdp  # noqa: E402
from servers import TableServer  # noqa: E402

# Room for the large layout (547x448) at scale 1 and the small one (400x300) at scale 2.
VIEW = (1000, 800)
DAY = datetime.datetime(2026, 12, 8, tzinfo=datetime.timezone.utc)
LAYOUTS = {"small": (400, 300), "large": (547, 448)}


class Failure(Exception):
    pass


class Game:
    """One tab with the game: the canvas's place and scale, clicks and screenshots in the game's
    own surface pixels, checks through the desktop tests' picture helper."""

    def __init__(self, run, tab, language):
        self.run, self.tab, self.language = run, tab, language
        self.graphics = os.path.join(run.data, "grafika_cz.zrk" if language == "CZ" else "grafika_en.zrk")
        self.shot_number = 0

    def canvas(self):
        """(x, y, scale, width, height): where the game's surface is and how much it is enlarged."""
        x, y, w, h = self.tab.element_box("canvas")
        # Chromium paints a box that starts between two pixels from the next one.
        x, y = math.floor(x + 0.5), math.floor(y + 0.5)
        for width, height in LAYOUTS.values():
            if w % width == 0 and h % height == 0 and w // width == h // height and w >= width:
                return x, y, int(w // width), width, height
        raise Failure(f"the canvas is {w}x{h}, no whole multiple of a layout")

    def at(self, gx, gy):
        x, y, scale, _, _ = self.canvas()
        return x + gx * scale + scale / 2, y + gy * scale + scale / 2

    def click(self, gx, gy):
        self.tab.click(*self.at(gx, gy))
        time.sleep(0.05)

    def move(self, gx, gy):
        self.tab.move(*self.at(gx, gy))

    def grab(self, path):
        """A screenshot of the canvas in surface pixels (an enlarged canvas sampled back)."""
        x, y, scale, width, height = self.canvas()
        with open(path, "wb") as f:
            f.write(self.tab.screenshot((x, y, width * scale, height * scale)))
        if scale > 1:
            subprocess.run(["mogrify", "-sample", f"{width}x{height}!", path], check=True)
        return width, height

    def snap(self, name):
        self.shot_number += 1
        path = os.path.join(self.run.shots, f"{self.language}-{self.shot_number:02d}-{name}.png")
        self.grab(path)
        return path

    def wait_for(self, what, *check, seconds=15):
        now = os.path.join(self.run.work, "now.png")
        deadline = time.monotonic() + seconds
        while True:
            try:
                self.grab(now)
                if self.run.pictures(*check[:1], now, *check[1:]) == 0:
                    return
            except (cdp.DriverError, Failure):  # the canvas between two layouts
                pass
            if time.monotonic() > deadline:
                failed = os.path.join(self.run.shots, f"{self.language}-failed.png")
                if os.path.exists(now):
                    shutil.copy(now, failed)
                raise Failure(f"the canvas never showed {what} (last screenshot: {failed})")
            time.sleep(0.1)

    def wait_changed(self, reference, what, seconds=10):
        """Waits until the canvas differs from the picture REFERENCE."""
        now = os.path.join(self.run.work, "changed.png")
        deadline = time.monotonic() + seconds
        while True:
            self.grab(now)
            if self.run.pictures("compare", reference, now) != 0:
                return
            if time.monotonic() > deadline:
                raise Failure(f"the canvas never showed {what}")
            time.sleep(0.05)

    def shows(self, index, x, y, w, h):
        return ("region", self.graphics, str(index), str(x), str(y), str(w), str(h))

    def size(self):
        return self.canvas()[3:]


class Run:
    def __init__(self, arguments):
        self.served = os.path.abspath(arguments.served)
        build = os.path.abspath(arguments.build)
        self.data = os.path.join(build, "run")
        self.picture_helper = os.path.join(build, "tests", "e2e", "e2e_pictures")
        self.dice_helper = os.path.join(build, "tests", "e2e", "e2e_dice")
        for program in (self.picture_helper, self.dice_helper):
            if not os.access(program, os.X_OK):
                raise Failure(f"{program} is missing: build the desktop tests first")
        self.shots = os.path.abspath(arguments.shots or os.path.join(self.served, "..", "shots"))
        shutil.rmtree(self.shots, ignore_errors=True)
        os.makedirs(self.shots)
        self.work = tempfile.mkdtemp(prefix="sixdice-webgame-")

    def pictures(self, command, *arguments):
        return subprocess.run([self.picture_helper, command, *arguments], capture_output=True).returncode

    def dice_moment(self, held, faces):
        out = subprocess.run([self.dice_helper, "moment", held, *map(str, faces)], capture_output=True,
                             text=True, check=True).stdout.strip()
        return milliseconds(out)

    def dice_rand(self, moment):
        return subprocess.run([self.dice_helper, "rand", moment], capture_output=True, text=True,
                              check=True).stdout.strip()


def milliseconds(time_of_day):
    """Date.now() of 2026-12-08 at HH:MM:SS.mmm UTC."""
    hours, minutes, rest = time_of_day.split(":")
    seconds, millis = rest.split(".")
    moment = DAY + datetime.timedelta(hours=int(hours), minutes=int(minutes), seconds=int(seconds),
                                      milliseconds=int(millis))
    return int(moment.timestamp() * 1000)


def open_game(run, browser, base, language, cache=True):
    tab = browser.new_tab(clock=True, width=VIEW[0], height=VIEW[1])
    if not cache:
        tab.send("Network.setCacheDisabled", {"cacheDisabled": True})
    tab.navigate(f"{base}/play/?lang={language}")
    tab.wait("document.querySelector('canvas') !== null", what="the game's canvas")
    return Game(run, tab, language)


def check_menus(run, browser, base):
    for language in ("CZ", "EN"):
        game = open_game(run, browser, base, language)
        game.wait_for(f"the {language} menu", *game.shows(0, 0, 0, 400, 300), seconds=30)
        menu = game.snap("menu")
        expected = os.path.join(run.work, f"menu-{language}.png")
        if run.pictures("image", game.graphics, "0", expected) != 0 or run.pictures("compare", expected, menu) != 0:
            raise Failure(f"the {language} menu differs from the desktop's (see {menu})")
        game.tab.close()
        print(f"menu {language}: equal to the desktop's menu")


def play_through(run, browser, server, language):
    """The desktop play-through's game, in the browser."""
    game = open_game(run, browser, server.base, language)
    shows = game.shows
    if language == "CZ":
        new_game, start, throw, pass_button = (218, 45), (62, 262), (152, 103), (424, 54)
        send, back_to_menu, exit_button = (93, 285), (338, 285), (73, 218)
    else:
        new_game, start, throw, pass_button = (229, 50), (62, 266), (145, 101), (424, 54)
        send, back_to_menu, exit_button = (84, 285), (363, 284), (62, 219)
    add_player, remove_player = (165, 50), (60, 50)
    box_top = (0, 55, 85, 115, 145)
    name = "Jo & Čeněk"

    game.wait_for("the menu", *shows(0, 200, 100, 60, 60), seconds=30)
    # Hover marks: the "new game" button lights up under the pointer and goes dark again.
    plain = os.path.join(run.work, "image0.png")
    run.pictures("image", game.graphics, "0", plain)
    game.move(*new_game)
    game.wait_changed(plain, "the new-game button marked under the pointer")
    game.snap("menu-hover")
    # Off every area (the envelope at the corner is an area of its own, which keeps the mark).
    game.move(200, 290)
    game.wait_for("the menu without marks", *shows(0, 0, 0, 400, 300))

    # The audio output's states from here on: it is put to rest in silence and woken for sounds
    # (the browser runs a silent output's script for every buffer otherwise).
    game.tab.evaluate("""window.__audioStates = [];
        Module.SDL2.audioContext.addEventListener("statechange",
            (event) => window.__audioStates.push(event.target.state));""")

    # Player setup: three players, one removed again, names typed with Czech letters.
    game.click(*new_game)
    game.wait_for("the player setup", *shows(6, 120, 180, 100, 50))
    game.click(*add_player)
    game.click(*add_player)
    game.click(*remove_player)
    game.click(310, box_top[1] + 10)
    game.tab.key("a", ctrl=True)
    game.tab.insert_text(name)
    game.tab.insert_text("x")  # an eleventh character is refused
    game.click(310, box_top[2] + 10)
    game.tab.key("a", ctrl=True)
    game.tab.insert_text("Dušan")
    game.snap("setup")
    game.click(*start)
    deadline = time.monotonic() + 10
    while game.size() != LAYOUTS["large"]:
        if time.monotonic() > deadline:
            raise Failure(f"the game screen is {game.size()}, not 547x448")
        time.sleep(0.1)
    game.wait_for("the game board", *shows(15, 300, 0, 240, 40))
    game.snap("game")

    current = [0] * 6

    def throw_dice(held, *faces):
        game.tab.set_clock(run.dice_moment(held, faces))
        shown, free = [], iter(faces)
        for i in range(6):
            shown.append(next(free) if held[i] == "." else current[i])
        current[:] = shown
        game.click(*throw)
        game.wait_for("the dice " + " ".join(map(str, shown)), "dice", game.graphics, *map(str, shown))

    def hold(die):
        game.click(25 + 50 * (die - 1), 67)

    def write_cell(row):
        game.click(60, 161 + 15 * (row - 1) + 3)
        current[:] = [0] * 6

    def pass_turn():
        game.click(*pass_button)
        current[:] = [0] * 6

    # Player 1 fills the sheet, player 2 passes every turn.
    for row, faces in enumerate([(1, 1, 1, 1, 2, 3), (2, 2, 2, 2, 3, 5), (3, 3, 3, 3, 1, 2)], start=1):
        throw_dice("......", *faces)
        write_cell(row)
        pass_turn()
    throw_dice("......", 4, 4, 4, 1, 2, 3)
    hold(1), hold(2), hold(3)
    game.snap("held")
    throw_dice("xxx...", 4, 5, 6)
    write_cell(4)
    pass_turn()
    for row, faces in [(5, (5, 5, 5, 5, 5, 1)), (6, (6, 6, 6, 6, 1, 2)), (7, (6, 5, 4, 3, 2, 1)),
                       (8, (1, 2, 2, 5, 5, 5)), (9, (1, 1, 1, 2, 2, 6)), (10, (1, 1, 3, 3, 6, 6)),
                       (11, (3, 3, 3, 3, 5, 5)), (12, (4, 4, 4, 6, 6, 6))]:
        throw_dice("......", *faces)
        write_cell(row)
        pass_turn()
    throw_dice("......", 6, 6, 6, 6, 6, 6)
    game.snap("last-throw")
    write_cell(13)  # the sheet is full: the end of the game
    time.sleep(1)
    game.snap("end-of-game")

    # The highscore: player 1 with 251 points + 25 banked throws = 276 in 14 throws:
    # round(19.71) = 20, 20 x 276 = 5520.
    game.click(270, 300)
    deadline = time.monotonic() + 10
    while game.size() != LAYOUTS["small"]:
        if time.monotonic() > deadline:
            raise Failure(f"the highscore screen is {game.size()}, not 400x300")
        time.sleep(0.1)
    game.wait_for("the highscore", *shows(22, 0, 0, 400, 100))
    game.snap("highscore")
    # The game's music ended with the game: nothing sounds on the highscore.
    audio_at_rest(game, "the silent highscore screen")
    rested = len(game.tab.evaluate("window.__audioStates"))

    # The e-mail form, drawn over the highscore in the same canvas (found by its picture): the
    # address typed into its box, its button sends.
    game.snap("before-form")
    game.move(5, 5)
    game.click(*send)
    # The button's mark going out changes the canvas too: the form counts once its picture is
    # found in it.
    ox, oy = wait_for_form(run, game)
    game.click(ox + 178, oy + 46)
    game.tab.insert_text("a+b@example.cz")
    send_moment = "13:14:15.161"
    game.tab.set_clock(milliseconds(send_moment))
    game.snap("email-typed")
    known = browser.page_targets()
    game.click(ox + 177, oy + 89)
    table = browser.wait_new_tab(known)
    table.wait("document.readyState === 'complete'", what="the table page")

    # The submission: the address the game built, the stored row, the row shown highlighted.
    r = run.dice_rand(send_moment)
    check = hashlib.md5(f"43{name}5520{'5b0d7e21c4'}{r}".encode("cp1250")).hexdigest()
    query = urllib.parse.urlencode({"gid": 43, "player": name.encode("cp1250"), "score": 5520,
                                    "email": "a+b@example.cz", "rand": r, "check": check},
                                   quote_via=urllib.parse.quote, safe="")
    expected = f"{server.base}/savescore.php?{query}"
    if table.url != expected:
        raise Failure(f"the new tab opened {table.url}, not {expected}")
    rows = [row for row in server.rows() if row[4] == name and row[2] == "5520"]
    if len(rows) != 1:
        raise Failure(f"the table's database holds no single row for {name} with 5520: {server.rows()}")
    shown = table.evaluate("(() => { const r = document.querySelector('tr.mine .name');"
                           " return r ? r.textContent : null; })()")
    if shown != name:
        raise Failure(f"the table page highlights {shown!r}, not {name!r}")
    with open(os.path.join(run.shots, f"{language}-table-page.png"), "wb") as f:
        f.write(table.screenshot())
    table.close()

    # Back to the menu, and out with the farewell and the page's "play again".
    game.click(*back_to_menu)
    game.wait_for("the menu again", *shows(0, 200, 100, 60, 60))
    if "running" not in game.tab.evaluate("window.__audioStates")[rested:]:
        raise Failure("the audio output was not woken for the way back to the menu, which sounds")
    game.click(*exit_button)
    game.wait_for("the farewell picture", *shows(5, 0, 0, 400, 300))
    game.snap("farewell")
    game.tab.wait("/Díky za hru|Thanks for playing/.test(document.body.innerText)"
                  " && document.querySelector('a[href]') !== null", timeout=20,
                  what="the page's thanks with the link to play again")
    # The game's canvas (black once the game has closed it) is gone from the page.
    if game.tab.evaluate("getComputedStyle(document.getElementById('canvas')).display") != "none":
        raise Failure("the canvas still shows after the farewell")
    with open(os.path.join(run.shots, f"{language}-after-exit.png"), "wb") as f:
        f.write(game.tab.screenshot())
    game.tab.close()
    print(f"play-through {language}: a whole game, the highscore, the e-mail form and the stored, "
          f"highlighted row {rows[0]}")


def audio_at_rest(game, where):
    """The game's audio context suspended once nothing has sounded for a moment."""
    game.tab.wait("Module.SDL2.audioContext.state === 'suspended'", timeout=5,
                  what=f"the audio output at rest in {where}")


def wait_for_form(run, game, seconds=15):
    """Snaps the canvas until the e-mail form is in it; where the form lies."""
    deadline = time.monotonic() + seconds
    while True:
        form = game.snap("email-form")
        try:
            return locate_form(run, form)
        except Failure:
            if time.monotonic() > deadline:
                raise
            os.remove(form)
            game.shot_number -= 1
            time.sleep(0.1)


def locate_form(run, shot):
    """Where the e-mail form's picture (email.bmp) lies in the canvas: the offset at which its
    trophy, which no control covers, matches the screenshot exactly."""
    patch = os.path.join(run.work, "form-patch.png")
    px, py = 18, 70
    subprocess.run(["convert", os.path.join(run.data, "email.bmp"), "-crop", f"30x32+{px}+{py}", "+repage",
                    patch], check=True)
    result = subprocess.run(["compare", "-metric", "AE", "-subimage-search", shot, patch, "null:"],
                            capture_output=True, text=True)
    # "DIFFERENT_PIXELS (AE) @ X,Y" on standard error
    words = result.stderr.replace("@", " ").split()
    try:
        x, y = (int(v) for v in words[-1].split(","))
        different = float(words[0])
    except (ValueError, IndexError):
        raise Failure(f"the e-mail form's picture was not found in the canvas: {result.stderr.strip()}")
    if different > 0:
        raise Failure(f"the e-mail form's picture is not in the canvas (best place {x},{y} differs in "
                      f"{different:.0f} pixels)")
    return x - px, y - py


def check_file_faults(run, browser):
    """A damaged graphics file and a missing sound file on the server: the error box names them."""
    for fault, plain in (("damaged", "grafika_cz.zrk"), ("missing", "zvuky.zrk")):
        folder = os.path.join(run.work, f"served-{fault}")
        shutil.rmtree(folder, ignore_errors=True)
        shutil.copytree(run.served, folder)
        with open(os.path.join(folder, "manifest.json")) as f:
            url = json.load(f)["files"][plain]["url"]
        target = os.path.join(folder, url)
        for copy in (target + ".gz", target + ".br"):
            if os.path.exists(copy):
                os.remove(copy)
        if fault == "damaged":
            with open(target, "r+b") as f:
                f.truncate(os.path.getsize(target) // 2)
        else:
            os.remove(target)
        with TableServer(folder, os.path.join(run.work, f"data-{fault}")) as server:
            browser.forget_problems()
            game = open_game(run, browser, server.base, "CZ", cache=False)
            deadline = time.monotonic() + 30
            # The game's message goes to standard error, which is the page's console, and into the
            # box; the page's own note of a failed fetch does not count.
            while not any(plain in line and "could not be fetched" not in line for line in browser.console()):
                if time.monotonic() > deadline:
                    raise Failure(f"a {fault} {plain} was not reported: {browser.console()}")
                time.sleep(0.1)
            # The box comes once its fonts have been fetched, over the loading bar meanwhile; the
            # bar's screen has a few colours (felt and gold), the box's text and icon hundreds.
            deadline = time.monotonic() + 15
            while True:
                shot = game.snap(f"error-{fault}")
                colours = int(subprocess.run(["identify", "-format", "%k", shot], capture_output=True,
                                             text=True, check=True).stdout)
                if colours > 200:
                    break
                if time.monotonic() > deadline:
                    raise Failure(f"the error box about a {fault} {plain} was never drawn (see {shot})")
                game.shot_number -= 1
                time.sleep(0.2)
            menu = os.path.join(run.work, "menu-CZ.png")
            run.pictures("image", game.graphics, "0", menu)
            if run.pictures("compare", menu, shot) == 0:
                raise Failure(f"a {fault} {plain} still shows the menu")
            game.tab.close()
        print(f"{fault} {plain}: the error names it")
    browser.forget_problems()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--served", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--shots")
    arguments = parser.parse_args()
    run = Run(arguments)
    browser = None
    try:
        with cdp.Browser(width=VIEW[0], height=VIEW[1]) as browser:
            check_file_faults(run, browser)
            with TableServer(run.served, os.path.join(run.work, "data")) as server:
                check_menus(run, browser, server.base)
                for language in ("CZ", "EN"):
                    play_through(run, browser, server, language)
                problems = browser.problems()
            if problems:
                raise Failure("the browser reported:\n  " + "\n  ".join(problems))
    except (Failure, cdp.DriverError) as error:
        print(f"FAIL: {error}", file=sys.stderr)
        # What the page said often explains a step that never came.
        if browser is not None and browser.problems():
            print("the browser reported:\n  " + "\n  ".join(browser.problems()), file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(run.work, ignore_errors=True)
    print(f"the browser game passed; screenshots in {run.shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
