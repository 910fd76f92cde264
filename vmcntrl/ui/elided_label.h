#pragma once

#include <QLabel>

namespace vmcntrl {

// A one-line label that never widens its window: a text longer than the room it has is
// shortened with "..." and shown whole in its tip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(const QString& text = QString(), QWidget* parent = nullptr);
    void setFullText(const QString& text);
    const QString& fullText() const { return full_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString full_;
};

} // namespace vmcntrl
