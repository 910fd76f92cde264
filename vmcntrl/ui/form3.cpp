// The wizard's steps: the template list, Next and Back, the name checks and the creation.
#include "form3.h"

#include "form1.h"
#include "script_selector.h"
#include "whats_this.h"

#include "platform/file_ops.h"
#include "vmcntrl/config/script_name.h"
#include "vmcntrl/config/wizard_checks.h"
#include "vmcntrl/config/wizard_run.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>

namespace vmcntrl {

namespace {
constexpr int kLastPage = 7;
QString fromBytes(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes);
}
std::string toBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}
} // namespace

Form3::Form3(Form1* main) : QDialog(main), main_(main) {
    setObjectName("Form3");
    setWindowTitle(tr("Vellum Script Wizard"));
    whatsThis_ = new WhatsThisMenu(this, main->services().help, main->helpFile());
    buildPages();

    Option1[0]->setChecked(true);
    Text2->setEnabled(false);
    for (QLineEdit* box : {Text3, Text5, Text6})
        box->setEnabled(false);
    cmdBack->setEnabled(false);
    cmdFinish->setEnabled(false);

    connect(Option1[0], &QRadioButton::clicked, this, [this] { Text2->setEnabled(false); });
    connect(Option1[1], &QRadioButton::clicked, this, [this] { Text2->setEnabled(true); });
    connect(Check2, &QCheckBox::clicked, this, [this](bool on) {
        for (QLineEdit* box : {Text3, Text5, Text6})
            box->setEnabled(on);
    });
    connect(Combo1, &QComboBox::activated, this, &Form3::selectTemplate);
    connect(cmdNext, &QPushButton::clicked, this, &Form3::next);
    connect(cmdBack, &QPushButton::clicked, this, &Form3::back);
    connect(cmdFinish, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        reject();
        main_->raise();
        main_->activateWindow();
    });

    resize(520, 380);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    opStyle[1]->setChecked(true);
    scanTemplates();
}

int Form3::page() const {
    return SSTab1->currentIndex();
}

void Form3::scanTemplates() {
    templates_ = scanFormTemplates(main_->programDirectory());
    for (const FormTemplate& t : templates_)
        Combo1->addItem(fromBytes(t.title));
    // Without a usable template the script can still be made, only without a form file.
    NoTemplates->setVisible(templates_.empty());
    Combo1->setEnabled(!templates_.empty());
    if (!templates_.empty()) {
        Combo1->setCurrentIndex(0);
        selectTemplate(0);
    } else {
        PreviewFrame->setCurrentWidget(Image3_1);
    }
}

void Form3::selectTemplate(int index) {
    if (index < 0 || index >= static_cast<int>(templates_.size()))
        return;
    const FormTemplate& chosen = templates_[static_cast<std::size_t>(index)];
    selectedTemplate_ = chosen.path;
    previewPicture_ = QPixmap();
    const auto picture = chosen.preview.empty() ? std::nullopt : platform::readFile(chosen.preview);
    if (picture && previewPicture_.loadFromData(reinterpret_cast<const uchar*>(picture->data()),
                                                static_cast<uint>(picture->size()))) {
        fitPreview();
        PreviewFrame->setCurrentWidget(Image3_0);
    } else {
        PreviewFrame->setCurrentWidget(Image3_1);
    }
}

// The picture is scaled to the frame as it is laid out now, and again whenever the frame
// changes size: before the wizard is first shown the frame has no size of its own yet.
void Form3::fitPreview() {
    if (previewPicture_.isNull())
        return;
    const QSize room = PreviewFrame->contentsRect().size();
    if (room.isEmpty())
        return;
    Image3_0->setPixmap(
        previewPicture_.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PreviewFrame && event->type() == QEvent::Resize)
        fitPreview();
    return QDialog::eventFilter(watched, event);
}

void Form3::goTo(int target) {
    SSTab1->setCurrentIndex(target);
    cmdBack->setEnabled(target > 0 && target < kLastPage);
}

void Form3::next() {
    switch (page()) {
    case 3:
        if (Option1[1]->isChecked() && urlStillPlaceholder(toBytes(Text2->text()))) {
            main_->services().prompts.message(
                this, QString::fromLatin1(kForgotUrlMessage.data(), kForgotUrlMessage.size()));
            return;
        }
        goTo(4);
        return;
    case 4:
        goTo(5);
        Text1->setFocus();
        return;
    case 5:
        if (nameAccepted())
            goTo(6);
        return;
    case 6:
        createScript();
        return;
    case kLastPage:
        return;
    default:
        goTo(page() + 1);
        return;
    }
}

