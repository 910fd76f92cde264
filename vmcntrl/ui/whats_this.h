#pragma once

#include "platform/qt/help_file.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QAction;
class QWidget;

namespace platform {
class HelpViewer;
}

namespace vmcntrl {

// Topic numbers every window shares.
inline constexpr int kTopicCancel = 21;
inline constexpr int kTopicOk = 22;
inline constexpr int kTopicNext = 23;
inline constexpr int kTopicBack = 24;

// The "What's this?" pop-up of a window: a right-button release over a control that carries
// a topic (or the menu key on it) remembers the control and offers the menu; choosing the
// item shows the topic from the help file. Text boxes are never given a topic, so they do
// not offer it.
class WhatsThisMenu : public QObject {
    Q_OBJECT
public:
    WhatsThisMenu(QWidget* window, platform::HelpViewer& help, QString helpFile);

    // Gives the control its topic and lets it offer the menu. The topic text from the help
    // file also becomes the control's What's-this text, for the window's What's-this mode.
    void offer(QWidget* control, int topic);

    QMenu* menu() const { return menu_; }       // mnuBtnContextMenu
    QAction* action() const { return action_; } // mnuBtnWhatsThis
    QWidget* target() const { return target_; }

    static int topicOf(const QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTargetTopic();

    QWidget* window_;
    platform::HelpViewer& help_;
    QString helpFile_;
    platform::HelpFile helpText_;
    QMenu* menu_;
    QAction* action_;
    QPointer<QWidget> target_;
};

} // namespace vmcntrl
