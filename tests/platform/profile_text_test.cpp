#include "platform/profile_text.h"

#include <gtest/gtest.h>

using platform::ProfileText;

TEST(ProfileTextReading, EveryLineEndEndsALineAndTheByteOrderMarkIsSkipped) {
    ProfileText text("\xEF\xBB\xBF[A]\r\none=1\ntwo=2\rthree=3");
    EXPECT_EQ(text.value("A", "one"), "1");
    EXPECT_EQ(text.value("A", "two"), "2");
    EXPECT_EQ(text.value("A", "three"), "3");
    EXPECT_EQ(text.sectionNames(), std::vector<std::string>{"A"});
}

TEST(ProfileTextReading, NamesAndValuesAreTrimmedAndMatchedWithoutCase) {
    ProfileText text("  \t[  My Section ] trailing\n\t Key Name \t=  a = b \t\n");
    EXPECT_EQ(text.value("my section", "KEY NAME"), "a = b");
    EXPECT_EQ(text.sectionNames(), std::vector<std::string>{"My Section"});
    EXPECT_EQ(text.keyNames("MY SECTION"), std::vector<std::string>{"Key Name"});
}

TEST(ProfileTextReading, HeaderNameRunsToTheLastClosingBracket) {
    ProfileText text("[a]b]\nk=v\n");
    EXPECT_EQ(text.value("a]b", "k"), "v");
}

TEST(ProfileTextReading, LinesBeforeTheFirstHeaderFormTheUnnamedSection) {
    ProfileText text("top=1\n[S]\nk=2\n");
    EXPECT_EQ(text.value("", "top"), "1");
    EXPECT_EQ(text.value("S", "top"), std::nullopt);
}

TEST(ProfileTextReading, OnlyTheFirstSectionAndFirstKeyCount) {
    ProfileText text("[S]\nk=first\nK=second\n[s]\nk=third\nother=x\n");
    EXPECT_EQ(text.value("S", "k"), "first");
    EXPECT_EQ(text.value("S", "other"), std::nullopt);
    EXPECT_EQ(text.keyNames("s"), (std::vector<std::string>{"k", "K"}));
}

TEST(ProfileTextReading, OnePairOfMatchingQuotesIsDropped) {
    ProfileText text("[S]\na=\"x\"\nb='y'\nc=\"z'\nd=\"\nE=\"\"\"\"\nf=''\n");
    EXPECT_EQ(text.value("S", "a"), "x");
    EXPECT_EQ(text.value("S", "b"), "y");
    EXPECT_EQ(text.value("S", "c"), "\"z'");
    EXPECT_EQ(text.value("S", "d"), "\"");
    EXPECT_EQ(text.value("S", "e"), "\"\"");
    EXPECT_EQ(text.value("S", "f"), "");
}

TEST(ProfileTextReading, EmptyValueIsEmptyAndMissingKeysAreMissing) {
    ProfileText text("[S]\nempty=\nnoequals\n; comment=1\n");
    EXPECT_EQ(text.value("S", "empty"), "");
    EXPECT_EQ(text.value("S", "noequals"), std::nullopt);
    EXPECT_EQ(text.value("T", "empty"), std::nullopt);
    EXPECT_EQ(text.keyNames("S"), std::vector<std::string>{"empty"});
}

TEST(ProfileTextWriting, NewFileIsExactlyHeaderAndKey) {
    ProfileText text;
    EXPECT_TRUE(text.setValue("Section", "Key", "Value"));
    EXPECT_EQ(text.bytes(), "[Section]\r\nKey=Value\r\n");
}

TEST(ProfileTextWriting, ExistingKeyChangesInPlaceKeepingItsSpellingAndOtherBytes) {
    const std::string before = "; note\n\n[Sec]\r\n  MyKey = old ; x\nnext=1\r\n\r\n[Other]\nz=9";
    ProfileText text(before);
    EXPECT_TRUE(text.setValue("sec", "mykey", "new"));
    EXPECT_EQ(text.bytes(), "; note\n\n[Sec]\r\nMyKey=new\nnext=1\r\n\r\n[Other]\nz=9");
}

TEST(ProfileTextWriting, UnchangedValueLeavesTheTextUntouched) {
    ProfileText text("[S]\n k = same \n");
    EXPECT_FALSE(text.setValue("S", "K", "same"));
    EXPECT_FALSE(text.modified());
    EXPECT_EQ(text.bytes(), "[S]\n k = same \n");
}

TEST(ProfileTextWriting, NewKeyFollowsTheLastLineOfItsSection) {
    ProfileText text("[A]\na=1\n\n\n[B]\nb=1");
    text.setValue("A", "new", "2");
    text.setValue("B", "other", "3");
    EXPECT_EQ(text.bytes(), "[A]\na=1\nnew=2\r\n\n\n[B]\nb=1\r\nother=3\r\n");
}

TEST(ProfileTextWriting, NewSectionGoesAtTheEndWithoutABlankLine) {
    ProfileText text("[A]\na=1");
    text.setValue("B", "b", "2");
    EXPECT_EQ(text.bytes(), "[A]\na=1\r\n[B]\r\nb=2\r\n");
}

TEST(ProfileTextWriting, LeadingBlanksOfTheValueAreDroppedAndLineBreaksBecomeBlanks) {
    ProfileText text;
    text.setValue("S", "a", "   padded");
    text.setValue("S", "b", "two\r\nlines\n");
    EXPECT_EQ(text.bytes(), "[S]\r\na=padded\r\nb=two  lines \r\n");
}

TEST(ProfileTextWriting, RemovingAKeyOrSectionKeepsEveryOtherLine) {
    ProfileText text("[A]\na=1\nb=2\n[B]\nc=3\n; about C\n[C]\nd=4\n");
    EXPECT_TRUE(text.removeKey("a", "A"));
    EXPECT_TRUE(text.removeSection("b"));
    EXPECT_FALSE(text.removeKey("A", "missing"));
    EXPECT_FALSE(text.removeSection("missing"));
    EXPECT_EQ(text.bytes(), "[A]\nb=2\n[C]\nd=4\n");
}

TEST(ProfileTextWriting, RemovingAFirstKeyUncoversAFollowingDuplicate) {
    ProfileText text("[A]\nk=1\nk=2\n");
    text.removeKey("A", "k");
    EXPECT_EQ(text.value("A", "k"), "2");
}

TEST(ProfileQuoting, QuotedValuesComeBackExactlyAsWritten) {
    const std::vector<std::string> values = {"  ",       " lead",   "trail ", "\"both\"", "'single'",
                                             "plain",    "",        "\"",     "a\"b\"",  "\t"};
    for (const std::string& v : values) {
        ProfileText text;
        text.setValue("S", "k", platform::quoteForProfile(v));
        EXPECT_EQ(ProfileText(text.bytes()).value("S", "k"), v) << "value [" << v << "]";
    }
    EXPECT_EQ(platform::quoteForProfile("plain"), "plain");
}

// Every line that is not blank or a header names a key for a lookup, as in Windows: a line
// without "=" has no value, and a comment line is found under its name with the ";".
TEST(ProfileTextWindowsLookups, ALineWithoutEqualsHidesLaterEntriesOfItsKey) {
    ProfileText text("[s]\nk\nk=1\n");
    EXPECT_EQ(text.value("s", "k"), std::nullopt);
    EXPECT_EQ(text.keyNames("s"), std::vector<std::string>{"k"}) << "only lines with = are listed";
    EXPECT_TRUE(text.setValue("s", "K", "v"));
    EXPECT_EQ(text.bytes(), "[s]\nk=v\nk=1\n");
    EXPECT_EQ(ProfileText(text.bytes()).value("s", "k"), "v");

    ProfileText removed("[s]\n  k  \nk=1\n");
    EXPECT_TRUE(removed.removeKey("s", "k"));
    EXPECT_EQ(removed.bytes(), "[s]\nk=1\n");
    EXPECT_EQ(removed.value("s", "k"), "1");
}

TEST(ProfileTextWindowsLookups, CommentLinesAreFoundByNameButNeverListed) {
    ProfileText text("[s]\n;k=1\n; note\nreal=2\n");
    EXPECT_EQ(text.value("s", ";k"), "1");
    EXPECT_EQ(text.value("s", "; note"), std::nullopt);
    EXPECT_EQ(text.value("s", "k"), std::nullopt);
    EXPECT_EQ(text.keyNames("s"), std::vector<std::string>{"real"});
    EXPECT_TRUE(text.setValue("s", ";k", "3"));
    EXPECT_EQ(text.bytes(), "[s]\n;k=3\n; note\nreal=2\n");
}

TEST(ProfileTextWindowsLookups, AnEmptyFirstKeyNameIsListed) {
    ProfileText text("[s]\n=x\na=1\n");
    EXPECT_EQ(text.keyNames("s"), (std::vector<std::string>{"", "a"}));
    EXPECT_EQ(text.value("s", ""), "x");
}

// The lines before the first header are the section with the empty name: always there,
// never listed, and where a write into that section goes.
TEST(ProfileTextWindowsLookups, TheUnnamedSectionIsTheTopOfTheFile) {
    ProfileText fresh;
    EXPECT_TRUE(fresh.setValue("", "k", "v"));
    EXPECT_EQ(fresh.bytes(), "k=v\r\n");
    EXPECT_TRUE(fresh.sectionNames().empty());

    ProfileText headed("\xEF\xBB\xBF; top\n\n[S]\nk=2\n[]\ninner=1\n");
    EXPECT_TRUE(headed.setValue(" ", "n", "v"));
    EXPECT_EQ(headed.bytes(), "\xEF\xBB\xBF; top\nn=v\r\n\n[S]\nk=2\n[]\ninner=1\n");
    EXPECT_EQ(headed.sectionNames(), std::vector<std::string>{"S"});
    EXPECT_EQ(headed.value("", "n"), "v");
    EXPECT_EQ(headed.value("", "inner"), std::nullopt) << "an empty header is the same name";

    ProfileText onlyHeader("[S]\nk=1\n");
    EXPECT_TRUE(onlyHeader.setValue("", "top", "1"));
    EXPECT_EQ(onlyHeader.bytes(), "top=1\r\n[S]\nk=1\n");
    EXPECT_TRUE(onlyHeader.removeSection(""));
    EXPECT_FALSE(onlyHeader.removeSection("")) << "removing an empty top changes nothing";
    EXPECT_EQ(onlyHeader.bytes(), "[S]\nk=1\n");
}

TEST(ProfileTextWindowsLookups, LineBreaksInNamesAreBlanksWhenLookingUpToo) {
    ProfileText text;
    EXPECT_TRUE(text.setValue("my\nsection", "a\r\nkey", "v"));
    EXPECT_EQ(text.bytes(), "[my section]\r\na  key=v\r\n");
    EXPECT_EQ(text.value("my\nsection", "a\r\nkey"), "v");
}

// A write is stored only when its line reads back as that key with that value; otherwise
// it is refused with a reason and changes nothing.
TEST(ProfileTextRefusals, WritesThatWouldBreakTheStructureAreRefusedWithAReason) {
    const std::string before = "[s]\n[k=1\nnext=2\n";
    ProfileText text(before);
    EXPECT_FALSE(text.setValue("s", "[k", "x]"));
    ASSERT_TRUE(text.refusal());
    EXPECT_NE(text.refusal()->find("section header"), std::string::npos) << *text.refusal();
    EXPECT_FALSE(text.setValue("s", "a=b", "c"));
    EXPECT_FALSE(text.setValue("s", "[new]", "c"));
    EXPECT_FALSE(text.setValue("t", "[new", "]"));
    EXPECT_FALSE(text.modified());
    EXPECT_EQ(text.bytes(), before);
    EXPECT_EQ(text.value("s", "next"), "2");

    ProfileText keyWithEquals;
    EXPECT_FALSE(keyWithEquals.setValue("s", "a=b", "c"));
    EXPECT_NE(keyWithEquals.refusal()->find("\"=\""), std::string::npos) << *keyWithEquals.refusal();
    EXPECT_EQ(keyWithEquals.bytes(), "");
}

TEST(ProfileTextRefusals, TheFirstReasonStaysForTheWholeBatch) {
    ProfileText text;
    EXPECT_FALSE(text.setValue("s", "a=b", "1"));
    EXPECT_TRUE(text.setValue("s", "fine", "2"));
    EXPECT_FALSE(text.setValue("s", "[x]", "3"));
    ASSERT_TRUE(text.refusal());
    EXPECT_NE(text.refusal()->find("a=b"), std::string::npos) << *text.refusal();
    EXPECT_EQ(text.refusalFor("s", "fine", "x]"), std::nullopt);
    EXPECT_TRUE(text.refusalFor("s", "[x", "x]"));
}

TEST(ProfileTextRefusals, AwkwardButStorableNamesAreStoredAndReadBack) {
    const std::vector<std::pair<std::string, std::string>> writes = {
        {"[k", "x"},       {";k", "v"},  {"  padded  ", "v"}, {"k]", "x]"},
        {"", "empty name"}, {"a;b", "=="}, {"'q'", "\"v\""},
    };
    for (const auto& [key, value] : writes) {
        ProfileText text("[s]\nother=1\n");
        EXPECT_TRUE(text.setValue("s", key, value)) << key;
        const ProfileText reread(text.bytes());
        EXPECT_EQ(reread.storedValue("s", key), value) << key;
        EXPECT_EQ(reread.value("s", "other"), "1") << key;
    }
    for (const std::string section : {"a]b", "]", "[", " spaced ", ";c", "x=y"}) {
        ProfileText text;
        EXPECT_TRUE(text.setValue(section, "k", "v")) << section;
        EXPECT_EQ(ProfileText(text.bytes()).value(section, "k"), "v") << section;
    }
}

TEST(ProfileTextRefusals, AKeyThatWouldReadAsAByteOrderMarkIsRefusedOnlyAtTheStart) {
    const std::string mark = "\xEF\xBB\xBF";
    ProfileText empty;
    EXPECT_FALSE(empty.setValue("", mark + "k", "v"));
    ProfileText marked(mark + "a=1\n");
    EXPECT_TRUE(marked.setValue("", mark + "k", "v"));
    EXPECT_EQ(ProfileText(marked.bytes()).value("", mark + "k"), "v");
    ProfileText later("a=1\n");
    EXPECT_TRUE(later.setValue("", mark + "k", "v"));
    EXPECT_EQ(ProfileText(later.bytes()).value("", mark + "k"), "v");
}

TEST(ProfileTextSharing, CopiesShareTheLinesUntilOneIsEdited) {
    const ProfileText original("[s]\nk=1\n");
    ProfileText copy = original;
    EXPECT_TRUE(copy.setValue("s", "k", "2"));
    EXPECT_EQ(original.value("s", "k"), "1");
    EXPECT_EQ(copy.value("s", "k"), "2");
    EXPECT_FALSE(original.modified());
    EXPECT_TRUE(original.hasBytes("[s]\nk=1\n"));
    EXPECT_FALSE(original.hasBytes("[s]\nk=1"));
    EXPECT_FALSE(copy.hasBytes("[s]\nk=1\n"));
}
