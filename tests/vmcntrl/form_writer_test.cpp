#include "vmcntrl/config/form_writer.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vmcntrl;

namespace {

// The fields name and email, two option buttons named size and a submit button named submit.
const std::string kTemplate = "<!--Feedback form-->\r\n"
                              "Your name: <INPUT NAME=\"name\"><P>\r\n"
                              "Your e-mail: <INPUT NAME=\"email\"><P>\r\n"
                              "Size: <INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"S\"> "
                              "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"L\"><P>\r\n"
                              "<INPUT TYPE=\"submit\" NAME=\"submit\" VALUE=\"Send\">\r\n";

const std::string kPageStart =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">\r\n"
    "<HTML>\r\n"
    "<HEAD>\r\n"
    "<TITLE>Feedback_Form</TITLE>\r\n"
    "</HEAD>\r\n"
    "<BODY>\r\n"
    "<H1></H1>\r\n"
    "\r\n";
const std::string kPageEnd = "</FORM>\r\n"
                             "</BODY>\r\n"
                             "</HTML>\r\n";

} // namespace

TEST(WizardFormFile, TextStyleCopiesTheTemplateUnderACgiFormTag) {
    const FormFileText form =
        formFileText(kTemplate, "Feedback_Form", "/scripts/", false, WizardSaveStyle::Text);
    EXPECT_EQ(form.bytes,
              kPageStart +
                  "<FORM METHOD=\"POST\" ACTION=\"/scripts/vellum.exe/Feedback_Form\">\r\n"
                  "\r\n" +
                  kTemplate + kPageEnd);
    EXPECT_EQ(form.dataHeader, "");
    EXPECT_EQ(dataFileText(WizardSaveStyle::Text, "Feedback_Form", form.dataHeader),
              "*Output file for Feedback_Form script*\r\n"
              "*You may remove or change this header*\r\n"
              "*Submitted Data will be appended to the end of this file*\r\n");
}

TEST(WizardFormFile, DontSaveStyleUsesTheServerExtensionAndHasNoDataFile) {
    const FormFileText form =
        formFileText(kTemplate, "Feedback_Form", "/scripts/", true, WizardSaveStyle::DontSave);
    EXPECT_EQ(form.bytes,
              kPageStart +
                  "<FORM METHOD=\"POST\" ACTION=\"/scripts/vellum.dll/Feedback_Form\">\r\n"
                  "\r\n" +
                  kTemplate + kPageEnd);
    EXPECT_EQ(dataFileText(WizardSaveStyle::DontSave, "Feedback_Form", ""), "");
}

TEST(WizardFormFile, DataStyleNumbersFieldsInFormOrderAndBuildsTheHeaderLine) {
    const FormFileText form =
        formFileText(kTemplate, "Feedback_Form", "/scripts/", false, WizardSaveStyle::Data);
    EXPECT_EQ(form.bytes,
              kPageStart +
                  "<FORM METHOD=\"POST\" ACTION=\"/scripts/vellum.exe/Feedback_Form\">\r\n"
                  "\r\n"
                  "<!--Feedback form-->\r\n"
                  "Your name: <INPUT NAME=\"00name\"><P>\r\n"
                  "Your e-mail: <INPUT NAME=\"01email\"><P>\r\n"
                  "Size: <INPUT TYPE=\"radio\" NAME=\"02size\" VALUE=\"S\"> "
                  "<INPUT TYPE=\"radio\" NAME=\"02size\" VALUE=\"L\"><P>\r\n"
                  "<INPUT TYPE=\"submit\" NAME=\"submit\" VALUE=\"Send\">\r\n" +
                  kPageEnd);
    EXPECT_EQ(form.dataHeader, "\"name\",\"email\",\"size\"");
    EXPECT_EQ(dataFileText(WizardSaveStyle::Data, "Feedback_Form", form.dataHeader),
              "\"name\",\"email\",\"size\"\r\n");
}

