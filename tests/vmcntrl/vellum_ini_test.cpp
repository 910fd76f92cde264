#include "vmcntrl/config/editor_state.h"
#include "vmcntrl/config/vellum_ini.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vmcntrl;

namespace {

struct VellumIniTest : ::testing::Test {
    TempDir dir;
    VellumIni ini{dir.file("vellum.ini")};
    std::string bytes() const { return TempDir::read(ini.path()); }
};

ScriptRecord sampleRecord() {
    ScriptRecord r;
    r.Archive = "C:\\Vellum\\SAVED\\guest.txt";
    r.Form = "C:\\Vellum\\FORMS\\guest.html";
    r.OutputStyle = "Text";
    r.Confirm = "yes";
    r.SendURL = "";
    r.SendConf = "Default";
    r.To = "owner@example.com";
    r.Sender = "Use 'From' from Form";
    r.Subject = "Guest book";
    r.SendMessage = "";
    r.OutputTemplate = "";
    r.Append = "Top";
    r.Locked = "True";
    r.Target = "_top";
    return r;
}

} // namespace

TEST_F(VellumIniTest, MissingFileHasNoScriptsAndReadsEveryKeyEmpty) {
    EXPECT_EQ(ini.loadScriptList().count(), 0u);
    EXPECT_EQ(ini.readScript("Anything"), ScriptRecord{});
    EXPECT_EQ(ini.currentSection(), "Anything");
    EXPECT_EQ(ini.readCurrent("Form"), "");
}

TEST_F(VellumIniTest, WriteStoresFourteenKeysInOrderThenTheListLine) {
    ASSERT_TRUE(ini.writeScript("Guest", sampleRecord()));
    EXPECT_EQ(bytes(), "[Guest]\r\n"
                       "Archive=C:\\Vellum\\SAVED\\guest.txt\r\n"
                       "Form=C:\\Vellum\\FORMS\\guest.html\r\n"
                       "OutputStyle=Text\r\n"
                       "Confirm=yes\r\n"
                       "SendURL=\r\n"
                       "SendConf=Default\r\n"
                       "To=owner@example.com\r\n"
                       "Sender=Use 'From' from Form\r\n"
                       "Subject=Guest book\r\n"
                       "SendMessage=\r\n"
                       "OutputTemplate=\r\n"
                       "Append=Top\r\n"
                       "Locked=True\r\n"
                       "Target=_top\r\n"
                       "[NumTags]\r\n"
                       "Guest=Guest\r\n");
    EXPECT_EQ(ini.readScript("Guest"), sampleRecord());
}

TEST_F(VellumIniTest, ListLineWithoutSectionLoadsAsEmptyScript) {
    TempDir::write(ini.path(), "[NumTags]\r\nOrphan=Orphan\r\n");
    ASSERT_EQ(ini.loadScriptList().values(), std::vector<std::string>{"Orphan"});
    const EditorState state = interpretScript(ini.readScript("Orphan"));
    EXPECT_EQ(state.response, Response::Url);
    EXPECT_EQ(state.saveStyle, SaveStyle::Template);
    EXPECT_EQ(state.insert, InsertMode::NewDocument);
    EXPECT_TRUE(state.form.empty());
    EXPECT_FALSE(state.letter);
    EXPECT_FALSE(state.copyTo);
}

TEST_F(VellumIniTest, SectionWithoutListLineIsNotListed) {
    TempDir::write(ini.path(), "[Hidden]\r\nForm=x.html\r\n[NumTags]\r\n");
    EXPECT_EQ(ini.loadScriptList().count(), 0u);
}

TEST_F(VellumIniTest, DeleteRemovesListLineAndSectionAndKeepsOthersInOrder) {
    for (const char* name : {"Alpha", "Beta", "Gamma", "Delta"})
        ASSERT_TRUE(ini.writeScript(name, sampleRecord()));
    ASSERT_TRUE(ini.deleteScript("Beta"));
    EXPECT_EQ(ini.loadScriptList().values(), (std::vector<std::string>{"Alpha", "Gamma", "Delta"}));
    EXPECT_EQ(bytes().find("[Beta]"), std::string::npos);
    EXPECT_EQ(bytes().find("Beta="), std::string::npos);
    EXPECT_EQ(ini.readScript("Gamma"), sampleRecord());
}

TEST_F(VellumIniTest, NameDifferingOnlyInCaseUpdatesTheExistingScript) {
    ASSERT_TRUE(ini.writeScript("Feedback", sampleRecord()));
    ScriptRecord changed = sampleRecord();
    changed.Target = "main";
    ASSERT_TRUE(ini.writeScript("FEEDBACK", changed));
    const std::string text = bytes();
    EXPECT_EQ(text.find("[FEEDBACK]"), std::string::npos);
    EXPECT_EQ(ini.loadScriptList().count(), 1u);
    EXPECT_EQ(ini.readScript("Feedback").Target, "main");
}

TEST_F(VellumIniTest, EveryScriptIsListedBeyondAHundred) {
    for (int i = 0; i < 130; ++i)
        ASSERT_TRUE(ini.writeScript("Script" + std::to_string(i), sampleRecord()));
    const auto names = ini.loadScriptList().values();
    ASSERT_EQ(names.size(), 130u);
    EXPECT_EQ(names.front(), "Script0");
    EXPECT_EQ(names.back(), "Script129");
}

TEST_F(VellumIniTest, LongValuesAndLongKeyListsComeBackWhole) {
    ScriptRecord r = sampleRecord();
    r.To = std::string(3000, 'a') + "@example.com";
    ASSERT_TRUE(ini.writeScript("Long", r));
    EXPECT_EQ(ini.readScript("Long").To, r.To);
    ini.setCurrentSection("Long");
    EXPECT_EQ(ini.readCurrent("To"), r.To);
    // 300 names of 20 characters are well past what one 4,096-character key list held.
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(ini.writeScript("Name_padded_" + std::to_string(10000000 + i), r));
    EXPECT_EQ(ini.loadScriptList().count(), 301u);
}

TEST_F(VellumIniTest, ValuesWithEdgeBlanksOrQuotesRoundTrip) {
    ScriptRecord r = sampleRecord();
    r.Subject = "  padded subject ";
    r.Target = "\"quoted\"";
    ASSERT_TRUE(ini.writeScript("Edges", r));
    EXPECT_EQ(ini.readScript("Edges"), r);
}

TEST_F(VellumIniTest, OtherLinesOfTheFileSurviveAWrite) {
    const std::string original = "; kept by hand\r\n[Config]\r\nMailServer=mail.example.com\r\n"
                                 "ISAPI=Yes\r\n";
    TempDir::write(ini.path(), original);
    ASSERT_TRUE(ini.writeScript("New", sampleRecord()));
    EXPECT_EQ(bytes().substr(0, original.size()), original);
}

TEST_F(VellumIniTest, FailedWriteIsReportedAndFileUnchanged) {
    TempDir::write(ini.path(), "[NumTags]\r\n");
    ASSERT_EQ(::chmod(ini.path().c_str(), 0444), 0);
    const platform::WriteResult written = ini.writeScript("Refused", sampleRecord());
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.empty());
    EXPECT_FALSE(ini.deleteScript("NumTags").ok);
    EXPECT_EQ(bytes(), "[NumTags]\r\n");
}
