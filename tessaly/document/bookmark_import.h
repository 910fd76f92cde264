#pragma once

#include "link_list.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

inline constexpr std::string_view kReselectBookmarkFileMessage = "Re-select bookmark file.";

// What one line of a bookmark file gives: the address of its first "<a href=" and every
// character outside tags as the description.
struct BookmarkLink {
    std::string description;
    std::string url;
};

// A line without a complete first anchor, or without text outside its tags, gives nothing.
// Leading blanks of the description go (those before the <DT> of a browser export), unless
// it is blanks only.
std::optional<BookmarkLink> scanBookmarkLine(std::string_view line);

// Appends the links of every line (lines end at LF, CR LF or a lone CR), each with the
// same frame target. Returns the number of links added.
std::size_t importBookmarks(std::string_view fileBytes, std::string_view frameTarget, LinkList& links);

// Reads a bookmark file for an import. A missing file or an empty path gives the
// "Re-select bookmark file." message; a file that cannot be read, or one too large to be a
// bookmark file, gives a message of its own.
struct BookmarkFile {
    std::optional<std::string> bytes;
    std::string error;
};
inline constexpr std::size_t kLargestBookmarkFile = 256u * 1024u * 1024u;
BookmarkFile readBookmarkFile(std::string_view path);

} // namespace tessaly
