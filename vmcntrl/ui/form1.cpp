// The script editor's life: start-up, loading a script, saving it, clearing to a new one.
#include "form1.h"
#include "script_selector.h"
#include "whats_this.h"

#include "vmcntrl/config/editor_checks.h"
#include "vmcntrl/config/form_title.h"
#include "vmcntrl/config/script_name.h"

#include "platform/file_ops.h"
#include "platform/paths.h"
#include "platform/qt/twips.h"
#include "platform/qt/window_system.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimerEvent>
#include <QWindow>

namespace vmcntrl {

namespace {
QString fromBytes(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes);
}
std::string toBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}
constexpr int kSaveToFileTab = 1;
constexpr int kSendToBrowserTab = 2;
} // namespace

Form1::Form1(std::string programDirectory, Services& services, QWidget* parent)
    : QMainWindow(parent), home_(std::move(programDirectory)), services_(services),
      ini_(vellumIniPath(home_)) {
    setObjectName("Form1");
    buildControls();
    buildMenus();
    buildToolbar();
    connectRules();
    connectPickers();
    installHints();
    offerWhatsThis();

    connect(CommandSave, &QPushButton::clicked, this, &Form1::save);
    connect(CommandClose, &QPushButton::clicked, this, &Form1::close);
    connect(CommandVMNew, &QPushButton::clicked, this, &Form1::newFlow);
    connect(CommandVMRemove, &QPushButton::clicked, this, &Form1::deleteCommand);
    connect(ComboVell, &QComboBox::activated, this,
            [this](int index) { loadScript(ComboVell->itemText(index)); });
    ComboVell->beforeDropDown = [this] {
        if (!dirty_)
            return true;
        switch (askSaveChanges(true)) {
        case SaveAnswer::Yes:
            save();
            if (saveFailed_) {
                saveFailed_ = false;
                return false;
            }
            return true;
        case SaveAnswer::No:
            dirty_ = false;
            return true;
        case SaveAnswer::Cancel:
            CommandSave->setFocus();
            return false;
        }
        return false;
    };

    loadSettings(ini_, settings_);
    refreshScriptList();
    ComboVell->setEditText(QString());
    OptionSimple->setChecked(true);
    onOptionSimple();
    OptionPlnHtm->setChecked(true);
    onOptionPlnHtm();
    applyLetterColour();
    applyCopyToColour();
    setCaptionFor(QString());
    dirty_ = false;
}

Form1::~Form1() = default;

QString Form1::helpFile() const {
    return fromBytes(platform::joinPath(home_, "vellum.hlp"));
}

void Form1::startUp() {
    const StartupConfig start = readStartupConfig(ini_, settings_);
    const double dpi = platform::logicalDpiOf(this);
    placeFrameAt(
        QPoint(platform::twipsToPixels(start.left, dpi), platform::twipsToPixels(start.top, dpi)));
    if (start.warnAboutMail)
        services_.prompts.message(this,
                                  QString::fromLatin1(kMailWarning.data(), kMailWarning.size()));
    if (!start.mailErrReset.ok)
        reportWriteFailure(start.mailErrReset);
}

// The stored corner is the window's outer one, title bar included, as Exit stores it. A
// move before the first show places the client area there on X11, whose window manager
// adds the frame only after mapping; so once the frame is known, the window is moved again
// by its frame. On X11 the frame is asked of the X server, since Qt's own answer may keep
// the empty frame it saw first; the window is checked on its events and, for a few seconds
// after the show, on a timer, because the window manager frames it without telling it.
void Form1::placeFrameAt(const QPoint& corner) {
    move(corner);
    frameCorner_ = corner;
    frameChecks_ = 0;
}

void Form1::settleFrame() {
    if (!frameCorner_ || !isVisible())
        return;
    const QPoint corner = *frameCorner_;
    if (platform::windowSystemReportsFrameExtents()) {
        const auto extents = platform::frameExtents(this);
        QWindow* window = windowHandle();
        if (!extents || extents->top() <= 0 || !window)
            return; // not framed yet
        frameCorner_.reset();
        const QPoint client = corner + QPoint(extents->left(), extents->top());
        if (window->position() != client)
            window->setPosition(client);
        return;
    }
    const QRect frame = frameGeometry();
    if (frame.contains(geometry()) && frame.size() != size()) {
        frameCorner_.reset();
        if (pos() != corner)
            move(corner);
    }
}

