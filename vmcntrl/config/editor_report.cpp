#include "editor_report.h"

#include "platform/file_ops.h"

namespace vmcntrl {

ReportInput reportInputFromEditor(std::string_view name, const EditorState& s,
                                  std::string_view formTitle, std::string_view alias,
                                  bool serverExtension) {
    ReportInput in;
    in.scriptName = name;
    in.dateTime = generalDateTimeNow();
    in.winScriptAlias = alias;
    in.serverExtension = serverExtension;
    in.form = s.form;
    in.formTitle = formTitle;
    if (!s.form.empty())
        in.formText = platform::readFile(s.form);
    switch (s.saveStyle) {
    case SaveStyle::Discard:
        in.save = ReportInput::Save::NotSaved;
        break;
    case SaveStyle::Text:
        in.save = ReportInput::Save::PlainText;
        break;
    case SaveStyle::Comma:
        in.save = ReportInput::Save::Data;
        break;
    case SaveStyle::Template:
        in.save = ReportInput::Save::Template;
        break;
    }
    switch (s.insert) {
    case InsertMode::BeforeOld:
        in.insert = ReportInput::Insert::BeforeOld;
        break;
    case InsertMode::AfterOld:
        in.insert = ReportInput::Insert::AfterOld;
        break;
    case InsertMode::NewDocument:
        in.insert = ReportInput::Insert::NewDocument;
        break;
    }
    in.writeToFile = s.writeToFile;
    in.outputTemplate = s.outputTemplate;
    in.newDocumentDirectory = s.newDocumentDirectory;
    switch (s.response) {
    case Response::Simple:
        in.response = ReportInput::Response::SimpleConfirmation;
        break;
    case Response::Url:
        in.response = ReportInput::Response::Url;
        break;
    case Response::Template:
        in.response = ReportInput::Response::Template;
        break;
    }
    in.url = s.url;
    in.confirmationTemplate = s.confirmationTemplate;
    in.copyTo = s.copyTo;
    in.copyToText = s.copyToText;
    in.letter = s.letter;
    in.letterBody = s.letterBody;
    in.subject = s.subject;
    in.from = s.from;
    return in;
}

} // namespace vmcntrl
