# The local table server (server/run, PHP's built-in server) for the browser tests and the
# benchmark: on a free loopback port, with its own data folder and the game folder given.
#   with TableServer(game_dir, data_dir) as server:
#       server.base  -> "http://127.0.0.1:PORT"
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import signal
import socket
import subprocess
import time

REPO = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def read_text(path):
    with open(path, errors="replace") as f:
        return f.read()


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def answering(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=0.5):
            return True
    except OSError:
        return False


class TableServer:
    def __init__(self, game_dir, data_dir, workers=3, settings=None):
        self.game_dir, self.data_dir, self.workers = game_dir, data_dir, workers
        self.settings = settings or {}
        self.process = None

    def __enter__(self):
        env = dict(os.environ, SIXDICE_SERVER_GAME_DIR=self.game_dir, **self.settings)
        env.pop("SIXDICE_SERVER_CONFIG", None)
        for _ in range(3):  # another program may take the free port first
            port = free_port()
            self.log = os.path.join(self.data_dir, f"server-{port}.log")
            os.makedirs(self.data_dir, exist_ok=True)
            with open(self.log, "wb") as log:
                self.process = subprocess.Popen(
                    [os.path.join(REPO, "server", "run"), "--listen", f"127.0.0.1:{port}", "--data",
                     self.data_dir, "--workers", str(self.workers)],
                    env=env, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline and self.process.poll() is None:
                if answering(port) and f"(http://127.0.0.1:{port}) started" in read_text(self.log):
                    self.base = f"http://127.0.0.1:{port}"
                    return self
                time.sleep(0.05)
            self.stop()
        raise RuntimeError("the table's server did not start: " + read_text(self.log))

    def stop(self):
        if self.process and self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()

    def __exit__(self, *exc):
        self.stop()

    def rows(self):
        """The stored results, best first: (id, rank, score, date, name) tuples."""
        env = dict(os.environ, SIXDICE_SERVER_DATA_DIR=self.data_dir)
        env.pop("SIXDICE_SERVER_CONFIG", None)
        out = subprocess.run([os.path.join(REPO, "server", "bin", "sixdice-table"), "list"], env=env,
                             capture_output=True, text=True, check=True).stdout
        return [tuple(line.split("\t")) for line in out.splitlines() if line]
