// For generated names and values, every write into a text is either refused (and changes
// nothing) or reads back exactly as written from a fresh parse, with every other key of the
// file reading as before.
#include "platform/profile_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using platform::ProfileText;

namespace {

// Pieces that mean something to the parser, so that generated names hit every edge.
const std::vector<std::string> kPieces = {"[", "]", ";", "=", " ", "\t", "\"", "'", "a",
                                          "B", "k", "\r", "\n", "\xEF\xBB\xBF", "x"};

std::string generated(std::mt19937& random, int maxPieces) {
    std::string out;
    const int n = std::uniform_int_distribution<int>(0, maxPieces)(random);
    for (int i = 0; i < n; ++i)
        out += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(random)];
    return out;
}

// What the reader makes of a written value: line breaks are blanks, blanks at both ends go,
// and one pair of matching quotes is dropped.
std::string readingOf(std::string value) {
    std::replace(value.begin(), value.end(), '\r', ' ');
    std::replace(value.begin(), value.end(), '\n', ' ');
    std::string_view v = platform::trimBlanks(value);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// A name as every lookup compares it.
std::string lookupName(std::string name) {
    std::replace(name.begin(), name.end(), '\r', ' ');
    std::replace(name.begin(), name.end(), '\n', ' ');
    return platform::foldCase(platform::trimBlanks(name));
}

using Readings = std::map<std::pair<std::string, std::string>, std::optional<std::string>>;

Readings readAll(const ProfileText& text, const std::set<std::string>& sections,
                 const std::set<std::string>& keys) {
    Readings out;
    for (const std::string& s : sections)
        for (const std::string& k : keys)
            out[{s, k}] = text.value(s, k);
    return out;
}

const std::vector<std::string> kStartingFiles = {
    "",
    "\xEF\xBB\xBF[s]\r\nk=1\r\n",
    "top=1\n; comment=2\n[s]\nk\nk=1\n[k=2\n\n[S]\nk=3\n[]\ninner=4",
    "[a]b]\n=x\n;c=1\n  spaced key  =  \"quoted\"  \r[x]\rk=\r",
};

} // namespace

TEST(ProfileRoundTrip, EveryWriteIsRefusedOrReadsBackLeavingOtherKeysAsTheyWere) {
    std::mt19937 random(20261208);
    int stored = 0, refused = 0;
    for (const std::string& start : kStartingFiles) {
        for (int run = 0; run < 60; ++run) {
            ProfileText text(start);
            std::set<std::string> sections = {"", "s", "S", "x", "a]b", "k"};
            std::set<std::string> keys = {"", "k", "top", ";c", "[k", "inner", "spaced key"};
            for (int step = 0; step < 25; ++step) {
                const std::string section = generated(random, 3);
                const std::string key = generated(random, 4);
                std::string value = generated(random, 5);
                const bool quoted = value.find_first_of("\r\n") == std::string::npos && step % 2;
                sections.insert(section);
                keys.insert(key);
                for (const std::string& s : text.sectionNames())
                    sections.insert(s);
                const Readings before = readAll(text, sections, keys);
                const std::string bytesBefore = text.bytes();

                ProfileText edited = text;
                const bool changed = edited.setValue(section, key,
                                                     quoted ? platform::quoteForProfile(value) : value);
                if (edited.refusal()) {
                    ++refused;
                    EXPECT_FALSE(changed);
                    EXPECT_EQ(edited.bytes(), bytesBefore);
                    continue;
                }
                ++stored;
                const ProfileText reread(edited.bytes());
                ASSERT_EQ(reread.value(section, key), quoted ? value : readingOf(value))
                    << "section [" << section << "] key [" << key << "] value [" << value
                    << "] in\n" << edited.bytes();
                Readings after = readAll(reread, sections, keys);
                for (const auto& [where, reading] : before) {
                    const bool sameKey = lookupName(where.first) == lookupName(section) &&
                                         lookupName(where.second) == lookupName(key);
                    if (!sameKey) {
                        ASSERT_EQ(after[where], reading)
                            << "section [" << where.first << "] key [" << where.second
                            << "] changed by writing [" << section << "] [" << key << "] in\n"
                            << edited.bytes();
                    }
                }
                text = reread;
            }
        }
    }
    // Both outcomes must really have been exercised.
    EXPECT_GT(stored, 1000);
    EXPECT_GT(refused, 100);
}
