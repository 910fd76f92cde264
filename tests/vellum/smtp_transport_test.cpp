// The libcurl sender against a real SMTP server (aiosmtpd) on a free loopback port.
#include "support/temp_dir.h"

#include "vellum/mail_message.h"
#include "vellum/mail_transport.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

int freeLoopbackPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(s);
    return ntohs(address.sin_port);
}

bool accepting(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(s);
    return ok;
}

// aiosmtpd storing every message in a Maildir, stopped when the test ends.
class MailServer {
public:
    explicit MailServer(const std::string& maildir) : port_(freeLoopbackPort()) {
        const std::string listen = "127.0.0.1:" + std::to_string(port_);
        std::vector<std::string> args{
            "/usr/bin/python3",          "-m",   "aiosmtpd", "-n", "-l", listen, "-c",
            "aiosmtpd.handlers.Mailbox", maildir};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
    }
    ~MailServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    // Bounded polling until the server takes connections.
    bool waitUntilReady() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            if (pid_ <= 0 || ::waitpid(pid_, nullptr, WNOHANG) != 0)
                return false;
            if (accepting(port_))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10)); // the next poll
        }
        return false;
    }
    int port() const { return port_; }

private:
    int port_;
    pid_t pid_ = -1;
};

std::vector<std::string> delivered(const std::string& maildir) {
    std::vector<std::string> messages;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(maildir + "/new", ec))
        messages.push_back(TempDir::read(entry.path().string()));
    return messages;
}

} // namespace

TEST(SmtpTransport, DeliversToARealServerWithTheEnvelopeGiven) {
    if (!std::filesystem::exists("/usr/bin/python3"))
        GTEST_SKIP() << "needs Debian's python3-aiosmtpd";
    TempDir dir;
    const std::string maildir = dir.file("Maildir");
    MailServer server(maildir);
    ASSERT_TRUE(server.waitUntilReady());

    vellum::MessageParts parts;
    parts.fromName = "Web Shop";
    parts.fromAddress = "forms@example.com";
    parts.to = {"ann@example.org", "bob@example.org"};
    parts.subject = "R\xC3\xA9servation";
    parts.messageId = "x1@example.com";
    parts.date = vellum::rfc5322Date(std::chrono::system_clock::now());
    parts.body = "First line\r\n.\r\n..two dots\r\nlast\r\n";
    vellum::OutgoingMail mail;
    mail.server = "127.0.0.1:" + std::to_string(server.port());
    mail.heloDomain = "example.com";
    mail.envelopeFrom = "forms@example.com";
    mail.recipients = {"ann@example.org", "bob@example.org"};
    mail.message = vellum::composeMessage(parts);

    vellum::SmtpTransport transport;
    const vellum::SendResult result = transport.send(mail);
    ASSERT_TRUE(result.ok) << result.error;
    // The server writes the message before it answers the end of the data.
    const auto messages = delivered(maildir);
    ASSERT_EQ(messages.size(), 1u);
    const std::string& m = messages[0];
    EXPECT_NE(m.find("X-MailFrom: forms@example.com"), std::string::npos) << m;
    EXPECT_NE(m.find("X-RcptTo: ann@example.org, bob@example.org"), std::string::npos) << m;
    EXPECT_NE(m.find("Subject: =?UTF-8?B?UsOpc2VydmF0aW9u?="), std::string::npos);
    EXPECT_NE(m.find("\n.\n..two dots\n"), std::string::npos) << "dots survive the transfer";
}

TEST(SmtpTransport, AServerThatIsDownIsAFailureWithAReason) {
    vellum::OutgoingMail mail;
    mail.server = "127.0.0.1:" + std::to_string(freeLoopbackPort());
    mail.envelopeFrom = "forms@example.com";
    mail.recipients = {"ann@example.org"};
    mail.message = "Subject: x\r\n\r\nbody\r\n";
    const vellum::SendResult result = vellum::SmtpTransport().send(mail);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

TEST(SmtpTransport, AnUnusableServerNameIsRefusedWithoutAConnection) {
    vellum::OutgoingMail mail;
    mail.server = "mail.example.com:smtp";
    mail.recipients = {"ann@example.org"};
    const vellum::SendResult result = vellum::SmtpTransport().send(mail);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("mail.example.com:smtp"), std::string::npos);
}
