#include "vmcntrl/config/form_templates.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vmcntrl;

TEST(FormTemplateScan, ListsTitledTemplatesUpToTheFirstGapWithTheirPreviews) {
    TempDir home;
    std::filesystem::create_directory(home.file("template"));
    TempDir::write(home.file("template/0.fm"), "<!--Feedback form-->\r\n<INPUT NAME=\"a\">\r\n");
    TempDir::write(home.file("template/0.im"), "picture");
    TempDir::write(home.file("template/1.fm"), "no title comment\n");
    TempDir::write(home.file("template/2.fm"), "<!--Order form-->\n");
    TempDir::write(home.file("template/4.fm"), "<!--Beyond the gap-->\n");

    const std::vector<FormTemplate> templates = scanFormTemplates(home.path());
    ASSERT_EQ(templates.size(), 2u);
    EXPECT_EQ(templates[0].title, "Feedback form");
    EXPECT_EQ(templates[0].path, home.file("template/0.fm"));
    EXPECT_EQ(templates[0].preview, home.file("template/0.im"));
    EXPECT_EQ(templates[1].title, "Order form");
    EXPECT_EQ(templates[1].path, home.file("template/2.fm"));
    EXPECT_EQ(templates[1].preview, "");
}

TEST(FormTemplateScan, NoTemplateFolderGivesAnEmptyList) {
    TempDir home;
    EXPECT_TRUE(scanFormTemplates(home.path()).empty());
}

TEST(FormTemplateTitle, IsTheFirstLineWithoutItsCommentMarkers) {
    EXPECT_EQ(templateTitle("<!--Guest book-->"), "Guest book");
    EXPECT_EQ(templateTitle("<!---->"), "");
    // Short or unclosed comments give no negative lengths.
    EXPECT_EQ(templateTitle("<!--x"), "");
    EXPECT_EQ(templateTitle("<!--"), "");
    EXPECT_EQ(templateTitle(" <!--late-->"), std::nullopt);
    EXPECT_EQ(templateTitle(""), std::nullopt);
}
