#include "editor_state.h"

namespace vmcntrl {

std::string_view appendWord(InsertMode mode) {
    switch (mode) {
    case InsertMode::BeforeOld:
        return "Top";
    case InsertMode::AfterOld:
        return "Bottom";
    case InsertMode::NewDocument:
        return "Discrete";
    }
    return "Discrete";
}

namespace {

std::string_view outputStyleWord(const EditorState& state) {
    switch (state.saveStyle) {
    case SaveStyle::Discard:
        return "Discard";
    case SaveStyle::Comma:
        return "Comma";
    case SaveStyle::Text:
        return "Text";
    case SaveStyle::Template:
        return state.insert == InsertMode::NewDocument ? "Discrete" : "Template";
    }
    return "Discard";
}

} // namespace

EditorState interpretScript(const ScriptRecord& r) {
    EditorState s;
    if (r.Confirm == "Yes" || r.Confirm == "yes") {
        s.response = r.SendConf == kDefaultConfirmation ? Response::Simple : Response::Template;
        s.confirmationTemplate = r.SendConf;
    } else {
        s.response = Response::Url;
        s.url = r.SendURL;
    }

    if (r.OutputStyle == "Text" || r.OutputStyle == "Comma") {
        s.saveStyle = r.OutputStyle == "Text" ? SaveStyle::Text : SaveStyle::Comma;
        s.writeToFile = r.Archive;
    } else if (r.OutputStyle == "Discard") {
        s.saveStyle = SaveStyle::Discard;
    } else {
        s.saveStyle = SaveStyle::Template;
        if (r.Append == "Top" || r.Append == "Bottom") {
            s.insert = r.Append == "Top" ? InsertMode::BeforeOld : InsertMode::AfterOld;
            s.writeToFile = r.Archive;
        } else {
            s.insert = InsertMode::NewDocument;
            s.newDocumentDirectory = r.Archive;
        }
        s.outputTemplate = r.OutputTemplate;
    }

    s.form = r.Form;
    s.allowOnly = r.Locked == "True";
    s.copyTo = !r.To.empty();
    s.copyToText = r.To;
    s.from = r.Sender;
    s.useFrom = r.Sender == kUseFormFrom;
    s.subject = r.Subject;
    s.useSubject = r.Subject == kUseFormSubject;
    s.letter = !r.SendMessage.empty();
    s.letterBody = r.SendMessage;
    s.windowTarget = r.Target;
    return s;
}

ScriptRecord collectScript(const EditorState& s, const ScriptRecord& lastHeld) {
    ScriptRecord r = lastHeld;
    const bool templateMode = s.saveStyle == SaveStyle::Template;
    r.Archive = templateMode && s.insert == InsertMode::NewDocument ? s.newDocumentDirectory
                                                                    : s.writeToFile;
    r.Form = s.form;
    if (!s.form.empty())
        r.Locked = s.allowOnly ? "True" : "False";
    r.Subject = s.subject;
    r.Sender = s.from;
    switch (s.response) {
    case Response::Simple:
        r.Confirm = "yes";
        r.SendConf = kDefaultConfirmation;
        break;
    case Response::Template:
        r.Confirm = "yes";
        r.SendConf = s.confirmationTemplate;
        break;
    case Response::Url:
        r.Confirm = "no";
        r.SendURL = s.url;
        break;
    }
    r.SendMessage = s.letter ? s.letterBody : std::string();
    r.OutputStyle = outputStyleWord(s);
    if (templateMode) {
        r.OutputTemplate = s.outputTemplate;
        r.Append = appendWord(s.insert);
    }
    r.To = s.copyTo ? s.copyToText : std::string();
    r.Target = s.windowTarget;
    return r;
}

} // namespace vmcntrl
