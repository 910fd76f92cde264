#pragma once

#include <string>
#include <vector>

namespace vellum {

// One message ready for SMTP: the envelope and the complete message text (headers, empty
// line, body, lines ended by CR LF).
struct OutgoingMail {
    std::string server; // "host" or "host:port"
    std::string heloDomain;
    std::string envelopeFrom;
    std::vector<std::string> recipients;
    std::string message;
};

struct SendResult {
    bool ok = false;
    std::string error;
};

// Where messages go; the processor uses SMTP through libcurl, tests a recording fake.
class MailTransport {
public:
    virtual ~MailTransport() = default;
    virtual SendResult send(const OutgoingMail& mail) = 0;
};

class SmtpTransport : public MailTransport {
public:
    SendResult send(const OutgoingMail& mail) override;
};

// "host" or "host:port" (an IPv6 address in brackets) as an smtp:// URL; port 25 unless
// given. Empty when the text is not a usable server name.
std::string smtpUrl(const std::string& server, const std::string& heloDomain);

} // namespace vellum
