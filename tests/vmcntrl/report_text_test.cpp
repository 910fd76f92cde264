#include "vmcntrl/config/report_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace vmcntrl;

namespace {

const std::string I(14, ' ');

ReportInput feedbackScript() {
    ReportInput in;
    in.scriptName = "Feedback_Form";
    in.dateTime = "12/7/2026 9:50:10 PM";
    in.winScriptAlias = "/scripts/";
    in.form = "C:\\Vellum\\FORMS\\Feedback_Form.html";
    in.formTitle = "Feedback";
    in.formText = "<TITLE>Feedback</TITLE>\n\n<INPUT NAME=\"name\">\n";
    in.save = ReportInput::Save::PlainText;
    in.writeToFile = "C:\\Vellum\\SAVED\\Feedback_Form.txt";
    return in;
}

// The lines between a section's heading (and the empty line after it) and the next heading.
std::string section(const std::string& report, const std::string& heading,
                    const std::string& next) {
    const std::size_t start = report.find(heading + "\r\n\r\n");
    const std::size_t end = report.find(next, start);
    if (start == std::string::npos || end == std::string::npos)
        return "<missing section>";
    const std::size_t body = start + heading.size() + 4;
    return report.substr(body, end - body);
}

std::string formPart(const ReportInput& in) {
    return section(reportText(in), "-----Form Attributes-----",
                   "-----Saved to File Attributes-----");
}
std::string savePart(const ReportInput& in) {
    return section(reportText(in), "-----Saved to File Attributes-----",
                   "-----Send to Browser attributes-----");
}
std::string browserPart(const ReportInput& in) {
    return section(reportText(in), "-----Send to Browser attributes-----",
                   "-----Email Options-----");
}
std::string emailPart(const ReportInput& in) {
    return section(reportText(in), "-----Email Options-----", "-----End of report-----");
}

} // namespace

TEST(ScriptReport, DescribesAScriptWithItsFormListingLineByLine) {
    EXPECT_EQ(reportText(feedbackScript()),
              "Report of Feedback_Form script.\r\n"
              "\r\n"
              "12/7/2026 9:50:10 PM\r\n"
              "\r\n"
              "-----Form Attributes-----\r\n"
              "\r\n" +
                  I + "Form Title: Feedback\r\n" + "\r\n" + I +
                  "Form file name: C:\\Vellum\\FORMS\\Feedback_Form.html\r\n" + "\r\n" + I +
                  "Form Tag Syntax: <FORM METHOD=\"POST\" "
                  "ACTION=\"/scripts/vellum.exe/Feedback_Form\">\r\n"
                  "\r\n" +
                  I + "URL of this Form: /scripts/vellum.exe/Feedback_Form\r\n" + "\r\n" + I +
                  "Form:\r\n" + "\r\n" + I + "<TITLE>Feedback</TITLE>\r\n" + I + "\r\n" + I +
                  "<INPUT NAME=\"name\">\r\n" +
                  "\r\n"
                  "\r\n"
                  "-----Saved to File Attributes-----\r\n"
                  "\r\n" +
                  I + "Submissions to this script will be appended to a plain text file\r\n" +
                  "\r\n" + I + "File name: C:\\Vellum\\SAVED\\Feedback_Form.txt\r\n" +
                  "\r\n"
                  "\r\n"
                  "-----Send to Browser attributes-----\r\n"
                  "\r\n" +
                  I + "The browser will be sent an acknowledgement of the submission\r\n" + I +
                  "containing the submitted data and based on a default template.\r\n" +
                  "\r\n"
                  "\r\n"
                  "-----Email Options-----\r\n"
                  "\r\n" +
                  I + "No email options have been selected\r\n" +
                  "\r\n"
                  "-----End of report-----\r\n"
                  "\r\n");
}

TEST(ScriptReport, AScriptWithoutAFormGetsTheTagSyntaxAndNoUrlLine) {
    ReportInput in = feedbackScript();
    in.form.clear();
    in.serverExtension = true;
    EXPECT_EQ(formPart(in),
              I + "No form is associated with this script.\r\n" + I +
                  "To direct a pre-existing form to this script, the syntax for the Form Tag "
                  "is:\r\n" +
                  I +
                  "Form Tag Syntax: <FORM METHOD=\"POST\" "
                  "ACTION=\"/scripts/vellum.dll/Feedback_Form\">\r\n"
                  "\r\n"
                  "\r\n");
}

TEST(ScriptReport, AFormThatCannotBeReadIsSaidSoInPlaceOfTheListing) {
    ReportInput in = feedbackScript();
    in.formText.reset();
    in.serverExtension = true;
    const std::string part = formPart(in);
    EXPECT_NE(part.find(I + "URL of this Form: /scripts/vellum.dll/Feedback_Form\r\n"),
              std::string::npos);
    const std::string listing =
        I + "Form:\r\n\r\n" + I + "The form file could not be read.\r\n\r\n\r\n";
    ASSERT_GE(part.size(), listing.size());
    EXPECT_EQ(part.substr(part.size() - listing.size()), listing);
}

