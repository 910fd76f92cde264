#include "wizard_choices.h"

namespace vmcntrl {

EditorState freshEditorState() {
    EditorState s;
    s.response = Response::Simple;
    s.confirmationTemplate = kDefaultConfirmation;
    s.saveStyle = SaveStyle::Template;
    s.insert = InsertMode::BeforeOld;
    return s;
}

EditorState applyWizardChoices(EditorState s, const WizardChoices& c, std::string_view home,
                               std::string_view formPath) {
    s.form = formPath;
    switch (c.style) {
    case WizardSaveStyle::DontSave:
        s.saveStyle = SaveStyle::Discard;
        s.writeToFile.clear();
        break;
    case WizardSaveStyle::Text:
    case WizardSaveStyle::Data:
        s.saveStyle = c.style == WizardSaveStyle::Text ? SaveStyle::Text : SaveStyle::Comma;
        s.writeToFile = wizardDataPath(home, c.name, c.style);
        break;
    }
    if (c.sendToUrl) {
        s.response = Response::Url;
        s.url = c.url;
        s.confirmationTemplate.clear();
    } else {
        s.response = Response::Simple;
        s.confirmationTemplate = kDefaultConfirmation;
    }
    if (c.copyTo) {
        s.copyTo = true;
        s.copyToText = c.copyToAddress;
        s.from = c.from;
        s.subject = c.subject;
        s.useFrom = c.from == kUseFormFrom;
        s.useSubject = c.subject == kUseFormSubject;
    }
    return s;
}

} // namespace vmcntrl