// The frame's corner as the window system has it (see settleFrame).
QPoint Form1::outerCorner() const {
    if (const auto corner = platform::framedCorner(this))
        return *corner;
    return pos();
}

bool Form1::event(QEvent* event) {
    if (!frameCorner_)
        return QMainWindow::event(event);
    if (event->type() == QEvent::Timer &&
        static_cast<QTimerEvent*>(event)->timerId() == frameTimer_.timerId()) {
        if (++frameChecks_ > 60)
            frameCorner_.reset(); // nothing framed it: it stays where it is
        settleFrame();
        if (!frameCorner_)
            frameTimer_.stop();
        return true;
    }
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Show)
        frameTimer_.start(50, this);
    // The first paint comes after the window manager has mapped the window; the frame is
    // not asked for earlier, when the window system could only answer "none".
    if (event->type() == QEvent::Paint || event->type() == QEvent::Move ||
        event->type() == QEvent::WindowActivate)
        settleFrame();
    if (!frameCorner_)
        frameTimer_.stop();
    return handled;
}

bool Form1::fileExistsForEditor(const QString& path) const {
    return platform::fileExists(toBytes(path));
}

void Form1::loadScript(const QString& name) {
    held_ = ini_.readScript(toBytes(name));
    const EditorState state = interpretScript(held_);
    showState(state);

    const FileProbe exists = [](const std::string& path) { return platform::fileExists(path); };
    for (const MissingFile& missing : missingFilesOnLoad(state, exists))
        services_.prompts.message(this, fromBytes(missingFileMessage(missing)),
                                  platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                                  tr("File not found"));

    scriptName_ = name;
    setCaptionFor(name);
    dirty_ = false;

    ListTitle->clear();
    if (const auto html = platform::readFile(state.form); html && !state.form.empty())
        ListTitle->setText(fromBytes(formTitle(*html)));
    SSTab1->setCurrentIndex(0);
}

void Form1::focusSaveStop(int stopValue) {
    const auto stop = static_cast<SaveStop>(stopValue);
    services_.prompts.message(this, fromBytes(saveStopMessage(stop)));
    switch (stop) {
    case SaveStop::ConfirmationTemplateMissing:
        SSTab1->setCurrentIndex(kSendToBrowserTab);
        CommandBrowseConf->setFocus();
        break;
    case SaveStop::NoUrl:
        SSTab1->setCurrentIndex(kSendToBrowserTab);
        TextVMConfURL->setFocus();
        break;
    case SaveStop::ArchiveMissing:
        SSTab1->setCurrentIndex(kSaveToFileTab);
        CommandBrowseout->setFocus();
        break;
    case SaveStop::LetterMissing:
        CommandBrowseBody->setFocus();
        break;
    case SaveStop::OutputTemplateMissing:
        CommandHTempBrowse->setFocus();
        break;
    case SaveStop::None:
        break;
    }
}

bool Form1::confirmStorableName(const QString& name) {
    const std::string reason = unstorableNameReason(toBytes(name));
    if (reason.empty())
        return true;
    services_.prompts.message(this, fromBytes(reason), platform::MessageButtons::Ok,
                              platform::MessageIcon::Exclamation, tr("Script Name"));
    return false;
}

void Form1::reportWriteFailure(const platform::WriteResult& result) {
    services_.prompts.message(
        this, tr("The change could not be saved in vellum.ini.\n%1").arg(fromBytes(result.error)),
        platform::MessageButtons::Ok, platform::MessageIcon::Critical);
}

