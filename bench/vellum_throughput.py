#!/usr/bin/python3
"""Submissions per second through lighttpd: CLIENTS parallel clients post to one "Comma" and
one "Template" script of a fresh program directory (the end-to-end tests' servers and program
directory, without a mail copy unless --mail is given). Run by hand from the source tree:

    /usr/bin/python3 bench/vellum_throughput.py [--build build] [--submissions 1000]
                                                [--clients 10] [--mail]
"""

import argparse
import os
import shutil
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def configure(build):
    programs = os.path.join(build, "programs", "vmcntrl")
    os.environ.update({
        "VELLUM_EXE": os.path.join(programs, "vellum.exe"),
        "VMCNTRL_EXE": os.path.join(programs, "vmcntrl"),
        "VMCNTRL_PROGRAMS": programs,
        "VELLUM_SNIPPET": os.path.join(SOURCE, "packaging", "lighttpd", "50-vellum.conf"),
        "VELLUM_PROFILE_TOOL": os.path.join(build, "tests", "vellum", "server", "vellum_profile"),
        "LIGHTTPD": shutil.which("lighttpd") or "/usr/sbin/lighttpd",
    })
    sys.path.insert(0, os.path.join(SOURCE, "tests", "vellum", "server"))


def measure(browser, name, fields_of, submissions, clients):
    def one(number):
        status = browser.post(name, fields_of(number), multipart=number % 2 == 1).status
        if status != 200:
            raise RuntimeError(f"{name}: submission {number} answered {status}")
    with ThreadPoolExecutor(max_workers=clients) as pool:
        list(pool.map(one, range(clients)))  # warm-up: page cache, first lighttpd forks
        start = time.monotonic()
        list(pool.map(one, range(submissions)))
        return submissions / (time.monotonic() - start)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(SOURCE, "build"))
    parser.add_argument("--submissions", type=int, default=1000)
    parser.add_argument("--clients", type=int, default=10)
    parser.add_argument("--mail", action="store_true", help="also mail a copy of each entry")
    args = parser.parse_args()
    configure(os.path.abspath(args.build))
    from vellum_servers import Browser, MailServer, ProgramDir, WebServer, free_port

    root = tempfile.mkdtemp(prefix="vellum-bench-")
    servers = []
    try:
        programs = ProgramDir(root)
        smtp = MailServer(root)
        servers.append(smtp)
        port = free_port()
        programs.set_keys("Config", WinScriptAlias=f"http://127.0.0.1:{port}/scripts/",
                          MailServer=f"127.0.0.1:{smtp.port}", From="bench@vellum.test")
        web = WebServer(root, programs, port)
        servers.append(web)
        browser = Browser(port)
        copy = {"copy_to": "owner@vellum.test", "sender": "Bench", "subject": "Entry"} \
            if args.mail else {}

        comma = programs.wizard("BenchComma", template=0, save="data", **copy)
        template = programs.wizard("BenchTemplate", template=0, save="text", **copy)
        archive = programs.write("SAVED/BenchTemplate.html",
                                 "<HTML><BODY>\n<!--footer-->\n</BODY></HTML>\n")
        entry = programs.write("bench-entry.html",
                               "<P>^Name^ (^E-Mail^) at ^vmTime^: ^Comments^</P>\n")
        programs.set_keys(template, OutputStyle="Template", OutputTemplate=entry,
                          Append="Bottom", Archive=archive)

        comment = "A line of feedback of ordinary length, " * 4
        results = {
            "Comma": measure(browser, comma, lambda n: [
                ("00E-Mail", f"v{n}@vellum.test"), ("01Name", f"Visitor {n}"),
                ("02Rating", "Good"), ("03Topic", "General comment"), ("04Comments", comment)],
                args.submissions, args.clients),
            "Template": measure(browser, template, lambda n: [
                ("E-Mail", f"v{n}@vellum.test"), ("Name", f"Visitor {n}"),
                ("Comments", comment)], args.submissions, args.clients),
        }
        mail = "with a mail copy" if args.mail else "without mail"
        for style, rate in results.items():
            print(f"{style:9} {rate:8.1f} submissions/s  ({args.submissions} submissions, "
                  f"{args.clients} clients, {mail})")
        reports = web.sanitizer_reports()
        if reports:
            print("sanitizer reports:\n" + "\n".join(reports), file=sys.stderr)
            return 1
        return 0
    finally:
        for server in reversed(servers):
            server.stop()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
