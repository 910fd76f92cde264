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
