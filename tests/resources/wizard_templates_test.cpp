// The shipped templates as the Script Wizard's own code reads them: every one is offered with
// its title and preview, and a data form built from it numbers E-Mail "00E-Mail", which the
// processor's letter to the user looks for, while the template keys read back unnumbered.

#include "shipped_files.h"
#include "vmcntrl/config/form_templates.h"
#include "vmcntrl/config/form_writer.h"
#include "vmcntrl/config/template_keys.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(WizardTemplates, WizardOffersEveryShippedTemplateWithItsPreview) {
    const auto offered = vmcntrl::scanFormTemplates(shipped::vmcntrlHome());
    std::vector<std::string> titles;
    for (const auto &t : offered) {
        titles.push_back(t.title);
        EXPECT_FALSE(t.preview.empty()) << t.title << " has no preview";
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Feedback form", "Contact form", "Order form", "Guest book",
                                                "Mailing list sign-up"}));
}

TEST(WizardTemplates, DataFormsNumberEMailFirstAndKeysReadBackPlain) {
    for (const auto &t : vmcntrl::scanFormTemplates(shipped::vmcntrlHome())) {
        SCOPED_TRACE(t.title);
        const auto text = shipped::read(t.path);
        ASSERT_TRUE(text);
        const auto form = vmcntrl::formFileText(*text, "Shop", "/scripts/", false, vmcntrl::WizardSaveStyle::Data);
        EXPECT_NE(form.bytes.find("<FORM METHOD=\"POST\" ACTION=\"/scripts/vellum.exe/Shop\">"), std::string::npos);
        EXPECT_NE(form.bytes.find("NAME=\"00E-Mail\""), std::string::npos);
        EXPECT_EQ(form.dataHeader.rfind("\"E-Mail\",\"", 0), 0u) << form.dataHeader;

        const auto keys = vmcntrl::buildTemplateKeys(form.bytes, false);
        ASSERT_GT(keys.keys.size(), 9u);
        EXPECT_EQ(keys.keys.front(), "^E-Mail^");
        EXPECT_EQ(keys.formTitle, "Shop");
        // One key per field: the form's own fields come before the nine transaction keys,
        // and each header column has its key.
        const auto columns = static_cast<std::size_t>(std::count(form.dataHeader.begin(), form.dataHeader.end(), ',') + 1);
        EXPECT_EQ(keys.keys.size() - 9, columns);
    }
}
