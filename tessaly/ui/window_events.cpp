// Events the main window watches on its controls: hovering over the button row (tool tips in
// Label29 for three seconds, only when "Show Tooltips" is ticked), leaving the default
// directory box, clicks on the colour swatches, and Shift + right button on the mascot.
#include "main_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace tessaly {

void MainWindow::watchForTip(QPushButton* button) {
    button->installEventFilter(this);
}

void MainWindow::showTip(const QString& text, int left) {
    if (!Check2->isChecked())
        return;
    Label29->setText(text);
    Label29->adjustSize();
    Label29->move(left, SSCommand3->geometry().bottom() + 4);
    Label29->raise();
    Label29->show();
    Timer1->start();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // "Show Tooltips" off means no tips at all, also on the small browse buttons and swatches.
    if (event->type() == QEvent::ToolTip && !Check2->isChecked())
        return true;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
        // Under its own button, so the tips keep the order of the buttons.
        const int left = button->mapTo(this, QPoint(0, 0)).x();
        showTip(button->property("tag").toString(), left);
    } else if (watched == Text7 && event->type() == QEvent::FocusOut) {
        // Only leaving the box for another control counts: switching to another program or
        // opening a menu keeps the half-typed path as it is.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            defaultDirectoryLeft();
    } else if (watched == Picture3 && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && (mouse->modifiers() & Qt::ShiftModifier))
            openBoardPuzzle();
    } else if ((watched == Picture4 || watched == Picture5) &&
               event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QWidget*>(watched)->isEnabled())
            pickColour(watched == Picture4 ? Text13 : Text1);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessaly
