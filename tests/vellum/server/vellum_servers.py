"""The form processor end to end: lighttpd with the shipped snippet, a real SMTP server, a
fresh program directory made with vmcntrl's wizard, and a client that submits as a browser.

CTest passes the paths of the built programs and the snippet in the environment (see
CMakeLists.txt beside this file); nothing here knows where the build tree is.
"""

import email
import email.policy
import http.client
import os
import shutil
import signal
import socket
import subprocess
import tempfile
import time
import unittest
import urllib.parse
import uuid

PYTHON = "/usr/bin/python3"  # Debian's, which has aiosmtpd
HERE = os.path.dirname(os.path.abspath(__file__))
SANITIZER_MARKERS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                     "SUMMARY: UndefinedBehaviorSanitizer")


def setting(name):
    value = os.environ.get(name)
    if not value:
        raise unittest.SkipTest(f"{name} is not set; run the tests through ctest")
    return value


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_until(predicate, what, timeout=20.0):
    """Polls predicate until it returns something true; bounded, so a dead server fails the
    test instead of hanging it."""
    deadline = time.monotonic() + timeout
    delay = 0.005
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(delay)
        delay = min(delay * 2, 0.1)


def read_text(path):
    try:
        with open(path, "rb") as f:
            return f.read().decode("utf-8", "replace")
    except FileNotFoundError:
        return ""


def lines_of(path):
    return [line for line in read_text(path).split("\r\n") if line] if os.path.exists(path) else []


class Server:
    """A child process listening on a loopback port; stopped (and reaped) by stop()."""

    def __init__(self, name, argv, port, log_path, ready, env=None, cwd=None):
        self.name = name
        self.port = port
        self.log_path = log_path
        self._log = open(log_path, "ab")
        self.process = subprocess.Popen(argv, stdout=self._log, stderr=subprocess.STDOUT,
                                        env=env, cwd=cwd, start_new_session=True)
        try:
            wait_until(lambda: self._exited() or ready(port), f"{name} on port {port}")
            if self._exited():
                raise AssertionError(f"{name} exited at start: {read_text(log_path)}")
        except BaseException:
            self.stop()
            raise

    def _exited(self):
        return self.process.poll() is not None

    def stop(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait(timeout=10)
        self._log.close()


def accepts_connections(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1):
            return True
    except OSError:
        return False


def smtp_greets(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1) as s:
            return s.recv(64).startswith(b"220")
    except OSError:
        return False


class MailServer:
    """aiosmtpd storing every message in a Maildir, with the envelope in X-MailFrom and
    X-RcptTo; handler names another handler class (one that refuses, say)."""

    def __init__(self, root, handler="aiosmtpd.handlers.Mailbox"):
        self.maildir = os.path.join(root, "maildir")
        port = free_port()
        env = dict(os.environ, PYTHONPATH=HERE)
        self.server = Server("aiosmtpd", [PYTHON, "-m", "aiosmtpd", "-n", "-l",
                                          f"127.0.0.1:{port}", "-c", handler, self.maildir],
                             port, os.path.join(root, "aiosmtpd.log"), smtp_greets, env=env)
        self.port = port

    def messages(self):
        folder = os.path.join(self.maildir, "new")
        if not os.path.isdir(folder):
            return []
        found = []
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name), "rb") as f:
                raw = f.read()
            message = email.message_from_bytes(raw, policy=email.policy.default)
            message.raw = raw
            found.append(message)
        return found

    def wait_for(self, count, to=None, timeout=20.0):
        """The messages to one recipient (or all), once there are count of them."""
        def matching():
            return [m for m in self.messages() if to is None or to in recipients(m)]
        wait_until(lambda: len(matching()) >= count, f"{count} mail(s) to {to or 'anyone'}",
                   timeout)
        return matching()

    def stop(self):
        self.server.stop()


def recipients(message):
    return {r.strip() for r in str(message.get("X-RcptTo", "")).split(",") if r.strip()}


