#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// What one line of a bookmark file gives: the address of its first anchor and every
// character of the line that lies outside angle brackets.
struct BookmarkLine {
    std::string description;
    std::string url;
    bool operator==(const BookmarkLine&) const = default;
};

// One imported link, ready to be appended as a row of List1, List2 and List3.
struct ImportedLink {
    std::string description;
    std::string url;
    std::string frame;
    bool operator==(const ImportedLink&) const = default;
};

// Hands out the lines of a file one at a time, without copying them. A line ends at LF,
// CR LF or a lone CR, so files from every system read alike; text after the last line end
// is a line of its own. Memory stays constant however many lines a file has.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : rest_(bytes) {}
    // The next line without its line end, or nullopt when the bytes are used up.
    std::optional<std::string_view> next();

private:
    std::string_view rest_;
};

// The address of the line's first "<a href=" (matched in any case): from the character
// after the opening quote up to the next double quote. The quote after the equals sign is
// assumed, not checked, so an unquoted address loses its first character. Empty when the
// line has no marker or no closing quote; a later marker on the line is never looked at.
std::string_view bookmarkUrl(std::string_view line);

// Every character outside angle brackets, in line order; character references stay as
// they are.
std::string bookmarkDescription(std::string_view line);

// The link a line adds, or nullopt when it has no address or no text outside its tags.
// Leading spaces go from the description, unless it is made of spaces only.
std::optional<BookmarkLine> scanBookmarkLine(std::string_view line);

// Every link of a bookmark file, in file order, each with the given frame target. The whole
// file is read; the work is linear in its size whatever bytes it holds.
std::vector<ImportedLink> importBookmarks(std::string_view bytes, std::string_view frame);

// The import of a bookmark file named by path. A missing file (or an empty path) and a file
// that exists but cannot be read are told apart, so each gets its own message.
struct BookmarkImport {
    enum class Outcome { Imported, Missing, Unreadable };
    Outcome outcome = Outcome::Missing;
    std::vector<ImportedLink> links;
    std::string reason; // why an existing file could not be read ("it is a pipe, not a file")
};
BookmarkImport importBookmarkFile(std::string_view path, std::string_view frame);

// The message for a failed import ("Re-select bookmark file." for a missing file; "The
// bookmark file F cannot be read: <reason>." for one that exists), or an empty text when the
// import succeeded.
std::string bookmarkImportFailure(const BookmarkImport& import, std::string_view path);

extern const char* const kReselectBookmarkFile;

} // namespace tessaly
