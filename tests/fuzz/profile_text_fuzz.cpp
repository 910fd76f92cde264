// Any bytes as an initialisation file: parsing, every lookup and an edit must neither crash
// nor give a file whose untouched bytes changed, and every write must either be refused
// (changing nothing) or read back exactly as written from a fresh parse, with every other
// key of the file reading as before.
#include "platform/profile_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

// A name as every lookup compares it: line breaks as blanks, trimmed, folded.
std::string lookupName(std::string_view name) {
    std::string out(name);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return platform::foldCase(platform::trimBlanks(out));
}

// What the reader makes of a written value: line breaks are blanks, blanks at both ends go,
// and one pair of matching quotes is dropped.
std::string readingOf(std::string_view written) {
    std::string value(written);
    std::replace(value.begin(), value.end(), '\r', ' ');
    std::replace(value.begin(), value.end(), '\n', ' ');
    std::string_view v = platform::trimBlanks(value);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

using Readings = std::map<std::pair<std::string, std::string>, std::optional<std::string>>;

// Every listed key of every section (and of the lines before the first header), plus the
// key about to be written in each of them.
Readings readAll(const platform::ProfileText& text, std::string_view section, std::string_view key) {
    Readings out;
    auto sections = text.sectionNames();
    sections.emplace_back();
    sections.emplace_back(section);
    for (const std::string& s : sections) {
        auto keys = text.keyNames(s);
        keys.emplace_back(key);
        for (const std::string& k : keys)
            out[{s, k}] = text.value(s, k);
    }
    return out;
}

// One write under the round-trip rule; `expected` is what a reader must get back.
void writeAndCheck(platform::ProfileText& text, std::string_view section, std::string_view key,
                   std::string_view value, const std::string& expected) {
    const Readings before = readAll(text, section, key);
    const std::string bytesBefore = text.bytes();
    platform::ProfileText edited = text;
    const bool changed = edited.setValue(section, key, value);
    if (edited.refusal()) {
        if (changed || edited.bytes() != bytesBefore)
            std::abort(); // a refused write must change nothing
        return;
    }
    const platform::ProfileText reread(edited.bytes());
    if (reread.value(section, key) != expected)
        std::abort(); // the written key does not read back as written
    for (const auto& [where, reading] : before) {
        const bool written = lookupName(where.first) == lookupName(section) &&
                             lookupName(where.second) == lookupName(key);
        if (!written && reread.value(where.first, where.second) != reading)
            std::abort(); // the write changed what another key reads
    }
    if (reread.bytes() != edited.bytes())
        std::abort();
    text = reread;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    platform::ProfileText text(bytes);
    if (text.bytes() != bytes || !text.hasBytes(bytes))
        std::abort(); // a parse followed by no edit must give the file back unchanged
    for (const std::string& section : text.sectionNames()) {
        for (const std::string& key : text.keyNames(section))
            (void)text.value(section, key);
    }
    // The first line names the edit: section, key and value separated by '|'.
    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    const std::size_t bar1 = first.find('|');
    const std::size_t bar2 = bar1 == std::string_view::npos ? bar1 : first.find('|', bar1 + 1);
    if (bar2 != std::string_view::npos) {
        const std::string_view section = first.substr(0, bar1);
        const std::string_view key = first.substr(bar1 + 1, bar2 - bar1 - 1);
        const std::string_view value = first.substr(bar2 + 1);
        writeAndCheck(text, section, key, value, readingOf(value));
        // The same value as the programs store it, quoted where the reading rules would
        // change it, into a second key: it must come back exactly.
        if (value.find('\r') == std::string_view::npos)
            writeAndCheck(text, section, std::string(key) + "2", platform::quoteForProfile(value),
                          std::string(value));
        text.removeKey(section, key);
        text.removeSection(section);
    }
    return 0;
}
