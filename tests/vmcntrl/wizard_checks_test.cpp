#include "vmcntrl/config/wizard_checks.h"

#include <gtest/gtest.h>

#include <string>

using namespace vmcntrl;

namespace {

void expectRefused(const std::string& name, std::string_view message) {
    const NameCheck check = checkWizardScriptName(name);
    EXPECT_EQ(check.outcome, NameCheck::Refused) << name;
    EXPECT_EQ(check.message, message) << name;
}

} // namespace

TEST(WizardNameCheck, AcceptsLettersDigitsAndUnderscoreUpTo32Characters) {
    EXPECT_TRUE(checkWizardScriptName("Feedback_Form").accepted());
    EXPECT_TRUE(checkWizardScriptName(std::string(32, 'a')).accepted());
    EXPECT_TRUE(checkWizardScriptName("Order-2024_(new)!#$%*~").accepted());
    expectRefused(std::string(33, 'a'), "Script Names should be 32 characters or less");
}

TEST(WizardNameCheck, TheLengthLimitCountsCharactersNotBytes) {
    std::string accented;
    for (int i = 0; i < 32; ++i)
        accented += "\xC3\xA9"; // é, two bytes in UTF-8
    EXPECT_TRUE(checkWizardScriptName(accented).accepted());
    EXPECT_TRUE(checkWizardScriptName("\xE6\x97\xA5\xE6\x9C\xAC_form").accepted());
    expectRefused(accented + "e", "Script Names should be 32 characters or less");
}

TEST(WizardNameCheck, AnEmptyNameStaysWithoutAMessage) {
    const NameCheck check = checkWizardScriptName("");
    EXPECT_EQ(check.outcome, NameCheck::Empty);
    EXPECT_FALSE(check.accepted());
    EXPECT_EQ(check.message, "");
}

TEST(WizardNameCheck, EachListedSymbolIsRefused) {
    for (char symbol : std::string("&+,\"./\\[]:;|=\'?"))
        expectRefused(std::string("Feed") + symbol + "back",
                      "Script Names should not contain symbols");
}

TEST(WizardNameCheck, ChecksRunInOrderAndTheFirstFailureDecides) {
    expectRefused("Feedback Form", "Script Names should not contain spaces");
    // A blank outranks a symbol, and both outrank the length.
    expectRefused("Feed back.", "Script Names should not contain spaces");
    expectRefused(std::string(40, 'a') + " ", "Script Names should not contain spaces");
    expectRefused(std::string(40, 'a') + "?", "Script Names should not contain symbols");
}

TEST(WizardNameCheck, AListedNameIsFoundInAnyLetterCase) {
    const std::vector<std::string> listed{"Guestbook", "Feedback_Form", "Orders"};
    EXPECT_EQ(findListedScript(listed, "Feedback_Form"), "Feedback_Form");
    EXPECT_EQ(findListedScript(listed, "feedback_FORM"), "Feedback_Form");
    EXPECT_EQ(findListedScript(listed, "Feedback"), std::nullopt);
    EXPECT_EQ(findListedScript({}, "Orders"), std::nullopt);
    EXPECT_EQ(replaceQuestion("feedback_FORM"),
              "feedback_FORM already exists.\r\nDo you want to replace it?");
}

TEST(WizardUrlCheck, OnlyTheUntouchedUpperCasePrefixIsRefused) {
    EXPECT_TRUE(urlStillPlaceholder("HTTP://"));
    EXPECT_FALSE(urlStillPlaceholder("http://"));
    EXPECT_FALSE(urlStillPlaceholder(""));
    EXPECT_FALSE(urlStillPlaceholder("HTTP://www.example.com/thanks.html"));
}
