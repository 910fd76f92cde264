#!/usr/bin/python3
"""Makes docs/vellum-confirmation.png: headless Chromium fills in and submits a wizard-made
Feedback form through lighttpd and the form processor, and the picture is the confirmation
page it gets back. Run from the source tree after a build:

    /usr/bin/python3 scripts/vellum-screenshot.py [--build build] [--out docs/vellum-confirmation.png]
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CHROMIUM = "/usr/bin/chromium"

# What the visitor types, filled in by the page's own script so that Chromium submits the
# real form with its real action, as a click on the submit button would.
ANSWERS = {
    "00E-Mail": "ada@example.org",
    "01Name": "Ada Lovelace",
    "03Topic": "Suggestion",
    "04Comments": "The new order form is much clearer. Could it remember my address?",
}


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


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(SOURCE, "build"))
    parser.add_argument("--out", default=os.path.join(SOURCE, "docs", "vellum-confirmation.png"))
    args = parser.parse_args()
    configure(os.path.abspath(args.build))
    from vellum_servers import ProgramDir, WebServer, free_port, read_text

    root = tempfile.mkdtemp(prefix="vellum-shot-")
    web = None
    try:
        programs = ProgramDir(root)
        port = free_port()
        programs.set_keys("Config", WinScriptAlias=f"http://127.0.0.1:{port}/scripts/")
        web = WebServer(root, programs, port)
        name = programs.wizard("Feedback_Form", template=0, save="data")

        form = read_text(programs.path("FORMS", f"{name}.html"))
        fill = (f"<SCRIPT>const answers = {json.dumps(ANSWERS)};\n"
                "for (const [field, value] of Object.entries(answers))\n"
                "  document.getElementsByName(field)[0].value = value;\n"
                "document.forms[0].submit();</SCRIPT>\r\n")
        with open(programs.path("FORMS", "visitor.html"), "w", newline="") as f:
            f.write(form.replace("</BODY>", fill + "</BODY>"))

        profile = tempfile.mkdtemp(prefix="chromium-", dir=root)
        subprocess.run([CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                        "--disable-background-networking", "--disable-component-update",
                        "--disable-sync", f"--user-data-dir={profile}", "--hide-scrollbars",
                        "--virtual-time-budget=5000", f"--screenshot={os.path.abspath(args.out)}",
                        "--window-size=720,260", f"http://127.0.0.1:{port}/visitor.html"],
                       check=True, capture_output=True, timeout=120)

        # The picture shows a real submission only if the processor saved it.
        saved = read_text(programs.path("SAVED", f"{name}.csv"))
        if ANSWERS["01Name"] not in saved:
            print(f"the submission was not saved:\n{saved}", file=sys.stderr)
            return 1
        print(f"wrote {args.out}")
        return 0
    finally:
        if web:
            web.stop()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
