#include "button_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace platform {

ButtonKeys::ButtonKeys() {
    qApp->installEventFilter(this);
}

ButtonKeys::~ButtonKeys() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* button = qobject_cast<QPushButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (button && enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            button->hasFocus() && button->isEnabled()) {
            // A held key presses once; the button's own dialog must not also take it.
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
    } else if (event->type() == QEvent::Show) {
        // Qt draws focus frames only in windows where the focus has moved by keyboard.
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
            widget->setAttribute(Qt::WA_KeyboardFocusChange);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
