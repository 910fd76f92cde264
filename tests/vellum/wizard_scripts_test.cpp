// Scripts exactly as the control panel writes them: made with its Script Wizard (the batch
// verb on the same core) from a shipped form template, and files from its pickers'
// skeletons, then run through the processor.
#include "vellum_home.h"

#include "vellum/processor.h"
#include "vmcntrl/config/batch_verbs.h"
#include "vmcntrl/config/command_line.h"
#include "vmcntrl/config/skeletons.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

namespace {

class WizardScripts : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* dir : {"template", "FORMS", "SAVED"})
            std::filesystem::create_directory(home.file(dir));
        std::filesystem::copy_file(std::string(VELLUM_FORM_TEMPLATES) + "/0.fm",
                                   home.file("template/0.fm"));
    }

    void wizard(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path()});
        const vmcntrl::CommandLine line = vmcntrl::parseCommandLine(args);
        ASSERT_EQ(line.error, "");
        std::ostringstream out, err;
        ASSERT_EQ(vmcntrl::wizardVerb(home.path(), line, out, err), 0) << err.str();
    }

    vellum::CgiResponse request(const std::string& method, const std::string& body = {}) {
        std::istringstream in(body);
        vellum::ProcessorContext context;
        context.home = home.path();
        context.request.method = method;
        context.request.pathInfo = "/Feedback";
        context.request.contentType = "application/x-www-form-urlencoded";
        context.request.contentLength = std::to_string(body.size());
        context.request.remoteAddress = "127.0.0.1";
        context.request.referer = "http://127.0.0.1:8080/scripts/vellum.exe/Feedback";
        context.body = &in;
        context.now = std::chrono::system_clock::now();
        context.mail = &mail;
        return vellum::processRequest(context);
    }

    VellumHome home;
    RecordingTransport mail;
};

} // namespace

TEST_F(WizardScripts, ADataScriptServesItsFormAndSavesRowsUnderTheWizardsHeader) {
    wizard({"--wizard", "Feedback", "--template", "0", "--save", "data"});
    const vellum::CgiResponse form = request("GET");
    EXPECT_EQ(form.status, 200);
    EXPECT_EQ(form.body, home.read("FORMS/Feedback.html"));
    ASSERT_NE(form.body.find("NAME=\"04Comments\""), std::string::npos);

    // The fields as a browser sends this form: in form order, the submit button unnamed.
    EXPECT_EQ(request("POST", "00E-Mail=ann%40example.org&01Name=Ann&02Rating=Good&"
                              "03Topic=Suggestion&04Comments=More+%22pictures%22")
                  .status,
              200);
    EXPECT_EQ(home.read("SAVED/Feedback.csv"),
              "\"E-Mail\",\"Name\",\"Rating\",\"Topic\",\"Comments\"\r\n"
              "\"ann@example.org\",\"Ann\",\"Good\",\"Suggestion\",\"More \"\"pictures\"\"\"\r\n");
}

TEST_F(WizardScripts, ATextScriptAppendsBelowTheWizardsHeaderLines) {
    wizard({"--wizard", "Feedback", "--template", "0", "--save", "text"});
    EXPECT_EQ(request("POST", "E-Mail=ann%40example.org&Name=Ann").status, 200);
    const std::string text = home.read("SAVED/Feedback.txt");
    EXPECT_EQ(text.substr(0, text.find("E-Mail: ")),
              "*Output file for Feedback script*\r\n*You may remove or change this header*\r\n"
              "*Submitted Data will be appended to the end of this file*\r\n");
    EXPECT_NE(text.find("E-Mail: ann@example.org\r\nName: Ann\r\nDate: "), std::string::npos);
}

TEST_F(WizardScripts, CopyToFromAndSubjectGoIntoTheMail) {
    home.setConfig("MailServer", "127.0.0.1:2525");
    home.setConfig("From", "forms@example.com");
    wizard({"--wizard", "Feedback", "--template", "0", "--save", "none", "--copy-to",
            "office@example.com", "--from", "Feedback Form", "--subject", "New feedback"});
    EXPECT_EQ(request("POST", "E-Mail=ann%40example.org&Name=Ann").status, 200);
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0].recipients, (std::vector<std::string>{"office@example.com"}));
    EXPECT_NE(mail.sent[0].message.find("From: \"Feedback Form\" <forms@example.com>\r\n"),
              std::string::npos);
    EXPECT_NE(mail.sent[0].message.find("Subject: New feedback\r\n"), std::string::npos);
}

TEST_F(WizardScripts, ASendToUrlScriptRedirects) {
    wizard({"--wizard", "Feedback", "--template", "0", "--save", "none", "--url",
            "http://example.com/thanks.html"});
    const vellum::CgiResponse response = request("POST", "Name=Ann");
    EXPECT_EQ(response.status, 302);
    EXPECT_EQ(response.header("Location"), "http://example.com/thanks.html");
}

TEST_F(WizardScripts, TheEditorsSkeletonsWorkAsOutputFileAndTemplates) {
    wizard({"--wizard", "Feedback", "--template", "0", "--save", "none"});
    home.write("SAVED/Feedback.html",
               vmcntrl::outputFileSkeleton(vmcntrl::OutputFileKind::Template, "Feedback"));
    home.write("template/entry.html",
               vmcntrl::templateSkeleton(vmcntrl::TemplateKind::OutputEntries, "Feedback") +
                   "<P>^Name^ on ^vmDate^</P>\r\n");
    home.write("template/conf.html",
               vmcntrl::templateSkeleton(vmcntrl::TemplateKind::Confirmation, "Feedback"));
    vmcntrl::ScriptRecord r = home.ini().readScript("Feedback");
    r.OutputStyle = "Template";
    r.Append = "Top";
    r.Archive = home.file("SAVED/Feedback.html");
    r.OutputTemplate = home.file("template/entry.html");
    r.SendConf = home.file("template/conf.html");
    home.addScript("Feedback", r);

    const vellum::CgiResponse response = request("POST", "Name=Ann");
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.body.find('#'), std::string::npos) << "the comment block is dropped";
    EXPECT_NE(response.body.find("<TITLE>Send to Browser Template for Feedback Script</TITLE>"),
              std::string::npos);
    const std::string archive = home.read("SAVED/Feedback.html");
    const std::size_t entry = archive.find("<P>Ann on ");
    ASSERT_NE(entry, std::string::npos) << archive;
    EXPECT_LT(entry, archive.find("<!--footer-->\r\n"));
    EXPECT_EQ(home.errorLog(), "");
}
