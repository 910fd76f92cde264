// The help files are assembled from topic files written by several people; these checks make
// sure every number a window opens is there, that links lead somewhere, and that the markup
// stays within what the help viewer shows.

#include "shipped_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace {

struct Topic {
    int id = -1;
    std::string title;
    std::string keywords;
    std::string body;
};

struct HelpFile {
    std::map<int, Topic> topics;
    std::vector<std::string> problems;
};

std::map<std::string, std::string> attributesOf(const std::string &tag) {
    std::map<std::string, std::string> attributes;
    std::size_t at = 0;
    while (true) {
        const std::size_t equals = tag.find("=\"", at);
        if (equals == std::string::npos)
            break;
        std::size_t nameStart = tag.rfind(' ', equals);
        nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
        const std::size_t close = tag.find('"', equals + 2);
        if (close == std::string::npos)
            break;
        attributes[tag.substr(nameStart, equals - nameStart)] = tag.substr(equals + 2, close - equals - 2);
        at = close + 1;
    }
    return attributes;
}

HelpFile parse(const std::string &text) {
    HelpFile file;
    std::size_t at = 0;
    while ((at = text.find("<topic", at)) != std::string::npos) {
        const std::size_t tagEnd = text.find('>', at);
        const std::size_t end = text.find("</topic>", at);
        if (tagEnd == std::string::npos || end == std::string::npos || end < tagEnd) {
            file.problems.push_back("unterminated topic at byte " + std::to_string(at));
            break;
        }
        const std::size_t nested = text.find("<topic", tagEnd);
        if (nested != std::string::npos && nested < end)
            file.problems.push_back("topic inside a topic at byte " + std::to_string(nested));
        auto attributes = attributesOf(text.substr(at, tagEnd - at));
        Topic topic;
        try {
            topic.id = std::stoi(attributes["id"]);
        } catch (...) {
            file.problems.push_back("topic without a number at byte " + std::to_string(at));
        }
        topic.title = attributes["title"];
        topic.keywords = attributes["keywords"];
        topic.body = text.substr(tagEnd + 1, end - tagEnd - 1);
        if (!file.topics.emplace(topic.id, topic).second)
            file.problems.push_back("topic " + std::to_string(topic.id) + " appears twice");
        at = end + 8;
    }
    return file;
}

std::vector<int> linksOf(const std::string &body, std::vector<std::string> &problems) {
    std::vector<int> links;
    std::size_t at = 0;
    while ((at = body.find("href=\"", at)) != std::string::npos) {
        at += 6;
        const std::size_t close = body.find('"', at);
        const std::string target = body.substr(at, close - at);
        if (target.size() < 2 || target[0] != '#' ||
            !std::all_of(target.begin() + 1, target.end(), [](unsigned char c) { return std::isdigit(c); }))
            problems.push_back("link to \"" + target + "\" is not a topic number");
        else
            links.push_back(std::stoi(target.substr(1)));
    }
    return links;
}

// What the viewer renders well; anything else (or a bare "<" or "&") is a typing slip.
std::vector<std::string> markupProblems(const Topic &topic) {
    static const std::set<std::string> allowed = {"h2", "h3", "p", "ul", "ol", "li", "b", "i", "table",
                                                  "tr", "td", "th", "img", "a", "br"};
    static const std::vector<std::string> paired = {"h2", "h3", "ul", "ol", "table", "a", "b", "i"};
    std::vector<std::string> problems;
    const std::string &body = topic.body;
    std::map<std::string, int> balance;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '<') {
            std::size_t j = i + 1;
            const bool closing = j < body.size() && body[j] == '/';
            if (closing)
                ++j;
            std::size_t nameEnd = j;
            while (nameEnd < body.size() && std::isalnum(static_cast<unsigned char>(body[nameEnd])))
                ++nameEnd;
            const std::string name = body.substr(j, nameEnd - j);
            if (!allowed.count(name) || body.find('>', nameEnd) == std::string::npos) {
                problems.push_back("stray \"<\" or unknown tag <" + name + "> in topic " + std::to_string(topic.id));
                continue;
            }
            balance[name] += closing ? -1 : 1;
        } else if (body[i] == '&') {
            const std::size_t semicolon = body.find(';', i);
            const std::string entity = body.substr(i, semicolon == std::string::npos ? 1 : semicolon - i + 1);
            static const std::set<std::string> entities = {"&lt;", "&gt;", "&amp;", "&quot;", "&nbsp;"};
            if (!entities.count(entity))
                problems.push_back("bare \"&\" in topic " + std::to_string(topic.id));
        }
    }
    for (const auto &name : paired)
        if (balance[name] != 0)
            problems.push_back("unbalanced <" + name + "> in topic " + std::to_string(topic.id));
    return problems;
}

