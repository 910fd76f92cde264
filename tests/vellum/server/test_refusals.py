"""Requests the processor refuses, each with its status and one error.log line (date and time,
script, remote address, reason), and with nothing saved; and the Locked rule's own form."""

import re
import unittest

from vellum_servers import ServerTestCase, read_text, encode_multipart

LOCKED_MESSAGE = "This form may not run this script"
LOG_STAMP = re.compile(r"\d")  # every line starts with its date and time


def row_count(data):
    return data.count("\r\n") - 1  # the header line


class RefusalTests(ServerTestCase):

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.script = cls.programs.wizard("Guarded", template=0, save="data")
        cls.programs.set_keys(cls.script, Locked="True")
        cls.data = cls.programs.path("SAVED", "Guarded.csv")

    def refused(self, status, reply, *words):
        before = self.lines_before
        self.assertEqual(reply.status, status, reply.text)
        line = self.assert_new_error_line(before, "127.0.0.1", *words)
        self.assertTrue(LOG_STAMP.match(line), line)
        return line

    def setUp(self):
        self.lines_before = len(self.programs.error_log())
        self.data_before = read_text(self.data)

    def tearDown(self):
        self.assertEqual(read_text(self.data), self.data_before, "a refused request saved data")
        super().tearDown()

    def test_names_that_are_not_listed_scripts_are_not_found(self):
        # Sections that are no script, separators and dot segments that reach the processor
        # (lighttpd itself removes plain ../ segments), and a name that only resembles one.
        for name in ("NoSuchScript", "Config", "NumTags", "FORMS/Guarded", "Guarded/",
                     "..\\Guarded", "..\\vellum.ini", "Guarded.html"):
            with self.subTest(name=name):
                self.lines_before = len(self.programs.error_log())
                reply = self.browser.get(name)
                self.refused(404, reply, name)
                self.assertNotIn("<FORM", reply.text.upper())
                self.lines_before = len(self.programs.error_log())
                self.refused(404, self.browser.post(name, [("00E-Mail", "a@vellum.test")]), name)

    def test_a_body_over_one_mebibyte_is_refused_with_413(self):
        self.refused(413, self.browser.post(self.script, [("01Name", "x" * (1024 * 1024))]),
                     self.script)

    def test_a_body_of_exactly_one_mebibyte_is_taken(self):
        prefix = "01Name="
        body = (prefix + "y" * (1024 * 1024 - len(prefix))).encode("ascii")
        reply = self.browser.request("POST", self.browser.script_path(self.script), body=body,
                                     headers={"Content-Type": "application/x-www-form-urlencoded",
                                              "Referer": self.browser.form_url(self.script)})
        self.assertEqual(reply.status, 200, reply.text[:200])
        rows = read_text(self.data).split("\r\n")
        self.assertEqual(rows[-2].count("y"), 1024 * 1024 - len(prefix))
        self.data_before = read_text(self.data)

    def test_malformed_bodies_are_refused_with_400(self):
        multipart, content_type = encode_multipart([("01Name", "Ada")])
        cases = {
            "bad escape": (b"01Name=%zzAda", "application/x-www-form-urlencoded"),
            "unclosed multipart": (multipart[:-30], content_type),
            "no boundary": (multipart, "multipart/form-data"),
            "not a form": (b"<xml/>", "text/xml"),
        }
        for case, (body, kind) in cases.items():
            with self.subTest(case=case):
                self.lines_before = len(self.programs.error_log())
                reply = self.browser.request(
                    "POST", self.browser.script_path(self.script), body=body,
                    headers={"Content-Type": kind, "Referer": self.browser.form_url(self.script)})
                self.refused(400, reply, self.script)

    def test_a_locked_script_refuses_other_forms_with_403(self):
        for referer in ("http://elsewhere.test/spoof.html", None,
                        f"{self.browser.base}/Guarded.html.evil",
                        f"{self.browser.base}/scripts/vellum.exe/Other"):
            with self.subTest(referer=referer):
                self.lines_before = len(self.programs.error_log())
                reply = self.browser.post(self.script, [("01Name", "Mallory")], referer=referer)
                self.refused(403, reply, self.script)
                self.assertIn(LOCKED_MESSAGE, reply.text)

    def test_a_locked_script_takes_its_own_form_and_its_own_url(self):
        own = [self.browser.form_url(self.script),
               f"http://www.site.test/any/folder/{self.script}.html?from=menu",
               self.browser.base + self.browser.script_path(self.script)]
        for referer in own:
            with self.subTest(referer=referer):
                reply = self.browser.post(self.script, [("00E-Mail", "ada@vellum.test"),
                                                        ("01Name", "Ada")], referer=referer)
                self.assertEqual(reply.status, 200, reply.text)
        self.assertEqual(row_count(read_text(self.data)), row_count(self.data_before) + len(own))
        self.assertEqual(self.programs.error_log()[self.lines_before:], [])
        self.data_before = read_text(self.data)


if __name__ == "__main__":
    unittest.main()
