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

// A section or key name as the writer stores it and every lookup compares it.
std::string normalName(std::string_view name) {
    return std::string(trimBlanks(withoutLineBreaks(name)));
}

std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

std::string quotedName(std::string_view name) { return "\"" + std::string(name) + "\""; }

constexpr std::uint8_t kNoEnd = 0, kCrLf = 1, kLf = 2, kCr = 3;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
    } else if (const std::size_t eq = trimmed.find('='); eq != std::string_view::npos) {
        line.kind = Kind::Entry;
        place(trimBlanks(trimmed.substr(0, eq)), line.nameAt, line.nameSize);
        place(trimBlanks(trimmed.substr(eq + 1)), line.valueAt, line.valueSize);
    } else {
        line.kind = Kind::Bare;
        place(trimmed, line.nameAt, line.nameSize);
        line.valueAt = static_cast<std::uint32_t>(all.size());
    }
    return line;
}

ProfileText::ProfileText() : data_(std::make_shared<Data>()) { data_->sections.emplace_back(); }

ProfileText::ProfileText(std::string_view bytes) : ProfileText() {
    Data& d = *data_;
    if (bytes.substr(0, 3) == kByteOrderMark) {
        d.bom = true;
        bytes.remove_prefix(3);
    }
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
            d.sections.push_back(std::move(section));
        } else {
            d.sections.back().lines.push_back(std::move(line));
        }
        pos = next;
    }
    rebuildSectionIndex(d);
}

ProfileText::Data& ProfileText::own() {
    if (data_.use_count() > 1)
        data_ = std::make_shared<Data>(*data_);
    return *data_;
}

void ProfileText::rebuildSectionIndex(Data& d) const {
    if (d.sections.empty())
        d.sections.emplace_back();
    d.firstSection.clear();
    // An empty "[]" header names the section that the lines before the first header
    // already are, so it is never the one found.
    for (std::size_t i = 1; i < d.sections.size(); ++i)
        if (!d.sections[i].name.empty())
            d.firstSection.try_emplace(foldCase(d.sections[i].name), i);
}

std::ptrdiff_t ProfileText::findSectionIndex(std::string_view name) const {
    const std::string wanted = normalName(name);
    if (wanted.empty())
        return 0;
    const auto it = data_->firstSection.find(foldCase(wanted));
    return it == data_->firstSection.end() ? -1 : static_cast<std::ptrdiff_t>(it->second);
}

const ProfileText::Section* ProfileText::findSection(std::string_view name) const {
    const std::ptrdiff_t i = findSectionIndex(name);
    return i < 0 ? nullptr : &data_->sections[static_cast<std::size_t>(i)];
}

std::ptrdiff_t ProfileText::findKeyIndex(const Section& section, std::string_view key) const {
    if (!section.indexValid) {
        section.firstKey.clear();
        for (std::size_t i = 0; i < section.lines.size(); ++i)
            if (section.lines[i].isKey())
                section.firstKey.try_emplace(foldCase(section.lines[i].name()), i);
        section.indexValid = true;
    }
    const auto it = section.firstKey.find(foldCase(normalName(key)));
    return it == section.firstKey.end() ? -1 : static_cast<std::ptrdiff_t>(it->second);
}

const ProfileText::Line* ProfileText::findKey(const Section& section, std::string_view key) const {
    const std::ptrdiff_t i = findKeyIndex(section, key);
    return i < 0 ? nullptr : &section.lines[static_cast<std::size_t>(i)];
}

void ProfileText::indexAll() const {
    for (const Section& s : data_->sections)
        (void)findKeyIndex(s, {});
}

std::optional<std::string> ProfileText::storedValue(std::string_view section,
                                                    std::string_view key) const {
    const Section* s = findSection(section);
    const Line* line = s ? findKey(*s, key) : nullptr;
    // The first line of a key decides, also when it has no value.
    if (!line || line->kind != Kind::Entry)
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
            if (line.isListed())
                names.push_back(std::string(line.name()));
    return names;
}

std::vector<std::string> ProfileText::sectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < data_->sections.size(); ++i)
        if (!data_->sections[i].name.empty())
            names.push_back(data_->sections[i].name);
    return names;
}

ProfileText::Line* ProfileText::lastLineOfFile(Data& d) {
    for (auto it = d.sections.rbegin(); it != d.sections.rend(); ++it)
        if (!it->lines.empty())
            return &it->lines.back();
    return nullptr;
}

ProfileText::Target ProfileText::targetFor(std::string_view section, std::string_view key) const {
    Target target;
    target.section = findSectionIndex(section);
    if (target.section < 0)
        return target;
    const Section& s = data_->sections[static_cast<std::size_t>(target.section)];
    target.line = findKeyIndex(s, key);
    // A new key goes straight after the last non-blank line of its section, so blank lines
    // that separate it from the next section stay where they are.
    target.insertAt = s.lines.size();
    while (target.insertAt > 0 && s.lines[target.insertAt - 1].kind == Kind::Blank)
        --target.insertAt;
    return target;
}

