"""A mail server that refuses the message, and one that is not there: the entry is kept, the
visitor gets the normal answer, Config gets MailErr=1 and vellsmtp.log a line."""

import unittest

from vellum_servers import ServerTestCase, free_port, read_text


class MailFailureTests(ServerTestCase):
    smtp_handler = "refusing_handler.RefusingHandler"

    def setUp(self):
        self.programs.set_keys("Config", MailErr="0", MailServer=f"127.0.0.1:{self.smtp.port}")

    def assert_failure_recorded(self, server):
        name = self.programs.wizard(self.unique("Kept"), template=0, save="data",
                                    copy_to="owner@vellum.test", sender="Site",
                                    subject="A copy")
        self.programs.set_keys("Config", MailServer=server)
        logged = len(self.programs.mail_log())
        reply = self.browser.post(name, [("00E-Mail", "ada@vellum.test"), ("01Name", "Ada")])

        self.assertEqual(reply.status, 200, reply.text)
        self.assertIn("Ada", reply.text)  # the simple confirmation, as if all went well
        rows = read_text(self.programs.path("SAVED", f"{name}.csv")).split("\r\n")
        self.assertTrue(rows[1].startswith('"ada@vellum.test","Ada"'), rows)
        self.assertEqual(self.programs.key("Config", "MailErr"), "1")
        lines = self.programs.mail_log()
        self.assertGreater(len(lines), logged)
        self.assertTrue(any("owner@vellum.test" in line for line in lines[logged:]), lines)
        # The panel's keys beside MailErr are untouched by the processor's write.
        self.assertEqual(self.programs.key("Config", "From"), self.sender_address)
        self.assertEqual(self.programs.key(name, "OutputStyle"), "Comma")

    def test_a_mail_server_that_refuses_the_message(self):
        self.assert_failure_recorded(f"127.0.0.1:{self.smtp.port}")
        self.assertEqual(self.smtp.messages(), [])

    def test_a_mail_server_that_is_down(self):
        self.assert_failure_recorded(f"127.0.0.1:{free_port()}")


if __name__ == "__main__":
    unittest.main()
