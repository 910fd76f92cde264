#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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
// values are trimmed, and one pair of surrounding quotes is dropped from a value. Every
// line that is neither blank nor a header names a key for a lookup, also a comment (";k=1"
// is found as ";k") and a line without "=" (which has no value, so a read of it gives the
// default, and a write gives it one); only "name=value" lines that are not comments are
// listed. The lines before the first header are the section with the empty name.
//
// Copies share the parsed lines until one of them is edited, so handing out a kept copy
// costs no more than a lookup.
class ProfileText {
public:
    ProfileText();
    explicit ProfileText(std::string_view bytes);

    // The value as a reader sees it; nullopt when the section or key is missing, or when
    // the key's first line has no "=".
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value as stored on its line (trimmed, quotes kept); what a write compares against.
    std::optional<std::string> storedValue(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Key names of the first matching section in file order and original spelling
    // (comment lines and lines without "=" are not listed).
    std::vector<std::string> keyNames(std::string_view section) const;
    // Every section header's name in file order and original spelling; the lines before the
    // first header (and an empty "[]" header, which names the same section) are not listed.
    std::vector<std::string> sectionNames() const;

    // Each edit returns whether it changed the text. CR and LF in names and values become
    // blanks (in lookups too), and leading blanks of a value are dropped, as Windows does.
    // A write whose line would not read back as written (a key holding "=", a line that
    // would read as a section header, ...) is refused: it changes nothing, returns false,
    // and its reason is kept in refusal(), so that a batch of edits can be given up whole.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);
    // Why this write would be refused, or nullopt when it can be stored.
    std::optional<std::string> refusalFor(std::string_view section, std::string_view key,
                                          std::string_view value) const;

    // True once any edit changed the text since it was parsed.
    bool modified() const { return modified_; }
    // The reason of the first refused write since the text was parsed, if any.
    const std::optional<std::string>& refusal() const { return refusal_; }
    std::string bytes() const;
    // Whether bytes() would give exactly these bytes, without building them.
    bool hasBytes(std::string_view bytes) const;

    // Builds every lookup index now; after that, lookups change nothing, so one text may be
    // read from several threads at once.
    void indexAll() const;

private:
    enum class Kind : std::uint8_t { Blank, Header, Entry, Bare };
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
        bool isKey() const { return kind == Kind::Entry || kind == Kind::Bare; }
        bool isListed() const { return kind == Kind::Entry && !name().starts_with(';'); }
    };
    struct Section {
        bool hasHeader = false;
        std::string name;
        std::vector<Line> lines; // the header line first, when there is one
        mutable bool indexValid = false;
        mutable std::unordered_map<std::string, std::size_t> firstKey; // folded key -> line
    };
    struct Data {
        bool bom = false;
        std::vector<Section> sections; // sections[0] holds the lines before the first header
        std::unordered_map<std::string, std::size_t> firstSection;
    };
    // Where a write of a key would go: the line it changes, or where a new line is inserted.
    struct Target {
        std::ptrdiff_t section = -1; // -1: a new section at the end of the file
        std::ptrdiff_t line = -1;    // the key's line, or -1 for a new line
        std::size_t insertAt = 0;    // where the new line goes in its section
    };

    static Line parseLine(std::string text, std::uint8_t eolKind);
    const Section* findSection(std::string_view name) const;
    std::ptrdiff_t findSectionIndex(std::string_view name) const;
    std::ptrdiff_t findKeyIndex(const Section& section, std::string_view key) const;
    const Line* findKey(const Section& section, std::string_view key) const;
    Target targetFor(std::string_view section, std::string_view key) const;
    std::optional<std::string> refusalAt(const Target& target, std::string_view section,
                                         std::string_view key, std::string_view value) const;
    void rebuildSectionIndex(Data& data) const;
    Data& own();
    Line* lastLineOfFile(Data& data);

    std::shared_ptr<Data> data_; // shared by copies until one of them is edited
    bool modified_ = false;
    std::optional<std::string> refusal_;
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
