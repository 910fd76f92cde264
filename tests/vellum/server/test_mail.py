"""The mail a submission sends through a real SMTP server: the copy to To (an address or a
group file), the letter to the visitor, From and Subject taken from the form, and what no
field can do: add a recipient or a header."""

import unittest

from vellum_servers import ServerTestCase, recipients, wait_until

OWNER = "owner@vellum.test"


class MailTests(ServerTestCase):

    def copying_script(self, template=0, save="none", to=OWNER, sender="Vellum Feedback",
                       subject=None):
        name = self.unique("Mail")
        self.programs.wizard(name, template=template, save=save, copy_to=to, sender=sender,
                             subject=subject or f"Copy of {name}")
        return name

    def submit(self, name, fields, **post):
        logged = len(self.programs.mail_log())
        reply = self.browser.post(name, fields, **post)
        self.assertEqual(reply.status, 200, reply.text)
        return logged

    def header_lines(self, message):
        head = message.raw.replace(b"\r\n", b"\n").split(b"\n\n", 1)[0]
        return head.split(b"\n")

    def recipients_of_script(self, name, expected):
        """Every recipient of the messages with the script's subject, once they include all
        of expected (one message or several, as the processor chooses)."""
        def union():
            found = set()
            for m in self.smtp.messages():
                if name in str(m["Subject"]):
                    found |= recipients(m)
            return found if found >= set(expected) else None
        return wait_until(union, f"mail of {name} to {sorted(expected)}")

    def test_the_copy_to_an_address_holds_every_field_and_the_transaction(self):
        name = self.copying_script(subject="New feedback")
        logged = self.submit(name, [("E-Mail", "ada@vellum.test"), ("Name", "Ada"),
                                    ("Topic", "Suggestion"), ("Comments", "More tea")])
        [message] = self.smtp.wait_for(1, to=OWNER)
        self.assertEqual(str(message["X-MailFrom"]), self.sender_address)
        self.assertEqual(recipients(message), {OWNER})
        self.assertEqual(str(message["Subject"]), "New feedback")
        self.assertIn("Vellum Feedback", str(message["From"]))
        self.assertIn(self.sender_address, str(message.get("Reply-To", "")))
        self.assertIn(OWNER, str(message["To"]))
        body = message.get_body(preferencelist=("plain",)).get_content()
        for text in ("E-Mail", "ada@vellum.test", "Name", "Ada", "Topic", "Suggestion",
                     "Comments", "More tea", "127.0.0.1", self.browser.form_url(name)):
            self.assertIn(text, body)
        lines = self.programs.mail_log()
        self.assertEqual(len(lines), logged + 1)
        self.assertIn(OWNER, lines[-1])

    def test_a_group_file_sends_to_each_address_in_it_and_skips_other_lines(self):
        group = self.programs.write("mail/team.txt", "one@vellum.test\nnot an address\n\n"
                                                     "two@vellum.test\n  three@vellum.test  \n")
        name = self.copying_script(to=group)
        logged = self.submit(name, [("Name", "Ada")])
        team = {"one@vellum.test", "two@vellum.test", "three@vellum.test"}
        self.assertEqual(self.recipients_of_script(name, team), team)
        self.assertGreater(len(self.programs.mail_log()), logged)

    def test_the_letter_goes_to_the_one_address_in_the_e_mail_field(self):
        name = self.programs.wizard(self.unique("Letter"), template=0, save="data")
        letter = self.programs.write(f"mail/{name}.txt",
                                     "Thank you for your feedback.\nWe answer within a day.\n")
        self.programs.set_keys(name, SendMessage=letter, Subject="Thanks", Sender="The Team")
        self.submit(name, [("00E-Mail", "visitor@vellum.test"), ("01Name", "Ada")])
        [message] = self.smtp.wait_for(1, to="visitor@vellum.test")
        self.assertEqual(recipients(message), {"visitor@vellum.test"})
        self.assertEqual(str(message["X-MailFrom"]), self.sender_address)
        self.assertEqual(str(message["Subject"]), "Thanks")
        self.assertIn("The Team", str(message["From"]))
        body = message.get_body(preferencelist=("plain",)).get_content()
        self.assertIn("Thank you for your feedback.", body)
        self.assertIn("We answer within a day.", body)

        # No letter when the field holds anything but exactly one valid address.
        for value in ("a@vellum.test, b@vellum.test", "not-an-address", "",
                      "c@vellum.test\r\nBcc: d@vellum.test"):
            with self.subTest(value=value):
                sent = len(self.smtp.messages())
                self.submit(name, [("00E-Mail", value), ("01Name", "Bob")])
                # The answer is complete when the CGI program ends, after its mail.
                self.assertEqual(len(self.smtp.messages()), sent)
        everyone = set().union(*(recipients(m) for m in self.smtp.messages()))
        self.assertFalse(everyone & {"a@vellum.test", "b@vellum.test", "c@vellum.test",
                                     "d@vellum.test"}, everyone)

    def test_from_and_subject_are_taken_from_the_form_when_the_script_says_so(self):
        for save, fields in (("text", [("From", "Ada Lovelace"), ("Subject", "Orders?")]),
                             ("data", [("01From", "Ada Lovelace"), ("03Subject", "Orders?")])):
            with self.subTest(save=save):
                owner = f"{save}-owner@vellum.test"
                name = self.copying_script(template=1, save=save, to=owner,
                                           sender="Use 'From' from Form",
                                           subject="Use 'Subject' from Form")
                self.submit(name, fields + [("Message", "Hello")])
                [message] = self.smtp.wait_for(1, to=owner)
                self.assertIn("Ada Lovelace", str(message["From"]))
                self.assertEqual(str(message["Subject"]), "Orders?")
                self.assertEqual(str(message["X-MailFrom"]), self.sender_address)

    def test_line_breaks_in_header_values_add_no_header_and_no_recipient(self):
        owner = "injection-owner@vellum.test"
        name = self.copying_script(template=1, to=owner, sender="Use 'From' from Form",
                                   subject="Use 'Subject' from Form")
        self.submit(name, [("From", "Ada\r\nTo: evil2@attacker.test"),
                           ("Subject", "Hello\r\nBcc: evil@attacker.test"),
                           ("Message", "x")], multipart=True)
        [message] = self.smtp.wait_for(1, to=owner)
        self.assertEqual(recipients(message), {owner})
        self.assertIsNone(message["Bcc"])
        self.assertEqual(len(message.get_all("To")), 1)
        self.assertNotIn("attacker", str(message["To"]))
        self.assertIn("Bcc: evil@attacker.test", str(message["Subject"]))
        for line in self.header_lines(message):
            self.assertFalse(line.lower().startswith((b"bcc:", b"to: evil")), line)

    def test_fields_named_like_recipients_add_no_recipient(self):
        owner = "fields-owner@vellum.test"
        name = self.copying_script(to=owner)
        self.submit(name, [("To", "evil@attacker.test"), ("recipient", "evil2@attacker.test"),
                           ("Cc", "evil3@attacker.test"), ("Bcc", "evil4@attacker.test"),
                           ("E-Mail", "visitor@vellum.test")])
        [message] = self.smtp.wait_for(1, to=owner)
        self.assertEqual(recipients(message), {owner})
        everyone = set().union(*(recipients(m) for m in self.smtp.messages()))
        self.assertFalse({r for r in everyone if "attacker" in r or r == "visitor@vellum.test"})

    def test_header_texts_outside_ascii_are_encoded(self):
        owner = "encoding-owner@vellum.test"
        name = self.copying_script(template=1, to=owner, sender="Use 'From' from Form",
                                   subject="Use 'Subject' from Form")
        self.submit(name, [("From", "Jürgen Müller"), ("Subject", "Grüße aus Köln")])
        [message] = self.smtp.wait_for(1, to=owner)
        for line in self.header_lines(message):
            self.assertTrue(line.isascii(), line)
        self.assertEqual(str(message["Subject"]), "Grüße aus Köln")
        self.assertIn("Jürgen Müller", str(message["From"]))


if __name__ == "__main__":
    unittest.main()
