#include "vmcntrl/config/form_title.h"
#include "vmcntrl/config/template_keys.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vmcntrl;

namespace {

const std::vector<std::string> kFixed{
    "^vmDate^",          "^vmLongDate^",       "^vmTime^",
    "^vmTransactionID^", "^vmRemoteHost^",     "^vmRemoteAddress^",
    "^vmReferer^",       "^vmServerSoftware^", "^vmServerAdmin^",
};

std::vector<std::string> withFixed(std::vector<std::string> fields) {
    fields.insert(fields.end(), kFixed.begin(), kFixed.end());
    return fields;
}

} // namespace

TEST(TemplateKeys, FormFieldsComeFirstThenTheTransactionKeysAndSubmitIsLeftOut) {
    const std::string form = "<HTML><HEAD><TITLE>Feedback</TITLE></HEAD>\r\n"
                             "<FORM METHOD=\"POST\">\r\n"
                             "Name: <INPUT NAME=\"name\">\r\n"
                             "Email: <INPUT NAME=\"email\">\r\n"
                             "<INPUT TYPE=\"submit\" NAME=\"Submit\" VALUE=\"Send\">\r\n"
                             "</FORM></HTML>\r\n";
    const TemplateKeys keys = buildTemplateKeys(form, false);
    EXPECT_EQ(keys.keys, withFixed({"^name^", "^email^"}));
    EXPECT_EQ(keys.formTitle, "Feedback");

    std::vector<std::string> discrete = withFixed({"^name^", "^email^"});
    discrete.push_back("^vmDiscretePage^");
    EXPECT_EQ(buildTemplateKeys(form, true).keys, discrete);
}

TEST(TemplateKeys, TwoFieldsOnOneLineAreBothFoundInAnyLetterCase) {
    const std::string form = "<input name=\"first\"> <Input Name=\"last\"> <INPUT NAME=\"age\">\n";
    EXPECT_EQ(buildTemplateKeys(form, false).keys, withFixed({"^first^", "^last^", "^age^"}));
}

TEST(TemplateKeys, AnOptionGroupGivesOneKeyAndANameComingBackGivesAnother) {
    const std::string form = "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"S\">\r\n"
                             "<INPUT TYPE=\"radio\" NAME=\"SIZE\" VALUE=\"M\">\r\n"
                             "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"L\">\r\n"
                             "<INPUT NAME=\"colour\">\r\n"
                             "<INPUT NAME=\"size\">\r\n";
    EXPECT_EQ(buildTemplateKeys(form, false).keys, withFixed({"^size^", "^colour^", "^size^"}));
}

TEST(TemplateKeys, WizardNumbersAndTheTildeAreCleanedFromNames) {
    const std::string form = "<INPUT NAME=\"00name\"><INPUT NAME=\"01email\">\r\n"
                             "<INPUT NAME=\"~Email\">\r\n"
                             "<INPUT NAME=\"02phone\"> <INPUT NAME=\"~Email\">\r\n"
                             "<INPUT NAME=\"submit\">\r\n";
    // Names compare in capitals, so "~Email" right after "email" is the same field again.
    EXPECT_EQ(buildTemplateKeys(form, false).keys,
              withFixed({"^name^", "^email^", "^phone^", "^Email^"}));
    // One digit is part of the name, only a pair is a field number.
    EXPECT_EQ(templateKeyName("2nd"), "2nd");
    EXPECT_EQ(templateKeyName("~~x"), "~x");
    EXPECT_EQ(templateKeyName("~07phone"), "phone");
}

TEST(TemplateKeys, AMissingFormGivesTheFixedKeysAndNoTitle) {
    TempDir dir;
    TempDir::write(dir.file("form.html"), "<TITLE>Orders</TITLE><INPUT NAME=\"item\">");
    const TemplateKeys fromFile = templateKeysOfFormFile(dir.file("form.html"), false);
    EXPECT_EQ(fromFile.keys, withFixed({"^item^"}));
    EXPECT_EQ(fromFile.formTitle, "Orders");

    for (const std::string& path : {std::string(), dir.file("missing.html"), dir.path()}) {
        const TemplateKeys keys = templateKeysOfFormFile(path, false);
        EXPECT_EQ(keys.keys, kFixed) << path;
        EXPECT_EQ(keys.formTitle, "") << path;
    }
}

TEST(TemplateKeys, OddMarkupNeitherBreaksTheListNorInventsKeys) {
    // A title holding what looks like a field, an empty name, and a name whose closing
    // quote is missing (taken to the end of the line).
    const std::string form = "<title>NAME=\"fake\"</title>\r\n"
                             "<INPUT NAME=\"\"> <INPUT NAME=\"00\">\r\n"
                             "<INPUT NAME=\"open\r\n"
                             "<TITLE>Second title\r\n";
    const TemplateKeys keys = buildTemplateKeys(form, false);
    EXPECT_EQ(keys.keys, withFixed({"^open^"}));
    // A later title line replaces the title; one without a closing tag runs to the line end.
    EXPECT_EQ(keys.formTitle, "Second title");
}

TEST(FormTitle, TheFirstTitleLineCountsUpToTheNextTag) {
    EXPECT_EQ(formTitle("<html>\n<head><title>Order form</title>\n<TITLE>Other</TITLE>\n"),
              "Order form");
    EXPECT_EQ(formTitle("<TITLE></TITLE>"), "");
    EXPECT_EQ(formTitle("<TITLE>Runs on\r\nto here</TITLE>"), "Runs on");
    EXPECT_EQ(formTitle("no title here"), "");
}
