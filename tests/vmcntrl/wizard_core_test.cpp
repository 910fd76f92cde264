#include "vmcntrl/config/wizard.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vmcntrl;

TEST(WizardNames, ChecksRunInOrderWithTheirMessages) {
    EXPECT_EQ(wizardNameProblem("Feedback_Form"), "");
    EXPECT_EQ(wizardNameProblem(std::string(32, 'a')), "");
    EXPECT_EQ(wizardNameProblem(std::string(33, 'a')),
              "Script Names should be 32 characters or less");
    EXPECT_EQ(wizardNameProblem("Feedback Form"), "Script Names should not contain spaces");
    EXPECT_EQ(wizardNameProblem("Feed back.htm"), "Script Names should not contain spaces");
    for (const char* name : {"a.b", "what?", "a&b", "x+y", "a,b", "q\"", "s/t", "s\\t", "[x", "x]",
                             "c:d", "a;b", "p|q", "k=v", "it's"})
        EXPECT_EQ(wizardNameProblem(name), "Script Names should not contain symbols") << name;
    EXPECT_EQ(wizardNameProblem(std::string(40, 'a') + "?"),
              "Script Names should not contain symbols");
}

TEST(WizardForm, DataStyleNumbersFieldsAndBuildsTheHeader) {
    const std::string templateText = "<!--Order-->\r\n"
                                     "Name <INPUT NAME=\"name\"> Mail <input name=\"email\">\r\n"
                                     "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"S\">\r\n"
                                     "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"L\">\r\n"
                                     "<INPUT TYPE=\"submit\" NAME=\"submit\" VALUE=\"Send\">\r\n";
    const WizardForm form =
        buildWizardForm(templateText, "Order", "/scripts/", false, WizardSaveStyle::Data);
    EXPECT_EQ(form.html,
              "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">\r\n"
              "<HTML>\r\n<HEAD>\r\n<TITLE>Order</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<H1></H1>\r\n\r\n"
              "<FORM METHOD=\"POST\" ACTION=\"/scripts/vellum.exe/Order\">\r\n\r\n"
              "<!--Order-->\r\n"
              "Name <INPUT NAME=\"00name\"> Mail <input name=\"01email\">\r\n"
              "<INPUT TYPE=\"radio\" NAME=\"02size\" VALUE=\"S\">\r\n"
              "<INPUT TYPE=\"radio\" NAME=\"02size\" VALUE=\"L\">\r\n"
              "<INPUT TYPE=\"submit\" NAME=\"submit\" VALUE=\"Send\">\r\n"
              "</FORM>\r\n</BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(form.dataHeader, "\"name\",\"email\",\"size\"");
    EXPECT_EQ(wizardDataFile(WizardSaveStyle::Data, "Order", form.dataHeader),
              "\"name\",\"email\",\"size\"\r\n");
}

TEST(WizardForm, ANameComingBackGetsANewNumberAndOtherStylesCopyUnchanged) {
    FieldNumbering numbering;
    numbering.numberLine("<input name=\"a\"><input name=\"b\"><input name=\"a\">");
    EXPECT_EQ(numbering.header, "\"a\",\"b\",\"a\"");
    const std::string line = "<INPUT NAME=\"x\">";
    const WizardForm text = buildWizardForm(line, "T", "/s/", true, WizardSaveStyle::Text);
    EXPECT_NE(text.html.find("ACTION=\"/s/vellum.dll/T\""), std::string::npos);
    EXPECT_NE(text.html.find("\r\n<INPUT NAME=\"x\">\r\n</FORM>"), std::string::npos);
    EXPECT_EQ(text.dataHeader, "");
}

TEST(WizardFiles, ScanStopsAtTheFirstGapAndSkipsUntitledTemplates) {
    TempDir home;
    std::filesystem::create_directories(home.file("template"));
    TempDir::write(home.file("template/0.fm"), "<!--Guest book-->\r\n<INPUT NAME=\"a\">\r\n");
    TempDir::write(home.file("template/0.im"), "picture");
    TempDir::write(home.file("template/1.fm"), "no title\r\n");
    TempDir::write(home.file("template/2.fm"), "<!--Order-->\n");
    TempDir::write(home.file("template/4.fm"), "<!--Beyond the gap-->\n");
    const auto found = scanFormTemplates(home.path());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].title, "Guest book");
    EXPECT_EQ(found[0].preview, home.file("template/0.im"));
    EXPECT_EQ(found[1].title, "Order");
    EXPECT_EQ(found[1].number, 2);
    EXPECT_EQ(found[1].preview, "");
}

TEST(WizardFiles, WritesFormAndDataFileCreatingMissingFolders) {
    TempDir home;
    std::filesystem::create_directories(home.file("template"));
    TempDir::write(home.file("template/0.fm"), "<!--T-->\r\n");
    WizardChoices c;
    c.name = "Guest";
    c.templatePath = home.file("template/0.fm");
    c.style = WizardSaveStyle::Text;
    EXPECT_EQ(writeWizardFiles(c, home.path(), "/cgi/", false), "");
    EXPECT_NE(TempDir::read(home.file("FORMS/Guest.html")).find("<!--T-->"), std::string::npos);
    EXPECT_EQ(TempDir::read(home.file("SAVED/Guest.txt")),
              "*Output file for Guest script*\r\n*You may remove or change this header*\r\n"
              "*Submitted Data will be appended to the end of this file*\r\n");

    c.templatePath = home.file("template/gone.fm");
    c.name = "NoForm";
    EXPECT_EQ(writeWizardFiles(c, home.path(), "/cgi/", false), "");
    EXPECT_FALSE(std::filesystem::exists(home.file("FORMS/NoForm.html")));
}
