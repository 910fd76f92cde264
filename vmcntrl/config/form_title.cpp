#include "form_title.h"

#include "text_lines.h"

namespace vmcntrl {

std::optional<TitleSpan> findTitle(std::string_view upperLine) {
    constexpr std::string_view tag = "<TITLE>";
    const std::size_t at = upperLine.find(tag);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t textAt = at + tag.size();
    const std::size_t end = upperLine.find('<', textAt);
    const std::size_t textEnd = end == std::string_view::npos ? upperLine.size() : end;
    return TitleSpan{at, textAt, textEnd - textAt};
}

std::string formTitle(std::string_view formText) {
    for (std::string_view line : splitLines(formText)) {
        if (const auto span = findTitle(upperAscii(line)))
            return std::string(line.substr(span->textAt, span->textLength));
    }
    return {};
}

} // namespace vmcntrl
