#include "entry_text.h"

#include "vmcntrl/config/text_lines.h"

namespace vellum {

namespace {

bool startsLikeFormula(std::string_view value) {
    if (value.empty())
        return false;
    const char c = value.front();
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// Values keep their own line breaks, each written as CR LF like the rest of the file.
std::string withCrLf(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n') {
            out += "\r\n";
            if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
        } else {
            out += value[i];
        }
    }
    return out;
}

} // namespace

std::string csvField(std::string_view value) {
    std::string out = "\"";
    if (startsLikeFormula(value))
        out += '\'';
    for (char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string commaRow(const std::vector<std::string>& columns) {
    std::string row;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            row += ',';
        row += csvField(columns[i]);
    }
    row += vmcntrl::kLineEnd;
    return row;
}

std::size_t columnCountOfFirstLine(std::string_view archive) {
    if (archive.empty())
        return 0;
    std::size_t columns = 1;
    bool quoted = false;
    for (char c : archive) {
        if (c == '"')
            quoted = !quoted; // a doubled quote toggles twice
        else if (!quoted && c == ',')
            ++columns;
        else if (!quoted && (c == '\r' || c == '\n'))
            break;
    }
    // A first line with nothing on it (a blank data file) names no columns.
    const std::size_t end = archive.find_first_of("\r\n");
    return archive.substr(0, end).empty() ? 0 : columns;
}

std::string textBlock(const FormFields& fields, const Transaction& t) {
    std::string block;
    for (const FormField& field : fields.all())
        vmcntrl::appendLine(block, displayName(field.name) + ": " + withCrLf(field.value));
    vmcntrl::appendLine(block, "Date: " + t.date);
    vmcntrl::appendLine(block, "Time: " + t.time);
    vmcntrl::appendLine(block, "Remote address: " + t.remoteAddress);
    vmcntrl::appendLine(block, "Referer: " + t.referer);
    vmcntrl::appendLine(block, "Transaction: " + t.id);
    vmcntrl::appendLine(block, std::string(40, '-'));
    return block;
}

} // namespace vellum
