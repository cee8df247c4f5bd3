"""Start-up time of kalnor against a bare WebKitGTK window: from starting the
process to the home page's load event, which the page reports to the local
server it came from. Runs the two alternately, several times each."""

import http.server
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

PAGE = (b"<html><head><title>Start</title></head>"
        b"<body onload=\"fetch('/loaded')\"><h1>Start</h1></body></html>")


class Server:
    def __init__(self):
        self.loaded = threading.Event()
        owner = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                if self.path == "/loaded":
                    owner.loaded.set()
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(len(PAGE)))
                self.send_header("Cache-Control", "no-store")
                self.end_headers()
                self.wfile.write(PAGE)

            def log_message(self, *args):
                pass

        self.http = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        threading.Thread(target=self.http.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.http.server_address[1]}/start.html"


def measure(command, folder, env, server):
    server.loaded.clear()
    start = time.monotonic()
    process = subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        if not server.loaded.wait(60):
            raise SystemExit(f"{command[0]}: the page did not load within 60 s")
        return time.monotonic() - start
    finally:
        process.kill()
        process.wait()


def main():
    kalnor, bare, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
    server = Server()
    folder = tempfile.mkdtemp(prefix="kalnor-bench-")
    os.makedirs(os.path.join(folder, "config", "kalnor"))
    with open(os.path.join(folder, "config", "kalnor", "engine.ini"), "w") as ini:
        ini.write(f"[engine]\nhome={server.url}\n")
    for name in ("edit.kln", "history.kln"):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(b"http://127.0.0.1/\r\n")
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"))
    # One unmeasured start each warms the disk cache.
    measure([kalnor], folder, env, server)
    measure([bare, server.url], folder, env, server)
    times = {"kalnor": [], "bare WebKitGTK": []}
    for _ in range(runs):
        times["kalnor"].append(measure([kalnor], folder, env, server))
        times["bare WebKitGTK"].append(measure([bare, server.url], folder, env, server))
    for name, values in times.items():
        print(f"{name:15} median {statistics.median(values) * 1000:7.1f} ms   "
              f"min {min(values) * 1000:7.1f} ms   max {max(values) * 1000:7.1f} ms   ({runs} runs)")
    ratio = statistics.median(times["kalnor"]) / statistics.median(times["bare WebKitGTK"])
    print(f"kalnor / bare: {ratio:.2f} (aim: at most 1.20)")


if __name__ == "__main__":
    main()
