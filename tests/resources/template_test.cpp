// The Script Wizard lists templates by their first line and copies them into new forms; for
// forms that save data it numbers the fields, giving consecutive fields of one name (an
// option group) one number. These checks hold the shipped templates to what that needs.

#include "shipped_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// Field names in the order the wizard finds them: every NAME=" of each line, matched without
// regard to case, submit buttons skipped, consecutive repeats merged.
std::vector<std::string> fieldNames(const std::vector<std::string> &lines) {
    std::vector<std::string> names;
    for (const auto &line : lines) {
        const std::string search = upper(line);
        std::size_t at = 0;
        while ((at = search.find("NAME=\"", at)) != std::string::npos) {
            at += 6;
            const std::size_t close = line.find('"', at);
            if (close == std::string::npos)
                break;
            const std::string name = line.substr(at, close - at);
            if (upper(name) != "SUBMIT" && (names.empty() || names.back() != name))
                names.push_back(name);
            at = close + 1;
        }
    }
    return names;
}

struct Template {
    int number = 0;
    std::string title;
    shipped::Lines text;
};

std::vector<Template> shippedTemplates() {
    std::vector<Template> found;
    const std::string folder = shipped::vmcntrlHome() + "/template/";
    for (int n = 0;; ++n) {
        const auto bytes = shipped::read(folder + std::to_string(n) + ".fm");
        if (!bytes)
            break;
        Template t;
        t.number = n;
        t.text = shipped::splitLines(*bytes);
        const std::string first = t.text.lines.empty() ? "" : t.text.lines.front();
        if (first.size() >= 7 && first.rfind("<!--", 0) == 0 && first.compare(first.size() - 3, 3, "-->") == 0)
            t.title = first.substr(4, first.size() - 7);
        found.push_back(t);
    }
    return found;
}

} // namespace

TEST(FormTemplates, AtLeastFourAreNumberedWithoutGapsAndEachHasATitle) {
    const auto templates = shippedTemplates();
    ASSERT_GE(templates.size(), 4u);
    std::set<std::string> titles;
    for (const auto &t : templates) {
        SCOPED_TRACE("template " + std::to_string(t.number));
        EXPECT_FALSE(t.title.empty()) << "first line is not <!--title-->";
        EXPECT_TRUE(titles.insert(t.title).second) << "two templates share the title " << t.title;
        EXPECT_TRUE(t.text.crlf) << "every line ends with CR LF";
    }
    // A template past a gap would never be offered.
    for (const auto &name : shipped::fileNames(shipped::vmcntrlHome() + "/template")) {
        if (name.size() > 3 && name.compare(name.size() - 3, 3, ".fm") == 0) {
            const int n = std::stoi(name);
            EXPECT_LT(n, static_cast<int>(templates.size())) << name << " lies beyond a gap";
        }
    }
}

TEST(FormTemplates, FieldsSuitFormsThatSaveDataAndMailTheUser) {
    for (const auto &t : shippedTemplates()) {
        SCOPED_TRACE(t.title);
        const auto names = fieldNames(t.text.lines);
        ASSERT_GE(names.size(), 3u);
        // The letter to the user needs "E-Mail"; first, it becomes "00E-Mail" in data forms.
        EXPECT_EQ(names.front(), "E-Mail");
        std::set<std::string> seen;
        for (const auto &name : names) {
            EXPECT_TRUE(seen.insert(upper(name)).second)
                << name << " comes back after another field: an option group must stay together";
            EXPECT_EQ(name.find_first_of(" ^~"), std::string::npos) << "field name " << name;
        }
        std::string whole;
        for (const auto &line : t.text.lines)
            whole += upper(line) + "\n";
        EXPECT_NE(whole.find("TYPE=\"SUBMIT\""), std::string::npos) << "no submit button";
        // The wizard writes the page, its title and the form tag around the template.
        for (const char *tag : {"<FORM", "</FORM", "<HTML", "<BODY", "<TITLE", "<HEAD"})
            EXPECT_EQ(whole.find(tag), std::string::npos) << "template holds " << tag;
    }
}

TEST(FormTemplates, OptionGroupsShareOneField) {
    const std::vector<std::string> order = {
        "<INPUT NAME=\"E-Mail\"> <input name=\"Name\">",
        "<INPUT TYPE=\"radio\" NAME=\"Size\" VALUE=\"S\">",
        "<INPUT TYPE=\"radio\" NAME=\"Size\" VALUE=\"L\">",
        "<INPUT TYPE=\"submit\" NAME=\"Submit\" VALUE=\"Go\">"};
    EXPECT_EQ(fieldNames(order), (std::vector<std::string>{"E-Mail", "Name", "Size"}));
}

TEST(FormTemplates, EachHasAPreviewTheWizardCanShow) {
    for (const auto &t : shippedTemplates()) {
        SCOPED_TRACE(t.title);
        const auto bytes = shipped::read(shipped::vmcntrlHome() + "/template/" + std::to_string(t.number) + ".im");
        ASSERT_TRUE(bytes) << "no preview";
        const auto size = shipped::pngSize(*bytes);
        ASSERT_TRUE(size) << "preview is not a PNG picture";
        EXPECT_EQ(*size, (shipped::Size{400, 300})) << "previews are drawn at twice the 200 x 150 frame";
    }
}

TEST(FormTemplates, WorkFoldersExist) {
    for (const char *folder : {"FORMS", "SAVED", "mail", "template"})
        EXPECT_TRUE(std::filesystem::is_directory(shipped::vmcntrlHome() + "/" + folder)) << folder;
}
