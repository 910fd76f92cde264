#include "vellum_home.h"

#include "vellum/mail_address.h"
#include "vellum/mail_message.h"
#include "vellum/mailer.h"

#include <gtest/gtest.h>

#include <chrono>

using vellum::FormFields;
using vmcntrl::ScriptRecord;

namespace {

// The headers of a message, up to the empty line.
std::string headersOf(const std::string& message) {
    return message.substr(0, message.find("\r\n\r\n") + 2);
}
std::string bodyOf(const std::string& message) {
    return message.substr(message.find("\r\n\r\n") + 4);
}

class MailerTest : public ::testing::Test {
protected:
    vellum::MailReport send(const FormFields& fields) {
        transaction.id = "20261208-1-ab";
        transaction.date = "2026-12-08";
        transaction.remoteAddress = "198.51.100.7";
        const vellum::SubmissionMail mail{script,
                                          home.path(),
                                          name,
                                          fields,
                                          transaction,
                                          settings,
                                          std::chrono::system_clock::now()};
        return vellum::sendSubmissionMail(mail, transport, vellum::ProcessorLogs(home.path()));
    }

    VellumHome home;
    RecordingTransport transport;
    ScriptRecord script;
    std::string name = "Feedback";
    vellum::Transaction transaction;
    vellum::MailSettings settings{"mail.example.com", "forms@example.com", "example.com"};
};

} // namespace

TEST(MailAddress, AcceptsPlainAddressesOnly) {
    for (const char* good : {"a@b.org", "first.last+tag@mail.example.co.uk", "root@localhost"})
        EXPECT_TRUE(vellum::isMailAddress(good)) << good;
    for (const char* bad : {"", "a", "@b.org", "a@", "a b@c.org", "a@b c.org", "<a@b.org>",
                            "Ann <a@b.org>", "a@b.org\r\nBcc: x@y.org", "a..b@c.org", "a@-b.org",
                            "a@b..org", "a@b.org,c@d.org", ".a@b.org", "a@b.org>"})
        EXPECT_FALSE(vellum::isMailAddress(bad)) << bad;
}

TEST(MailRecipients, ToIsAnAddressOrAList) {
    VellumHome home;
    EXPECT_EQ(vellum::copyRecipients("office@example.com", home.path()),
              (std::vector<std::string>{"office@example.com"}));
    EXPECT_EQ(vellum::copyRecipients(" a@x.org, b@x.org; A@X.org, junk ", home.path()),
              (std::vector<std::string>{"a@x.org", "b@x.org"}));
    EXPECT_TRUE(vellum::copyRecipients("", home.path()).empty());
}

TEST(MailRecipients, AGroupFileGivesOneAddressPerLineSkippingOtherLines) {
    VellumHome home;
    home.write("staff.txt", "E-Mail Addresses - one per line (Remove this line)\r\n"
                            "ann@example.com\r\n\r\n  bob@example.com  \nnot an address\r\n"
                            "Eve <eve@example.com>\r\nann@example.com\r\n");
    EXPECT_EQ(vellum::copyRecipients(home.file("staff.txt"), home.path()),
              (std::vector<std::string>{"ann@example.com", "bob@example.com"}));
    EXPECT_EQ(vellum::copyRecipients("staff.txt", home.path()),
              (std::vector<std::string>{"ann@example.com", "bob@example.com"}))
        << "a relative group file is in the program directory";
    EXPECT_TRUE(vellum::copyRecipients(home.file("gone.txt"), home.path()).empty());
}

TEST_F(MailerTest, TheCopyGoesToToWithEveryFieldFromTheConfiguredSender) {
    script.To = "office@example.com";
    script.Sender = "Web Shop";
    script.Subject = "New order";
    const auto report = send({{"00E-Mail", "ann@example.org"}, {"01Name", "Ann"}});
    EXPECT_EQ(report.sent, 1);
    EXPECT_FALSE(report.anyFailed);
    ASSERT_EQ(transport.sent.size(), 1u);
    const vellum::OutgoingMail& m = transport.sent[0];
    EXPECT_EQ(m.server, "mail.example.com");
    EXPECT_EQ(m.envelopeFrom, "forms@example.com");
    EXPECT_EQ(m.recipients, (std::vector<std::string>{"office@example.com"}));
    const std::string headers = headersOf(m.message);
    EXPECT_NE(headers.find("\r\nFrom: \"Web Shop\" <forms@example.com>\r\n"), std::string::npos)
        << headers;
    EXPECT_NE(headers.find("\r\nReply-To: forms@example.com\r\n"), std::string::npos);
    EXPECT_NE(headers.find("\r\nTo: office@example.com\r\n"), std::string::npos);
    EXPECT_NE(headers.find("\r\nSubject: New order\r\n"), std::string::npos);
    const std::string body = bodyOf(m.message);
    EXPECT_NE(body.find("E-Mail: ann@example.org\r\n"), std::string::npos) << body;
    EXPECT_NE(body.find("Name: Ann\r\n"), std::string::npos);
    EXPECT_NE(body.find("Remote address: 198.51.100.7\r\n"), std::string::npos);
    EXPECT_NE(home.mailLog().find("Feedback\tcopy of the form\toffice@example.com\tsent"),
              std::string::npos);
}

