#include "line_ends.h"

#include "vmcntrl/config/text_lines.h"

namespace vellum {

std::string withCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += vmcntrl::kLineEnd;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void endWithLineBreak(std::string& text) {
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += vmcntrl::kLineEnd;
}

} // namespace vellum
