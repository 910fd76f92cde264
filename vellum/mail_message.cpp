#include "mail_message.h"

#include <array>
#include <ctime>

namespace vellum {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string base64(std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

// The length of the UTF-8 sequence that starts with this byte (1 for anything else).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

std::string quotedDisplayName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

// Quoted-printable (RFC 2045) with CR LF line ends kept as hard breaks.
std::string quotedPrintable(std::string_view body) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t column = 0;
    auto emit = [&](std::string_view piece) {
        if (column + piece.size() > 75) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += piece.size();
    };
    for (std::size_t i = 0; i < body.size(); ++i) {
        const auto c = static_cast<unsigned char>(body[i]);
        if (c == '\r' && i + 1 < body.size() && body[i + 1] == '\n') {
            // Blanks before a line break would be lost in transport: encode the last one.
            if (!out.empty() && (out.back() == ' ' || out.back() == '\t')) {
                const char blank = out.back();
                out.pop_back();
                --column;
                const char encoded[4] = {'=', kHex[blank >> 4], kHex[blank & 15], 0};
                emit(encoded);
            }
            out += kCrLf;
            column = 0;
            ++i;
            continue;
        }
        if ((c >= 33 && c <= 126 && c != '=') || c == ' ' || c == '\t') {
            const char plain[2] = {static_cast<char>(c), 0};
            emit(plain);
        } else {
            const char encoded[4] = {'=', kHex[c >> 4], kHex[c & 15], 0};
            emit(encoded);
        }
    }
    return out;
}

bool needsEncoding(std::string_view body) {
    if (!isAscii(body))
        return true;
    std::size_t line = 0;
    for (char c : body) {
        if (c == '\n') {
            line = 0;
        } else if (++line > 998 || c == '\0') {
            return true;
        }
    }
    return false;
}

// SMTP carries lines ended by CR LF only; a value with a lone LF or CR must not break that.
std::string withCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += kCrLf;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = sequenceLength(lead);
        if (n == 1 || lead > 0xF4 || i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

std::string headerText(std::string_view text) {
    std::string out(text.substr(0, 900));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    return out;
}

std::string encodeHeaderText(std::string_view text) {
    if (isAscii(text))
        return std::string(text);
    const bool utf8 = isUtf8(text);
    const std::string prefix = utf8 ? "=?UTF-8?B?" : "=?windows-1252?B?";
    std::string out;
    // 45 bytes make 60 base64 characters: each word stays within the 75 that RFC 2047 allows.
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = std::min(text.size(), at + 45);
        if (utf8)
            while (end < text.size() && end > at &&
                   (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
                --end; // never split a character between two words
        if (!out.empty())
            out += "\r\n ";
        out += prefix + base64(text.substr(at, end - at)) + "?=";
        at = end;
    }
    return out;
}

std::string rfc5322Date(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm tm{};
    ::localtime_r(&seconds, &tm);
    std::array<char, 64> buffer{};
    const std::size_t n =
        std::strftime(buffer.data(), buffer.size(), "%a, %d %b %Y %H:%M:%S %z", &tm);
    return std::string(buffer.data(), n);
}

std::string composeMessage(const MessageParts& parts) {
    std::string m;
    auto header = [&m](std::string_view name, std::string_view value) {
        m += name;
        m += ": ";
        m += value;
        m += kCrLf;
    };
    header("Date", parts.date);
    const std::string name = headerText(parts.fromName);
    const std::string address = headerText(parts.fromAddress);
    if (name.empty())
        header("From", address);
    else if (isAscii(name))
        header("From", quotedDisplayName(name) + " <" + address + ">");
    else
        header("From", encodeHeaderText(name) + " <" + address + ">");
    if (!parts.replyTo.empty())
        header("Reply-To", headerText(parts.replyTo));
    std::string to;
    for (const std::string& recipient : parts.to)
        to += (to.empty() ? "" : ", ") + headerText(recipient);
    header("To", to);
    header("Subject", encodeHeaderText(headerText(parts.subject)));
    header("Message-ID", "<" + headerText(parts.messageId) + ">");
    header("MIME-Version", "1.0");
    const std::string body = withCrLfLineEnds(parts.body);
    const std::string charset = isAscii(body)  ? "us-ascii"
                                : isUtf8(body) ? "UTF-8"
                                               : "windows-1252";
    header("Content-Type", "text/plain; charset=" + charset);
    const bool encode = needsEncoding(body);
    header("Content-Transfer-Encoding", encode ? "quoted-printable" : "7bit");
    m += kCrLf;
    m += encode ? quotedPrintable(body) : body;
    if (!m.empty() && m.back() != '\n')
        m += kCrLf;
    return m;
}

} // namespace vellum
