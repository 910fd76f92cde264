#include "help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    resize(760, 520);
    searchBox_ = new QLineEdit(this);
    searchBox_->setObjectName(QStringLiteral("helpSearch"));
    searchBox_->setPlaceholderText(tr("Search help"));
    searchBox_->setClearButtonEnabled(true);
    topicList_ = new QListWidget(this);
    topicList_->setObjectName(QStringLiteral("helpTopics"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenLinks(false);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(searchBox_);
    leftLayout->addWidget(topicList_);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(searchBox_, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(topicList_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            showTopic(item->data(Qt::UserRole).toInt());
    });
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        bool ok = false;
        const int id = url.fragment().toInt(&ok);
        if (url.path().isEmpty() && ok)
            showTopic(id);
    });
}

void HelpWindow::openFile(const QString& path) {
    if (path == path_ && !file_.topics().isEmpty())
        return;
    path_ = path;
    file_ = HelpFile::load(path);
    current_ = -1;
    const auto contents = file_.topic(0);
    setWindowTitle(contents && !contents->title.isEmpty() ? contents->title : helpName());
    listTopics(file_.topics());
    browser_->setSearchPaths({QFileInfo(path).absolutePath()});
    if (file_.topics().isEmpty())
        browser_->setHtml(
            tr("<p>The help file %1 could not be read.</p>").arg(path.toHtmlEscaped()));
}

bool HelpWindow::showTopic(int id) {
    const auto topic = file_.topic(id);
    if (!topic)
        return false;
    current_ = id;
    const QString title = topic->title.isEmpty() ? helpName() : topic->title;
    setWindowTitle(id == 0 || title == helpName() ? title
                                                  : title + QStringLiteral(" - ") + helpName());
    browser_->setHtml(QStringLiteral("<h2>%1</h2>").arg(topic->title.toHtmlEscaped()) +
                      topic->html);
    for (int row = 0; row < topicList_->count(); ++row)
        if (topicList_->item(row)->data(Qt::UserRole).toInt() == id) {
            const QSignalBlocker block(topicList_);
            topicList_->setCurrentRow(row);
        }
    return true;
}

// "Tessaly Help" from a contents page titled "Tessaly Help Contents"; the file's name when
// it has no contents page.
QString HelpWindow::helpName() const {
    const auto contents = file_.topic(0);
    if (!contents || contents->title.isEmpty())
        return QFileInfo(path_).completeBaseName();
    QString name = contents->title;
    const QString suffix = QStringLiteral(" Contents");
    if (name.endsWith(suffix, Qt::CaseInsensitive) && name.size() > suffix.size())
        name.chop(suffix.size());
    return name;
}

void HelpWindow::search(const QString& query) {
    listTopics(query.trimmed().isEmpty() ? file_.topics() : file_.search(query));
}

void HelpWindow::listTopics(const QList<HelpTopic>& topics) {
    const QSignalBlocker block(topicList_);
    topicList_->clear();
    for (const HelpTopic& t : topics) {
        auto* item = new QListWidgetItem(t.title, topicList_);
        item->setData(Qt::UserRole, t.id);
    }
}

} // namespace platform
