#include "profile_text.h"

#include <algorithm>
#include <utility>

namespace platform {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string withoutLineBreaks(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

constexpr std::uint8_t kNoEnd = 0, kCrLf = 1, kLf = 2, kCr = 3;

} // namespace

std::string foldCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string quoteForProfile(std::string_view value) {
    if (value.empty())
        return {};
    const bool blankEdge = isBlank(value.front()) || isBlank(value.back());
    const bool quotedPair = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                            value.back() == value.front();
    if (blankEdge || quotedPair)
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

std::string_view ProfileText::Line::eol() const {
    static constexpr std::string_view kEnds[] = {"", "\r\n", "\n", "\r"};
    return kEnds[eolKind];
}

ProfileText::Line ProfileText::parseLine(std::string text, std::uint8_t eolKind) {
    Line line;
    line.text = std::move(text);
    line.eolKind = eolKind;
    const std::string_view all(line.text);
    const std::string_view trimmed = trimBlanks(all);
    const auto place = [&](std::string_view part, std::uint32_t& at, std::uint32_t& size) {
        at = static_cast<std::uint32_t>(part.data() - all.data());
        size = static_cast<std::uint32_t>(part.size());
    };
    if (trimmed.empty()) {
        line.kind = Kind::Blank;
    } else if (trimmed.front() == '[' && trimmed.find(']') != std::string_view::npos) {
        line.kind = Kind::Header;
        place(trimBlanks(trimmed.substr(1, trimmed.rfind(']') - 1)), line.nameAt, line.nameSize);
    } else if (trimmed.front() == ';') {
        line.kind = Kind::Comment;
    } else if (const std::size_t eq = trimmed.find('='); eq != std::string_view::npos) {
        line.kind = Kind::Entry;
        place(trimBlanks(trimmed.substr(0, eq)), line.nameAt, line.nameSize);
        place(trimBlanks(trimmed.substr(eq + 1)), line.valueAt, line.valueSize);
    } else {
        line.kind = Kind::Other;
    }
    return line;
}

ProfileText::ProfileText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bom_ = true;
        bytes.remove_prefix(3);
    }
    sections_.emplace_back();
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        std::uint8_t eol = kNoEnd;
        std::size_t next;
        if (end == std::string_view::npos) {
            end = bytes.size();
            next = end;
        } else if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') {
            eol = kCrLf;
            next = end + 2;
        } else {
            eol = bytes[end] == '\n' ? kLf : kCr;
            next = end + 1;
        }
        Line line = parseLine(std::string(bytes.substr(pos, end - pos)), eol);
        if (line.kind == Kind::Header) {
            Section section;
            section.hasHeader = true;
            section.name = std::string(line.name());
            section.lines.push_back(std::move(line));
            sections_.push_back(std::move(section));
        } else {
            sections_.back().lines.push_back(std::move(line));
        }
        pos = next;
    }
    rebuildSectionIndex();
}

void ProfileText::rebuildSectionIndex() {
    if (sections_.empty())
        sections_.emplace_back();
    firstSection_.clear();
    for (std::size_t i = 1; i < sections_.size(); ++i)
        firstSection_.try_emplace(foldCase(sections_[i].name), i);
}

const ProfileText::Section* ProfileText::findSection(std::string_view name) const {
    const std::string_view wanted = trimBlanks(name);
    // Lines before the first header form the section with the empty name, when it has any.
    if (wanted.empty() && !sections_.empty()) {
        const auto& lines = sections_.front().lines;
        if (std::any_of(lines.begin(), lines.end(),
                        [](const Line& l) { return l.kind != Kind::Blank; }))
            return &sections_.front();
    }
    const auto it = firstSection_.find(foldCase(wanted));
    return it == firstSection_.end() ? nullptr : &sections_[it->second];
}

ProfileText::Section* ProfileText::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::ptrdiff_t ProfileText::findEntryIndex(const Section& section, std::string_view key) const {
    if (!section.indexValid) {
        section.firstEntry.clear();
        for (std::size_t i = 0; i < section.lines.size(); ++i)
            if (section.lines[i].kind == Kind::Entry)
                section.firstEntry.try_emplace(foldCase(section.lines[i].name()), i);
        section.indexValid = true;
    }
    const auto it = section.firstEntry.find(foldCase(trimBlanks(key)));
    return it == section.firstEntry.end() ? -1 : static_cast<std::ptrdiff_t>(it->second);
}

