#include "bookmark_import.h"

#include "platform/file_ops.h"

#include <new>

namespace tessaly {

const char* const kReselectBookmarkFile = "Re-select bookmark file.";

namespace {

constexpr std::string_view kAnchorMarker = "<a href=";

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isAnchorMarker(std::string_view text) {
    for (std::size_t i = 0; i < kAnchorMarker.size(); ++i)
        if (lowerAscii(text[i]) != kAnchorMarker[i])
            return false;
    return true;
}

} // namespace

std::optional<std::string_view> LineCursor::next() {
    if (rest_.empty())
        return std::nullopt;
    const char* data = rest_.data();
    const std::size_t size = rest_.size();
    std::size_t end = 0;
    while (end < size && data[end] != '\n' && data[end] != '\r')
        ++end;
    const std::string_view line = rest_.substr(0, end);
    if (end == size)
        rest_ = {};
    else if (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n')
        rest_.remove_prefix(end + 2);
    else
        rest_.remove_prefix(end + 1);
    return line;
}

std::string_view bookmarkUrl(std::string_view line) {
    // Every marker starts with "<", so only those positions are compared in full.
    for (std::size_t p = line.find('<'); p != std::string_view::npos && p + kAnchorMarker.size() <= line.size();
         p = line.find('<', p + 1)) {
        if (!isAnchorMarker(line.substr(p, kAnchorMarker.size())))
            continue;
        const std::size_t start = p + kAnchorMarker.size() + 1;
        const std::size_t end = line.find('"', start);
        if (end == std::string_view::npos)
            return {};
        return line.substr(start, end - start);
    }
    return {};
}

std::string bookmarkDescription(std::string_view line) {
    std::string description;
    description.reserve(line.size());
    bool inTag = false;
    for (const char c : line) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag)
            description.push_back(c);
    }
    return description;
}

std::optional<BookmarkLine> scanBookmarkLine(std::string_view line) {
    // The address decides whether the line counts, and it is cheap to find, so the
    // description is only built for lines that carry one.
    const std::string_view url = bookmarkUrl(line);
    if (url.empty())
        return std::nullopt;
    std::string description = bookmarkDescription(line);
    if (description.empty())
        return std::nullopt;
    const std::size_t firstText = description.find_first_not_of(' ');
    if (firstText != std::string::npos)
        description.erase(0, firstText);
    return BookmarkLine{std::move(description), std::string(url)};
}

std::vector<ImportedLink> importBookmarks(std::string_view bytes, std::string_view frame) {
    std::vector<ImportedLink> links;
    LineCursor lines(bytes);
    while (const auto line = lines.next()) {
        if (auto link = scanBookmarkLine(*line))
            links.push_back({std::move(link->description), std::move(link->url), std::string(frame)});
    }
    return links;
}

BookmarkImport importBookmarkFile(std::string_view path, std::string_view frame) {
    using Outcome = BookmarkImport::Outcome;
    // A folder fails the existence test as a missing file does.
    if (platform::directoryExists(path))
        return {Outcome::Missing, {}, {}};
    // Only a regular file within the size limit is read: a pipe or a device would block the
    // read or never end it, and a huge file would exhaust memory.
    platform::ReadResult read = platform::readFileLimited(path);
    switch (read.outcome) {
    case platform::ReadResult::Outcome::Read:
        break;
    case platform::ReadResult::Outcome::Missing:
        return {Outcome::Missing, {}, {}};
    default:
        return {Outcome::Unreadable, {}, std::move(read.reason)};
    }
    try {
        return {Outcome::Imported, importBookmarks(read.bytes, frame), {}};
    } catch (const std::bad_alloc&) {
        return {Outcome::Unreadable, {}, "there is not enough memory for its links"};
    }
}

std::string bookmarkImportFailure(const BookmarkImport& import, std::string_view path) {
    switch (import.outcome) {
    case BookmarkImport::Outcome::Imported:
        return {};
    case BookmarkImport::Outcome::Missing:
        return kReselectBookmarkFile;
    case BookmarkImport::Outcome::Unreadable:
        break;
    }
    if (import.reason.empty())
        return "The bookmark file " + std::string(path) + " cannot be read.";
    return "The bookmark file " + std::string(path) + " cannot be read: " + import.reason + ".";
}

} // namespace tessaly
