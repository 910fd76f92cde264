#include "vellum_home.h"

#include "vellum/entry_saver.h"
#include "vellum/entry_text.h"
#include "vellum/template_insert.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using vellum::FormFields;
using vmcntrl::ScriptRecord;

namespace {

vellum::Transaction transaction(const std::string& id = "20261208081542-1-abc") {
    vellum::Transaction t;
    t.date = "2026-12-08";
    t.time = "08:15:42";
    t.id = id;
    t.remoteAddress = "203.0.113.9";
    t.referer = "http://example.com/FORMS/F.html";
    return t;
}

ScriptRecord script(const std::string& style, const std::string& archive,
                    const std::string& outputTemplate = {}, const std::string& append = {}) {
    ScriptRecord r;
    r.OutputStyle = style;
    r.Archive = archive;
    r.OutputTemplate = outputTemplate;
    r.Append = append;
    return r;
}

vellum::SaveOutcome save(const VellumHome& home, const ScriptRecord& r, const FormFields& fields,
                         vellum::Transaction t = transaction()) {
    return vellum::saveEntry(r, home.path(), fields, t);
}

const std::string kOutputSkeleton =
    "<!--Output file for G script-->\r\n"
    "<!--Place any header for the document here-->\r\n\r\n\r\n\r\n"
    "<!--footer-->\r\n\r\n"
    "<!--Place any footer for the document here-->\r\n"
    "<!--comment line --footer-- must exist on a line by itself-->\r\n";

} // namespace

TEST(CommaSave, AppendsNumberedFieldsInNumberOrderQuotedAfterTheHeader) {
    VellumHome home;
    home.write("F.csv", "\"E-Mail\",\"Name\",\"Size\"\r\n");
    const FormFields fields{{"01Name", "Joe \"the\" Coder"},
                            {"submit", "Send"},
                            {"00E-Mail", "joe@example.com"},
                            {"Extra", "not a column"},
                            {"02Size", "L"}};
    ASSERT_TRUE(save(home, script("Comma", home.file("F.csv")), fields).saved);
    EXPECT_EQ(home.read("F.csv"), "\"E-Mail\",\"Name\",\"Size\"\r\n"
                                  "\"joe@example.com\",\"Joe \"\"the\"\" Coder\",\"L\"\r\n");
}

TEST(CommaSave, ColumnsNobodyFilledStayEmptySoRowsLineUpWithTheHeader) {
    VellumHome home;
    home.write("F.csv", "\"A\",\"B\",\"C\",\"D\"\r\n");
    ASSERT_TRUE(save(home, script("Comma", home.file("F.csv")), FormFields{{"01B", "b"}}).saved);
    EXPECT_EQ(home.read("F.csv"), "\"A\",\"B\",\"C\",\"D\"\r\n\"\",\"b\",\"\",\"\"\r\n");
}

TEST(CommaSave, ValuesASpreadsheetWouldRunGetAnApostrophe) {
    VellumHome home;
    const FormFields fields{{"00a", "=HYPERLINK(\"x\")"},
                            {"01b", "+1"},
                            {"02c", "-2"},
                            {"03d", "@SUM"},
                            {"04e", "\tx"},
                            {"05f", "\rx"},
                            {"06g", "a=b"},
                            {"07h", ""}};
    ASSERT_TRUE(save(home, script("Comma", home.file("F.csv")), fields).saved);
    EXPECT_EQ(home.read("F.csv"), "\"'=HYPERLINK(\"\"x\"\")\",\"'+1\",\"'-2\",\"'@SUM\",\"'\tx\","
                                  "\"'\rx\",\"a=b\",\"\"\r\n");
}

TEST(CommaSave, TicketBoxesOfOneNumberShareTheirColumn) {
    VellumHome home;
    ASSERT_TRUE(save(home, script("Comma", home.file("F.csv")),
                     FormFields{{"00Colour", "red"}, {"00Colour", "blue"}})
                    .saved);
    EXPECT_EQ(home.read("F.csv"), "\"red, blue\"\r\n");
}

