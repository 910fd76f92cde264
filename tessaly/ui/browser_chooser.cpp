#include "browser_chooser.h"

#include "platform/qt/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly {

BrowserChooser::BrowserChooser(platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Choose Browser"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Preview with this browser:"), this));
    browserList = new QListWidget(this);
    browserList->setObjectName(QStringLiteral("browserList"));
    layout->addWidget(browserList);
    auto* buttons = new QHBoxLayout;
    browseButton = new QPushButton(QStringLiteral("Browse..."), this);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    buttons->addWidget(browseButton);
    buttons->addStretch(1);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(browserList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(browseButton, &QPushButton::clicked, this, &BrowserChooser::browse);
    resize(420, 240);
}

void BrowserChooser::setBrowsers(const QStringList& browsers) {
    browsers_ = browsers;
}

void BrowserChooser::setSystemBrowserFinder(std::function<QStringList()> finder) {
    finder_ = std::move(finder);
}

QStringList BrowserChooser::installedBrowsers() {
    static const char* const kNames[] = {
        "firefox",          "firefox-esr",    "chromium",
        "chromium-browser", "google-chrome",  "google-chrome-stable",
        "brave-browser",    "microsoft-edge", "opera",
        "vivaldi",          "epiphany",       "konqueror",
        "falkon",           "midori",         "qutebrowser",
        "xdg-open"};
    QStringList folders =
        QString::fromLocal8Bit(qgetenv("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folders << QStringLiteral("/usr/bin");
    QStringList found;
    for (const char* name : kNames) {
        for (const QString& folder : folders) {
            const QFileInfo program(QDir(folder).filePath(QString::fromLatin1(name)));
            if (program.isFile() && program.isExecutable()) {
                found << program.absoluteFilePath();
                break;
            }
        }
    }
    return found;
}

void BrowserChooser::browse() {
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("EXE files (*.exe)|*.exe");
    request.filterIndex = 1;
    const platform::FileDialogResult result = prompts_.openFile(this, request);
    if (!result.accepted)
        return;
    browsed_ = result.path; // for this preview only
    accept();
}

std::optional<QString> BrowserChooser::choose(const QString& defaultBrowser) {
    browsed_.reset();
    browserList->clear();
    QStringList offered = browsers_;
    QStringList more;
    if (!defaultBrowser.isEmpty())
        more << defaultBrowser;
    more << (finder_ ? finder_() : QStringList());
    for (const QString& browser : more)
        if (!offered.contains(browser))
            offered << browser;
    browserList->addItems(offered);
    if (browserList->count() > 0)
        browserList->setCurrentRow(
            browsers_.isEmpty()
                ? (defaultBrowser.isEmpty() ? 0 : static_cast<int>(offered.indexOf(defaultBrowser)))
                : static_cast<int>(browsers_.size()) - 1);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    if (browsed_)
        return browsed_;
    if (!browserList->currentItem())
        return std::nullopt;
    return browserList->currentItem()->text();
}

} // namespace tessaly