class ProgramDir:
    """A fresh vmcntrl program directory (templates, FORMS, SAVED, mail, vellum.ini) and, apart
    from it, the processor's own directory holding a copy of vellum.exe: the snippet's
    VELLUM_HOME is what joins the two."""

    def __init__(self, root):
        self.root = root
        self.home = os.path.join(root, "home")
        self.processor_dir = os.path.join(root, "processor")
        shutil.copytree(os.path.join(setting("VMCNTRL_PROGRAMS"), "template"),
                        os.path.join(self.home, "template"))
        for folder in ("FORMS", "SAVED", "mail"):
            os.makedirs(os.path.join(self.home, folder))
        os.makedirs(self.processor_dir)
        shutil.copy2(setting("VELLUM_EXE"), os.path.join(self.processor_dir, "vellum.exe"))
        self.ini = os.path.join(self.home, "vellum.ini")

    def path(self, *parts):
        return os.path.join(self.home, *parts)

    def set_keys(self, section, **keys):
        argv = [setting("VELLUM_PROFILE_TOOL"), self.ini, section]
        for key, value in keys.items():
            argv += [key, value]
        subprocess.run(argv, check=True)

    def key(self, section, key):
        return subprocess.run([setting("VELLUM_PROFILE_TOOL"), self.ini, section, key],
                              check=True, capture_output=True, text=True).stdout.rstrip("\n")

    def wizard(self, name, template=0, save="data", url=None, copy_to=None, sender=None,
               subject=None):
        argv = [setting("VMCNTRL_EXE"), "--home", self.home, "--wizard", name,
                "--template", str(template), "--save", save, "--replace"]
        if url is not None:
            argv += ["--url", url]
        if copy_to is not None:
            argv += ["--copy-to", copy_to, "--from", sender or "", "--subject", subject or ""]
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        done = subprocess.run(argv, capture_output=True, text=True, env=env)
        if done.returncode != 0:
            raise AssertionError(f"vmcntrl --wizard {name} failed: {done.stderr}")
        return name

    def write(self, relative, text):
        """A file the script names (template, letter, group file), with CR LF lines."""
        path = self.path(relative)
        with open(path, "wb") as f:
            f.write(text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8"))
        return path

    def error_log(self):
        return lines_of(self.path("error.log"))

    def mail_log(self):
        return lines_of(self.path("vellsmtp.log"))


class WebServer:
    """lighttpd in the foreground with the shipped snippet included; only the two paths that
    differ on every site (the processor's directory and VELLUM_HOME) are set for the test,
    inside the snippet's own /scripts/ block."""

    def __init__(self, root, programs, port=None):
        self.port = port or free_port()
        self.stderr_log = os.path.join(root, "cgi-stderr.log")
        conf = os.path.join(root, "lighttpd.conf")
        asan = f"log_path={root}/sanitizer"
        with open(conf, "w") as f:
            f.write(f"""\
server.document-root = "{programs.path('FORMS')}"
server.bind = "127.0.0.1"
server.port = {self.port}
server.errorlog = "{root}/lighttpd-error.log"
server.breakagelog = "{self.stderr_log}"
mimetype.assign = ( ".html" => "text/html", ".htm" => "text/html", ".txt" => "text/plain" )
include "{setting('VELLUM_SNIPPET')}"
$HTTP["url"] =^ "/scripts/" {{
    alias.url := ( "/scripts/" => "{programs.processor_dir}/" )
    setenv.set-environment := ( "VELLUM_HOME" => "{programs.home}",
                                "ASAN_OPTIONS" => "{asan}",
                                "UBSAN_OPTIONS" => "log_path={root}/sanitizer:print_stacktrace=1" )
}}
""")
        self.root = root
        self.server = Server("lighttpd", [setting("LIGHTTPD"), "-D", "-f", conf], self.port,
                             os.path.join(root, "lighttpd.log"), accepts_connections)

    def sanitizer_reports(self):
        texts = [read_text(self.stderr_log)]
        for name in os.listdir(self.root):
            if name.startswith("sanitizer"):
                texts.append(read_text(os.path.join(self.root, name)))
        return [t for t in texts if any(marker in t for marker in SANITIZER_MARKERS)]

    def stop(self):
        self.server.stop()


class Reply:
    def __init__(self, response):
        self.status = response.status
        self.headers = {k.lower(): v for k, v in response.getheaders()}
        self.body = response.read()
        self.text = self.body.decode("utf-8", "replace")


class Browser:
    """Requests as a browser sends them: the form's page as Referer, urlencoded or multipart
    bodies; redirects are reported, not followed."""

    def __init__(self, port):
        self.port = port
        self.base = f"http://127.0.0.1:{port}"

    def script_path(self, name):
        return "/scripts/vellum.exe/" + urllib.parse.quote(name, safe="/")

    def form_url(self, name):
        return f"{self.base}/{name}.html"

    def request(self, method, path, body=None, headers=None):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=60)
        try:
            connection.request(method, path, body=body, headers=headers or {})
            return Reply(connection.getresponse())
        finally:
            connection.close()

    def get(self, name, referer=None):
        headers = {"Referer": referer} if referer else {}
        return self.request("GET", self.script_path(name), headers=headers)

    def post(self, name, fields, referer="form", multipart=False, path=None):
        """fields: (name, value) pairs in form order; referer "form" is the form's page."""
        if referer == "form":
            referer = self.form_url(name)
        if multipart:
            body, content_type = encode_multipart(fields)
        else:
            body = urllib.parse.urlencode(fields).encode("ascii")
            content_type = "application/x-www-form-urlencoded"
        headers = {"Content-Type": content_type}
        if referer:
            headers["Referer"] = referer
        return self.request("POST", path or self.script_path(name), body=body, headers=headers)