TEST(CommaSave, AFileWithoutAFinalLineEndGetsOneBeforeTheRow) {
    VellumHome home;
    home.write("F.csv", "\"A\"");
    ASSERT_TRUE(save(home, script("Comma", home.file("F.csv")), FormFields{{"00A", "1"}}).saved);
    EXPECT_EQ(home.read("F.csv"), "\"A\"\r\n\"1\"\r\n");
}

TEST(CommaSave, AFormWithoutNumbersStillSavesItsValues) {
    VellumHome home;
    ASSERT_TRUE(save(home, script("Comma", home.file("F.csv")),
                     FormFields{{"Name", "Joe"}, {"Mail", "j@x.org"}})
                    .saved);
    EXPECT_EQ(home.read("F.csv"), "\"Joe\",\"j@x.org\"\r\n");
}

TEST(TextSave, AppendsFieldsTransactionAndSeparator) {
    VellumHome home;
    home.write("F.txt", "*Output file for F script*\r\n");
    ASSERT_TRUE(save(home, script("Text", home.file("F.txt")),
                     FormFields{{"00E-Mail", "j@x.org"}, {"Comments", "one\ntwo"}})
                    .saved);
    EXPECT_EQ(home.read("F.txt"), "*Output file for F script*\r\n"
                                  "E-Mail: j@x.org\r\n"
                                  "Comments: one\r\ntwo\r\n"
                                  "Date: 2026-12-08\r\n"
                                  "Time: 08:15:42\r\n"
                                  "Remote address: 203.0.113.9\r\n"
                                  "Referer: http://example.com/FORMS/F.html\r\n"
                                  "Transaction: 20261208081542-1-abc\r\n" +
                                      std::string(40, '-') + "\r\n");
}

TEST(TemplateSave, BottomGoesBeforeTheFooterAfterOldEntries) {
    VellumHome home;
    home.write("G.html", kOutputSkeleton);
    home.write("entry.tpl", "# comment\r\n<P>^Name^ (^vmTransactionID^)</P>\r\n");
    const ScriptRecord r =
        script("Template", home.file("G.html"), home.file("entry.tpl"), "Bottom");
    ASSERT_TRUE(save(home, r, FormFields{{"Name", "A<b>"}}, transaction("id1")).saved);
    ASSERT_TRUE(save(home, r, FormFields{{"Name", "B"}}, transaction("id2")).saved);
    const std::string text = home.read("G.html");
    const std::size_t a = text.find("<!--vellum entry id1-->\r\n<P>A&lt;b&gt; (id1)</P>\r\n");
    const std::size_t b =
        text.find("<!--vellum entry id2-->\r\n<P>B (id2)</P>\r\n<!--footer-->\r\n");
    ASSERT_NE(a, std::string::npos) << text;
    ASSERT_NE(b, std::string::npos) << text;
    EXPECT_LT(a, b);
    EXPECT_EQ(text.substr(text.find("<!--footer-->")),
              kOutputSkeleton.substr(kOutputSkeleton.find("<!--footer-->")));
}

TEST(TemplateSave, TopGoesBeforeTheNewestEntry) {
    VellumHome home;
    home.write("G.html", kOutputSkeleton);
    home.write("entry.tpl", "<P>^Name^</P>\r\n");
    const ScriptRecord r = script("Template", home.file("G.html"), home.file("entry.tpl"), "Top");
    for (const char* name : {"first", "second", "third"})
        ASSERT_TRUE(save(home, r, FormFields{{"Name", name}}, transaction(name)).saved);
    const std::string text = home.read("G.html");
    EXPECT_NE(text.find("<!--Place any header for the document here-->\r\n\r\n\r\n\r\n"
                        "<!--vellum entry third-->\r\n<P>third</P>\r\n"
                        "<!--vellum entry second-->\r\n<P>second</P>\r\n"
                        "<!--vellum entry first-->\r\n<P>first</P>\r\n<!--footer-->\r\n"),
              std::string::npos)
        << text;
}