TEST(ScriptReport, EachSaveOptionHasItsOwnWording) {
    ReportInput in = feedbackScript();
    in.save = ReportInput::Save::NotSaved;
    EXPECT_EQ(savePart(in), I + "No information is saved by this script\r\n\r\n\r\n");

    in.save = ReportInput::Save::Data;
    in.writeToFile = "C:\\Vellum\\SAVED\\Feedback_Form.csv";
    EXPECT_EQ(savePart(in),
              I + "Submissions to this script will be appended to a data file\r\n\r\n" + I +
                  "File name: C:\\Vellum\\SAVED\\Feedback_Form.csv\r\n\r\n\r\n");

    in.save = ReportInput::Save::Template;
    in.outputTemplate = "C:\\Vellum\\template\\out.html";
    in.writeToFile = "C:\\Vellum\\SAVED\\guests.html";
    in.newDocumentDirectory = "C:\\Vellum\\pages";
    const std::string templateLines =
        I + "Submissions to this script will be formatted by a template file: \r\n" + I +
        "C:\\Vellum\\template\\out.html\r\n\r\n";
    in.insert = ReportInput::Insert::BeforeOld;
    EXPECT_EQ(savePart(in), templateLines + I +
                                "Formatted submissions will then be inserted in\r\n" + I +
                                "C:\\Vellum\\SAVED\\guests.html\r\n" + I +
                                "above previous submissions.\r\n\r\n\r\n");
    in.insert = ReportInput::Insert::AfterOld;
    EXPECT_EQ(savePart(in), templateLines + I +
                                "Formatted submissions will then be inserted in\r\n" + I +
                                "C:\\Vellum\\SAVED\\guests.html\r\n" + I +
                                "below previous submissions.\r\n\r\n\r\n");
    in.insert = ReportInput::Insert::NewDocument;
    EXPECT_EQ(savePart(in),
              templateLines + I +
                  "Formatted submissions will then be created as new documents in\r\n" + I +
                  "C:\\Vellum\\pages\r\n\r\n\r\n");
}

TEST(ScriptReport, EachResponseToTheBrowserHasItsOwnWording) {
    ReportInput in = feedbackScript();
    in.response = ReportInput::Response::Url;
    in.url = "http://www.example.com/thanks.html";
    EXPECT_EQ(browserPart(in),
              I + "The browser will be directed to http://www.example.com/thanks.html\r\n\r\n\r\n");
    in.response = ReportInput::Response::Template;
    in.confirmationTemplate = "C:\\Vellum\\template\\conf.html";
    EXPECT_EQ(browserPart(in), I + "The browser will be sent a document based on a template:\r\n" +
                                   I + "C:\\Vellum\\template\\conf.html\r\n\r\n\r\n");
}

TEST(ScriptReport, EmailOptionsListEachBlockThenSubjectAndFromOnce) {
    ReportInput in = feedbackScript();
    in.subject = "Use 'Subject' from Form";
    in.from = "Sales";
    in.copyToText = "orders@example.com";
    in.letterBody = "C:\\Vellum\\mail\\thanks.txt";
    const std::string copyBlock =
        I + "Email containing the submitted contents of the form and transaction\r\n" + I +
        "specific information will be sent to: \r\n" + I + "orders@example.com\r\n" + I +
        "(If a filename, file contains multiple email addresses)\r\n\r\n";
    const std::string letterBlock =
        I +
        "Email containing the text of C:\\Vellum\\mail\\thanks.txt will be mailed back to the "
        "user.\r\n" +
        I +
        "This option requires that the form include <INPUT NAME=\"E-Mail\"> and that the "
        "user\r\n" +
        I + "supplies an email address.\r\n\r\n";
    const std::string subjectAndFrom = I + "Subject of Email: Use 'Subject' from Form\r\n\r\n" + I +
                                       "Email sent from: Sales\r\n\r\n";

    in.copyTo = true;
    EXPECT_EQ(emailPart(in), copyBlock + subjectAndFrom);
    in.copyTo = false;
    in.letter = true;
    EXPECT_EQ(emailPart(in), letterBlock + subjectAndFrom);
    in.copyTo = true;
    EXPECT_EQ(emailPart(in), copyBlock + letterBlock + subjectAndFrom);
}

TEST(ScriptReport, FileSitsInTheProgramDirectoryUnderTheScriptNameAndNowhereElse) {
    EXPECT_EQ(reportPath("/opt/vellum", "Feedback_Form"), "/opt/vellum/Feedback_Form.rpt");
    EXPECT_EQ(reportPath("/opt/vellum", ".."), "/opt/vellum/...rpt");
    EXPECT_EQ(reportPath("/opt/vellum", "..\\..\\evil"), std::nullopt);
    EXPECT_EQ(reportPath("/opt/vellum", "sub/name"), std::nullopt);
}

TEST(ScriptReport, GeneralDateFollowsTheLocaleFormat) {
    std::tm moment{};
    moment.tm_year = 2026 - 1900;
    moment.tm_mon = 11;
    moment.tm_mday = 7;
    moment.tm_hour = 21;
    moment.tm_min = 50;
    moment.tm_sec = 10;
    // The tests run in the C library's default locale.
    EXPECT_EQ(generalDateTime(moment), "12/07/26 21:50:10");
}
