#include "whats_this.h"

#include "platform/qt/help_file.h"
#include "platform/qt/help_viewer.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace vmcntrl {

namespace {
constexpr char kTopicProperty[] = "helpTopic";
}

WhatsThisMenu::WhatsThisMenu(QWidget* window, platform::HelpViewer& help, QString helpFile)
    : QObject(window), window_(window), help_(help), helpFile_(std::move(helpFile)),
      helpText_(platform::HelpFile::load(helpFile_)), menu_(new QMenu(window)),
      action_(menu_->addAction(tr("&What's this?"))) {
    menu_->setObjectName("mnuBtnContextMenu");
    action_->setObjectName("mnuBtnWhatsThis");
    connect(action_, &QAction::triggered, this, &WhatsThisMenu::showTargetTopic);
    // The target is forgotten once the menu has closed and its choice has run.
    connect(menu_, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, [this] { target_ = nullptr; }); });
    // A dialog answers a context-menu event over a control with What's-this text with a
    // menu of its own; this window's controls offer only the program's menu.
    if (qobject_cast<QDialog*>(window))
        window->installEventFilter(this);
}

void WhatsThisMenu::offer(QWidget* control, int topic) {
    control->setProperty(kTopicProperty, topic);
    control->installEventFilter(this);
    if (auto found = helpText_.topic(topic))
        control->setWhatsThis(found->html);
}

int WhatsThisMenu::topicOf(const QWidget* control) {
    return control ? control->property(kTopicProperty).toInt() : 0;
}

bool WhatsThisMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        auto* control = qobject_cast<QWidget*>(watched);
        // The mouse's menu opens on the button's release, below; the menu key opens it at once.
        if (control != window_ &&
            static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            target_ = control;
            menu_->popup(control->mapToGlobal(control->rect().center()));
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && watched != window_ &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        target_ = qobject_cast<QWidget*>(watched);
        menu_->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void WhatsThisMenu::showTargetTopic() {
    if (!target_)
        return;
    help_.showWhatsThis(helpFile_, topicOf(target_), target_,
                        target_->mapToGlobal(target_->rect().center()));
}

} // namespace vmcntrl
