"""An aiosmtpd handler for a mail server that answers but takes no mail: every recipient is
refused, so the processor's send fails after the connection succeeded."""


class RefusingHandler:
    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        return "550 5.7.1 Relaying denied"

    async def handle_DATA(self, server, session, envelope):
        return "554 5.6.0 No mail accepted here"

    @classmethod
    def from_cli(cls, parser, *args):
        return cls()  # the Maildir argument the harness passes is not needed