TEST(TemplateSave, TextArchivesAreNotEscaped) {
    VellumHome home;
    home.write("G.txt", "<!--footer-->\r\n");
    home.write("entry.tpl", "^Name^\r\n");
    ASSERT_TRUE(save(home, script("Template", home.file("G.txt"), home.file("entry.tpl"), "Bottom"),
                     FormFields{{"Name", "a<b"}}, transaction("t"))
                    .saved);
    EXPECT_EQ(home.read("G.txt"), "<!--vellum entry t-->\r\na<b\r\n<!--footer-->\r\n");
}

TEST(TemplateSave, WithoutAFooterTheEntryGoesAtTheEndWithANote) {
    VellumHome home;
    home.write("G.html", "<HTML>\r\n<BODY>");
    home.write("entry.tpl", "<P>^Name^</P>\r\n");
    const auto outcome =
        save(home, script("Template", home.file("G.html"), home.file("entry.tpl"), "Top"),
             FormFields{{"Name", "x"}}, transaction("t"));
    ASSERT_TRUE(outcome.saved);
    EXPECT_EQ(home.read("G.html"), "<HTML>\r\n<BODY>\r\n<!--vellum entry t-->\r\n<P>x</P>\r\n");
    ASSERT_EQ(outcome.notes.size(), 1u);
    EXPECT_NE(outcome.notes[0].find("<!--footer-->"), std::string::npos);
}

TEST(TemplateSave, AMissingTemplateSavesNothingAndSaysSo) {
    VellumHome home;
    home.write("G.html", kOutputSkeleton);
    const auto outcome = save(home, script("Template", home.file("G.html"), home.file("gone.tpl")),
                              FormFields{{"Name", "x"}});
    EXPECT_FALSE(outcome.saved);
    EXPECT_NE(outcome.error.find("gone.tpl"), std::string::npos);
    EXPECT_EQ(home.read("G.html"), kOutputSkeleton);
}

TEST(DiscreteSave, WritesANewDocumentNamedFromTheTransactionWithTheTemplatesExtension) {
    VellumHome home;
    std::filesystem::create_directory(home.file("pages"));
    home.write("page.html", "# comment\r\n<H1>^Name^</H1><P>^vmDiscretePage^</P>\r\n");
    vellum::Transaction t = transaction("20261208-x");
    const auto outcome =
        vellum::saveEntry(script("Discrete", home.file("pages"), home.file("page.html")),
                          home.path(), FormFields{{"01Name", "A&B"}}, t);
    ASSERT_TRUE(outcome.saved) << outcome.error;
    EXPECT_EQ(t.discretePage, "20261208-x.html");
    EXPECT_EQ(home.read("pages/20261208-x.html"), "<H1>A&amp;B</H1><P>20261208-x.html</P>\r\n");
}

TEST(DiscreteSave, NeverOverwritesADocumentThatIsThere) {
    VellumHome home;
    std::filesystem::create_directory(home.file("pages"));
    home.write("pages/same.txt", "older");
    home.write("page.txt", "^Name^");
    vellum::Transaction t = transaction("same");
    ASSERT_TRUE(vellum::saveEntry(script("Discrete", home.file("pages"), home.file("page.txt")),
                                  home.path(), FormFields{{"Name", "new"}}, t)
                    .saved);
    EXPECT_EQ(home.read("pages/same.txt"), "older");
    EXPECT_EQ(t.discretePage, "same-1.txt");
    EXPECT_EQ(home.read("pages/same-1.txt"), "new\r\n");
}

TEST(DiscreteSave, AMissingDirectoryIsAFailure) {
    VellumHome home;
    home.write("page.txt", "^Name^");
    EXPECT_FALSE(save(home, script("Discrete", home.file("nowhere"), home.file("page.txt")),
                      FormFields{{"Name", "x"}})
                     .saved);
}