TEST_F(MailerTest, FromAndSubjectCanComeFromTheForm) {
    script.To = "office@example.com";
    script.Sender = "Use 'From' from Form";
    script.Subject = "Use 'Subject' from Form";
    send({{"02From", "Ann Smith"}, {"03Subject", "Question"}});
    ASSERT_EQ(transport.sent.size(), 1u);
    const std::string headers = headersOf(transport.sent[0].message);
    EXPECT_NE(headers.find("\r\nFrom: \"Ann Smith\" <forms@example.com>\r\n"), std::string::npos)
        << headers;
    EXPECT_NE(headers.find("\r\nSubject: Question\r\n"), std::string::npos);
    EXPECT_EQ(transport.sent[0].envelopeFrom, "forms@example.com")
        << "the envelope sender stays Config's From";
}

TEST_F(MailerTest, AFieldWithCrLfCannotAddAHeaderOrARecipient) {
    script.To = "office@example.com";
    script.Sender = "Use 'From' from Form";
    script.Subject = "Use 'Subject' from Form";
    send({{"Subject", "Hi\r\nBcc: victim@example.net"},
          {"From", "Ann\"\r\nCc: other@example.net"},
          {"To", "victim@example.net"},
          {"recipient", "victim2@example.net"},
          {"Cc", "victim3@example.net"}});
    ASSERT_EQ(transport.sent.size(), 1u);
    const vellum::OutgoingMail& m = transport.sent[0];
    EXPECT_EQ(m.recipients, (std::vector<std::string>{"office@example.com"}));
    const std::string headers = headersOf(m.message);
    EXPECT_EQ(headers.find("\r\nBcc:"), std::string::npos) << headers;
    EXPECT_EQ(headers.find("\r\nCc:"), std::string::npos) << headers;
    EXPECT_NE(headers.find("\r\nSubject: Hi  Bcc: victim@example.net\r\n"), std::string::npos)
        << headers;
    EXPECT_NE(headers.find("\r\nFrom: \"Ann\\\"  Cc: other@example.net\" <forms@example.com>\r\n"),
              std::string::npos)
        << headers;
    EXPECT_EQ(headers.find("victim@example.net>"), std::string::npos);
}

TEST_F(MailerTest, NonAsciiHeadersAreEncodedWords) {
    script.To = "office@example.com";
    script.Sender = "Caf\xC3\xA9 M\xC3\xBCller";
    script.Subject = "R\xC3\xA9servation";
    send({{"a", "1"}});
    ASSERT_EQ(transport.sent.size(), 1u);
    const std::string headers = headersOf(transport.sent[0].message);
    EXPECT_NE(headers.find("\r\nFrom: =?UTF-8?B?Q2Fmw6kgTcO8bGxlcg==?= <forms@example.com>\r\n"),
              std::string::npos)
        << headers;
    EXPECT_NE(headers.find("\r\nSubject: =?UTF-8?B?UsOpc2VydmF0aW9u?=\r\n"), std::string::npos);
    for (unsigned char c : headers)
        EXPECT_LT(c, 0x80u) << "headers are ASCII";
}

TEST_F(MailerTest, TheLetterGoesToTheOneValidEMailAddress) {
    home.write("letter.txt", "# comment\r\nDear ^Name^,\r\nthank you.\r\n");
    script.SendMessage = home.file("letter.txt");
    script.Sender = "Web Shop";
    script.Subject = "Thanks";
    EXPECT_EQ(send({{"00E-Mail", " ann@example.org "}, {"01Name", "Ann"}}).sent, 1);
    ASSERT_EQ(transport.sent.size(), 1u);
    const vellum::OutgoingMail& m = transport.sent[0];
    EXPECT_EQ(m.recipients, (std::vector<std::string>{"ann@example.org"}));
    EXPECT_NE(headersOf(m.message).find("\r\nTo: ann@example.org\r\n"), std::string::npos);
    EXPECT_EQ(bodyOf(m.message), "Dear Ann,\r\nthank you.\r\n");
    EXPECT_NE(home.mailLog().find("letter to the visitor\tann@example.org\tsent"),
              std::string::npos);
}

