#include "vmcntrl/config/report.h"
#include "vmcntrl/config/template_keys.h"

#include <gtest/gtest.h>

using namespace vmcntrl;

namespace {
const std::vector<std::string> kFixed{
    "^vmDate^",          "^vmLongDate^",       "^vmTime^",
    "^vmTransactionID^", "^vmRemoteHost^",     "^vmRemoteAddress^",
    "^vmReferer^",       "^vmServerSoftware^", "^vmServerAdmin^"};
std::vector<std::string> withFixed(std::vector<std::string> keys) {
    keys.insert(keys.end(), kFixed.begin(), kFixed.end());
    return keys;
}
} // namespace

TEST(TemplateKeys, FieldsInOrderThenFixedKeys) {
    const std::string form = "<html><head><title>Order</title></head>\r\n"
                             "<input name=\"name\"> <INPUT NAME=\"email\">\r\n"
                             "<input type=radio name=\"size\"><input type=radio name=\"SIZE\">\r\n"
                             "<input name=\"colour\">\r\n<input name=\"size\">\r\n"
                             "<input type=submit name=\"Submit\">\r\n";
    const TemplateKeys keys = buildTemplateKeys(form, false);
    EXPECT_EQ(keys.keys, withFixed({"^name^", "^email^", "^size^", "^colour^", "^size^"}));
    EXPECT_EQ(keys.formTitle, "Order");
    EXPECT_EQ(buildTemplateKeys(form, true).keys.back(), "^vmDiscretePage^");
}

TEST(TemplateKeys, WizardNumbersAndTildesAreDropped) {
    const TemplateKeys keys =
        buildTemplateKeys("<INPUT NAME=\"00name\"><INPUT NAME=\"01email\">\n<INPUT NAME=\"~Email\">"
                          "<INPUT NAME=\"x\"><INPUT NAME=\"~Email\">",
                          false);
    // The same name in another letter case straight after counts as the same field.
    EXPECT_EQ(keys.keys, withFixed({"^name^", "^email^", "^x^", "^Email^"}));
}

TEST(TemplateKeys, MissingFormGivesOnlyTheFixedKeys) {
    const TemplateKeys keys = buildTemplateKeys(std::nullopt, false);
    EXPECT_EQ(keys.keys, kFixed);
    EXPECT_EQ(keys.formTitle, "");
    EXPECT_EQ(buildTemplateKeys(std::string("<input name=\"\">"), false).keys, kFixed);
}

namespace {
const std::string kIndent(14, ' ');
ReportInput baseReport() {
    ReportInput in;
    in.name = "Guest";
    in.winScriptAlias = "/scripts/";
    in.dateTime = "12/07/26 22:30:00";
    in.editor.saveStyle = SaveStyle::Discard;
    in.editor.response = Response::Simple;
    return in;
}
} // namespace

TEST(Report, ScriptWithoutFormAndNothingSelected) {
    EXPECT_EQ(
        reportText(baseReport()),
        "Report of Guest script.\r\n\r\n12/07/26 22:30:00\r\n\r\n-----Form "
        "Attributes-----\r\n\r\n" +
            kIndent + "No form is associated with this script.\r\n" + kIndent +
            "To direct a pre-existing form to this script, the syntax for the Form Tag is:\r\n" +
            kIndent +
            "Form Tag Syntax: <FORM METHOD=\"POST\" ACTION=\"/scripts/vellum.exe/Guest\">\r\n"
            "\r\n\r\n-----Saved to File Attributes-----\r\n\r\n" +
            kIndent +
            "No information is saved by this script\r\n\r\n\r\n"
            "-----Send to Browser attributes-----\r\n\r\n" +
            kIndent + "The browser will be sent an acknowledgement of the submission\r\n" +
            kIndent +
            "containing the submitted data and based on a default template.\r\n\r\n\r\n"
            "-----Email Options-----\r\n\r\n" +
            kIndent + "No email options have been selected\r\n\r\n-----End of report-----\r\n\r\n");
}

TEST(Report, FormListingTemplateSavingAndBothMailOptions) {
    ReportInput in = baseReport();
    in.serverExtension = true;
    in.editor.form = "/f/guest.html";
    in.formTitle = "Guest Book";
    in.formListing = "<FORM>\r\n</FORM>\r\n";
    in.editor.saveStyle = SaveStyle::Template;
    in.editor.insert = InsertMode::AfterOld;
    in.editor.outputTemplate = "/t/entry.html";
    in.editor.writeToFile = "/s/guest.html";
    in.editor.response = Response::Url;
    in.editor.url = "http://x/";
    in.editor.copyTo = true;
    in.editor.copyToText = "a@b";
    in.editor.letter = true;
    in.editor.letterBody = "/m/l.txt";
    in.editor.subject = "Hi";
    in.editor.from = "Shop";
    const std::string text = reportText(in);
    for (const std::string& expected :
         {kIndent + "Form Title: Guest Book\r\n\r\n" + kIndent +
              "Form file name: /f/guest.html\r\n",
          kIndent + "URL of this Form: /scripts/vellum.dll/Guest\r\n\r\n" + kIndent +
              "Form:\r\n\r\n" + kIndent + "<FORM>\r\n" + kIndent + "</FORM>\r\n\r\n\r\n",
          kIndent + "/t/entry.html\r\n\r\n" + kIndent +
              "Formatted submissions will then be inserted in\r\n" + kIndent + "/s/guest.html\r\n" +
              kIndent + "below previous submissions.\r\n",
          kIndent + "The browser will be directed to http://x/\r\n",
          kIndent + "(If a filename, file contains multiple email addresses)\r\n\r\n" + kIndent +
              "Email containing the text of /m/l.txt will be mailed back to the user.\r\n",
          kIndent + "supplies an email address.\r\n\r\n" + kIndent +
              "Subject of Email: Hi\r\n\r\n" + kIndent +
              "Email sent from: Shop\r\n\r\n-----End of report-----\r\n"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_EQ(text.find("No email options"), std::string::npos);

    in.formListing.reset();
    EXPECT_NE(reportText(in).find(kIndent + "(The form file could not be read.)\r\n"),
              std::string::npos);
}