TEST(FieldNumbering, ANameComingBackIsNumberedAgainAndNumbersGrowPastNine) {
    FieldNumbering numbering;
    EXPECT_EQ(numbering.numberLine("<input name=\"a\"><Input Name=\"b\"><INPUT NAME=\"a\">"),
              "<input name=\"00a\"><Input Name=\"01b\"><INPUT NAME=\"02a\">");
    for (int i = 3; i < 10; ++i)
        numbering.numberLine("<INPUT NAME=\"f" + std::to_string(i) + "\">");
    EXPECT_EQ(numbering.numberLine("<INPUT NAME=\"Submit\"> <INPUT NAME=\"last\">"),
              "<INPUT NAME=\"Submit\"> <INPUT NAME=\"10last\">");
    EXPECT_EQ(numbering.headerLine(),
              "\"a\",\"b\",\"a\",\"f3\",\"f4\",\"f5\",\"f6\",\"f7\",\"f8\",\"f9\",\"last\"");
}

TEST(FieldNumbering, NamelessAndUnclosedFieldsStayReadable) {
    FieldNumbering numbering;
    // A field without a name is not submitted, so it is not numbered or given a column.
    EXPECT_EQ(numbering.numberLine("<INPUT NAME=\"\"> <INPUT NAME=\"x\">"),
              "<INPUT NAME=\"\"> <INPUT NAME=\"00x\">");
    // A name whose closing quote is missing runs to the end of the line.
    EXPECT_EQ(numbering.numberLine("<INPUT NAME=\"open"), "<INPUT NAME=\"01open");
    EXPECT_EQ(numbering.headerLine(), "\"x\",\"open\"");
}

TEST(WizardFiles, WritesTheFormAndDataFileCreatingMissingFolders) {
    TempDir home;
    TempDir::write(home.file("0.fm"), kTemplate);
    std::filesystem::create_directory(home.file("SAVED"));
    TempDir::write(home.file("SAVED/Feedback_Form.csv"), "old entries\r\n");

    const WizardFiles files = writeWizardFiles({home.path(), "Feedback_Form", home.file("0.fm"),
                                                "/scripts/", true, WizardSaveStyle::Data});
    EXPECT_TRUE(files.ok());
    EXPECT_TRUE(files.formWritten);
    EXPECT_EQ(files.formPath, home.file("FORMS/Feedback_Form.html"));
    EXPECT_EQ(files.dataPath, home.file("SAVED/Feedback_Form.csv"));
    EXPECT_EQ(
        TempDir::read(files.formPath),
        formFileText(kTemplate, "Feedback_Form", "/scripts/", true, WizardSaveStyle::Data).bytes);
    // Replacing a script starts its data file again with only the header line.
    EXPECT_EQ(TempDir::read(files.dataPath), "\"name\",\"email\",\"size\"\r\n");
}

TEST(WizardFiles, AMissingTemplateStillNamesTheFormButWritesOnlyTheDataFile) {
    TempDir home;
    const WizardFiles files = writeWizardFiles(
        {home.path(), "Guests", home.file("gone.fm"), "/cgi/", false, WizardSaveStyle::Text});
    EXPECT_TRUE(files.ok());
    EXPECT_FALSE(files.formWritten);
    EXPECT_EQ(files.formPath, home.file("FORMS/Guests.html"));
    EXPECT_FALSE(std::filesystem::exists(files.formPath));
    EXPECT_EQ(TempDir::read(home.file("SAVED/Guests.txt")),
              dataFileText(WizardSaveStyle::Text, "Guests", ""));

    // With no template to choose from, the script names no form at all.
    const WizardFiles none =
        writeWizardFiles({home.path(), "Guests", "", "/cgi/", false, WizardSaveStyle::DontSave});
    EXPECT_TRUE(none.ok());
    EXPECT_EQ(none.formPath, "");
    EXPECT_EQ(none.dataPath, "");
}

TEST(WizardFiles, AFileThatCannotBeWrittenIsReportedAndTheOtherIsStillWritten) {
    TempDir home;
    TempDir::write(home.file("0.fm"), kTemplate);
    std::filesystem::create_directory(home.file("SAVED"));
    std::filesystem::permissions(home.file("SAVED"), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
    const WizardFiles files = writeWizardFiles(
        {home.path(), "Orders", home.file("0.fm"), "/cgi/", false, WizardSaveStyle::Text});
    EXPECT_TRUE(files.formWritten);
    ASSERT_EQ(files.errors.size(), 1u);
    EXPECT_NE(files.errors[0].find("Orders.txt"), std::string::npos) << files.errors[0];
    std::filesystem::permissions(home.file("SAVED"), std::filesystem::perms::owner_all);
}
