// The Options commands that open the tool windows: Template Keys, the report, the wizard.
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "script_selector.h"

#include "vmcntrl/config/editor_report.h"
#include "vmcntrl/config/script_name.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vmcntrl {

void Form1::toggleTemplateKeys() {
    if (mnuTemplateKeys->isChecked() && keysWindow_ && keysWindow_->isVisible()) {
        keysWindow_->close();
        return;
    }
    showTemplateKeys();
}

void Form1::showTemplateKeys() {
    if (!keysWindow_) {
        keysWindow_ = new Form4(this);
        connect(keysWindow_, &Form4::closed, this, [this] { mnuTemplateKeys->setChecked(false); });
    }
    keysWindow_->buildList();
    keysWindow_->show();
    keysWindow_->CommandTagRefresh->setFocus();
    mnuTemplateKeys->setChecked(true);
}

Form4* Form1::templateKeysWindow() const {
    return keysWindow_;
}

void Form1::reportCommand() {
    const QString name = ComboVell->currentText();
    if (name.isEmpty()) {
        services_.prompts.message(this, tr("Can't make Report.") + QStringLiteral("\n") +
                                            tr("Script has not been saved."));
        return;
    }
    save();
    const std::string scriptName = name.toLocal8Bit().toStdString();
    // Save has already told the user why such a name cannot be stored; no report is made.
    if (!unstorableNameReason(scriptName).empty())
        return;
    const auto path = reportPath(home_, scriptName);
    if (!path)
        return;
    const ReportInput input = reportInputFromEditor(
        scriptName, stateFromControls(), ListTitle->text().toLocal8Bit().toStdString(),
        settings_.WinScriptAlias, settings_.serverExtension);
    if (const platform::WriteResult written =
            platform::writeFileAtomically(*path, reportText(input));
        !written) {
        services_.prompts.message(
            this,
            tr("The report could not be written.\n%1").arg(QString::fromLocal8Bit(written.error)),
            platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        return;
    }
    startEditor(QString::fromLocal8Bit(settings_.TextEditor), QString::fromLocal8Bit(*path));
}

void Form1::wizardCommand() {
    newFlow();
    if (cancelled_) {
        cancelled_ = false;
        return;
    }
    Form3 wizard(this);
    wizard.exec();
}

} // namespace vmcntrl
