#include "form2.h"

#include "services.h"
#include "whats_this.h"

#include "vmcntrl/config/settings_store.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vmcntrl {

namespace {

constexpr int kTopicBrowseProgram = 300;
constexpr int kTopicApplicationLabel = 301;
constexpr int kTopicServerLabel = 302;

QLineEdit* box(const char* name) {
    auto* b = new QLineEdit;
    b->setObjectName(name);
    b->setMinimumWidth(260);
    return b;
}

} // namespace

Form2::Form2(VellumIni& ini, Settings& settings, Services& services, std::string programDirectory,
             const QString& helpFile, QWidget* parent)
    : QDialog(parent), ini_(ini), settings_(settings), services_(services),
      home_(std::move(programDirectory)) {
    setObjectName("Form2");
    setWindowTitle(tr("Settings"));
    whatsThis_ = new WhatsThisMenu(this, services.help, helpFile);
    auto* layout = new QVBoxLayout(this);
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName("SSTab1");

    auto* applications = new QWidget;
    auto* appForm = new QGridLayout(applications);
    txtSvrIP = box("txtSvrIP");
    txtEditor = box("txtEditor");
    htmEditor = box("htmEditor");
    auto browseButton = [](const char* name) {
        auto* b = new QPushButton(QStringLiteral("..."));
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setFixedWidth(32);
        return b;
    };
    CmdBrsBrowser = browseButton("CmdBrsBrowser");
    cmdBrsTxtEdt = browseButton("cmdBrsTxtEdt");
    cmdBrsHtmEdt = browseButton("cmdBrsHtmEdt");
    int row = 0;
    for (auto [caption, edit, button] :
         {std::tuple{tr("&Browser"), txtSvrIP, CmdBrsBrowser},
          std::tuple{tr("&Text Editor:"), txtEditor, cmdBrsTxtEdt},
          std::tuple{tr("&HTML Editor:"), htmEditor, cmdBrsHtmEdt}}) {
        auto* label = new QLabel(caption);
        label->setBuddy(edit);
        appForm->addWidget(label, row, 0);
        appForm->addWidget(edit, row, 1);
        appForm->addWidget(button, row, 2);
        whatsThis_->offer(label, kTopicApplicationLabel);
        whatsThis_->offer(button, kTopicBrowseProgram);
        ++row;
    }
    appForm->setRowStretch(row, 1);

    auto* server = new QWidget;
    auto* serverForm = new QGridLayout(server);
    txtSvr = box("txtSvr");
    txtMailSvr = box("txtMailSvr");
    txtAlias = box("txtAlias");
    txtFrom = box("txtFrom");
    row = 0;
    for (auto [caption, edit] : {std::pair{tr("HTTP Server &Domain Name:"), txtSvr},
                                 std::pair{tr("&Mail Server Address or Name:"), txtMailSvr},
                                 std::pair{tr("Windows CGI &URL:"), txtAlias},
                                 std::pair{tr("E-Mail &Return Address:"), txtFrom}}) {
        auto* label = new QLabel(caption);
        label->setBuddy(edit);
        serverForm->addWidget(label, row, 0);
        serverForm->addWidget(edit, row, 1);
        whatsThis_->offer(label, kTopicServerLabel);
        ++row;
    }
    serverForm->setRowStretch(row, 1);
    // Blanks around the captions widen the tabs.
    SSTab1->addTab(applications, tr("    &Applications    "));
    SSTab1->addTab(server, tr("    Server &Properties    "));
    layout->addWidget(SSTab1);

    cmdSetOK = new QPushButton(tr("&OK"));
    cmdSetOK->setObjectName("cmdSetOK");
    cmdSetCancel = new QPushButton(tr("&Cancel"));
    cmdSetCancel->setObjectName("cmdSetCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSetOK);
    buttons->addWidget(cmdSetCancel);
    layout->addLayout(buttons);
    whatsThis_->offer(cmdSetOK, kTopicOk);
    whatsThis_->offer(cmdSetCancel, kTopicCancel);

    connect(CmdBrsBrowser, &QPushButton::clicked, this,
            [this] { browse(txtSvrIP, tr("Select WWW Browser")); });
    connect(cmdBrsTxtEdt, &QPushButton::clicked, this,
            [this] { browse(txtEditor, tr("Select Text Editor")); });
    connect(cmdBrsHtmEdt, &QPushButton::clicked, this,
            [this] { browse(htmEditor, tr("Select HTML Editor")); });
    connect(cmdSetOK, &QPushButton::clicked, this, &Form2::acceptSettings);
    connect(cmdSetCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Each opening starts from the file, so an earlier Cancel leaves nothing stale behind.
    loadSettings(ini_, settings_);
    auto show = [](QLineEdit* edit, const std::string& value) {
        edit->setText(QString::fromLocal8Bit(value));
    };
    show(txtSvrIP, settings_.Browser);
    show(txtEditor, settings_.TextEditor);
    show(htmEditor, settings_.HTMLEditor);
    show(txtSvr, settings_.ServerDomain);
    show(txtMailSvr, settings_.MailServer);
    show(txtAlias, settings_.WinScriptAlias);
    show(txtFrom, settings_.From);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form2::browse(QLineEdit* target, const QString& title) {
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral(
        "Text (*.txt)|*.txt|HTML (*.html)|*.html|HTML (*.htm)|*.htm|Programs (*.exe)|*.exe|"
        "Comma Separated Values (*.csv)|*.csv|All Files (*.*)|*.*");
    request.filterIndex = 4;
    request.initialDirectory = QStorageInfo(QString::fromLocal8Bit(home_)).rootPath();
    const platform::FileDialogResult chosen = services_.prompts.openFile(this, request);
    if (chosen.accepted)
        target->setText(chosen.path);
}

void Form2::acceptSettings() {
    auto take = [](const QLineEdit* edit) { return edit->text().toLocal8Bit().toStdString(); };
    settings_.Browser = take(txtSvrIP);
    settings_.TextEditor = take(txtEditor);
    settings_.HTMLEditor = take(htmEditor);
    settings_.ServerDomain = take(txtSvr);
    settings_.MailServer = take(txtMailSvr);
    settings_.WinScriptAlias = take(txtAlias);
    settings_.From = take(txtFrom);
    const platform::WriteResult written = saveSettings(ini_, settings_);
    if (!written) {
        services_.prompts.message(this,
                                  tr("The settings could not be saved in vellum.ini.\n%1")
                                      .arg(QString::fromLocal8Bit(written.error)),
                                  platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        return;
    }
    accept();
}

} // namespace vmcntrl
