// The processor driven the way the web server runs it: a CGI environment, a body on
// standard input, and the response it writes.
#include "vellum_home.h"

#include "vellum/processor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

using vellum::CgiResponse;
using vmcntrl::ScriptRecord;

namespace {

class ProcessorTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.write("Feedback.html", "<FORM METHOD=\"POST\"><INPUT NAME=\"00E-Mail\"></FORM>\r\n");
        home.write("Feedback.csv", "\"E-Mail\",\"Name\"\r\n");
        ScriptRecord r;
        r.Form = home.file("Feedback.html");
        r.Archive = home.file("Feedback.csv");
        r.OutputStyle = "Comma";
        r.Confirm = "yes";
        r.SendConf = "Default";
        r.Locked = "False";
        home.addScript("Feedback", r);
        home.setConfig("MailServer", "127.0.0.1:2525");
        home.setConfig("From", "forms@example.com");
    }

    ScriptRecord feedback() { return home.ini().readScript("Feedback"); }
    void update(const ScriptRecord& r) { home.addScript("Feedback", r); }

    CgiResponse get(const std::string& path) {
        vellum::CgiRequest request;
        request.method = "GET";
        request.pathInfo = path;
        request.remoteAddress = "198.51.100.7";
        return run(request, "");
    }

    CgiResponse post(const std::string& path, const std::string& body,
                     const std::string& type = "application/x-www-form-urlencoded",
                     const std::string& referer = "http://example.com/FORMS/Feedback.html") {
        vellum::CgiRequest request;
        request.method = "POST";
        request.pathInfo = path;
        request.contentType = type;
        request.contentLength = std::to_string(body.size());
        request.referer = referer;
        request.remoteAddress = "198.51.100.7";
        return run(request, body);
    }

    CgiResponse run(const vellum::CgiRequest& request, const std::string& body) {
        std::istringstream in(body);
        vellum::ProcessorContext context;
        context.home = home.path();
        context.request = request;
        context.body = &in;
        context.now = std::chrono::system_clock::now();
        context.mail = &mail;
        return vellum::processRequest(context);
    }

    // The one line error.log holds, or a failure.
    std::string onlyErrorLine() {
        const std::string log = home.errorLog();
        EXPECT_EQ(countOf(log, "\r\n"), 1u) << log;
        return log;
    }

    VellumHome home;
    RecordingTransport mail;
};

} // namespace

TEST_F(ProcessorTest, GetAnswersWithTheScriptsForm) {
    const CgiResponse response = get("/Feedback");
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.header("Content-Type"), "text/html");
    EXPECT_EQ(response.body, home.read("Feedback.html"));
    EXPECT_EQ(home.errorLog(), "");
}

TEST_F(ProcessorTest, UnknownOrPathLikeScriptNamesAre404WithALogLine) {
    for (const char* path : {"/Nothing", "/../vellum.ini", "/Feedback/../../etc/passwd", "/", ""}) {
        SCOPED_TRACE(path);
        home.write("error.log", "");
        const CgiResponse response = get(path);
        EXPECT_EQ(response.status, 404);
        EXPECT_NE(response.body.find("404 Not Found"), std::string::npos);
        const std::string line = onlyErrorLine();
        EXPECT_NE(line.find("198.51.100.7\tNo such script"), std::string::npos) << line;
    }
}

TEST_F(ProcessorTest, AScriptWithoutAReadableFormIs404OnGet) {
    ScriptRecord r = feedback();
    r.Form = home.file("gone.html");
    update(r);
    EXPECT_EQ(get("/Feedback").status, 404);
    EXPECT_NE(onlyErrorLine().find("gone.html"), std::string::npos);
}

TEST_F(ProcessorTest, PostSavesTheRowAndConfirms) {
    const CgiResponse response = post("/feedback", "00E-Mail=a%40b.org&01Name=Ann");
    EXPECT_EQ(response.status, 200);
    EXPECT_NE(response.body.find("<td>a@b.org</td>"), std::string::npos) << response.body;
    EXPECT_NE(response.body.find("<th align=\"left\">Name</th><td>Ann</td>"), std::string::npos);
    EXPECT_EQ(home.read("Feedback.csv"), "\"E-Mail\",\"Name\"\r\n\"a@b.org\",\"Ann\"\r\n");
    EXPECT_EQ(home.errorLog(), "");
    EXPECT_TRUE(mail.sent.empty()) << "the script sends no mail";
}