TEST_F(MailerTest, NoLetterWithoutExactlyOneValidAddress) {
    home.write("letter.txt", "Hello\r\n");
    script.SendMessage = home.file("letter.txt");
    for (const FormFields& fields :
         {FormFields{{"Name", "Ann"}}, FormFields{{"E-Mail", "not an address"}},
          FormFields{{"E-Mail", "a@x.org, b@x.org"}},
          FormFields{{"E-Mail", "a@x.org\r\nBcc: b@x.org"}},
          FormFields{{"E-Mail", "a@x.org"}, {"E-Mail", "b@x.org"}}}) {
        const auto report = send(fields);
        EXPECT_EQ(report.sent, 0);
        EXPECT_FALSE(report.anyFailed) << "a visitor without an address is no mail error";
    }
    EXPECT_TRUE(transport.sent.empty());
    EXPECT_EQ(countOf(home.mailLog(), "not sent"), 5u);
}

TEST_F(MailerTest, FailuresAreReportedAndLogged) {
    script.To = "office@example.com";
    transport.failWith = "Recipient address rejected";
    EXPECT_TRUE(send({{"a", "1"}}).anyFailed);
    EXPECT_NE(home.mailLog().find("FAILED: Recipient address rejected"), std::string::npos);

    transport.sent.clear();
    transport.failWith.clear();
    settings.server = "";
    EXPECT_TRUE(send({{"a", "1"}}).anyFailed);
    EXPECT_TRUE(transport.sent.empty());
    EXPECT_NE(home.mailLog().find("FAILED: no MailServer in Config"), std::string::npos);

    settings.server = "mail.example.com";
    script.To = "nobody";
    EXPECT_TRUE(send({{"a", "1"}}).anyFailed) << "a To without an address is a mail error";
    script.To = "";
    script.SendMessage = home.file("gone.txt");
    EXPECT_TRUE(send({{"E-Mail", "a@x.org"}}).anyFailed);
    EXPECT_TRUE(transport.sent.empty());
}

TEST(MailMessage, BodiesOutsideAsciiAreQuotedPrintableWithTheirCharset) {
    vellum::MessageParts parts;
    parts.fromAddress = "f@x.org";
    parts.to = {"t@x.org"};
    parts.subject = "s";
    parts.body = "Gr\xC3\xBC\xC3\x9F"
                 "e = 1 \r\n.\r\nlone\nline\r\n";
    const std::string m = vellum::composeMessage(parts);
    EXPECT_NE(m.find("Content-Type: text/plain; charset=UTF-8\r\n"), std::string::npos);
    EXPECT_NE(m.find("Content-Transfer-Encoding: quoted-printable\r\n"), std::string::npos);
    EXPECT_EQ(bodyOf(m), "Gr=C3=BC=C3=9Fe =3D 1=20\r\n.\r\nlone\r\nline\r\n");
    parts.body = "caf\xE9\r\n";
    EXPECT_NE(vellum::composeMessage(parts).find("charset=windows-1252"), std::string::npos);
}

TEST(MailMessage, LongNonAsciiSubjectsFoldIntoShortWords) {
    const std::string subject(60, '\xC3');
    std::string utf8;
    for (int i = 0; i < 40; ++i)
        utf8 += "\xC3\xA9";
    const std::string encoded = vellum::encodeHeaderText(utf8);
    EXPECT_NE(encoded.find("\r\n =?UTF-8?B?"), std::string::npos);
    std::size_t start = 0;
    while (start < encoded.size()) {
        const std::size_t end = std::min(encoded.find("\r\n", start), encoded.size());
        EXPECT_LE(end - start, 76u);
        start = end + 2;
    }
    EXPECT_EQ(vellum::encodeHeaderText("plain"), "plain");
}

TEST(SmtpUrl, HostOrHostAndPortWithPort25ByDefault) {
    EXPECT_EQ(vellum::smtpUrl("mail.example.com", ""), "smtp://mail.example.com:25/");
    EXPECT_EQ(vellum::smtpUrl(" 127.0.0.1:2525 ", "example.com"),
              "smtp://127.0.0.1:2525/example.com");
    EXPECT_EQ(vellum::smtpUrl("[::1]:26", ""), "smtp://[::1]:26/");
    for (const char* bad : {"", "host:", "host:abc", "a b", "host:25/x", "user@host", "h:1:2"})
        EXPECT_EQ(vellum::smtpUrl(bad, ""), "") << bad;
}
