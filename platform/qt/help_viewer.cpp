#include "help_viewer.h"

#include "help_file.h"
#include "help_window.h"

#include <QLineEdit>
#include <QWhatsThis>

namespace platform {

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() { delete window_; }

HelpWindow* QtHelpViewer::window(const QString& helpFile) {
    if (!window_)
        window_ = new HelpWindow();
    window_->openFile(helpFile);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

void QtHelpViewer::showContents(const QString& helpFile) { window(helpFile)->showTopic(0); }

void QtHelpViewer::showTopic(const QString& helpFile, int topic) {
    HelpWindow* w = window(helpFile);
    if (!w->showTopic(topic))
        w->showTopic(0);
}

void QtHelpViewer::showSearch(const QString& helpFile, const QString& query) {
    HelpWindow* w = window(helpFile);
    w->showTopic(0);
    if (auto* box = w->findChild<QLineEdit*>(QStringLiteral("helpSearch"))) {
        box->setText(query);
        box->setFocus();
    }
}

void QtHelpViewer::showWhatsThis(const QString& helpFile, int topic, QWidget* control,
                                 const QPoint& globalPos) {
    const auto t = HelpFile::load(helpFile).topic(topic);
    const QString text = t ? QStringLiteral("<b>%1</b>%2").arg(t->title.toHtmlEscaped(), t->html)
                           : QObject::tr("No help topic is available for this item.");
    QWhatsThis::showText(globalPos, text, control);
}

} // namespace platform
