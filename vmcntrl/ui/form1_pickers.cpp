// The "..." buttons that select or create a script's files, and the "Edit" buttons.
#include "form1.h"
#include "small_dialogs.h"

#include "vmcntrl/config/editor_checks.h"
#include "vmcntrl/config/skeletons.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace vmcntrl {

namespace {
const QString kFileTypes = QStringLiteral(
    "Text (*.txt)|*.txt|HTML (*.html)|*.html|HTML (*.htm)|*.htm|Programs (*.exe)|*.exe|"
    "Comma Separated Values (*.csv)|*.csv|All Files (*.*)|*.*");
enum class Editor { None, Html, Text };
} // namespace

struct Form1::Picker {
    QLineEdit* box;
    std::function<int()> filterIndex;
    QString title;
    const char* folder;
    std::function<std::string(const std::string& name)> skeleton;
    std::function<Editor()> editor;
    std::function<void()> after; // the check-box effect of the letter and copy-to pickers
};

void Form1::connectPickers() {
    const auto html = [] { return Editor::Html; };
    const auto text = [] { return Editor::Text; };
    const auto always = [](int index) { return [index] { return index; }; };
    const auto templateMode = [this] { return OptionPlnHtm->isChecked(); };

    auto picker = [this](QPushButton* button, Picker p) {
        connect(button, &QPushButton::clicked, this, [this, p] { browse(p); });
    };
    picker(CommandBrowseForm, {TextForm, always(2), tr("Select or Create Form"), "FORMS",
                               [this](const std::string& name) {
                                   return formSkeleton(name, CheckLtr->isChecked(),
                                                       OptionComma->isChecked());
                               },
                               html, nullptr});
    picker(CommandBrowseout,
           {TextVMArchiveFile,
            [this, templateMode] { return templateMode()             ? 2
                                          : OptionComma->isChecked() ? 5
                                                                     : 1; },
            tr("Select or Create Output File"), "SAVED",
            [this, templateMode](const std::string& name) {
                const OutputFileKind kind = templateMode()             ? OutputFileKind::Template
                                            : OptionComma->isChecked() ? OutputFileKind::Data
                                                                       : OutputFileKind::Text;
                return outputFileSkeleton(kind, name);
            },
            [templateMode] { return templateMode() ? Editor::Html : Editor::None; }, nullptr});
    picker(CommandHTempBrowse,
           {TextHTemplate, always(2), tr("Select or Create Output Template File"), "template",
            [this](const std::string& name) {
                return templateSkeleton(OptionAppendDiscrete->isChecked()
                                            ? TemplateKind::OutputNewDocument
                                            : TemplateKind::OutputEntries,
                                        name);
            },
            html, nullptr});
    picker(
        CommandBrowseConf,
        {TextVMConfFile, always(2), tr("Select or Create Confirmation Template File"), "template",
         [](const std::string& name) { return templateSkeleton(TemplateKind::Confirmation, name); },
         html, nullptr});
    picker(CommandBrowseBody, {TextLtrBody, always(1), tr("Select or Create Letter Body"), "mail",
                               [](const std::string& name) { return letterSkeleton(name); }, text,
                               [this] {
                                   CheckLtr->setChecked(true);
                                   applyLetterColour();
                               }});
    picker(CommandBrseGrpMail,
           {TextBeepTo, always(1), tr("Select or Create Group E-Mail Address File"), "mail",
            [](const std::string&) { return recipientGroupSkeleton(); }, text,
            [this] {
                CheckBeepTo->setChecked(true);
                applyCopyToColour();
            }});
    connect(CommandBrowseDiscreteDir, &QPushButton::clicked, this, [this] {
        FormDiscDirBox chooser(this);
        chooser.exec();
    });

    auto editButton = [this](QPushButton* button, QLineEdit* box, std::function<bool()> useHtml) {
        connect(button, &QPushButton::clicked, this,
                [this, box, useHtml] { edit(box, useHtml()); });
    };
    auto byEnding = [](QLineEdit* box) {
        return [box] { return opensInHtmlEditor(box->text().toLocal8Bit().toStdString()); };
    };
    editButton(CommandFormEdit, TextForm, [] { return true; });
    editButton(CommandHTempEdit, TextHTemplate, [] { return true; });
    editButton(CommandLedit, TextLtrBody, [] { return false; });
    editButton(CommandEdtGrpMail, TextBeepTo, [] { return false; });
    editButton(CommandOedit, TextVMArchiveFile, byEnding(TextVMArchiveFile));
    connect(CommandCnfEdit, &QPushButton::clicked, this, [this, byEnding] {
        if (TextVMConfFile->text() == QLatin1String(kDefaultConfirmation.data()))
            services_.prompts.message(this, tr("Cannot Edit Default Template"));
        else
            edit(TextVMConfFile, byEnding(TextVMConfFile)());
    });
}

void Form1::browse(const Picker& p) {
    platform::FileDialogRequest request;
    request.title = p.title;
    request.filter = kFileTypes;
    request.filterIndex = p.filterIndex();
    request.initialDirectory = QString::fromLocal8Bit(platform::joinPath(home_, p.folder));
    const platform::FileDialogResult chosen = services_.prompts.openFile(this, request);
    if (!chosen.accepted)
        return;
    p.box->setText(chosen.path);
    if (p.after)
        p.after();
    const std::string path = chosen.path.toLocal8Bit().toStdString();
    if (platform::fileExists(path))
        return;

    const platform::CreateResult created =
        platform::createFileAtomically(path, p.skeleton(scriptName_.toLocal8Bit().toStdString()));
    if (created.outcome == platform::CreateResult::Failed) {
        services_.prompts.message(
            this,
            tr("The file could not be created.\n%1").arg(QString::fromLocal8Bit(created.error)),
            platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        return;
    }
    switch (p.editor()) {
    case Editor::Html:
        startEditor(QString::fromLocal8Bit(settings_.HTMLEditor), chosen.path);
        break;
    case Editor::Text:
        startEditor(QString::fromLocal8Bit(settings_.TextEditor), chosen.path);
        break;
    case Editor::None:
        break;
    }
}

void Form1::edit(QLineEdit* box, bool htmlEditor) {
    if (!fileExistsForEditor(box->text())) {
        services_.prompts.message(this, tr("File does not exist, use Browse button to create it."));
        return;
    }
    startEditor(QString::fromLocal8Bit(htmlEditor ? settings_.HTMLEditor : settings_.TextEditor),
                box->text());
}

void Form1::startEditor(const QString& editor, const QString& file) {
    // A failed start (no editor configured) shows nothing, as the editors are the user's.
    services_.starter.start(editor, {file}, platform::WindowState::Normal);
}

} // namespace vmcntrl
