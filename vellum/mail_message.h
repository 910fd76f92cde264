#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace vellum {

// The parts of one e-mail message. Every text that goes into a header passes headerText
// (no CR, LF or other control character survives, so no value can add a header) and is
// encoded as RFC 2047 words when it is not ASCII.
struct MessageParts {
    std::string fromName;    // the display name of From
    std::string fromAddress; // the address of From
    std::string replyTo;     // empty for none
    std::vector<std::string> to;
    std::string subject;
    std::string date;      // as rfc5322Date gives it
    std::string messageId; // without the angle brackets
    std::string body;      // lines ended by CR LF
};

// The complete message: headers, an empty line, the body (quoted-printable when it is not
// plain short-lined ASCII). Every line ends with CR LF.
std::string composeMessage(const MessageParts& parts);

// A header value made one line: control characters become blanks.
std::string headerText(std::string_view text);
// RFC 2047 encoded words (base64) for text outside ASCII, labelled UTF-8 when the bytes are
// UTF-8 and windows-1252 otherwise; ASCII text comes back as it is. Words are folded onto
// continuation lines so that no line grows past 78 characters.
std::string encodeHeaderText(std::string_view text);
// "Tue, 08 Dec 2026 08:15:42 +0000" in local time.
std::string rfc5322Date(std::chrono::system_clock::time_point when);

bool isUtf8(std::string_view text);

} // namespace vellum
