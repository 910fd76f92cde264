// Any bytes as a form submission: the first line is the content type, the rest the body.
// Parsing must neither crash nor accept a body whose fields do not survive being sent
// again, and everything the processor then does with the fields must hold up.
#include "vellum/entry_text.h"
#include "vellum/form_body.h"
#include "vellum/form_fields.h"
#include "vellum/mail_message.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string percentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view type = input.substr(0, newline);
    const std::string_view body =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    const vellum::BodyParse parse = vellum::parseFormBody(type, body);
    if (!parse.ok) {
        check(!parse.error.empty());
        return 0;
    }
    // The fields as a browser would send them again come back unchanged.
    std::string again;
    for (const vellum::FormField& field : parse.fields) {
        check(!field.name.empty());
        again += (again.empty() ? "" : "&") + percentEncode(field.name) + "=" +
                 percentEncode(field.value);
    }
    const vellum::BodyParse reparsed = vellum::parseUrlEncoded(again);
    check(reparsed.ok && reparsed.fields == parse.fields);

    const vellum::FormFields fields(parse.fields);
    const auto columns = fields.numberedColumns(0);
    check(columns.size() <= 100);
    const std::string row = vellum::commaRow(columns);
    check(row.size() >= 2 && row.substr(row.size() - 2) == "\r\n");
    (void)vellum::textBlock(fields, vellum::Transaction{});
    for (const vellum::FormField& field : parse.fields) {
        check(fields.value(vellum::displayName(field.name)).has_value());
        const std::string header = vellum::encodeHeaderText(vellum::headerText(field.value));
        for (std::size_t i = 0; i < header.size(); ++i) {
            const auto c = static_cast<unsigned char>(header[i]);
            // Only the folding of encoded words may break a header line.
            check(c < 0x80 && (c != '\r' || header.substr(i, 3) == "\r\n "));
            check(c != '\n' || (i > 0 && header[i - 1] == '\r'));
        }
    }
    return 0;
}
