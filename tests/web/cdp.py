# A small driver of Debian's headless Chromium through the DevTools protocol over its WebSocket,
# with the Python standard library only: start the browser, open tabs, run script in them, move
# and click the pointer, type text, take screenshots, set the clock the page reads, and collect
# every console error, uncaught exception and failed request of every tab.
#
#   with Browser() as browser:
#       tab = browser.new_tab(clock=True)     # clock: Date.now() is the tests' to set
#       tab.navigate("http://127.0.0.1:8043/play/")
#       tab.wait("document.body.dataset.ready === '1'")
#       tab.move(60, 60); tab.click(60, 60); tab.insert_text("Čeněk")
#       tab.set_clock(1_700_000_000_123)       # Date.now() answers this until set again
#       png = tab.screenshot(clip=(x, y, w, h))
#       browser.problems()                     # console errors, exceptions, failed requests
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
import base64
import json
import os
import queue
import shutil
import socket
import struct
import subprocess
import tempfile
import threading
import time

CHROMIUM = os.environ.get("SIXDICE_CHROMIUM", "chromium")
# As root, in a sandbox without GPU and without the outside network: no sandbox of Chromium's
# own, nothing fetched in the background.
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-default-apps", "--hide-scrollbars", "--mute-audio", "--no-default-browser-check",
         "--disable-features=Translate,MediaRouter,OptimizationHints",
         "--autoplay-policy=user-gesture-required"]


class DriverError(Exception):
    pass


class WebSocket:
    """A client WebSocket (RFC 6455) over a plain TCP socket: text frames, masked, one reader."""

    def __init__(self, host, port, path, timeout=30):
        self.sock = socket.create_connection((host, port), timeout=timeout)
        key = base64.b64encode(os.urandom(16)).decode()
        request = (f"GET {path} HTTP/1.1\r\nHost: {host}:{port}\r\nUpgrade: websocket\r\n"
                   f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\nSec-WebSocket-Version: 13\r\n\r\n")
        self.sock.sendall(request.encode())
        answer = b""
        while b"\r\n\r\n" not in answer:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise DriverError("the browser closed the connection during the handshake")
            answer += chunk
        head, _, self.buffer = answer.partition(b"\r\n\r\n")
        if not head.startswith(b"HTTP/1.1 101"):
            raise DriverError("the browser refused the WebSocket: " + head.decode(errors="replace"))
        self.sock.settimeout(None)
        self.lock = threading.Lock()

    def send(self, text):
        data = text.encode()
        header = bytearray([0x81])
        if len(data) < 126:
            header.append(0x80 | len(data))
        elif len(data) < 65536:
            header += bytes([0x80 | 126]) + struct.pack(">H", len(data))
        else:
            header += bytes([0x80 | 127]) + struct.pack(">Q", len(data))
        mask = os.urandom(4)
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(data)) if len(data) < 4096 else \
            _mask_fast(data, mask)
        with self.lock:
            self.sock.sendall(bytes(header) + mask + masked)

    def _read(self, n):
        while len(self.buffer) < n:
            chunk = self.sock.recv(1 << 16)
            if not chunk:
                raise EOFError
            self.buffer += chunk
        data, self.buffer = self.buffer[:n], self.buffer[n:]
        return data

    def receive(self):
        """The next whole text message; EOFError when the browser closed the connection."""
        parts = []
        while True:
            first, second = self._read(2)
            opcode, length = first & 0x0F, second & 0x7F
            if length == 126:
                length = struct.unpack(">H", self._read(2))[0]
            elif length == 127:
                length = struct.unpack(">Q", self._read(8))[0]
            mask = self._read(4) if second & 0x80 else None
            payload = self._read(length)
            if mask:
                payload = _mask_fast(payload, mask)
            if opcode == 0x8:
                raise EOFError
            if opcode == 0x9:  # ping: answered with the same payload
                with self.lock:
                    m = os.urandom(4)
                    self.sock.sendall(bytes([0x8A, 0x80 | len(payload)]) + m + _mask_fast(payload, m))
                continue
            if opcode in (0x1, 0x2, 0x0):
                parts.append(payload)
                if first & 0x80:
                    return b"".join(parts).decode()

    def close(self):
        try:
            self.sock.close()
        except OSError:
            pass


