// The Links page: three parallel lists that always move, scroll and select together.
#include "main_window.h"

#include "add_link_dialog.h"
#include "import_dialog.h"
#include "text_bytes.h"

#include "platform/qt/prompts.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tessaly {

namespace {
QListWidget* linkList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    // VScroll1 scrolls the three together, so the lists show no scroll bar of their own.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

QPushButton* pageButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}
} // namespace

QWidget* MainWindow::buildLinksPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("linksPage"));
    auto* grid = new QGridLayout(page);

    List1 = linkList(page, "List1");
    List2 = linkList(page, "List2");
    List3 = linkList(page, "List3");
    VScroll1 = new QScrollBar(Qt::Vertical, page);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setRange(0, 0);

    grid->addWidget(new QLabel(QStringLiteral("Description"), page), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("URL"), page), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Target"), page), 0, 2);
    grid->addWidget(List1, 1, 0);
    grid->addWidget(List2, 1, 1);
    grid->addWidget(List3, 1, 2);
    grid->addWidget(VScroll1, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 4);
    grid->setColumnStretch(2, 2);

    auto* buttons = new QVBoxLayout;
    Command1 = pageButton(page, "Command1", QStringLiteral("Up"));
    Command2 = pageButton(page, "Command2", QStringLiteral("Down"));
    VideoSoftElastic3 = pageButton(page, "VideoSoftElastic3", QStringLiteral("Add"));
    VideoSoftElastic2 = pageButton(page, "VideoSoftElastic2", QStringLiteral("Modify"));
    VideoSoftElastic4 = pageButton(page, "VideoSoftElastic4", QStringLiteral("Remove"));
    VideoSoftElastic1 = pageButton(page, "VideoSoftElastic1", QStringLiteral("Clear"));
    command6 = pageButton(page, "command6", QStringLiteral("Import"));
    for (QPushButton* b : {Command1, Command2, VideoSoftElastic3, VideoSoftElastic2,
                           VideoSoftElastic4, VideoSoftElastic1, command6})
        buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, 1, 4);

    Label23 = new QLabel(page);
    Label23->setObjectName(QStringLiteral("Label23"));
    Label23->setWordWrap(true);
    Label23->setText(QStringLiteral(
        "This screen creates you list of tessalys. Add a description, URL and a target "
        "attribute, if necessary. You may also import a your links from a HTML bookmark file."));
    grid->addWidget(Label23, 2, 0, 1, 5);

    connect(Command1, &QPushButton::clicked, this, [this] { moveSelectedLink(-1); });
    connect(Command2, &QPushButton::clicked, this, [this] { moveSelectedLink(+1); });
    connect(VideoSoftElastic4, &QPushButton::clicked, this, &MainWindow::removeSelectedLink);
    connect(VideoSoftElastic1, &QPushButton::clicked, this, &MainWindow::clearLinks);
    connect(VideoSoftElastic3, &QPushButton::clicked, this, &MainWindow::openAddLink);
    connect(VideoSoftElastic2, &QPushButton::clicked, this, &MainWindow::openModifyLink);
    connect(command6, &QPushButton::clicked, this, &MainWindow::openImport);

    // A selection in any list, or a move of the scroll bar, selects that row in all three.
    for (QListWidget* list : {List1, List2, List3}) {
        connect(list, &QListWidget::currentRowChanged, this, &MainWindow::followSelection);
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
            for (QListWidget* other : {List1, List2, List3})
                other->verticalScrollBar()->setValue(value);
        });
    }
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        if (linkCount() > 0)
            followSelection(value);
    });
    return page;
}

int MainWindow::linkCount() const {
    return List1->count();
}

int MainWindow::selectedLink() const {
    const int row = List1->currentRow();
    return row >= 0 && List1->item(row)->isSelected() ? row : -1;
}

void MainWindow::selectLink(int row) {
    followSelection(row);
}

void MainWindow::followSelection(int row) {
    if (syncing_ || row < 0 || row >= linkCount())
        return;
    syncing_ = true;
    for (QListWidget* list : {List1, List2, List3}) {
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->item(row));
    }
    VScroll1->setValue(row);
    syncing_ = false;
}

void MainWindow::updateScrollRange() {
    VScroll1->setRange(0, std::max(0, linkCount() - 1));
}

void MainWindow::appendLink(const QString& description, const QString& url, const QString& frame) {
    List1->addItem(description);
    List2->addItem(url);
    List3->addItem(frame);
    updateScrollRange();
}

void MainWindow::replaceLink(int row, const QString& description, const QString& url,
                             const QString& frame) {
    if (row < 0 || row >= linkCount())
        return;
    List1->item(row)->setText(description);
    List2->item(row)->setText(url);
    List3->item(row)->setText(frame);
}

void MainWindow::appendLinks(const std::vector<ImportedLink>& links) {
    QStringList descriptions, urls, frames;
    descriptions.reserve(static_cast<qsizetype>(links.size()));
    urls.reserve(static_cast<qsizetype>(links.size()));
    frames.reserve(static_cast<qsizetype>(links.size()));
    for (const ImportedLink& link : links) {
        descriptions << toText(link.description);
        urls << toText(link.url);
        frames << toText(link.frame);
    }
    List1->addItems(descriptions);
    List2->addItems(urls);
    List3->addItems(frames);
    updateScrollRange();
}

AddLinkDialog* MainWindow::addLinkDialog() const {
    return addLinkDialog_;
}
ImportDialog* MainWindow::importDialog() const {
    return importDialog_;
}

void MainWindow::openAddLink() {
    if (!addLinkDialog_)
        addLinkDialog_ = new AddLinkDialog(*this, services_);
    addLinkDialog_->prepareAdd();
    addLinkDialog_->show();
    addLinkDialog_->raise();
}

void MainWindow::openModifyLink() {
    const int row = selectedLink();
    if (row < 0)
        return;
    if (!addLinkDialog_)
        addLinkDialog_ = new AddLinkDialog(*this, services_);
    addLinkDialog_->prepareModify(List1->item(row)->text(), List2->item(row)->text(),
                                  List3->item(row)->text());
    addLinkDialog_->show();
    addLinkDialog_->raise();
}

void MainWindow::openImport() {
    if (!importDialog_)
        importDialog_ = new ImportDialog(*this, services_);
    importDialog_->show();
    importDialog_->raise();
}

void MainWindow::moveSelectedLink(int offset) {
    const int row = selectedLink();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= linkCount())
        return;
    syncing_ = true;
    for (QListWidget* list : {List1, List2, List3}) {
        QListWidgetItem* item = list->takeItem(row);
        list->insertItem(target, item);
    }
    syncing_ = false;
    followSelection(target);
}

void MainWindow::removeSelectedLink() {
    const int row = selectedLink();
    if (row < 0)
        return;
    syncing_ = true;
    for (QListWidget* list : {List1, List2, List3})
        delete list->takeItem(row);
    for (QListWidget* list : {List1, List2, List3})
        list->setCurrentRow(-1);
    syncing_ = false;
    updateScrollRange();
}

void MainWindow::clearLinks() {
    const auto answer = services_.prompts.message(
        this, QStringLiteral("Do you want to clear the whole list?"),
        platform::MessageButtons::YesNo, platform::MessageIcon::None, QStringLiteral("Tolvane"));
    if (answer != platform::MessageAnswer::Yes)
        return;
    List1->clear();
    List2->clear();
    List3->clear();
    VScroll1->setRange(0, 0);
}

} // namespace tessaly