const ProfileText::Line* ProfileText::findEntry(const Section& section, std::string_view key) const {
    const std::ptrdiff_t i = findEntryIndex(section, key);
    return i < 0 ? nullptr : &section.lines[static_cast<std::size_t>(i)];
}

std::optional<std::string> ProfileText::storedValue(std::string_view section,
                                                    std::string_view key) const {
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    const Line* line = findEntry(*s, key);
    if (!line)
        return std::nullopt;
    return std::string(line->value());
}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key) const {
    auto stored = storedValue(section, key);
    if (!stored)
        return std::nullopt;
    return unquoted(*stored);
}

bool ProfileText::hasSection(std::string_view section) const { return findSection(section); }

std::vector<std::string> ProfileText::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* s = findSection(section))
        for (const Line& line : s->lines)
            if (line.kind == Kind::Entry)
                names.push_back(std::string(line.name()));
    return names;
}

std::vector<std::string> ProfileText::sectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < sections_.size(); ++i)
        names.push_back(sections_[i].name);
    return names;
}

ProfileText::Line* ProfileText::lastLineOfFile() {
    for (auto it = sections_.rbegin(); it != sections_.rend(); ++it)
        if (!it->lines.empty())
            return &it->lines.back();
    return nullptr;
}

bool ProfileText::setValue(std::string_view sectionName, std::string_view keyName,
                           std::string_view newValue) {
    const std::string section(trimBlanks(withoutLineBreaks(sectionName)));
    const std::string key(trimBlanks(withoutLineBreaks(keyName)));
    std::string value = withoutLineBreaks(newValue);
    value.erase(0, std::min(value.size(), value.find_first_not_of(" \t")));

    Section* s = findSection(section);
    if (!s) {
        if (Line* last = lastLineOfFile(); last && last->eolKind == kNoEnd)
            last->eolKind = kCrLf;
        Section fresh;
        fresh.hasHeader = true;
        fresh.name = section;
        fresh.lines.push_back(parseLine("[" + section + "]", kCrLf));
        fresh.lines.push_back(parseLine(key + "=" + value, kCrLf));
        sections_.push_back(std::move(fresh));
        firstSection_.try_emplace(foldCase(section), sections_.size() - 1);
        modified_ = true;
        return true;
    }

    const std::ptrdiff_t found = findEntryIndex(*s, key);
    if (found >= 0) {
        Line& line = s->lines[static_cast<std::size_t>(found)];
        if (line.value() == trimBlanks(value))
            return false;
        const std::uint8_t eol = line.eolKind == kNoEnd ? kCrLf : line.eolKind;
        line = parseLine(std::string(line.name()) + "=" + value, eol);
        modified_ = true;
        return true;
    }

    // A new key goes straight after the last non-blank line of its section, so blank lines
    // that separate it from the next section stay where they are.
    std::size_t insertAt = s->lines.size();
    while (insertAt > 0 && s->lines[insertAt - 1].kind == Kind::Blank)
        --insertAt;
    if (insertAt > 0 && s->lines[insertAt - 1].eolKind == kNoEnd)
        s->lines[insertAt - 1].eolKind = kCrLf;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                    parseLine(key + "=" + value, kCrLf));
    if (insertAt == s->lines.size() - 1 && s->indexValid)
        s->firstEntry.try_emplace(foldCase(key), insertAt);
    else
        s->indexValid = false;
    modified_ = true;
    return true;
}

bool ProfileText::removeKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    if (!s)
        return false;
    const std::ptrdiff_t found = findEntryIndex(*s, key);
    if (found < 0)
        return false;
    s->lines.erase(s->lines.begin() + found);
    s->indexValid = false;
    modified_ = true;
    return true;
}

bool ProfileText::removeSection(std::string_view section) {
    Section* s = findSection(section);
    if (!s)
        return false;
    if (!s->hasHeader) {
        s->lines.clear();
        s->indexValid = false;
    } else {
        sections_.erase(sections_.begin() + (s - sections_.data()));
        rebuildSectionIndex();
    }
    modified_ = true;
    return true;
}

std::string ProfileText::bytes() const {
    std::size_t size = bom_ ? 3 : 0;
    for (const Section& s : sections_)
        for (const Line& l : s.lines)
            size += l.text.size() + l.eol().size();
    std::string out;
    out.reserve(size);
    if (bom_)
        out += "\xEF\xBB\xBF";
    for (const Section& s : sections_)
        for (const Line& l : s.lines) {
            out += l.text;
            out += l.eol();
        }
    return out;
}

} // namespace platform
