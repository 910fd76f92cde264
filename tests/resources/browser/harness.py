"""What the browser tests share: pages made by the real tessaly --compile, a web server on a
free loopback port, and headless Chromium driven through Debian's chromedriver."""

import contextlib
import functools
import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

TESSALY = os.environ.get("TESSALY_EXE", "")
PROGRAM_DIR = os.environ.get("TESSALY_HOME", "")
RUNTIME = os.path.join(PROGRAM_DIR, "tessaly.js")
CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
WAIT_SECONDS = 10
FALLBACK_TEXT = "This browser is unable to view Java applets."
CRLF = "\r\n"


def document_text(kind, links, **properties):
    """A .tsy document: links are (description, url, frame) rows, properties by their keys."""
    lines = ["[Link]"]
    for i, (description, url, frame) in enumerate(links):
        lines += [f"Link Desc {i}={description}", f"Link URL {i}={url}", f"Link Frame {i}={frame}"]
    values = {"Link Type": kind, "Alignment": "Left", "Font Type": "Helvetica",
              "Font Size": "10", "Font Style": "Normal", "Text Colour": "H000000",
              "Backgorund Colour": "H808080"}
    values.update(properties)
    lines.append("[Properties]")
    lines += [f"{key}={value}" for key, value in values.items()]
    return CRLF.join(lines) + CRLF


class Site:
    """A folder of pages served over HTTP from 127.0.0.1, with the applet code that tessaly
    writes for it (tessaly copies tessaly.js and the sound into the folder itself)."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="tessaly-site-")
        self.home = tempfile.mkdtemp(prefix="tessaly-home-")
        shutil.copy(RUNTIME, self.home)
        with open(os.path.join(self.home, "Tessaly.ini"), "w", newline="") as ini:
            ini.write("[General]\r\nBrowsers Without Java=Yes\r\n"
                      f"[File Location]\r\nDefault Directory={self.root}\r\n")
        handler = functools.partial(QuietHandler, directory=self.root)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()
        self.documents = 0

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        self.thread.join()
        shutil.rmtree(self.root, ignore_errors=True)
        shutil.rmtree(self.home, ignore_errors=True)

    def url(self, name):
        return f"http://127.0.0.1:{self.server.server_address[1]}/{name}"

    def file_url(self, name):
        return "file://" + os.path.join(self.root, name)

    def write(self, name, text):
        with open(os.path.join(self.root, name), "w", newline="") as page:
            page.write(text)

    def write_bytes(self, name, data):
        with open(os.path.join(self.root, name), "wb") as page:
            page.write(data)

    def applet(self, kind, links, **properties):
        """The fragment the real generator makes for these links."""
        self.documents += 1
        document = os.path.join(self.home, f"d{self.documents}.tsy")
        with open(document, "w", newline="") as out:
            out.write(document_text(kind, links, **properties))
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        done = subprocess.run([TESSALY, "--home", self.home, "--compile", document],
                              capture_output=True, text=True, env=env, timeout=60, check=False)
        if done.returncode != 0:
            raise AssertionError(f"tessaly --compile failed: {done.stderr}")
        return done.stdout

    def page(self, name, body, head=""):
        self.write(name, "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>"
                   f"{name}</title>{head}</head><body>\n{body}\n</body></html>\n")

    def framed(self, applet_body, head=""):
        """top.html > frame "mid" > frames "app" (the applet) and "side", as a site with
        frames has them; the destinations are dest*.htm beside them."""
        for n in range(1, 8):
            self.page(f"dest{n}.htm", f"<p>destination {n}</p>")
        self.page("blank.htm", "<p>nothing chosen yet</p>")
        self.page("app.htm", applet_body, head)
        self.page("mid.htm", '<iframe name="app" src="app.htm" width="700" height="420"></iframe>'
                  '<iframe name="side" src="blank.htm" width="300" height="200"></iframe>')
        self.page("top.htm", '<iframe name="mid" src="mid.htm" width="1100" height="700"></iframe>')


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".htm": "text/html", ".js": "text/javascript", ".au": "audio/basic"})

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass


def start_chromium(*extra_arguments, block_popups=False):
    """Headless Chromium with a fresh profile that talks to nothing but 127.0.0.1. Its popup
    blocker is off (chromedriver's default) unless block_popups: then a window opened by a
    script without the user's click is refused, as in any browser."""
    profile = tempfile.mkdtemp(prefix="tessaly-chromium-")
    options = webdriver.ChromeOptions()
    if block_popups:
        options.add_experimental_option("excludeSwitches", ["disable-popup-blocking"])
    options.binary_location = CHROMIUM
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     f"--user-data-dir={profile}", "--window-size=1280,900", *extra_arguments):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    driver.set_page_load_timeout(WAIT_SECONDS * 3)
    driver.profile_folder = profile
    return driver


