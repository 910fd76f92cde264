#include "vmcntrl/config/script_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vmcntrl::unstorableNameReason;

TEST(ScriptName, NamesTheWizardAllowsAreStorable) {
    const std::vector<std::string> names{"Feedback_Form",      "a",       "ORDER2",
                                         std::string(32, 'x'), "Caf\xe9", "dash-and-bang!"};
    for (const std::string& name : names)
        EXPECT_EQ(unstorableNameReason(name), "") << name;
}

TEST(ScriptName, ReservedSectionNamesAreRefusedInAnyCase) {
    for (const char* name : {"Config", "CONFIG", "config", "NumTags", "numtags"})
        EXPECT_NE(unstorableNameReason(name), "") << name;
}

TEST(ScriptName, NamesThatBreakTheFileOrLeaveTheFolderAreRefused) {
    const std::vector<std::string> names{
        "",        "a[b",         "a]b",    "a=b",     ";comment",   " lead", "trail ",
        "tab\tin", "line\nbreak", "..\\up", "sub/dir", "\"quoted\"", ".."};
    for (const std::string& name : names)
        EXPECT_NE(unstorableNameReason(name), "") << name;
}

TEST(ScriptName, BlanksInsideAndOtherSymbolsAreStorable) {
    // Save As accepts these; only the wizard is stricter.
    for (const char* name : {"Order Form", "a;b", "x.y", "what?", "semi;colon"})
        EXPECT_EQ(unstorableNameReason(name), "") << name;
}
