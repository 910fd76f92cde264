#include "vmcntrl/config/editor_state.h"
#include "vmcntrl/config/vellum_ini.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vmcntrl;

namespace {

// States as a load shows them: only the boxes that the chosen options use hold text.
EditorState base() {
    EditorState s;
    s.form = "/srv/FORMS/order.html";
    s.allowOnly = true;
    s.windowTarget = "result";
    return s;
}

struct Combination {
    const char* label;
    EditorState state;
};

std::vector<Combination> combinations() {
    std::vector<Combination> all;
    EditorState s = base();
    s.response = Response::Simple;
    s.confirmationTemplate = "Default";
    s.saveStyle = SaveStyle::Discard;
    all.push_back({"simple confirmation, not saved", s});

    s = base();
    s.response = Response::Template;
    s.confirmationTemplate = "/srv/template/thanks.html";
    s.saveStyle = SaveStyle::Comma;
    s.writeToFile = "/srv/SAVED/order.csv";
    s.letter = true;
    s.letterBody = "/srv/mail/letter.txt";
    s.from = std::string(kUseFormFrom);
    s.useFrom = true;
    s.subject = "Your order";
    all.push_back({"template confirmation, data", s});

    s = base();
    s.response = Response::Url;
    s.url = "http://example.com/thanks.htm";
    s.saveStyle = SaveStyle::Text;
    s.writeToFile = "/srv/SAVED/order.txt";
    s.copyTo = true;
    s.copyToText = "sales@example.com";
    s.from = "Shop";
    s.subject = std::string(kUseFormSubject);
    s.useSubject = true;
    all.push_back({"URL, text", s});

    for (InsertMode mode : {InsertMode::BeforeOld, InsertMode::AfterOld}) {
        s = base();
        s.saveStyle = SaveStyle::Template;
        s.insert = mode;
        s.writeToFile = "/srv/SAVED/log.html";
        s.outputTemplate = "/srv/template/entry.html";
        s.confirmationTemplate = "Default";
        all.push_back({"template before/after old", s});
    }

    s = base();
    s.saveStyle = SaveStyle::Template;
    s.insert = InsertMode::NewDocument;
    s.newDocumentDirectory = "/srv/SAVED/pages";
    s.outputTemplate = "/srv/template/page.html";
    s.confirmationTemplate = "Default";
    all.push_back({"template, new document", s});
    return all;
}

} // namespace

TEST(EditorState, EveryOptionCombinationRoundTripsThroughTheFile) {
    TempDir dir;
    VellumIni ini(dir.file("vellum.ini"));
    for (const auto& [label, state] : combinations()) {
        SCOPED_TRACE(label);
        ASSERT_TRUE(ini.writeScript("Combo", collectScript(state, ScriptRecord{})));
        EXPECT_EQ(interpretScript(ini.readScript("Combo")), state);
    }
}

TEST(EditorState, NewDocumentStoresDiscreteAndTheDirectoryInArchive) {
    const EditorState s = combinations().back().state;
    const ScriptRecord r = collectScript(s, {});
    EXPECT_EQ(r.OutputStyle, "Discrete");
    EXPECT_EQ(r.Append, "Discrete");
    EXPECT_EQ(r.Archive, "/srv/SAVED/pages");
}

TEST(EditorState, KeysTheOptionsDoNotUseKeepTheValueLastHeld) {
    ScriptRecord held;
    held.SendConf = "/srv/template/old-thanks.html";
    held.OutputTemplate = "/srv/template/old-entry.html";
    held.Append = "Bottom";
    held.Locked = "True";
    held.SendURL = "http://old.example.com/";

    EditorState s;
    s.response = Response::Url;
    s.url = "http://example.com/";
    s.saveStyle = SaveStyle::Text;
    s.writeToFile = "/srv/out.txt";
    ScriptRecord r = collectScript(s, held);
    EXPECT_EQ(r.Confirm, "no");
    EXPECT_EQ(r.SendURL, "http://example.com/");
    EXPECT_EQ(r.SendConf, held.SendConf);
    EXPECT_EQ(r.OutputTemplate, held.OutputTemplate);
    EXPECT_EQ(r.Append, "Bottom");
    EXPECT_EQ(r.Locked, "True") << "no form named: Locked is not touched";

    s.response = Response::Simple;
    s.form = "/srv/f.html";
    r = collectScript(s, held);
    EXPECT_EQ(r.SendURL, held.SendURL);
    EXPECT_EQ(r.SendConf, "Default");
    EXPECT_EQ(r.Locked, "False");
}

TEST(EditorState, CheckBoxesLeaveNoValueBehindWhenOff) {
    EditorState s;
    s.letter = false;
    s.letterBody = "/srv/mail/letter.txt";
    s.copyTo = false;
    s.copyToText = "someone@example.com";
    const ScriptRecord r = collectScript(s, {});
    EXPECT_EQ(r.SendMessage, "");
    EXPECT_EQ(r.To, "");
}

TEST(EditorState, ValueWordsCompareExactlyExceptConfirmYes) {
    ScriptRecord r;
    r.Confirm = "Yes";
    r.SendConf = "default";
    r.OutputStyle = "text";
    r.Locked = "true";
    r.Sender = "use 'from' from form";
    const EditorState s = interpretScript(r);
    EXPECT_EQ(s.response, Response::Template) << "only \"Default\" means the simple page";
    EXPECT_EQ(s.confirmationTemplate, "default");
    EXPECT_EQ(s.saveStyle, SaveStyle::Template);
    EXPECT_FALSE(s.allowOnly);
    EXPECT_FALSE(s.useFrom);

    r.Confirm = "YES";
    EXPECT_EQ(interpretScript(r).response, Response::Url);
}