def stop_chromium(driver):
    with contextlib.suppress(Exception):
        driver.quit()
    shutil.rmtree(driver.profile_folder, ignore_errors=True)


class BrowserTest(unittest.TestCase):
    """One site and one browser for the tests of a class; each test starts at the top page."""

    block_popups = False

    @classmethod
    def setUpClass(cls):
        cls.site = Site()
        cls.driver = start_chromium(block_popups=cls.block_popups)

    @classmethod
    def tearDownClass(cls):
        stop_chromium(cls.driver)
        cls.site.close()

    def tearDown(self):
        # Windows a test opened are closed, so the next test starts with the page alone.
        first = self.driver.window_handles[0]
        for handle in self.driver.window_handles[1:]:
            self.driver.switch_to.window(handle)
            self.driver.close()
        self.driver.switch_to.window(first)

    def wait(self, condition, message=""):
        return WebDriverWait(self.driver, WAIT_SECONDS).until(lambda _: condition(), message)

    def open_top(self):
        """The framed site, with the driver inside the applet's frame."""
        self.driver.switch_to.default_content()
        self.driver.get(self.site.url("top.htm"))
        self.wait(lambda: self.js("return !!(frames.mid && frames.mid.frames.app && "
                                  "frames.mid.frames.app.document.readyState === 'complete')"))
        self.enter_applet_frame()

    def enter_applet_frame(self):
        self.driver.switch_to.default_content()
        self.driver.switch_to.frame("mid")
        self.driver.switch_to.frame("app")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def frame_location(self, path):
        """Where a frame of the top page is now: path like "mid.side"; "" is the top."""
        self.driver.switch_to.default_content()
        expression = "".join(f".frames[{name!r}]" for name in path.split(".") if name)
        href = self.js(f"try {{ return window{expression}.location.href; }} "
                       "catch (e) { return null; }")
        return href

    def wait_for_location(self, path, name):
        """Waits until a frame shows the named page and leaves the driver at the top."""
        expected = self.site.url(name)
        self.wait(lambda: self.frame_location(path) == expected,
                  f"frame {path or 'top'} did not show {name}")


# One link for each kind of frame target, with a comma in an address and double quotes in a
# description; the frames of framed() are where they should open.
TARGET_LINKS = [
    ("To the side", "dest1.htm", "side"),
    ('Say "hi" here', "dest2.htm?q=1,2", "_self"),
    ("Up one", "dest3.htm", "_parent"),
    ("Whole window", "dest4.htm", "_top"),
    ("New window", "dest5.htm", "_blank"),
    ("Own page", "dest6.htm", ""),
]
# Where each of TARGET_LINKS shows: the frame path (as frame_location takes it) and the page;
# None for the new window.
TARGET_PLACES = [("mid.side", "dest1.htm"), ("mid.app", "dest2.htm?q=1,2"), ("mid", "dest3.htm"),
                 ("", "dest4.htm"), (None, "dest5.htm"), ("mid.app", "dest6.htm")]
# A description with a comma splits in two, as in the Java applets, so the rows after it
# take the addresses and frames of the next links; the last row is left without an address.
SPLIT_LINKS = [("Fish, chips", "dest1.htm", "side"), ("Tea", "dest2.htm", "side")]
SPLIT_ROWS = ["Fish", " chips", "Tea"]

# Records what the page asks to open, before the runtime runs.
RECORD_OPENS = ("<script>window.opened = []; const realOpen = window.open;"
                "window.open = function () { opened.push([...arguments]);"
                " return realOpen.apply(window, arguments); };</script>")
START_BUTTON = '<button id="start">start</button>'
