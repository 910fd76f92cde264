#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

// An initialisation file (sections in square brackets, key=value lines) held as its own
// lines, so that an edit rewrites only the line it changes and every other byte survives.
// Reading follows the Windows profile functions: names match without regard to case, only
// the first matching section and the first matching key count, blanks around names and
// values are trimmed, and one pair of surrounding quotes is dropped from a value.
class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string_view bytes);

    // The value as a reader sees it; nullopt when the section or key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value as stored on its line (trimmed, quotes kept); what a write compares against.
    std::optional<std::string> storedValue(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Key names of the first matching section in file order and original spelling
    // (comment lines and lines without "=" are not keys).
    std::vector<std::string> keyNames(std::string_view section) const;
    // Every section header's name in file order and original spelling.
    std::vector<std::string> sectionNames() const;

    // Each edit returns whether it changed the text. CR and LF in names and values become
    // blanks, so no value can break the file's structure.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);

    // True once any edit changed the text since it was parsed.
    bool modified() const { return modified_; }
    std::string bytes() const;

private:
    enum class Kind { Blank, Comment, Header, Entry, Other };
    // One line of the file. Names and values are kept as places in the line's own text, so
    // a large file costs one allocation a line at most.
    struct Line {
        std::string text; // the line's bytes without its line end
        std::string_view eol() const;
        Kind kind = Kind::Blank;
        std::uint8_t eolKind = 0; // 0 none, 1 CR LF, 2 LF, 3 CR
        std::uint32_t nameAt = 0, nameSize = 0, valueAt = 0, valueSize = 0;
        std::string_view name() const { return std::string_view(text).substr(nameAt, nameSize); }
        std::string_view value() const { return std::string_view(text).substr(valueAt, valueSize); }
    };
    struct Section {
        bool hasHeader = false;
        std::string name;
        std::vector<Line> lines; // the header line first, when there is one
        mutable bool indexValid = false;
        mutable std::unordered_map<std::string, std::size_t> firstEntry; // folded key -> line
    };

    static Line parseLine(std::string text, std::uint8_t eolKind);
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    const Line* findEntry(const Section& section, std::string_view key) const;
    std::ptrdiff_t findEntryIndex(const Section& section, std::string_view key) const;
    void rebuildSectionIndex();
    Line* lastLineOfFile();

    bool bom_ = false;
    bool modified_ = false;
    std::vector<Section> sections_; // sections_[0] holds the lines before the first header
    std::unordered_map<std::string, std::size_t> firstSection_;
};

// Case folding used for every profile name comparison.
std::string foldCase(std::string_view text);
// Blanks and tabs removed from both ends.
std::string_view trimBlanks(std::string_view text);
// Wraps a value in double quotes when the reading rules would not give it back unchanged
// (leading or trailing blanks, or one pair of surrounding quotes); the reader drops the
// added pair again, so every single-line value round-trips exactly.
std::string quoteForProfile(std::string_view value);

} // namespace platform
