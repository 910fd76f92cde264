// The one-line explanations in the status label, on focus and under the mouse.
#include "form1.h"

#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>

namespace vmcntrl {

namespace {

struct Hint {
    const char* control;
    const char* onFocus;
    const char* onMouse; // null: the same as on focus
};

constexpr Hint kHints[] = {
    {"CheckAllowOnly", "Script will refuse Form it did not send", nullptr},
    {"TextForm", "Form filename", nullptr},
    {"CommandBrowseForm", "Select Form, or Create Form Outline", nullptr},
    {"CommandFormEdit", "Edit Form", nullptr},
    {"ListTitle", "", "Title of the referenced Form"},
    {"OptionDiscard", "Form Contents not saved", nullptr},
    {"OptionComma", "Write comma delimited data file", nullptr},
    {"OptionPlnTxt", "Write plain text", nullptr},
    {"OptionPlnHtm", "Write output based on a template", nullptr},
    {"TextVMArchiveFile", "Form Contents saved to this file", nullptr},
    {"CommandBrowseout", "Select or Create File", nullptr},
    {"CommandOedit", "Edit file", nullptr},
    {"TextHTemplate", "Filename of template which formats entries", nullptr},
    {"CommandHTempBrowse", "Select or Create Template", nullptr},
    {"CommandHTempEdit", "Edit Template", nullptr},
    {"OptionAppendDiscrete", "In New Document: Create new document for each entry", nullptr},
    {"OptionAppendTop", "Before old: Most recent entry appears first", nullptr},
    {"OptionAppendBottom", "After old: Most recent entry appears last", nullptr},
    {"TextDiscreteDir", "Directory where New Documents will be created", nullptr},
    {"CommandBrowseDiscreteDir", "Select directory", nullptr},
    {"OptionSimple", "Simple confirmation: Send document acknowledging User's input", nullptr},
    {"OptionConf", "Create from template: Send document based on this template", nullptr},
    {"TextVMConfFile", "Document Template", nullptr},
    {"CommandBrowseConf", "Select or Create Document Template", nullptr},
    {"CommandCnfEdit", "Edit Document Template", nullptr},
    {"OptionSendURL", "URL: Send user to this URL", nullptr},
    {"TextVMConfURL", "URL user will be sent to", nullptr},
    {"TextWinTarget", "Name of targeted Frame", nullptr},
    {"CheckLtr", "Option to send Client a predetermined message via E-Mail",
     "Option to send User a predetermined message via Email"},
    {"TextLtrBody", "Filename of Email to user (Form requires <input name=\"E-Mail\"> tag)",
     nullptr},
    {"CommandBrowseBody", "Select or Create Letter Text", nullptr},
    {"CommandLedit", "Edit Letter Text", nullptr},
    {"TextFromAddr", "Name or Organization in \"From\" field of Email", nullptr},
    {"CheckUseFrom", "Use value entered by User in Forms \"From\" field", nullptr},
    {"TextSubj", "Subject Line of the Email", nullptr},
    {"CheckUseSubj", "Use value entered by User in Forms \"Subject\" field", nullptr},
    {"CheckBeepTo", "Option to send Submitted Data via E-Mail",
     "Option to send Submitted Data via Email"},
    {"TextBeepTo", "EMail address of Recipient or filename of Recipient Group", nullptr},
    {"CommandBrseGrpMail", "Select or create Recipient Group file", nullptr},
    {"CommandEdtGrpMail", "Edit Recipient Group file", nullptr},
};

constexpr char kFocusHint[] = "focusHint";
constexpr char kMouseHint[] = "mouseHint";
constexpr char kClearsHint[] = "clearsHint";

} // namespace

void Form1::installHints() {
    for (const Hint& hint : kHints) {
        QWidget* control = findChild<QWidget*>(QLatin1String(hint.control));
        if (!control)
            continue;
        if (*hint.onFocus)
            control->setProperty(kFocusHint, tr(hint.onFocus));
        control->setProperty(kMouseHint, tr(hint.onMouse ? hint.onMouse : hint.onFocus));
        control->installEventFilter(this);
    }
    // Moving over the template panel, the tab frames or the toolbar empties the line.
    for (QWidget* area : std::initializer_list<QWidget*>{xPanel3D66, FrameSave, FrameBrowser,
                                                         FrameEmail, Toolbar1}) {
        area->setProperty(kClearsHint, true);
        area->installEventFilter(this);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const QVariant hint = watched->property(kFocusHint);
        if (hint.isValid())
            status->setText(hint.toString());
    } else if (event->type() == QEvent::Enter) {
        if (watched->property(kClearsHint).toBool())
            status->clear();
        else if (const QVariant hint = watched->property(kMouseHint); hint.isValid())
            status->setText(hint.toString());
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vmcntrl
