#include "browser_chooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly {

BrowserChooser::BrowserChooser(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Choose Browser"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Preview with this browser:"), this));
    browserList = new QListWidget(this);
    browserList->setObjectName(QStringLiteral("browserList"));
    layout->addWidget(browserList);
    auto* buttons = new QHBoxLayout;
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
    resize(420, 240);
}

void BrowserChooser::setBrowsers(const QStringList& browsers) {
    browsers_ = browsers;
}

std::optional<QString> BrowserChooser::choose(const QString& defaultBrowser) {
    browserList->clear();
    browserList->addItems(browsers_);
    if (!defaultBrowser.isEmpty() && !browsers_.contains(defaultBrowser))
        browserList->addItem(defaultBrowser);
    if (browserList->count() == 0)
        return std::nullopt;
    browserList->setCurrentRow(browsers_.isEmpty() ? browserList->count() - 1
                                                   : static_cast<int>(browsers_.size()) - 1);
    if (exec() != QDialog::Accepted || !browserList->currentItem())
        return std::nullopt;
    return browserList->currentItem()->text();
}

} // namespace tessaly
