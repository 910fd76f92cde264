"""Each save style through lighttpd: what a submission leaves in the Archive file or folder."""

import csv
import io
import os
import re
import unittest

from vellum_servers import ServerTestCase, read_text

FEEDBACK_HEADER = '"E-Mail","Name","Rating","Topic","Comments"\r\n'

ENTRY_TEMPLATE = """\
# One guest-book entry; this comment line never reaches the archive.
<div class="entry" id="^vmTransactionID^">
<p>^Name^ wrote: ^Comments^</p>
<p>From ^vmRemoteAddress^, referred by ^vmReferer^</p>
</div>
"""


class SaveStyleTests(ServerTestCase):

    def template_script(self, append, archive_text, template=ENTRY_TEMPLATE, archive_ext=".html",
                        save="text"):
        """A script saved by a template into its own archive file (the wizard has no such
        option, so its keys are set afterwards, as the editor would write them)."""
        name = self.programs.wizard(self.unique("Guests"), template=0, save=save)
        archive = self.programs.write(f"SAVED/{name}{archive_ext}", archive_text)
        entry = self.programs.write(f"{name}-entry.html", template)
        self.programs.set_keys(name, OutputStyle="Template", OutputTemplate=entry,
                               Append=append, Archive=archive)
        return name, archive

    def sign(self, name, who, comment, **post):
        reply = self.browser.post(name, [("E-Mail", f"{who.lower()}@vellum.test"),
                                         ("Name", who), ("Comments", comment)], **post)
        self.assertEqual(reply.status, 200, reply.text)
        return reply

    def test_comma_rows_follow_the_field_numbers_quote_values_and_defuse_formulas(self):
        name = self.programs.wizard(self.unique("Feedback"), template=0, save="data")
        data = self.programs.path("SAVED", f"{name}.csv")
        self.assertEqual(read_text(data), FEEDBACK_HEADER)

        # Posted out of order, with a field the wizard did not number: the columns follow
        # the numbers and the unnumbered field is no column.
        reply = self.browser.post(name, [
            ("04Comments", 'Say "hi"\r\nsecond line'), ("Extra", "not a column"),
            ("02Rating", "Good"), ("00E-Mail", "visitor@vellum.test"),
            ("03Topic", "@SUM(1)"), ("01Name", "=HYPERLINK(\"x\")")])
        self.assertEqual(reply.status, 200, reply.text)
        reply = self.browser.post(name, [
            ("00E-Mail", "second@vellum.test"), ("01Name", "+1"), ("02Rating", "-2"),
            ("03Topic", "\tTab"), ("04Comments", "plain")], multipart=True)
        self.assertEqual(reply.status, 200, reply.text)

        with open(data, "rb") as f:
            saved = f.read().decode("utf-8")
        self.assertEqual(saved, FEEDBACK_HEADER
                         + '"visitor@vellum.test","\'=HYPERLINK(""x"")","Good","\'@SUM(1)",'
                           '"Say ""hi""\r\nsecond line"\r\n'
                         + '"second@vellum.test","\'+1","\'-2","\'\tTab","plain"\r\n')
        rows = list(csv.reader(io.StringIO(saved, newline="")))
        self.assertEqual([len(r) for r in rows], [5, 5, 5])

    def test_text_blocks_hold_each_field_and_the_transaction_in_submission_order(self):
        name = self.programs.wizard(self.unique("Notes"), template=0, save="text")
        archive = self.programs.path("SAVED", f"{name}.txt")
        page = "http://www.site.test/notes/form.html"
        self.sign(name, "Ada", "first", referer=page)
        self.sign(name, "Grace", "second", multipart=True, referer=page)

        text = read_text(archive)
        self.assertTrue(text.startswith(f"*Output file for {name} script*\r\n"
                                        "*You may remove or change this header*\r\n"
                                        "*Submitted Data will be appended to the end of this file*"
                                        "\r\n"), text)
        lines = text.split("\r\n")
        for line in ("E-Mail: ada@vellum.test", "Name: Ada", "Comments: first",
                     "E-Mail: grace@vellum.test", "Name: Grace", "Comments: second"):
            self.assertIn(line, lines)
        self.assertLess(lines.index("Name: Ada"), lines.index("Name: Grace"))
        self.assertEqual(text.count("127.0.0.1"), 2)
        self.assertEqual(text.count(page), 2)
        self.assertTrue(text.endswith("\r\n"))

    def test_template_bottom_inserts_after_old_entries_before_the_footer(self):
        name, archive = self.template_script(
            "Bottom", "<HTML><BODY>\n<H1>Guests</H1>\n<!--footer-->\n</BODY></HTML>\n")
        self.sign(name, "Ada", "first")
        self.sign(name, "Grace", "second")

        text = read_text(archive)
        self.assertTrue(text.startswith("<HTML><BODY>\r\n<H1>Guests</H1>\r\n"), text)
        self.assertTrue(text.endswith("<!--footer-->\r\n</BODY></HTML>\r\n"), text)
        self.assertLess(text.index("Ada wrote: first"), text.index("Grace wrote: second"))
        self.assertEqual(text.count("<!--footer-->"), 1)
        self.assertNotIn("comment line", text)
        self.assertNotIn("^", text)
        self.assertIn("From 127.0.0.1, referred by " + self.browser.form_url(name), text)
        ids = re.findall(r'<div class="entry" id="([^"]+)">', text)
        self.assertEqual(len(ids), 2)
        self.assertNotEqual(ids[0], ids[1])

    def test_template_top_puts_the_newest_entry_first_below_the_page_head(self):
        name, archive = self.template_script(
            "Top", "<HTML><BODY>\n<H1>Guests</H1>\n<!--footer-->\n</BODY></HTML>\n")
        self.sign(name, "Ada", "first")
        self.sign(name, "Grace", "second")
        self.sign(name, "Linus", "third")

        text = read_text(archive)
        self.assertTrue(text.startswith("<HTML><BODY>\r\n<H1>Guests</H1>\r\n"), text)
        self.assertTrue(text.endswith("<!--footer-->\r\n</BODY></HTML>\r\n"), text)
        positions = [text.index(f"{who} wrote") for who in ("Linus", "Grace", "Ada")]
        self.assertEqual(positions, sorted(positions), text)

    def test_template_values_are_html_escaped_in_an_html_archive_only(self):
        name, archive = self.template_script("Bottom", "<!--footer-->\n")
        self.sign(name, "<b>Mallory</b>", 'a & "b"')
        text = read_text(archive)
        self.assertIn("&lt;b&gt;Mallory&lt;/b&gt; wrote: a &amp; ", text)
        self.assertNotIn("<b>Mallory", text)

        name, archive = self.template_script("Bottom", "<!--footer-->\n",
                                             template="^Name^ wrote: ^Comments^\n",
                                             archive_ext=".txt")
        self.sign(name, "<b>Mallory</b>", "a & b")
        self.assertIn("<b>Mallory</b> wrote: a & b\r\n", read_text(archive))

    def test_numbered_fields_fill_template_keys_without_their_numbers(self):
        name, archive = self.template_script("Bottom", "<!--footer-->\n", save="data",
                                             template="^Name^ / ^E-Mail^ / ^Comments^\n")
        reply = self.browser.post(name, [("00E-Mail", "ada@vellum.test"), ("01Name", "Ada"),
                                         ("04Comments", "numbered")])
        self.assertEqual(reply.status, 200, reply.text)
        self.assertIn("Ada / ada@vellum.test / numbered\r\n", read_text(archive))

    def test_an_archive_without_footer_gets_the_entry_at_its_end_and_a_log_line(self):
        name, archive = self.template_script("Bottom", "<HTML><BODY>\n<H1>Guests</H1>\n")
        before = len(self.programs.error_log())
        self.sign(name, "Ada", "no footer here")

        text = read_text(archive)
        self.assertTrue(text.startswith("<HTML><BODY>\r\n<H1>Guests</H1>\r\n"), text)
        self.assertTrue(text.rstrip("\r\n").endswith("</div>"), text)
        self.assertIn("Ada wrote: no footer here", text)
        self.assert_new_error_line(before, name)

    def test_discrete_writes_a_document_per_entry_named_by_its_transaction(self):
        name = self.programs.wizard(self.unique("Orders"), template=0, save="none")
        folder = self.programs.path("SAVED", name)
        os.makedirs(folder)
        entry = self.programs.write(f"{name}-page.htm",
                                    "<HTML><P>^Name^ ordered; this page is ^vmDiscretePage^</P>"
                                    "</HTML>\n")
        self.programs.set_keys(name, OutputStyle="Discrete", OutputTemplate=entry,
                               Append="Discrete", Archive=folder)
        self.sign(name, "Ada", "one")
        self.sign(name, "Grace", "two")

        pages = sorted(os.listdir(folder))
        self.assertEqual(len(pages), 2, pages)
        texts = {}
        for page in pages:
            self.assertTrue(page.endswith(".htm"), page)
            text = read_text(os.path.join(folder, page))
            self.assertIn(f"this page is {page}</P>", text)
            texts[page] = text
        self.assertEqual(sorted("Ada" in t for t in texts.values()), [False, True])
        self.assertEqual(sorted("Grace" in t for t in texts.values()), [False, True])

    def test_discard_saves_nothing_but_still_answers(self):
        name = self.programs.wizard(self.unique("Poll"), template=0, save="none")
        before = {d: sorted(os.listdir(self.programs.path(d))) for d in ("SAVED", "FORMS")}
        reply = self.sign(name, "Ada", "not kept")
        self.assertIn("Ada", reply.text)
        after = {d: sorted(os.listdir(self.programs.path(d))) for d in ("SAVED", "FORMS")}
        self.assertEqual(before, after)
        self.assertEqual(self.programs.key(name, "OutputStyle"), "Discard")


if __name__ == "__main__":
    unittest.main()