def _mask_fast(data, mask):
    n = len(data)
    key = (mask * (n // 4 + 1))[:n]
    return (int.from_bytes(data, "little") ^ int.from_bytes(key, "little")).to_bytes(n, "little")


# Installed before any script of a page runs: Date.now(), new Date() and Date() read a clock the
# test sets (frozen at the value given), or the real clock until it does. performance.now() is
# left alone: it measures intervals, which stay real.
CLOCK_SCRIPT = r"""
(() => {
  const RealDate = Date, realNow = RealDate.now.bind(RealDate);
  let fixed = null;
  const now = () => (fixed === null ? realNow() : fixed);
  function TestDate(...args) {
    if (!new.target) return new RealDate(now()).toString();
    return args.length === 0 ? new RealDate(now()) : new RealDate(...args);
  }
  TestDate.prototype = RealDate.prototype;
  TestDate.now = now;
  TestDate.parse = RealDate.parse;
  TestDate.UTC = RealDate.UTC;
  Object.defineProperty(window, "__sixdiceTestClock", {
    value: Object.freeze({ set(ms) { fixed = ms; }, release() { fixed = null; } }),
  });
  window.Date = TestDate;
})();
"""


class Tab:
    """One page target, attached with its own session on the browser's connection."""

    def __init__(self, browser, target_id, session_id):
        self.browser, self.target_id, self.session = browser, target_id, session_id
        self.url = None

    def send(self, method, params=None, timeout=30):
        return self.browser.send(method, params, self.session, timeout)

    def enable(self, clock, width, height):
        for domain in ("Runtime", "Log", "Network", "Page"):
            self.send(domain + ".enable")
        self.send("Network.setCacheDisabled", {"cacheDisabled": False})
        if width:
            self.send("Emulation.setDeviceMetricsOverride",
                      {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
        if clock:
            self.send("Page.addScriptToEvaluateOnNewDocument", {"source": CLOCK_SCRIPT})

    def navigate(self, url, wait_load=True, timeout=30):
        self.browser.events_of(self.session, "Page.loadEventFired", clear=True)
        answer = self.send("Page.navigate", {"url": url})
        if answer.get("errorText"):
            raise DriverError(f"navigation to {url} failed: {answer['errorText']}")
        if wait_load:
            self.browser.wait_event(self.session, "Page.loadEventFired", timeout)

    def evaluate(self, expression, await_promise=False, timeout=30):
        answer = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": await_promise}, timeout)
        if "exceptionDetails" in answer:
            details = answer["exceptionDetails"]
            text = details.get("exception", {}).get("description") or details.get("text")
            raise DriverError(f"script failed: {text}\n  in: {expression[:200]}")
        return answer["result"].get("value")

    def wait(self, condition, timeout=30, what=None):
        """Waits until the expression is true in the page (polled every 20 ms)."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                if self.evaluate(f"Boolean({condition})"):
                    return
            except DriverError:
                pass
            if time.monotonic() > deadline:
                raise DriverError(f"waited {timeout} s in vain for {what or condition}")
            time.sleep(0.02)

    def mouse(self, kind, x, y, button="none", clicks=0):
        self.send("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": button,
                                               "clickCount": clicks,
                                               "buttons": 1 if kind == "mousePressed" else 0})

    def move(self, x, y):
        self.mouse("mouseMoved", x, y)

    def click(self, x, y):
        self.mouse("mouseMoved", x, y)
        self.mouse("mousePressed", x, y, "left", 1)
        self.mouse("mouseReleased", x, y, "left", 1)

    def insert_text(self, text):
        """Text as an input method hands it over (no key events), Czech letters included."""
        self.send("Input.insertText", {"text": text})

    KEYS = {"Enter": (13, "\r"), "Tab": (9, ""), "Escape": (27, ""), "Backspace": (8, ""),
            "ArrowLeft": (37, ""), "ArrowRight": (39, ""), "Home": (36, ""), "End": (35, "")}

    def key(self, name, ctrl=False, shift=False):
        """A key pressed and released: a name of KEYS or one letter (with Ctrl: a shortcut)."""
        if len(name) == 1:
            code, text, dom = ord(name.upper()), name, "Key" + name.upper()
        else:
            (code, text), dom = self.KEYS[name], name
        modifiers = (2 if ctrl else 0) | (8 if shift else 0)
        base = {"key": name, "code": dom, "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code,
                "modifiers": modifiers}
        if ctrl:
            self.send("Input.dispatchKeyEvent", {"type": "rawKeyDown", "key": "Control", "code": "ControlLeft",
                                                 "windowsVirtualKeyCode": 17, "modifiers": 2})
        self.send("Input.dispatchKeyEvent", dict(base, type="rawKeyDown"))
        if text and not ctrl:
            self.send("Input.dispatchKeyEvent", dict(base, type="char", text=text))
        self.send("Input.dispatchKeyEvent", dict(base, type="keyUp"))
        if ctrl:
            self.send("Input.dispatchKeyEvent", {"type": "keyUp", "key": "Control", "code": "ControlLeft",
                                                 "windowsVirtualKeyCode": 17, "modifiers": 0})

    def set_clock(self, ms):
        self.evaluate(f"window.__sixdiceTestClock.set({int(ms)})")

    def screenshot(self, clip=None):
        params = {"format": "png"}
        if clip:
            x, y, w, h = clip
            params["clip"] = {"x": x, "y": y, "width": w, "height": h, "scale": 1}
        return base64.b64decode(self.send("Page.captureScreenshot", params)["data"])

    def element_box(self, selector):
        """(x, y, width, height) of the element in CSS pixels of the viewport."""
        box = self.evaluate(f"""(() => {{ const r = document.querySelector({json.dumps(selector)})
            .getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; }})()""")
        return tuple(box)

    def close(self):
        self.browser.send("Target.closeTarget", {"targetId": self.target_id})


class Browser:
    def __init__(self, width=1000, height=800, extra_flags=(), log=None):
        self.width, self.height = width, height
        self.profile = tempfile.mkdtemp(prefix="sixdice-chromium-")
        self.log = open(log or os.path.join(self.profile, "chromium.log"), "wb")
        self.process = subprocess.Popen(
            [CHROMIUM, *FLAGS, *extra_flags, f"--user-data-dir={self.profile}",
             f"--window-size={width},{height}", "--remote-debugging-port=0", "about:blank"],
            stdout=self.log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.monotonic() + 30
        while True:
            if os.path.exists(port_file):
                with open(port_file) as f:
                    lines = f.read().split("\n")
                if len(lines) >= 2 and lines[1]:
                    break
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.close()
                raise DriverError("Chromium did not start (its log: " + self.log.name + ")")
            time.sleep(0.05)
        self.ws = WebSocket("127.0.0.1", int(lines[0]), lines[1])
        self.next_id = 0
        self.answers = {}
        self.events = []
        self.condition = threading.Condition()
        self.tabs = {}
        self.targets = {}  # every page target seen: id -> url
        self.problem_list = []
        self.console_list = []
        self.reader = threading.Thread(target=self._read_loop, daemon=True)
        self.reader.start()
        self.send("Target.setDiscoverTargets", {"discover": True})

    # --- connection

    def _read_loop(self):
        try:
            while True:
                message = json.loads(self.ws.receive())
                with self.condition:
                    if "id" in message:
                        self.answers[message["id"]] = message
                    else:
                        self._note(message)
                        self.events.append(message)
                    self.condition.notify_all()
        except (EOFError, OSError, ValueError):
            with self.condition:
                self.closed = True
                self.condition.notify_all()

    closed = False

    def send(self, method, params=None, session=None, timeout=30):
        with self.condition:
            self.next_id += 1
            number = self.next_id
        message = {"id": number, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        self.ws.send(json.dumps(message))
        deadline = time.monotonic() + timeout
        with self.condition:
            while number not in self.answers:
                if self.closed:
                    raise DriverError(f"the browser went away during {method}")
                left = deadline - time.monotonic()
                if left <= 0:
                    raise DriverError(f"no answer to {method} within {timeout} s")
                self.condition.wait(left)
            answer = self.answers.pop(number)
        if "error" in answer:
            raise DriverError(f"{method}: {answer['error'].get('message')}")
        return answer.get("result", {})

    def events_of(self, session, method, clear=False):
        with self.condition:
            found = [e for e in self.events if e.get("sessionId") == session and e["method"] == method]
            if clear:
                self.events = [e for e in self.events
                               if not (e.get("sessionId") == session and e["method"] == method)]
            return found

    def wait_event(self, session, method, timeout=30, where=lambda params: True):
        deadline = time.monotonic() + timeout
        with self.condition:
            while True:
                for event in self.events:
                    if event.get("sessionId") == session and event["method"] == method \
                            and where(event.get("params", {})):
                        self.events.remove(event)
                        return event.get("params", {})
                left = deadline - time.monotonic()
                if left <= 0 or self.closed:
                    raise DriverError(f"no {method} within {timeout} s")
                self.condition.wait(left)

    # --- what went wrong, in any tab

    def _note(self, message):
        method, params = message["method"], message.get("params", {})
        where = self.tabs.get(message.get("sessionId"))
        url = where.url if where else "?"
        if method == "Target.targetCreated" or method == "Target.targetInfoChanged":
            info = params["targetInfo"]
            if info["type"] == "page":
                self.targets[info["targetId"]] = info["url"]
        elif method == "Page.frameNavigated" and where and "parentId" not in params["frame"]:
            where.url = params["frame"]["url"]
        elif method == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            self.console_list.append(text)
            if params["type"] in ("error", "assert"):
                self.problem_list.append(f"console error on {url}: {text}")
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            text = details.get("exception", {}).get("description") or details.get("text")
            self.problem_list.append(f"uncaught exception on {url}: {text}")
        elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
            entry = params["entry"]
            self.problem_list.append(f"browser error on {url}: {entry.get('text')} {entry.get('url', '')}")
        elif method == "Network.loadingFailed" and not params.get("canceled"):
            self.problem_list.append(f"failed request on {url}: {params.get('errorText')}")
        elif method == "Network.responseReceived" and params["response"]["status"] >= 400:
            response = params["response"]
            self.problem_list.append(f"request answered {response['status']}: {response['url']}")

    def problems(self):
        with self.condition:
            return list(self.problem_list)

    def console(self):
        """Every console message of every tab so far, as text."""
        with self.condition:
            return list(self.console_list)

    def forget_problems(self):
        with self.condition:
            self.problem_list.clear()
            self.console_list.clear()

    # --- tabs

    def _attach(self, target_id, clock, width, height):
        session = self.send("Target.attachToTarget", {"targetId": target_id, "flatten": True})["sessionId"]
        tab = Tab(self, target_id, session)
        with self.condition:
            self.tabs[session] = tab
        tab.enable(clock, width, height)
        return tab

    def new_tab(self, clock=False, width=None, height=None):
        """A new empty tab; clock: Date in it reads the tests' clock (Tab.set_clock)."""
        target = self.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        return self._attach(target, clock, width or self.width, height or self.height)

    def wait_new_tab(self, known, timeout=30):
        """The tab a page opened (a page target not in KNOWN), attached, once it has an address."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with self.condition:
                fresh = [t for t, url in self.targets.items() if t not in known and url not in ("", "about:blank")]
            if fresh:
                tab = self._attach(fresh[0], False, None, None)
                tab.url = self.targets[fresh[0]]
                return tab
            time.sleep(0.05)
        raise DriverError(f"no new tab within {timeout} s")

    def page_targets(self):
        with self.condition:
            return set(self.targets)

    def renderer_pids(self):
        """Process ids of this browser's renderer processes (Chromium writes its whole command line
        into its first argument, so the line is searched as one)."""
        mine = f"--user-data-dir={self.profile}".encode()
        pids = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/cmdline", "rb") as f:
                    command = f.read().replace(b"\0", b" ")
            except OSError:
                continue
            if b"--type=renderer" in command and mine + b" " in command + b" ":
                pids.append(int(entry))
        return pids

    def close(self):
        if getattr(self, "ws", None):
            self.ws.close()
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