TEST(SaveStyles, DiscardWritesNothingAndUnknownStylesAreFailures) {
    VellumHome home;
    EXPECT_TRUE(save(home, script("Discard", home.file("F.csv")), FormFields{{"00a", "1"}}).saved);
    EXPECT_FALSE(std::filesystem::exists(home.file("F.csv")));
    for (const char* style : {"", "comma", "Database"}) {
        const auto outcome =
            save(home, script(style, home.file("F.csv")), FormFields{{"00a", "1"}});
        EXPECT_FALSE(outcome.saved) << style;
        EXPECT_FALSE(std::filesystem::exists(home.file("F.csv")));
    }
    EXPECT_FALSE(save(home, script("Comma", ""), FormFields{{"00a", "1"}}).saved);
}

TEST(SaveStyles, RelativeArchivePathsAreInTheProgramDirectory) {
    VellumHome home;
    ASSERT_TRUE(save(home, script("Comma", "rel.csv"), FormFields{{"00a", "1"}}).saved);
    EXPECT_EQ(home.read("rel.csv"), "\"1\"\r\n");
}

TEST(EntryText, ColumnCountOfAHeaderLineKnowsQuotedCommas) {
    EXPECT_EQ(vellum::columnCountOfFirstLine("\"a,b\",\"c\"\r\n\"1\",\"2\",\"3\",\"4\"\r\n"), 2u);
    EXPECT_EQ(vellum::columnCountOfFirstLine("\r\n\r\n\r\n"), 0u);
    EXPECT_EQ(vellum::columnCountOfFirstLine(""), 0u);
}

TEST(FieldLookup, FindsFieldsWithOrWithoutTheirNumberPreferringTheExactSpelling) {
    const FormFields fields{{"00E-Mail", "a@x.org"}, {"01name", "lower"}, {"02Name", "upper"},
                            {"~Note", "n"},          {"03Size", "S"},     {"03Size", "M"}};
    EXPECT_EQ(fields.value("E-Mail"), "a@x.org");
    EXPECT_EQ(fields.value("00E-Mail"), "a@x.org");
    EXPECT_EQ(fields.value("e-mail"), "a@x.org");
    EXPECT_EQ(fields.value("Name"), "upper");
    EXPECT_EQ(fields.value("name"), "lower");
    EXPECT_EQ(fields.value("NAME"), "lower, upper");
    EXPECT_EQ(fields.value("Note"), "n");
    EXPECT_EQ(fields.value("Size"), "S, M");
    EXPECT_EQ(fields.count("Size"), 2u);
    EXPECT_FALSE(fields.value("Missing").has_value());
}

TEST(CommaSave, AnEmptySubmissionIsARowOfEmptyColumns) {
    VellumHome home;
    home.write("F.csv", "\"A\",\"B\"\r\n");
    ASSERT_TRUE(save(home, script("Comma", home.file("F.csv")), FormFields{}).saved);
    EXPECT_EQ(home.read("F.csv"), "\"A\",\"B\"\r\n\"\",\"\"\r\n");
}

TEST(TemplateInsert, TheFooterIsALineByItselfBlanksAside) {
    std::string file =
        "<P>see <!--footer--></P>\r\n<!--footer--> and more\r\n  <!--footer-->\t\r\nend";
    EXPECT_TRUE(vellum::insertEntry(file, "NEW\r\n", vellum::InsertPlace::Bottom));
    EXPECT_EQ(
        file,
        "<P>see <!--footer--></P>\r\n<!--footer--> and more\r\nNEW\r\n  <!--footer-->\t\r\nend");
    std::string lfOnly = "head\n<!--footer-->";
    EXPECT_TRUE(vellum::insertEntry(lfOnly, "NEW\r\n", vellum::InsertPlace::Top));
    EXPECT_EQ(lfOnly, "head\nNEW\r\n<!--footer-->");
}

TEST(TemplateInsert, TopOnlyCountsEntriesAboveTheFooterAndAtALineStart) {
    std::string file =
        "x <!--vellum entry old-->\r\n<!--footer-->\r\n<!--vellum entry below-->\r\n";
    EXPECT_TRUE(vellum::insertEntry(file, "NEW\r\n", vellum::InsertPlace::Top));
    EXPECT_EQ(file,
              "x <!--vellum entry old-->\r\nNEW\r\n<!--footer-->\r\n<!--vellum entry below-->\r\n");
}
