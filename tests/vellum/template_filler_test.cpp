#include "vellum/template_filler.h"

#include <gtest/gtest.h>

#include <map>

using vellum::fillTemplate;

namespace {

vellum::KeyValues keys(std::map<std::string, std::string> values) {
    return [values = std::move(values)](std::string_view name) -> std::optional<std::string> {
        const auto it = values.find(std::string(name));
        if (it == values.end())
            return std::nullopt;
        return it->second;
    };
}

} // namespace

TEST(TemplateFiller, DropsCommentLinesAndReplacesKeysOnEveryLine) {
    const std::string text = "#\n# Use ^keyname^ from form to insert value.\n"
                             "<P>^Name^ wrote on ^vmDate^:</P>\r\n <P>#not a comment ^Name^</P>\n";
    EXPECT_EQ(fillTemplate(text, keys({{"Name", "Joe"}, {"vmDate", "2026-12-08"}}), false),
              "<P>Joe wrote on 2026-12-08:</P>\r\n <P>#not a comment Joe</P>\r\n");
}

TEST(TemplateFiller, EscapesValuesOnlyForHtml) {
    const auto values = keys({{"c", "<script>alert('x') & \"y\"</script>"}});
    EXPECT_EQ(fillTemplate("^c^", values, true),
              "&lt;script&gt;alert(&#39;x&#39;) &amp; &quot;y&quot;&lt;/script&gt;\r\n");
    EXPECT_EQ(fillTemplate("^c^", values, false), "<script>alert('x') & \"y\"</script>\r\n");
}

TEST(TemplateFiller, AFieldThatWasNotSentBecomesEmpty) {
    EXPECT_EQ(fillTemplate("[^Newsletter^]", keys({}), false), "[]\r\n");
}

TEST(TemplateFiller, CaretsAroundOrdinaryTextStay) {
    EXPECT_EQ(fillTemplate("2^10 is 1024 ^ and ^a b^ ^x^", keys({{"x", "X"}}), false),
              "2^10 is 1024 ^ and ^a b^ X\r\n");
    // A stray caret before a key does not swallow it.
    EXPECT_EQ(fillTemplate("a^ ^x^", keys({{"x", "X"}}), false), "a^ X\r\n");
    EXPECT_EQ(fillTemplate("^x^^x^ ^", keys({{"x", "X"}}), false), "XX ^\r\n");
}

TEST(TemplateFiller, ValuesAreNotFilledAgain) {
    EXPECT_EQ(fillTemplate("^a^", keys({{"a", "^b^"}, {"b", "no"}}), false), "^b^\r\n");
}

TEST(TemplateFiller, EmptyTemplateGivesNothing) {
    EXPECT_EQ(fillTemplate("", keys({}), true), "");
    EXPECT_EQ(fillTemplate("#only\r\n#comments", keys({}), true), "");
}

TEST(TemplateFiller, HtmlFilesAreKnownByExtension) {
    EXPECT_TRUE(vellum::isHtmlFile("/x/SAVED/Guests.html"));
    EXPECT_TRUE(vellum::isHtmlFile("C:\\web\\OUT.HTM"));
    EXPECT_FALSE(vellum::isHtmlFile("/x/SAVED/Feedback.txt"));
    EXPECT_FALSE(vellum::isHtmlFile("/x/html/entries"));
}