def encode_multipart(fields):
    boundary = "----vellum" + uuid.uuid4().hex
    parts = []
    for name, value in fields:
        parts.append(f"--{boundary}\r\nContent-Disposition: form-data; name=\"{name}\"\r\n\r\n"
                     .encode("utf-8") + value.encode("utf-8") + b"\r\n")
    body = b"".join(parts) + f"--{boundary}--\r\n".encode("ascii")
    return body, f"multipart/form-data; boundary={boundary}"


class ServerTestCase(unittest.TestCase):
    """Starts an SMTP server and lighttpd over a fresh program directory for the class, and
    stops both afterwards, also when a test or the start itself fails."""

    smtp_handler = "aiosmtpd.handlers.Mailbox"
    sender_address = "forms@vellum.test"

    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="vellum-e2e-")
        cls.addClassCleanup(shutil.rmtree, cls.root, ignore_errors=True)
        cls.programs = ProgramDir(cls.root)
        cls.smtp = MailServer(cls.root, cls.smtp_handler)
        cls.addClassCleanup(cls.smtp.stop)
        port = free_port()
        cls.browser = Browser(port)
        # Config first: the wizard writes WinScriptAlias into each form's action.
        cls.programs.set_keys("Config", WinScriptAlias=f"http://127.0.0.1:{port}/scripts/",
                              ServerDomain="127.0.0.1", MailServer=f"127.0.0.1:{cls.smtp.port}",
                              From=cls.sender_address)
        cls.web = WebServer(cls.root, cls.programs, port)
        cls.addClassCleanup(cls.web.stop)

    def tearDown(self):
        reports = self.web.sanitizer_reports()
        self.assertEqual(reports, [], "the processor reported memory or undefined-behaviour errors")

    # Helpers shared by the test modules.

    def unique(self, stem):
        """A script name no other test of the class uses."""
        return f"{stem}_{uuid.uuid4().hex[:8]}"

    def assert_new_error_line(self, before, *words):
        lines = self.programs.error_log()
        self.assertEqual(len(lines), before + 1, f"error.log: {lines[before:]}")
        for word in words:
            self.assertIn(word, lines[-1])
        return lines[-1]
