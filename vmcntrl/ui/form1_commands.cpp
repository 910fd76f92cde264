// The file, options and help commands of the main window and the questions they ask.
#include "form1.h"
#include "form2.h"
#include "script_selector.h"
#include "small_dialogs.h"

#include "vmcntrl/config/form_action.h"
#include "vmcntrl/config/processor_contract.h"
#include "vmcntrl/config/run_command.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

#include <QLineEdit>
#include <QPushButton>

namespace vmcntrl {

namespace {
QString fromBytes(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes);
}
std::string toBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}
} // namespace

void Form1::newFlow() {
    // The flag tells the command that ran this flow whether to go on; an earlier flow's
    // answer must not stop the next command.
    cancelled_ = false;
    if (dirty_) {
        switch (askSaveChanges(true)) {
        case SaveAnswer::Yes:
            save();
            if (saveFailed_) {
                saveFailed_ = false;
                cancelled_ = true;
                return;
            }
            break;
        case SaveAnswer::No:
            break;
        case SaveAnswer::Cancel:
            cancelled_ = true;
            return;
        }
    }
    clearToNewScript();
}

void Form1::openCommand() {
    newFlow();
    if (cancelled_) {
        cancelled_ = false;
        return;
    }
    Form6 dialog(this);
    dialog.exec();
}

void Form1::saveAsCommand() {
    const QString name =
        services_.prompts
            .input(this, tr("Enter a Script Name to save the current script as..."), tr("Save As"))
            .value_or(QString());
    if (name.isEmpty() || !confirmStorableName(name))
        return;
    // The file matches script names without regard to case, so a name that differs from a
    // listed one only in case would overwrite that script: it is asked about as the same.
    const ScriptList listed = ini_.loadScriptList();
    if (listed.containsIgnoringCase(toBytes(name))) {
        const auto answer = services_.prompts.message(
            this,
            name + tr(" already exists.") + QStringLiteral("\n") + tr("Do you want to replace it?"),
            platform::MessageButtons::YesNo, platform::MessageIcon::Exclamation, tr("Script Name"));
        if (answer != platform::MessageAnswer::Yes)
            return;
    }
    ComboVell->setEditText(name);
    save();
}

void Form1::deleteCommand() {
    const QString name = ComboVell->currentText();
    if (name.isEmpty())
        return;
    const auto answer = services_.prompts.message(
        this, tr("Are you sure you want to delete %1?").arg(name), platform::MessageButtons::YesNo,
        platform::MessageIcon::Critical, tr("Delete %1?").arg(name), platform::MessageAnswer::No);
    if (answer != platform::MessageAnswer::Yes)
        return;
    if (const platform::WriteResult removed = ini_.deleteScript(toBytes(name)); !removed) {
        reportWriteFailure(removed);
        return;
    }
    dirty_ = false;
    newFlow();
    refreshScriptList();
    ComboVell->setEditText(QString());
    dirty_ = false;
}

void Form1::runCommand() {
    if (!platform::fileExists(settings_.Browser)) {
        services_.prompts.message(this, tr("You'll need to configure a Browser..."));
        settingsCommand();
        return;
    }
    const QString name = ComboVell->currentText();
    if (name.isEmpty() || TextForm->text().isEmpty()) {
        services_.prompts.message(this, tr("A Script without a Name or Associated Form") +
                                            QStringLiteral("\n") + tr("cannot be run directly."));
        return;
    }
    if (!fileExistsForEditor(TextForm->text()))
        return;

    const QString url =
        fromBytes(scriptUrl(settings_.WinScriptAlias, settings_.serverExtension, toBytes(name)));
    const QString browser = fromBytes(settings_.Browser);
    const QString kind = fromBytes(browserDdeName(settings_.Browser));
    if (kind.isEmpty()) {
        services_.starter.start(browser, {url}, platform::WindowState::Normal);
        return;
    }
    const platform::DdeReply opened = services_.dde.request(kind, QStringLiteral("WWW_OpenURL"),
                                                            fromBytes(openUrlItem(toBytes(url))));
    services_.dde.request(kind, QStringLiteral("WWW_Activate"),
                          QString::fromLatin1(kActivateItem.data(), kActivateItem.size()));
    if (opened.error == platform::kDdeNoApplicationResponded) {
        const auto answer = services_.prompts.message(
            this, kind + tr(" doesn't seem to be running. Do you want to start it?"),
            platform::MessageButtons::YesNo, platform::MessageIcon::Question);
        if (answer == platform::MessageAnswer::Yes)
            services_.starter.start(browser, {url}, platform::WindowState::Normal);
    }
}

void Form1::settingsCommand() {
    Form2 dialog(ini_, settings_, services_, home_, helpFile(), this);
    dialog.exec();
}

void Form1::mailLogCommand() {
    if (const platform::WriteResult written = acknowledgeMailErrors(ini_); !written)
        reportWriteFailure(written);
    startEditor(fromBytes(settings_.TextEditor),
                fromBytes(platform::joinPath(home_, processor::kMailLogName)));
}

void Form1::errorLogCommand() {
    startEditor(fromBytes(settings_.TextEditor),
                fromBytes(platform::joinPath(home_, processor::kErrorLogName)));
}

void Form1::aboutCommand() {
    Form5 about(this);
    about.exec();
}

} // namespace vmcntrl