TEST_F(ProcessorTest, MultipartPostsAreSavedToo) {
    const std::string body = "--b\r\nContent-Disposition: form-data; name=\"01Name\"\r\n\r\nBo\r\n"
                             "--b\r\nContent-Disposition: form-data; name=\"00E-Mail\"\r\n\r\n"
                             "b@c.org\r\n--b--\r\n";
    EXPECT_EQ(post("/Feedback", body, "multipart/form-data; boundary=b").status, 200);
    EXPECT_EQ(home.read("Feedback.csv"), "\"E-Mail\",\"Name\"\r\n\"b@c.org\",\"Bo\"\r\n");
}

TEST_F(ProcessorTest, RefusalsWriteNothingButOneLogLineEach) {
    struct Case {
        int status;
        std::string body, type, contentLength, logged;
    };
    const std::vector<Case> cases{
        {413, "", "application/x-www-form-urlencoded", std::to_string(2 * 1024 * 1024),
         "Request body larger than 1 MiB"},
        {400, "a=%zz", "application/x-www-form-urlencoded", "5", "bad %-escape"},
        {400, "a=1", "text/plain", "3", "Unsupported content type: text/plain"},
        {400, "a=1", "application/x-www-form-urlencoded", "12", "shorter than its Content-Length"},
        {400, "--x\r\n", "multipart/form-data; boundary=x", "5", "Malformed form data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.logged);
        home.write("error.log", "");
        vellum::CgiRequest request;
        request.method = "POST";
        request.pathInfo = "/Feedback";
        request.contentType = c.type;
        request.contentLength = c.contentLength;
        request.remoteAddress = "198.51.100.7";
        EXPECT_EQ(run(request, c.body).status, c.status);
        const std::string line = onlyErrorLine();
        EXPECT_NE(line.find("\tFeedback\t198.51.100.7\t"), std::string::npos) << line;
        EXPECT_NE(line.find(c.logged), std::string::npos) << line;
        EXPECT_EQ(home.read("Feedback.csv"), "\"E-Mail\",\"Name\"\r\n");
    }
}

TEST_F(ProcessorTest, ALockedScriptRefusesOtherPagesWith403) {
    ScriptRecord r = feedback();
    r.Locked = "True";
    update(r);
    const CgiResponse refused = post("/Feedback", "00E-Mail=x", "application/x-www-form-urlencoded",
                                     "http://evil.example/copy.html");
    EXPECT_EQ(refused.status, 403);
    EXPECT_NE(refused.body.find("This form may not run this script"), std::string::npos);
    EXPECT_NE(onlyErrorLine().find("evil.example/copy.html"), std::string::npos);
    EXPECT_EQ(home.read("Feedback.csv"), "\"E-Mail\",\"Name\"\r\n");

    EXPECT_EQ(post("/Feedback", "00E-Mail=x").status, 200);
    EXPECT_EQ(post("/Feedback", "00E-Mail=y", "application/x-www-form-urlencoded",
                   "http://127.0.0.1:8080/scripts/vellum.exe/Feedback")
                  .status,
              200);
    EXPECT_EQ(countOf(home.read("Feedback.csv"), "\r\n"), 3u);
}

TEST_F(ProcessorTest, SendToUrlRedirectsWithTheWindowTarget) {
    ScriptRecord r = feedback();
    r.Confirm = "no";
    r.SendURL = "http://example.com/thanks.html";
    r.Target = "_top";
    update(r);
    const CgiResponse response = post("/Feedback", "00E-Mail=x");
    EXPECT_EQ(response.status, 302);
    EXPECT_EQ(response.header("Location"), "http://example.com/thanks.html");
    EXPECT_EQ(response.header("Window-target"), "_top");
    const std::string out = vellum::cgiOutput(response);
    EXPECT_EQ(out.substr(0, out.find("\r\n")), "Status: 302 Found");
    EXPECT_NE(out.find("\r\nLocation: http://example.com/thanks.html\r\n"), std::string::npos);
}

TEST_F(ProcessorTest, AConfirmationTemplateIsFilledWithEscapedValues) {
    home.write("conf.html",
               "# Confirmation Template\r\n<P>Thanks, ^Name^ (^vmRemoteAddress^)</P>\r\n");
    ScriptRecord r = feedback();
    r.Confirm = "Yes";
    r.SendConf = home.file("conf.html");
    update(r);
    const CgiResponse response = post("/Feedback", "01Name=%3Cb%3EAnn");
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.body, "<P>Thanks, &lt;b&gt;Ann (198.51.100.7)</P>\r\n");
}

TEST_F(ProcessorTest, AMissingConfirmationTemplateFallsBackToTheSimplePageAndIsLogged) {
    ScriptRecord r = feedback();
    r.SendConf = home.file("missing.html");
    update(r);
    const CgiResponse response = post("/Feedback", "01Name=Ann");
    EXPECT_EQ(response.status, 200);
    EXPECT_NE(response.body.find("Thank you"), std::string::npos);
    EXPECT_NE(onlyErrorLine().find("missing.html"), std::string::npos);
}

