#include "vellum/script_access.h"

#include <gtest/gtest.h>

using vellum::findListedScript;
using vellum::refererMayRun;

namespace {

vmcntrl::ScriptList list() {
    return vmcntrl::ScriptList({{"Feedback", "Feedback"}, {"Guest_Book", "Guest_Book"}});
}

vmcntrl::ScriptRecord locked(const std::string& form) {
    vmcntrl::ScriptRecord r;
    r.Form = form;
    r.Locked = "True";
    return r;
}

} // namespace

TEST(ScriptLookup, FindsListedScriptsWithoutRegardToCase) {
    EXPECT_EQ(findListedScript(list(), "Feedback"), "Feedback");
    EXPECT_EQ(findListedScript(list(), "gUEST_book"), "Guest_Book");
}

TEST(ScriptLookup, AnythingElseIsNotFound) {
    for (const char* name : {"", "Other", "Config", "NumTags", "Feedback/", "../Feedback", "..",
                             "Feed\\back", "/etc/passwd", "Feedback\n", "Feedback.."})
        EXPECT_FALSE(findListedScript(list(), name).has_value()) << name;
}

TEST(ScriptLookup, AListedNameThatIsAPathIsNotServedEither) {
    const vmcntrl::ScriptList odd({{"../vellum", "../vellum"}, {"a/b", "a/b"}});
    EXPECT_FALSE(findListedScript(odd, "../vellum").has_value());
    EXPECT_FALSE(findListedScript(odd, "a/b").has_value());
}

TEST(LockedScript, RunsForItsOwnFormByFileName) {
    const auto r = locked("/srv/vmcntrl/FORMS/Feedback.html");
    EXPECT_TRUE(refererMayRun(r, "Feedback", "http://example.com/forms/Feedback.html"));
    EXPECT_TRUE(refererMayRun(r, "Feedback", "http://example.com/Feedback.html?x=1#top"));
    EXPECT_TRUE(refererMayRun(locked("C:\\Web\\My Form.html"), "F", "http://h/My%20Form.html"));
}

TEST(LockedScript, RunsForTheFormAsGetServedIt) {
    const auto r = locked("/srv/vmcntrl/FORMS/Feedback.html");
    EXPECT_TRUE(refererMayRun(r, "Feedback", "http://127.0.0.1:8080/scripts/vellum.exe/Feedback"));
    EXPECT_TRUE(refererMayRun(r, "Feedback", "http://127.0.0.1:8080/scripts/vellum.exe/feedback"));
}

TEST(LockedScript, RefusesOtherPagesAndNoReferer) {
    const auto r = locked("/srv/vmcntrl/FORMS/Feedback.html");
    for (const char* referer :
         {"", "http://evil.example/attack.html", "http://evil.example/NotFeedback.html",
          "http://evil.example/Feedback.html.php", "http://evil.example/?Feedback.html",
          "http://evil.example/#Feedback.html", "http://h/scripts/vellum.exe/Other",
          "http://h/scripts/notvellum.exe/Feedback", "http://h/Feedback"})
        EXPECT_FALSE(refererMayRun(r, "Feedback", referer)) << referer;
    EXPECT_FALSE(refererMayRun(locked(""), "Feedback", "http://h/anything.html"));
}

TEST(LockedScript, OnlyTheExactWordTrueLocks) {
    vmcntrl::ScriptRecord r = locked("/f/Feedback.html");
    for (const char* word : {"False", "true", "", "TRUE"}) {
        r.Locked = word;
        EXPECT_TRUE(refererMayRun(r, "Feedback", "http://evil.example/x.html")) << word;
    }
}
