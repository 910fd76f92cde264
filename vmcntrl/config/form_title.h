#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vmcntrl {

// Where a line's title sits: the "<TITLE>" tag and the text after it up to the next "<", or
// to the end of the line when the title runs on past it. Found in the line's capitals, so
// the tag matches in any letter case; the positions hold in the line itself.
struct TitleSpan {
    std::size_t tagAt = 0;
    std::size_t textAt = 0;
    std::size_t textLength = 0;
};
std::optional<TitleSpan> findTitle(std::string_view upperLine);

// The title the editor shows for a form file: from the first line that holds a title tag.
// Empty when there is none.
std::string formTitle(std::string_view formText);

} // namespace vmcntrl