TEST_F(ProcessorTest, AnEntryThatCannotBeSavedIs500AndLogged) {
    ScriptRecord r = feedback();
    r.Archive = home.file("no/such/dir/F.csv");
    update(r);
    EXPECT_EQ(post("/Feedback", "01Name=Ann").status, 500);
    EXPECT_NE(onlyErrorLine().find("Entry not saved"), std::string::npos);
}

TEST_F(ProcessorTest, AMailFailureKeepsTheEntryAndTheResponseAndSetsMailErr) {
    ScriptRecord r = feedback();
    r.To = "office@example.com";
    update(r);
    mail.failWith = "Couldn't connect to server";
    const CgiResponse response = post("/Feedback", "00E-Mail=a%40b.org&01Name=Ann");
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(home.read("Feedback.csv"), "\"E-Mail\",\"Name\"\r\n\"a@b.org\",\"Ann\"\r\n");
    EXPECT_EQ(home.config("MailErr"), "1");
    const std::string log = home.mailLog();
    EXPECT_EQ(countOf(log, "\r\n"), 1u);
    EXPECT_NE(log.find("office@example.com\tFAILED: Couldn't connect to server"), std::string::npos)
        << log;
    EXPECT_EQ(home.config("MailServer"), "127.0.0.1:2525") << "the rest of Config stays";
}

TEST_F(ProcessorTest, MailThatGoesOutLeavesMailErrAlone) {
    ScriptRecord r = feedback();
    r.To = "office@example.com";
    update(r);
    EXPECT_EQ(post("/Feedback", "01Name=Ann").status, 200);
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0].server, "127.0.0.1:2525");
    EXPECT_EQ(home.config("MailErr"), "");
    EXPECT_NE(home.mailLog().find("\tsent"), std::string::npos);
}

TEST_F(ProcessorTest, OtherMethodsAre405) {
    vellum::CgiRequest request;
    request.method = "DELETE";
    request.pathInfo = "/Feedback";
    const CgiResponse response = run(request, "");
    EXPECT_EQ(response.status, 405);
    EXPECT_EQ(response.header("Allow"), "GET, HEAD, POST");
}

TEST(ProcessorHome, IsVellumHomeElseTheExecutablesDirectory) {
    EXPECT_EQ(vellum::processorHome("/srv/forms"), "/srv/forms");
    EXPECT_NE(vellum::processorHome(nullptr), "");
    EXPECT_EQ(vellum::processorHome(""), vellum::processorHome(nullptr));
}

TEST(CgiOutput, NoHeaderValueCanAddAHeader) {
    vellum::CgiResponse response;
    response.status = 302;
    response.headers.emplace_back("Location", "http://x/\r\nSet-Cookie: a=b");
    const std::string out = vellum::cgiOutput(response);
    EXPECT_EQ(out, "Status: 302 Found\r\nLocation: http://x/  Set-Cookie: a=b\r\n\r\n");
}

TEST_F(ProcessorTest, ANewDocumentPerEntryIsNamedInTheConfirmation) {
    std::filesystem::create_directory(home.file("pages"));
    home.write("page.html", "<H1>^01Name^</H1>\r\n");
    home.write("conf.html", "<A HREF=\"/pages/^vmDiscretePage^\">your page</A>\r\n");
    ScriptRecord r = feedback();
    r.OutputStyle = "Discrete";
    r.Append = "Discrete";
    r.Archive = home.file("pages");
    r.OutputTemplate = home.file("page.html");
    r.SendConf = home.file("conf.html");
    update(r);
    const CgiResponse response = post("/Feedback", "01Name=Ann");
    EXPECT_EQ(response.status, 200);
    const std::string prefix = "<A HREF=\"/pages/";
    ASSERT_EQ(response.body.substr(0, prefix.size()), prefix) << response.body;
    const std::string page =
        response.body.substr(prefix.size(), response.body.find('"', prefix.size()) - prefix.size());
    EXPECT_EQ(page.substr(page.size() - 5), ".html");
    EXPECT_EQ(home.read("pages/" + page), "<H1>Ann</H1>\r\n");
}

TEST_F(ProcessorTest, HeadAnswersLikeGetWithoutTheForm) {
    vellum::CgiRequest request;
    request.method = "HEAD";
    request.pathInfo = "/Feedback";
    const CgiResponse response = run(request, "");
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.header("Content-Type"), "text/html");
    EXPECT_EQ(response.body, "");
}
