"""Parallel submissions to one script: 200 from 10 clients at once. Every append and insert
holds the file's lock for its whole read-modify-write, so no entry is lost or interleaved."""

import csv
import io
import re
import unittest
from concurrent.futures import ThreadPoolExecutor

from vellum_servers import ServerTestCase, read_text

CLIENTS = 10
SUBMISSIONS = 200
OWNER = "bulk-owner@vellum.test"


def payload(number):
    # Long enough that two writers mixing their bytes would show.
    return f"entry-{number:03d}:" + "".join(chr(ord("a") + (number + i) % 26) for i in range(3000))


class ConcurrencyTests(ServerTestCase):

    def submit_all(self, name, fields_of):
        def one(number):
            return self.browser.post(name, fields_of(number), multipart=number % 2 == 1).status
        with ThreadPoolExecutor(max_workers=CLIENTS) as pool:
            statuses = list(pool.map(one, range(SUBMISSIONS)))
        self.assertEqual(statuses, [200] * SUBMISSIONS)

    def test_comma_rows_stay_whole_and_every_submission_is_mailed(self):
        name = self.programs.wizard("Bulk", template=0, save="data", copy_to=OWNER,
                                    sender="Bulk", subject="Bulk entry")
        self.submit_all(name, lambda n: [("00E-Mail", f"v{n}@vellum.test"), ("01Name", f"N{n:03d}"),
                                         ("02Rating", "Good"), ("03Topic", "Load"),
                                         ("04Comments", payload(n))])

        with open(self.programs.path("SAVED", "Bulk.csv"), "rb") as f:
            data = f.read().decode("ascii")
        rows = list(csv.reader(io.StringIO(data, newline="")))
        self.assertEqual(rows[0], ["E-Mail", "Name", "Rating", "Topic", "Comments"])
        self.assertEqual(len(rows), SUBMISSIONS + 1)
        self.assertEqual(data.count("\r\n"), SUBMISSIONS + 1)
        seen = set()
        for row in rows[1:]:
            number = int(row[1][1:])
            self.assertEqual(row, [f"v{number}@vellum.test", f"N{number:03d}", "Good", "Load",
                                   payload(number)])
            seen.add(number)
        self.assertEqual(seen, set(range(SUBMISSIONS)))

        messages = self.smtp.wait_for(SUBMISSIONS, to=OWNER, timeout=120)
        self.assertEqual(len(messages), SUBMISSIONS)
        bodies = {m.get_body(preferencelist=("plain",)).get_content() for m in messages}
        self.assertEqual(sum(1 for n in range(SUBMISSIONS)
                             if any(f"N{n:03d}" in b for b in bodies)), SUBMISSIONS)
        self.assertEqual(self.programs.error_log(), [])

    def test_template_entries_stay_whole(self):
        name = self.programs.wizard("Book", template=0, save="text")
        archive = self.programs.write("SAVED/Book.html",
                                      "<HTML><BODY>\n<H1>Book</H1>\n<!--footer-->\n</BODY></HTML>\n")
        entry = self.programs.write("book-entry.html", '<div id="^vmTransactionID^">\n'
                                                       "<p>^Name^|^Comments^</p>\n</div>\n")
        self.programs.set_keys(name, OutputStyle="Template", OutputTemplate=entry, Append="Top",
                               Archive=archive)
        self.submit_all(name, lambda n: [("Name", f"N{n:03d}"), ("Comments", payload(n))])

        text = read_text(archive)
        entry_pattern = re.compile(r'<div id="([^"\r\n]+)">\r\n<p>N(\d{3})\|([^<]*)</p>\r\n</div>\r\n')
        found = entry_pattern.findall(text)
        self.assertEqual(len(found), SUBMISSIONS)
        self.assertEqual(len({transaction for transaction, _, _ in found}), SUBMISSIONS)
        for _, number, comments in found:
            self.assertEqual(comments, payload(int(number)))
        self.assertEqual({int(number) for _, number, _ in found}, set(range(SUBMISSIONS)))
        # Besides whole entries (and whatever comment lines the processor marks them with)
        # the file holds just what it held before.
        rest = re.sub(r"(?m)^<!--(?!footer-->)[^\r\n]*-->\r\n", "", entry_pattern.sub("", text))
        self.assertEqual(rest, "<HTML><BODY>\r\n<H1>Book</H1>\r\n<!--footer-->\r\n</BODY></HTML>\r\n")
        self.assertEqual(self.programs.error_log(), [])


if __name__ == "__main__":
    unittest.main()
