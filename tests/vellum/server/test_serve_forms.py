"""scripts/serve-forms.sh: the panel's own machine as the web server for a program directory."""

import os
import re
import shutil
import tempfile
import unittest

from vellum_servers import (Browser, ProgramDir, Server, accepts_connections, free_port,
                            read_text, setting)


class ServeFormsTests(unittest.TestCase):

    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="vellum-serve-")
        self.addCleanup(shutil.rmtree, self.root, ignore_errors=True)
        self.programs = ProgramDir(self.root)
        self.port = free_port()
        self.programs.set_keys("Config", WinScriptAlias=f"http://127.0.0.1:{self.port}/scripts/")
        self.tmp = os.path.join(self.root, "tmp")
        os.makedirs(self.tmp)
        env = dict(os.environ, TMPDIR=self.tmp, PATH="/usr/sbin:/usr/bin:/bin")
        self.server = Server("serve-forms.sh",
                             ["bash", setting("SERVE_FORMS"), str(self.port), "--home",
                              self.programs.home, "--processor",
                              os.path.join(self.programs.processor_dir, "vellum.exe")],
                             self.port, os.path.join(self.root, "serve-forms.log"),
                             accepts_connections, env=env)
        self.addCleanup(self.server.stop)
        self.browser = Browser(self.port)

    def test_run_in_the_panel_opens_a_form_that_submits(self):
        name = self.programs.wizard("Feedback_Form", template=0, save="data")
        page = self.browser.request("GET", f"/{name}.html")
        self.assertEqual(page.status, 200)
        self.assertTrue(page.headers["content-type"].startswith("text/html"))
        action = re.search(r'ACTION="([^"]+)"', page.text).group(1)
        self.assertEqual(action, f"http://127.0.0.1:{self.port}/scripts/vellum.exe/{name}")

        run = self.browser.get(name)  # what Run sends the browser to
        self.assertEqual(run.status, 200)
        self.assertEqual(run.text, page.text)
        reply = self.browser.post(name, [("00E-Mail", "ada@vellum.test"), ("01Name", "Ada")],
                                  referer=self.browser.base + self.browser.script_path(name))
        self.assertEqual(reply.status, 200, reply.text)
        self.assertIn('"ada@vellum.test","Ada"',
                      read_text(self.programs.path("SAVED", f"{name}.csv")))

    def test_it_says_what_to_set_and_cleans_up_when_stopped(self):
        self.server.stop()
        self.assertEqual(self.server.process.returncode, 0)
        said = read_text(self.server.log_path)
        self.assertIn(f"Windows CGI URL:              http://127.0.0.1:{self.port}/scripts/", said)
        self.assertIn(f"vmcntrl --home {self.programs.home}", said)
        self.assertEqual(os.listdir(self.tmp), [])


if __name__ == "__main__":
    unittest.main()
