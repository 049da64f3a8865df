"""The built site served on this machine and opened in headless Chromium, for the browser
test and the budget benchmark. Needs Debian's chromium, chromium-driver and
python3-selenium (run with /usr/bin/python3)."""

import contextlib
import functools
import http.server
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Without these, Chromium on a machine with no network waits on its own services.
CHROMIUM_FLAGS = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--disable-quic",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--disable-dev-shm-usage",
]

# The rows that xterm.js draws, as text, trailing blanks dropped.
ROWS_SCRIPT = """
return Array.from(document.querySelectorAll('.xterm-rows > div'),
                  (row) => row.textContent.replace(/\\u00a0/g, ' ').trimEnd());
"""


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, format, *args):  # pylint: disable=redefined-builtin
        pass


@contextlib.contextmanager
def served(site):
    """Serves the folder `site` on 127.0.0.1 at a free port; yields the site's address."""
    handler = functools.partial(QuietHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def chromium(binary, driver, width=1024, height=768):
    """Headless Chromium with a profile of its own, removed afterwards."""
    profile = tempfile.mkdtemp(prefix="tumblewood-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = binary
    for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile}", f"--window-size={width},{height}"]:
        options.add_argument(flag)
    browser = webdriver.Chrome(service=Service(driver), options=options)
    try:
        yield browser
    finally:
        browser.quit()
        shutil.rmtree(profile, ignore_errors=True)


def rows(browser):
    """What the terminal shows, one string per row."""
    return browser.execute_script(ROWS_SCRIPT)
