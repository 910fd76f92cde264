#include "template_filler.h"

#include "platform/paths.h"
#include "vmcntrl/config/text_lines.h"

namespace vellum {

namespace {

// Field names as forms spell them: no blanks, no markup, nothing that would make a caret
// pair in ordinary text ("2^10 and 3^4") look like a key.
bool looksLikeKeyName(std::string_view name) {
    if (name.empty() || name.size() > 128)
        return false;
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.' || c == '~' ||
                           c == ':';
        if (!plain)
            return false;
    }
    return true;
}

void fillLine(std::string& out, std::string_view line, const KeyValues& values, bool html) {
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t open = line.find('^', at);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = line.find('^', open + 1);
        if (close == std::string_view::npos)
            break;
        const std::string_view name = line.substr(open + 1, close - open - 1);
        std::optional<std::string> value = values(name);
        if (!value && looksLikeKeyName(name))
            value = std::string();
        if (!value) {
            // Not a key: keep the first caret and look again from the second, which may open
            // a real key.
            out.append(line.substr(at, close - at));
            at = close;
            continue;
        }
        out.append(line.substr(at, open - at));
        out += html ? escapeHtml(*value) : *value;
        at = close + 1;
    }
    out.append(line.substr(at));
}

} // namespace

std::string fillTemplate(std::string_view templateText, const KeyValues& values, bool html) {
    std::string out;
    out.reserve(templateText.size() + 256);
    for (std::string_view line : vmcntrl::splitLines(templateText)) {
        if (!line.empty() && line.front() == '#')
            continue;
        fillLine(out, line, values, html);
        out += vmcntrl::kLineEnd;
    }
    return out;
}

std::string escapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool isHtmlFile(std::string_view path) {
    const std::string name = vmcntrl::upperAscii(platform::fileNameFromPath(path));
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::string ext = name.substr(dot + 1);
    return ext == "HTM" || ext == "HTML" || ext == "SHTML" || ext == "XHTML";
}

} // namespace vellum