bool validUtf8(const std::string &text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= text.size() + (extra == 0 ? 1 : 0))
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2)
                return false;
        i += extra + 1;
    }
    return true;
}

void checkHelpFile(const std::string &path, const std::vector<int> &required) {
    SCOPED_TRACE(path);
    const auto text = shipped::read(path);
    ASSERT_TRUE(text) << "missing help file";
    EXPECT_TRUE(validUtf8(*text));
    HelpFile file = parse(*text);
    for (const auto &problem : file.problems)
        ADD_FAILURE() << problem;

    for (int id : required) {
        auto found = file.topics.find(id);
        ASSERT_NE(found, file.topics.end()) << "topic " << id << " is missing";
        EXPECT_FALSE(found->second.title.empty()) << "topic " << id << " has no title";
        EXPECT_NE(found->second.body.find("<p>"), std::string::npos) << "topic " << id << " has no text";
        if (id < 21) {
            EXPECT_FALSE(found->second.keywords.empty()) << "topic " << id << " has no search keywords";
        }
    }

    std::vector<std::string> linkProblems;
    for (const auto &[id, topic] : file.topics) {
        for (int target : linksOf(topic.body, linkProblems))
            EXPECT_TRUE(file.topics.count(target)) << "topic " << id << " links to missing topic " << target;
        for (const auto &problem : markupProblems(topic))
            ADD_FAILURE() << problem;
    }
    for (const auto &problem : linkProblems)
        ADD_FAILURE() << problem;

    // Every topic a reader might look for is one click from the contents page.
    const auto contentsLinks = linksOf(file.topics[0].body, linkProblems);
    const std::set<int> fromContents(contentsLinks.begin(), contentsLinks.end());
    for (int id : required) {
        if (id != 0) {
            EXPECT_TRUE(fromContents.count(id)) << "the contents page does not lead to topic " << id;
        }
    }
}

std::vector<int> range(int from, int to) {
    std::vector<int> ids;
    for (int id = from; id <= to; ++id)
        ids.push_back(id);
    return ids;
}

} // namespace

TEST(HelpFiles, TessalyHelpHoldsEveryTopicItsWindowsOpen) {
    checkHelpFile(shipped::tessalyHome() + "/Tessaly.hlp", range(0, 12));
}

TEST(HelpFiles, VellumHelpHoldsEveryTopicItsWindowsAndButtonsOpen) {
    auto ids = range(0, 19);
    for (int id : range(21, 24))
        ids.push_back(id);
    checkHelpFile(shipped::vmcntrlHome() + "/vellum.hlp", ids);
}

TEST(HelpFiles, CheckerNoticesBrokenTopics) {
    const auto file = parse("<topic id=\"1\" title=\"A\" keywords=\"a\">\n<p>x << y & z <a href=\"#7\">b</a>\n"
                            "</topic>\n<topic id=\"1\" title=\"B\">\n<p>dup</p>\n</topic>\n<topic id=\"2\">\n");
    EXPECT_EQ(file.problems.size(), 2u); // the duplicate and the unterminated topic
    const auto problems = markupProblems(file.topics.at(1));
    EXPECT_GE(problems.size(), 2u);      // "<<" and the bare "&"
    std::vector<std::string> linkProblems;
    EXPECT_EQ(linksOf(file.topics.at(1).body, linkProblems), std::vector<int>{7});
    EXPECT_FALSE(validUtf8("caf\xc3"));
    EXPECT_TRUE(validUtf8("caf\xc3\xa9"));
}