void Form1::save() {
    QString name = ComboVell->currentText();
    if (name.isEmpty()) {
        name = services_.prompts
                   .input(this, tr("Enter a Script Name to save the current script as..."),
                          tr("Save As"))
                   .value_or(QString());
        // A script without a name is not saved; the flows that asked for the save stop
        // rather than throw the edits away.
        if (name.isEmpty()) {
            saveFailed_ = true;
            return;
        }
    }
    if (!confirmStorableName(name)) {
        saveFailed_ = true;
        return;
    }

    const EditorState state = stateFromControls();
    const FileProbe exists = [](const std::string& path) { return platform::fileExists(path); };
    if (const SaveStop stop = checkBeforeSave(state, exists); stop != SaveStop::None) {
        focusSaveStop(static_cast<int>(stop));
        saveFailed_ = true;
        return;
    }

    const ScriptRecord record = collectScript(state, held_);
    if (const platform::WriteResult written = ini_.writeScript(toBytes(name), record); !written) {
        reportWriteFailure(written);
        saveFailed_ = true;
        return;
    }
    held_ = record;

    ComboVell->clear();
    ProgressBar1->show();
    for (int step = 0; step <= 100; ++step)
        ProgressBar1->setValue(step);
    services_.pause.wait(150, platform::Pause::Events::Process);
    ProgressBar1->setValue(0);
    ProgressBar1->hide();
    refreshScriptList();
    ComboVell->setEditText(name);
    saveFailed_ = false;
    dirty_ = false;
    loadScript(name);
}

void Form1::refreshScriptList() {
    ComboVell->clear();
    for (const std::string& value : ini_.loadScriptList().values())
        ComboVell->addItem(fromBytes(value));
}

void Form1::clearToNewScript() {
    ComboVell->setEditText(QString());
    for (QLineEdit* box : {TextVMArchiveFile, TextHTemplate, TextBeepTo, TextLtrBody, TextFromAddr,
                           TextSubj, TextVMConfFile, TextForm, TextDiscreteDir, TextVMConfURL})
        box->clear();
    CheckLtr->setChecked(false);
    CheckBeepTo->setChecked(false);
    CheckAllowOnly->setChecked(false);
    applyLetterColour();
    applyCopyToColour();
    for (QWidget* w :
         std::initializer_list<QWidget*>{TextFromAddr, TextSubj, CheckUseFrom, CheckUseSubj})
        w->setEnabled(false);
    if (!OptionPlnHtm->isChecked()) {
        OptionPlnHtm->setChecked(true);
        onOptionPlnHtm();
    }
    scriptName_.clear();
    ListTitle->clear();
    SSTab1->setCurrentIndex(0);
    setCaptionFor(QString());
    dirty_ = false;
}

Form1::SaveAnswer Form1::askSaveChanges(bool withCancel) {
    const auto answer = services_.prompts.message(
        this, tr("Do you wish to save changes made to this script?"),
        withCancel ? platform::MessageButtons::YesNoCancel : platform::MessageButtons::YesNo,
        platform::MessageIcon::Exclamation, tr("Save Changes?"));
    if (answer == platform::MessageAnswer::Yes)
        return SaveAnswer::Yes;
    if (answer == platform::MessageAnswer::No)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

void Form1::closeEvent(QCloseEvent* event) {
    if (ComboVell->currentText().isEmpty())
        dirty_ = false; // an untitled script is never asked about
    if (dirty_) {
        switch (askSaveChanges(true)) {
        case SaveAnswer::Yes:
            save();
            if (saveFailed_) {
                saveFailed_ = false;
                event->ignore();
                return;
            }
            break;
        case SaveAnswer::No:
            break;
        case SaveAnswer::Cancel:
            event->ignore();
            return;
        }
    }
    if (windowState() == Qt::WindowNoState) {
        const double dpi = platform::logicalDpiOf(this);
        const QPoint corner = outerCorner();
        const platform::WriteResult written =
            saveWindowPosition(ini_, platform::pixelsToTwips(corner.x(), dpi),
                               platform::pixelsToTwips(corner.y(), dpi));
        if (!written)
            reportWriteFailure(written);
    }
    event->accept();
    // The program ends with its main window, also while the help window or another window
    // without an owner is still open.
    QCoreApplication::exit(0);
}

} // namespace vmcntrl