void Form3::back() {
    if (page() > 0 && page() < kLastPage)
        goTo(page() - 1);
}

bool Form3::nameAccepted() {
    const QString name = Text1->text();
    const std::string bytes = toBytes(name);
    const NameCheck check = checkWizardScriptName(bytes);
    if (check.outcome == NameCheck::Empty)
        return false;
    auto& prompts = main_->services().prompts;
    const std::string problem = check.accepted() ? unstorableNameReason(bytes) : check.message;
    if (!problem.empty()) {
        prompts.message(this, fromBytes(problem));
        return false;
    }
    // The file compares script names without regard to case, so a listed name that matches
    // that way would be overwritten: ask about it as the same script.
    std::vector<std::string> listed;
    for (int i = 0; i < main_->ComboVell->count(); ++i)
        listed.push_back(toBytes(main_->ComboVell->itemText(i)));
    if (findListedScript(listed, bytes)) {
        const auto answer =
            prompts.message(this, fromBytes(replaceQuestion(bytes)),
                            platform::MessageButtons::YesNo, platform::MessageIcon::Exclamation,
                            QString::fromLatin1(kReplaceTitle.data(), kReplaceTitle.size()));
        if (answer != platform::MessageAnswer::Yes)
            return false;
    }
    return true;
}

WizardChoices Form3::choices() const {
    WizardChoices c;
    c.name = toBytes(Text1->text());
    c.templatePath = selectedTemplate_;
    c.style = opStyle[0]->isChecked()   ? WizardSaveStyle::DontSave
              : opStyle[2]->isChecked() ? WizardSaveStyle::Data
                                        : WizardSaveStyle::Text;
    c.sendToUrl = Option1[1]->isChecked();
    c.url = toBytes(Text2->text());
    c.copyTo = Check2->isChecked();
    c.copyToAddress = toBytes(Text3->text());
    c.from = toBytes(Text5->text());
    c.subject = toBytes(Text6->text());
    return c;
}

void Form3::createScript() {
    const WizardChoices c = choices();
    const Settings& settings = main_->settings();
    // A run whose script is not saved in the end takes its files back with it.
    WizardRun run(main_->programDirectory(), c.name, main_->ini());
    const WizardFiles files =
        run.writeFiles({main_->programDirectory(), c.name, c.templatePath, settings.WinScriptAlias,
                        settings.serverExtension, c.style});
    if (!files.ok()) {
        main_->services().prompts.message(
            this,
            tr("The script's files could not be written.\n%1").arg(fromBytes(files.errors.front())),
            platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        return;
    }

    main_->ComboVell->setEditText(Text1->text());
    main_->TextForm->setText(fromBytes(files.formPath));
    switch (c.style) {
    case WizardSaveStyle::DontSave:
        main_->OptionDiscard->click();
        break;
    case WizardSaveStyle::Text:
        main_->OptionPlnTxt->click();
        break;
    case WizardSaveStyle::Data:
        main_->OptionComma->click();
        break;
    }
    if (c.style != WizardSaveStyle::DontSave)
        main_->TextVMArchiveFile->setText(fromBytes(files.dataPath));
    if (c.sendToUrl) {
        main_->OptionSendURL->click();
        main_->TextVMConfURL->setText(Text2->text());
    } else {
        main_->OptionSimple->click();
    }
    if (c.copyTo) {
        if (!main_->CheckBeepTo->isChecked())
            main_->CheckBeepTo->click();
        main_->TextBeepTo->setText(Text3->text());
        main_->TextFromAddr->setText(Text5->text());
        main_->TextSubj->setText(Text6->text());
    }

    ProgressBar1->show();
    for (int step = 0; step <= 100; ++step) {
        ProgressBar1->setValue(step);
        main_->services().pause.wait(1, platform::Pause::Events::Process);
    }
    main_->CommandSave->click();
    // When the editor's Save stopped at one of its checks it has said why; the script is not
    // ready, so stay here and let the user go back and change the choice.
    if (main_->saveFailed()) {
        run.undo();
        ProgressBar1->hide();
        cmdBack->setEnabled(true);
        return;
    }
    run.keep();
    SSTab1->setCurrentIndex(kLastPage);
    cmdNext->setEnabled(false);
    cmdFinish->setEnabled(true);
    cmdBack->setEnabled(false);
    cmdCancel->setEnabled(false);
}

} // namespace vmcntrl
