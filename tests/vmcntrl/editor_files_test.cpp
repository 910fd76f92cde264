#include "vmcntrl/config/editor_checks.h"
#include "vmcntrl/config/form_title.h"
#include "vmcntrl/config/run_command.h"
#include "vmcntrl/config/skeletons.h"

#include <gtest/gtest.h>

using namespace vmcntrl;

TEST(FormTitle, FirstTitleLineUpToTheNextTagInAnyCase) {
    EXPECT_EQ(formTitle("<html>\r\n<Head><title>Guest Book</title></head>\r\n"), "Guest Book");
    EXPECT_EQ(formTitle("<TITLE>First</TITLE>\n<TITLE>Second</TITLE>\n"), "First");
    EXPECT_EQ(formTitle("<TITLE>Runs on\r\nto here</TITLE>"), "Runs on");
    EXPECT_EQ(formTitle("no title here"), "");
    EXPECT_EQ(formTitle(""), "");
}

TEST(EditorChoice, OnlyAllSmallOrAllCapitalHtmEndingsOpenInTheHtmlEditor) {
    EXPECT_TRUE(opensInHtmlEditor("a.html"));
    EXPECT_TRUE(opensInHtmlEditor("C:\\x\\A.HTM"));
    EXPECT_FALSE(opensInHtmlEditor("a.Htm"));
    EXPECT_FALSE(opensInHtmlEditor("a.txt"));
    EXPECT_FALSE(opensInHtmlEditor(""));
}

TEST(SaveChecks, RunInOrderAndSkipWhatTheOptionsDoNotUse) {
    const FileProbe none = [](const std::string&) { return false; };
    EditorState s;
    s.saveStyle = SaveStyle::Discard;
    s.response = Response::Simple;
    EXPECT_EQ(checkBeforeSave(s, none), SaveStop::None);
    s.saveStyle = SaveStyle::Template;
    s.insert = InsertMode::NewDocument; // the directory is not checked
    EXPECT_EQ(checkBeforeSave(s, none), SaveStop::OutputTemplateMissing);
    s.letter = true;
    EXPECT_EQ(checkBeforeSave(s, none), SaveStop::LetterMissing);
    s.insert = InsertMode::AfterOld;
    EXPECT_EQ(checkBeforeSave(s, none), SaveStop::ArchiveMissing);
    s.response = Response::Url;
    EXPECT_EQ(checkBeforeSave(s, none), SaveStop::NoUrl);
    s.response = Response::Template;
    EXPECT_EQ(checkBeforeSave(s, none), SaveStop::ConfirmationTemplateMissing);
}

TEST(Skeletons, FormForDataWithLetterUsesTheNumberedAddressField) {
    const std::string form = formSkeleton("Order", true, true);
    EXPECT_NE(
        form.find("\r\n\r\nPlease enter your E-Mail Address: <INPUT NAME=\"00E-Mail\"> <P>\r\n"
                  "<!--mail to client enabled!-->\r\n<!--use syntax for CSV output!-->\r\n\r\n\r\n"
                  "To submit"),
        std::string::npos);
    EXPECT_NE(formSkeleton("Order", true, false)
                  .find("<INPUT NAME=\"E-Mail\"> <P>\r\n"
                        "<!--mail to client enabled!-->\r\n\r\n\r\nTo"),
              std::string::npos);
    EXPECT_EQ(formSkeleton("Order", false, true).find("E-Mail"), std::string::npos);
}

TEST(Skeletons, TemplatesAndSmallFiles) {
    const std::string entries = templateSkeleton(TemplateKind::OutputEntries, "Shop");
    EXPECT_TRUE(entries.starts_with("#\r\n# Output File Template for Shop Script\r\n#\r\n"));
    EXPECT_TRUE(
        entries.ends_with("# Lines beginning with # are comments\r\n#\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_TRUE(
        templateSkeleton(TemplateKind::OutputNewDocument, "Shop")
            .ends_with("<TITLE>New Document Template for Shop Script</TITLE>\r\n</HEAD>\r\n"
                       "<BODY>\r\n<H1>Shop</H1>\r\n\r\n\r\n\r\n</BODY>\r\n</HTML>\r\n\r\n"));
    EXPECT_EQ(outputFileSkeleton(OutputFileKind::Text, "Shop"),
              "*Output file for Shop script*\r\n*You may remove or change this header*\r\n"
              "*Submitted Data will be appended to the end of this file*\r\n");
    EXPECT_EQ(recipientGroupSkeleton(), "E-Mail Addresses - one per line (Remove this line)\r\n");
}

TEST(RunCommand, BrowserKindFromItsPath) {
    EXPECT_EQ(browserDdeName("C:\\Program Files\\Netscape\\netscape.exe"), "Netscape");
    EXPECT_EQ(browserDdeName("/opt/mosaic"), "Mosaic");
    EXPECT_EQ(browserDdeName("C:\\IE\\iexplore.exe"), "IExplore");
    EXPECT_EQ(browserDdeName("/usr/bin/firefox"), "");
}
