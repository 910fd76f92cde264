#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

// One script as the form processor reads it: fourteen text values, stored under these key
// names in the script's own section of vellum.ini.
struct ScriptRecord {
    std::string Archive;
    std::string Form;
    std::string OutputStyle;
    std::string Confirm;
    std::string SendURL;
    std::string SendConf;
    std::string To;
    std::string Sender;
    std::string Subject;
    std::string SendMessage;
    std::string OutputTemplate;
    std::string Append;
    std::string Locked;
    std::string Target;

    bool operator==(const ScriptRecord&) const = default;
};

// The keys in the order a save writes them; the processor does not care, but keeping the
// order keeps files written by older panels and by this one line for line alike.
struct ScriptKey {
    std::string_view name;
    std::string ScriptRecord::*field;
};
extern const std::array<ScriptKey, 14> kScriptKeys;

// One line of the NumTags section: the key is the script's section name, the value is the
// name shown in the script selector (the same text unless someone edited the file).
struct ScriptListEntry {
    std::string key;
    std::string value;
    bool operator==(const ScriptListEntry&) const = default;
};

// The scripts in NumTags order.
class ScriptList {
public:
    ScriptList() = default;
    explicit ScriptList(std::vector<ScriptListEntry> entries) : entries_(std::move(entries)) {}

    const std::vector<ScriptListEntry>& entries() const { return entries_; }
    std::size_t count() const { return entries_.size(); }
    std::vector<std::string> values() const;
    // True when a listed value names the script, compared as the profile functions compare
    // section names (without regard to case), so "feedback" finds "Feedback".
    bool containsIgnoringCase(std::string_view name) const;

private:
    std::vector<ScriptListEntry> entries_;
};

} // namespace vmcntrl
