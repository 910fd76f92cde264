"""What the browser gets back: the form on GET, the simple confirmation, a confirmation filled
from a template, a redirect, the window target; and what the snippet leaves unserved."""

import unittest

from vellum_servers import ServerTestCase, read_text


class ResponseTests(ServerTestCase):

    def test_get_answers_with_the_script_form_as_html_in_any_letter_case(self):
        name = self.programs.wizard(self.unique("Contact"), template=1, save="text")
        form = read_text(self.programs.path("FORMS", f"{name}.html"))
        self.assertIn(f'ACTION="{self.browser.base}/scripts/vellum.exe/{name}"', form)
        for asked in (name, name.lower(), name.upper()):
            reply = self.browser.get(asked)
            self.assertEqual(reply.status, 200, asked)
            self.assertTrue(reply.headers["content-type"].startswith("text/html"))
            self.assertEqual(reply.text, form)

    def test_simple_confirmation_lists_every_field_with_escaped_values(self):
        name = self.programs.wizard(self.unique("Feedback"), template=0, save="none")
        reply = self.browser.post(name, [("E-Mail", "ada@vellum.test"),
                                         ("Name", "<script>alert(1)</script>"),
                                         ("Topic", "Suggestion"), ("Comments", "Fish & chips")])
        self.assertEqual(reply.status, 200, reply.text)
        self.assertTrue(reply.headers["content-type"].startswith("text/html"))
        for text in ("E-Mail", "ada@vellum.test", "Topic", "Suggestion", "Comments",
                     "Fish &amp; chips", "&lt;script&gt;alert(1)&lt;/script&gt;"):
            self.assertIn(text, reply.text)
        self.assertNotIn("<script>", reply.text)
        self.assertNotIn("window-target", reply.headers)

    def test_confirmation_template_is_filled_with_escaped_values_and_transaction_keys(self):
        name = self.programs.wizard(self.unique("Order"), template=2, save="none")
        page = self.programs.write(f"{name}-thanks.html", """\
# Shown after an order; comment lines are not sent.
<HTML><BODY><H1>Thank you, ^Name^!</H1>
<P>Your order of ^Quantity^ x ^Product^ has the number ^vmTransactionID^.</P>
<P>Sent from ^vmRemoteAddress^ at ^vmTime^ on ^vmDate^.</P></BODY></HTML>
""")
        self.programs.set_keys(name, Confirm="yes", SendConf=page)
        reply = self.browser.post(name, [("E-Mail", "ada@vellum.test"), ("Name", "Ada & Co"),
                                         ("Product", "Gift set"), ("Quantity", "3")],
                                  multipart=True)
        self.assertEqual(reply.status, 200, reply.text)
        self.assertIn("<H1>Thank you, Ada &amp; Co!</H1>", reply.text)
        self.assertIn("Your order of 3 x Gift set has the number ", reply.text)
        self.assertIn("Sent from 127.0.0.1 at ", reply.text)
        self.assertNotIn("comment lines", reply.text)
        self.assertNotIn("^", reply.text)

    def test_send_to_url_redirects_there_after_saving(self):
        target = "http://www.vellum.test/thanks.html"
        name = self.programs.wizard(self.unique("Signup"), template=4, save="data", url=target)
        reply = self.browser.post(name, [("00E-Mail", "ada@vellum.test"), ("01Name", "Ada")])
        self.assertEqual(reply.status, 302, reply.text)
        self.assertEqual(reply.headers["location"], target)
        rows = read_text(self.programs.path("SAVED", f"{name}.csv")).split("\r\n")
        self.assertTrue(rows[1].startswith('"ada@vellum.test","Ada"'), rows)

    def test_a_window_target_is_sent_as_a_header(self):
        name = self.programs.wizard(self.unique("Framed"), template=0, save="none")
        self.programs.set_keys(name, Target="results")
        reply = self.browser.post(name, [("Name", "Ada")])
        self.assertEqual(reply.status, 200, reply.text)
        self.assertEqual(reply.headers.get("window-target"), "results")

    def test_the_snippet_runs_only_the_processor_from_its_folder(self):
        # The processor's folder is served only as the program; the site's forms are pages.
        for path in ("/scripts/", "/scripts/vellum.ini", "/scripts/vellum.exe.bak"):
            self.assertEqual(self.browser.request("GET", path).status, 403, path)
        name = self.programs.wizard(self.unique("Static"), template=0, save="none")
        reply = self.browser.request("GET", f"/{name}.html")
        self.assertEqual(reply.status, 200)
        self.assertIn(f"vellum.exe/{name}", reply.text)


if __name__ == "__main__":
    unittest.main()
