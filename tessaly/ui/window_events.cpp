// Events the main window watches on its controls: hovering over the button row (tool tips in
// Label29 for three seconds, only when "Show Tooltips" is ticked; the small controls' own
// tips, here and in the dialogs, follow the same switch), leaving the default directory box,
// clicks on the colour swatches, and Shift + right button on the mascot.
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

void MainWindow::followShowTooltips(QWidget* widget) {
    widget->installEventFilter(this);
}

void MainWindow::showTip(QPushButton* button) {
    if (!Check2->isChecked())
        return;
    Label29->setText(button->property("tag").toString());
    Label29->adjustSize();
    // Under its button, from the button's left edge, so the tips keep the order of the
    // buttons; pushed left where the window ends, and above the button where it would
    // run off the bottom.
    constexpr int kGap = 2;
    const QRect place(button->mapTo(this, QPoint(0, 0)), button->size());
    const int left = qMax(0, qMin(place.left(), width() - Label29->width()));
    int top = place.bottom() + 1 + kGap;
    if (top + Label29->height() > height())
        top = qMax(0, place.top() - kGap - Label29->height());
    Label29->move(left, top);
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
        showTip(button);
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
