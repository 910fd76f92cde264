#include "tessaly/generator/applet_fragment.h"

#include <gtest/gtest.h>

using namespace tessaly;

namespace {

Document twoLinks(const char* linkType) {
    Document d;
    d.links.append("One", "a.htm", "_self");
    d.links.append("Two", "b.htm", "_top");
    d.properties = AppletProperties::initial();
    d.properties[Property::LinkType] = linkType;
    applySizeDefaults(d.properties);
    return d;
}

} // namespace

TEST(AppletFragment, ScrollListExampleComesOutByteForByte) {
    EXPECT_EQ(*appletFragment(twoLinks("Scroll list")),
              "<APPLET CODE=\"MultiList\" WIDTH=310 HEIGHT=60\r\n"
              "ALIGN=Left>\r\n"
              "<!--This applet was created by Tessaly v1.2-->\r\n"
              "<PARAM NAME=\"multidest\" VALUE=\"a.htm, b.htm\">\r\n"
              "<PARAM NAME=\"multidescription\" VALUE=\"One,Two\">\r\n"
              "<PARAM NAME=\"frames\" VALUE=\"_self,_top\">\r\n"
              "<PARAM NAME=\"font\" VALUE=\"Helvetica\">\r\n"
              "<PARAM NAME=\"fontsize\" VALUE=\"10\">\r\n"
              "<PARAM NAME=\"fontstyle\" VALUE=\"Normal\">\r\n"
              "<PARAM NAME=\"colour\" VALUE=\"0\">\r\n"
              "<PARAM NAME=\"background\" VALUE=\"8421504\">\r\n"
              "<PARAM NAME=\"sizewidth\" VALUE=\"100\">\r\n"
              "<PARAM NAME=\"sizeheight\" VALUE=\"50\">\r\n"
              "This browser is unable to view Java applets.\r\n"
              "</APPLET>\r\n");
}

TEST(AppletFragment, ForBrowsersWithoutJavaTheScriptLineComesBeforeTheFallbackText) {
    EXPECT_EQ(*appletFragment(twoLinks("Scroll list"), true),
              "<APPLET CODE=\"MultiList\" WIDTH=310 HEIGHT=60\r\n"
              "ALIGN=Left>\r\n"
              "<!--This applet was created by Tessaly v1.2-->\r\n"
              "<PARAM NAME=\"multidest\" VALUE=\"a.htm, b.htm\">\r\n"
              "<PARAM NAME=\"multidescription\" VALUE=\"One,Two\">\r\n"
              "<PARAM NAME=\"frames\" VALUE=\"_self,_top\">\r\n"
              "<PARAM NAME=\"font\" VALUE=\"Helvetica\">\r\n"
              "<PARAM NAME=\"fontsize\" VALUE=\"10\">\r\n"
              "<PARAM NAME=\"fontstyle\" VALUE=\"Normal\">\r\n"
              "<PARAM NAME=\"colour\" VALUE=\"0\">\r\n"
              "<PARAM NAME=\"background\" VALUE=\"8421504\">\r\n"
              "<PARAM NAME=\"sizewidth\" VALUE=\"100\">\r\n"
              "<PARAM NAME=\"sizeheight\" VALUE=\"50\">\r\n"
              "<SCRIPT SRC=\"tessaly.js\"></SCRIPT>\r\n"
              "This browser is unable to view Java applets.\r\n"
              "</APPLET>\r\n");

    // Every kind, with sound, odd colours and quoted items: the one line is all that differs.
    const std::string line = "<SCRIPT SRC=\"tessaly.js\"></SCRIPT>\r\n";
    for (const char* type : {"Pull down list", "Scroll list", "Window list"}) {
        Document d = twoLinks(type);
        d.links.append("Say \"hi\", then go", "c.htm?a=1,b=2", "");
        d.properties[Property::Sound] = "C:\\snd\\ding.au";
        d.properties[Property::TextColour] = "";
        const std::string off = *appletFragment(d);
        const std::string on = *appletFragment(d, true);
        const std::size_t fallback = off.find("This browser is unable to view Java applets.\r\n");
        ASSERT_NE(fallback, std::string::npos) << type;
        EXPECT_EQ(on, off.substr(0, fallback) + line + off.substr(fallback)) << type;
        EXPECT_EQ(*appletFragment(d, false), off) << type;
        EXPECT_EQ(off.find("SCRIPT"), std::string::npos) << type;
    }
}

