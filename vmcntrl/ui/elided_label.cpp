#include "elided_label.h"

#include <QResizeEvent>

namespace vmcntrl {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setFullText(text);
}

void ElidedLabel::setFullText(const QString& text) {
    full_ = text;
    elide();
}

// The label asks for room for the whole text but takes less without complaint, so the
// window's minimum size never depends on the name it shows.
QSize ElidedLabel::sizeHint() const {
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(full_) + m.left() + m.right() + 2 * margin(),
            QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == full_ ? QString() : full_.trimmed());
}

} // namespace vmcntrl