std::optional<std::string> ProfileText::refusalAt(const Target& target, std::string_view section,
                                                  std::string_view key,
                                                  std::string_view value) const {
    if (target.section < 0) {
        const Line header = parseLine("[" + std::string(section) + "]", kCrLf);
        if (header.kind != Kind::Header || header.name() != section)
            return "The section name " + quotedName(section) +
                   " cannot be stored: it would not read back as written.";
    }
    const std::string name =
        target.line >= 0 ? std::string(data_->sections[static_cast<std::size_t>(target.section)]
                                           .lines[static_cast<std::size_t>(target.line)]
                                           .name())
                         : std::string(key);
    // The line is checked as a reader would parse it: it must name the same key and hold
    // the same value, or every later key of the section could be lost to readers.
    const Line line = parseLine(name + "=" + std::string(value), kCrLf);
    if (line.kind == Kind::Header)
        return "The key " + quotedName(name) + (name.find(']') == std::string::npos
                                                    ? " cannot hold a value with \"]\""
                                                    : " cannot be stored") +
               ": its line would read as a section header.";
    if (line.kind != Kind::Entry || line.name() != name)
        return "The key name " + quotedName(name) + " cannot be stored: a key name cannot hold \"=\".";
    if (line.value() != trimBlanks(value))
        return "The value of the key " + quotedName(name) +
               " cannot be stored: it would not read back as written.";
    const bool firstLineOfFile = target.section == 0 && target.line < 0 && target.insertAt == 0;
    if (firstLineOfFile && !data_->bom && name.starts_with(kByteOrderMark))
        return "The key name " + quotedName(name) +
               " cannot be stored: at the start of the file it would read as a byte-order mark.";
    return std::nullopt;
}

std::optional<std::string> ProfileText::refusalFor(std::string_view section, std::string_view key,
                                                   std::string_view value) const {
    const std::string s = normalName(section), k = normalName(key);
    std::string v = withoutLineBreaks(value);
    v.erase(0, std::min(v.size(), v.find_first_not_of(" \t")));
    return refusalAt(targetFor(s, k), s, k, v);
}

bool ProfileText::setValue(std::string_view sectionName, std::string_view keyName,
                           std::string_view newValue) {
    const std::string section = normalName(sectionName);
    const std::string key = normalName(keyName);
    std::string value = withoutLineBreaks(newValue);
    value.erase(0, std::min(value.size(), value.find_first_not_of(" \t")));

    const Target target = targetFor(section, key);
    if (auto why = refusalAt(target, section, key, value)) {
        if (!refusal_)
            refusal_ = std::move(why);
        return false;
    }

    if (target.section < 0) {
        Data& d = own();
        if (Line* last = lastLineOfFile(d); last && last->eolKind == kNoEnd)
            last->eolKind = kCrLf;
        Section fresh;
        fresh.hasHeader = true;
        fresh.name = section;
        fresh.lines.push_back(parseLine("[" + section + "]", kCrLf));
        fresh.lines.push_back(parseLine(key + "=" + value, kCrLf));
        d.sections.push_back(std::move(fresh));
        d.firstSection.try_emplace(foldCase(section), d.sections.size() - 1);
        modified_ = true;
        return true;
    }

    const auto sectionAt = static_cast<std::size_t>(target.section);
    if (target.line >= 0) {
        const auto lineAt = static_cast<std::size_t>(target.line);
        const Line& current = data_->sections[sectionAt].lines[lineAt];
        if (current.kind == Kind::Entry && current.value() == trimBlanks(value))
            return false;
        // A line without "=" gets its value in place; its name and position stay, so the
        // section's index stays right.
        Line& line = own().sections[sectionAt].lines[lineAt];
        const std::uint8_t eol = line.eolKind == kNoEnd ? kCrLf : line.eolKind;
        line = parseLine(std::string(line.name()) + "=" + value, eol);
        modified_ = true;
        return true;
    }

    Section& s = own().sections[sectionAt];
    const std::size_t insertAt = target.insertAt;
    if (insertAt > 0 && s.lines[insertAt - 1].eolKind == kNoEnd)
        s.lines[insertAt - 1].eolKind = kCrLf;
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                   parseLine(key + "=" + value, kCrLf));
    if (insertAt == s.lines.size() - 1 && s.indexValid)
        s.firstKey.try_emplace(foldCase(key), insertAt);
    else
        s.indexValid = false;
    modified_ = true;
    return true;
}

bool ProfileText::removeKey(std::string_view section, std::string_view key) {
    const std::ptrdiff_t sectionAt = findSectionIndex(section);
    if (sectionAt < 0)
        return false;
    const std::ptrdiff_t found =
        findKeyIndex(data_->sections[static_cast<std::size_t>(sectionAt)], key);
    if (found < 0)
        return false;
    Section& s = own().sections[static_cast<std::size_t>(sectionAt)];
    s.lines.erase(s.lines.begin() + found);
    s.indexValid = false;
    modified_ = true;
    return true;
}

bool ProfileText::removeSection(std::string_view section) {
    const std::ptrdiff_t sectionAt = findSectionIndex(section);
    if (sectionAt < 0 || (sectionAt == 0 && data_->sections.front().lines.empty()))
        return false;
    Data& d = own();
    if (sectionAt == 0) {
        d.sections.front().lines.clear();
        d.sections.front().indexValid = false;
    } else {
        d.sections.erase(d.sections.begin() + sectionAt);
        rebuildSectionIndex(d);
    }
    modified_ = true;
    return true;
}

std::string ProfileText::bytes() const {
    std::size_t size = data_->bom ? 3 : 0;
    for (const Section& s : data_->sections)
        for (const Line& l : s.lines)
            size += l.text.size() + l.eol().size();
    std::string out;
    out.reserve(size);
    if (data_->bom)
        out += kByteOrderMark;
    for (const Section& s : data_->sections)
        for (const Line& l : s.lines) {
            out += l.text;
            out += l.eol();
        }
    return out;
}

bool ProfileText::hasBytes(std::string_view bytes) const {
    const auto take = [&](std::string_view part) {
        if (!bytes.starts_with(part))
            return false;
        bytes.remove_prefix(part.size());
        return true;
    };
    if (data_->bom && !take(kByteOrderMark))
        return false;
    for (const Section& s : data_->sections)
        for (const Line& l : s.lines)
            if (!take(l.text) || !take(l.eol()))
                return false;
    return bytes.empty();
}

} // namespace platform