TEST(AppletFragment, PullDownListHasNoSizeLinesAndNamesItsDescriptionsSo) {
    Document d = twoLinks("Pull down list");
    d.properties[Property::Alignment] = "Absmiddle";
    d.properties[Property::FontStyle] = "Bold+Italic";
    const std::string out = *appletFragment(d);
    EXPECT_EQ(out.rfind("<APPLET CODE=\"multdesc\" WIDTH=310 HEIGHT=60\r\nALIGN=Absmiddle>\r\n", 0),
              0u);
    EXPECT_NE(out.find("<PARAM NAME=\"descriptions\" VALUE=\"One,Two\">\r\n"), std::string::npos);
    EXPECT_NE(out.find("VALUE=\"Bold+Italic\""), std::string::npos);
    EXPECT_EQ(out.find("sizewidth"), std::string::npos);
    EXPECT_EQ(out.find("sizeheight"), std::string::npos);
}

TEST(AppletFragment, WindowListUsesFramerWithSizes) {
    const std::string out = *appletFragment(twoLinks("Window list"));
    EXPECT_EQ(out.rfind("<APPLET CODE=\"framer\"", 0), 0u);
    EXPECT_NE(out.find("<PARAM NAME=\"descriptions\""), std::string::npos);
    EXPECT_NE(out.find("<PARAM NAME=\"sizeheight\" VALUE=\"50\">"), std::string::npos);
}

TEST(AppletFragment, ItemsAreJoinedUnchangedExceptDoubleQuotes) {
    Document d;
    d.properties = AppletProperties::initial();
    d.links.append("Fish, chips", " b.htm", "");
    d.links.append("", "say \"x\".htm", "_top");
    d.links.append("Three", "c.htm", "");
    const std::string out = *appletFragment(d);
    EXPECT_NE(out.find("VALUE=\" b.htm, say &quot;x&quot;.htm, c.htm\">"), std::string::npos);
    EXPECT_NE(out.find("VALUE=\"Fish, chips,,Three\">"), std::string::npos);
    EXPECT_NE(out.find("<PARAM NAME=\"frames\" VALUE=\",_top,\">"), std::string::npos);
}

TEST(AppletFragment, ColoursAreDecimalAndUnreadableOnesAreLeftOut) {
    EXPECT_EQ(colourValue("HFFFFFF"), "16777215");
    EXPECT_EQ(colourValue("HFF0000"), "16711680");
    EXPECT_EQ(colourValue("h0000ff"), "255");
    EXPECT_EQ(colourValue("HFFFFFFFF"), "-1");
    EXPECT_EQ(colourValue(""), std::nullopt);
    EXPECT_EQ(colourValue("H"), std::nullopt);
    EXPECT_EQ(colourValue("808080"), std::nullopt);
    EXPECT_EQ(colourValue("HGG0000"), std::nullopt);
    EXPECT_EQ(colourValue("H123456789"), std::nullopt);

    Document d = twoLinks("Scroll list");
    d.properties[Property::TextColour] = "";
    d.properties[Property::BackgroundColour] = "blue";
    const std::string out = *appletFragment(d);
    EXPECT_EQ(out.find("colour"), std::string::npos);
    EXPECT_EQ(out.find("background"), std::string::npos);
}

TEST(AppletFragment, SoundLineCarriesTheFileNameOnly) {
    Document d = twoLinks("Scroll list");
    EXPECT_EQ(appletFragment(d)->find("sound"), std::string::npos);
    d.properties[Property::Sound] = "C:\\snd\\ding.au";
    const std::string out = *appletFragment(d);
    EXPECT_NE(out.find("<PARAM NAME=\"background\" VALUE=\"8421504\">\r\n"
                       "<PARAM NAME=\"sound\" VALUE=\"ding.au\">\r\n"
                       "<PARAM NAME=\"sizewidth\""),
              std::string::npos);
}

TEST(AppletFragment, UnknownLinkTypeGivesNoFragment) {
    EXPECT_EQ(appletFragment(twoLinks("scroll list")), std::nullopt);
    EXPECT_EQ(appletFragment(twoLinks("")), std::nullopt);
}

TEST(AppletFragment, SizeDefaultsFillOnlyEmptySizes) {
    AppletProperties p;
    p[Property::AppletHeight] = "99";
    applySizeDefaults(p);
    EXPECT_EQ(p[Property::AppletWidth], "310");
    EXPECT_EQ(p[Property::AppletHeight], "99");
    EXPECT_EQ(p[Property::ListWidth], "100");
    EXPECT_EQ(p[Property::ListHeight], "50");
}
