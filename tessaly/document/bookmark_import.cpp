#include "bookmark_import.h"

#include "platform/file_ops.h"

#include <cstring>
#include <filesystem>

namespace tessaly {

namespace {
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Where the first "<a href=" (in any case) starts, or npos.
std::size_t findAnchor(std::string_view line) {
    static constexpr std::string_view kMarker = "<a href=";
    std::size_t at = 0;
    while (at + kMarker.size() <= line.size()) {
        const void* found = std::memchr(line.data() + at, '<', line.size() - kMarker.size() + 1 - at);
        if (!found)
            return std::string_view::npos;
        at = static_cast<std::size_t>(static_cast<const char*>(found) - line.data());
        bool same = true;
        for (std::size_t i = 1; i < kMarker.size() && same; ++i)
            same = lower(line[at + i]) == kMarker[i];
        if (same)
            return at;
        ++at;
    }
    return std::string_view::npos;
}
} // namespace

std::optional<BookmarkLink> scanBookmarkLine(std::string_view line) {
    const std::size_t anchor = findAnchor(line);
    if (anchor == std::string_view::npos)
        return std::nullopt;
    // The address starts after the quote that is expected to follow "href=" (it is not
    // checked) and runs to the next double quote.
    const std::size_t start = anchor + 9;
    if (start > line.size())
        return std::nullopt;
    const std::size_t end = line.find('"', start);
    if (end == std::string_view::npos || end == start)
        return std::nullopt;

    BookmarkLink link;
    link.url.assign(line.substr(start, end - start));
    bool inTag = false;
    for (char c : line) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        if (!inTag && c != '>')
            link.description += c;
    }
    if (link.description.empty())
        return std::nullopt;
    const std::size_t firstText = link.description.find_first_not_of(' ');
    if (firstText != std::string::npos)
        link.description.erase(0, firstText);
    return link;
}

std::size_t importBookmarks(std::string_view bytes, std::string_view frameTarget, LinkList& links) {
    std::size_t added = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = at;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        if (auto link = scanBookmarkLine(bytes.substr(at, end - at))) {
            links.append(std::move(link->description), std::move(link->url), std::string(frameTarget));
            ++added;
        }
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            at = end + 2;
        else
            at = end + 1;
    }
    return added;
}

BookmarkFile readBookmarkFile(std::string_view path) {
    if (!platform::fileExists(path))
        return {std::nullopt, std::string(kReselectBookmarkFileMessage)};
    std::error_code ec;
    const auto size = std::filesystem::file_size(std::filesystem::path(std::string(path)), ec);
    if (!ec && size > kLargestBookmarkFile)
        return {std::nullopt, "The file " + std::string(path) + " is too large to be a bookmark file."};
    auto bytes = platform::readFile(path);
    if (!bytes)
        return {std::nullopt, "The bookmark file " + std::string(path) + " could not be read."};
    return {std::move(bytes), {}};
}

} // namespace tessaly
