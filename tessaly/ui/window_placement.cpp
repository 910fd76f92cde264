#include "window_placement.h"

#include "platform/qt/window_system.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <QWindow>

#include <optional>

namespace tessaly {

namespace {

// Places one window at its first showing, then again as the window system frames and moves
// it, until its frame stands where it belongs.
class FramePlacer : public QObject {
public:
    FramePlacer(QWidget* window, const QWidget* owner)
        : QObject(window), window_(window), owner_(owner) {
        window->installEventFilter(this);
    }

    // Settled, and the window system has put the window there.
    bool standsWherePlaced() const {
        return settled_ && window_->geometry().topLeft() == clientTarget();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == window_ && type == QEvent::Show && !shown_) {
            shown_ = true;
            place();
            if (QWindow* handle = window_->windowHandle())
                handle->installEventFilter(this);
        } else if (watched == window_->windowHandle() && type == QEvent::Expose &&
                   window_->windowHandle()->isExposed()) {
            // On the screen now, so framed (or left without a frame) by now.
            watched->removeEventFilter(this);
            exposed_ = true;
            settle();
        }
        return false;
    }

private:
    // The borders a window manager puts around a window, as the window system reports them;
    // none while the frame is still being made (an empty or tiny frame).
    static std::optional<QMargins> reportedMargins(const QWidget* window) {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        if (!outer.contains(inner))
            return std::nullopt;
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }

    // This window's borders once reported; until then those of a window already framed by
    // the same window manager (the owner, or another shown window), which look the same.
    QMargins frameMargins() const {
        if (const auto announced = platform::frameExtents(window_))
            return *announced;
        if (exposed_)
            if (const auto own = reportedMargins(window_))
                return *own;
        QList<const QWidget*> framed;
        if (owner_)
            framed << owner_;
        for (const QWidget* other : QApplication::topLevelWidgets())
            framed << other;
        for (const QWidget* other : framed) {
            if (other == window_ || !other->isVisible())
                continue;
            if (const auto margins = platform::frameExtents(other))
                return *margins;
            if (const auto margins = reportedMargins(other); margins && !margins->isNull())
                return *margins;
        }
        return {};
    }

    QPoint target(const QSize& frame) const {
        const QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return window_->frameGeometry().topLeft();
        const QRect area = owner_ ? owner_->frameGeometry() : screen->geometry();
        QPoint corner(area.x() + (area.width() - frame.width()) / 2,
                      area.y() + (area.height() - frame.height()) / 2);
        // The title bar stays reachable: the frame is kept inside the screen's free area.
        const QRect free = screen->availableGeometry();
        corner.setX(qMax(free.left(), qMin(corner.x(), free.right() + 1 - frame.width())));
        corner.setY(qMax(free.top(), qMin(corner.y(), free.bottom() + 1 - frame.height())));
        return corner;
    }

    // Where the window itself (inside its frame) belongs.
    QPoint clientTarget() const {
        const QMargins margins = frameMargins();
        return target(window_->size().grownBy(margins)) + QPoint(margins.left(), margins.top());
    }

    // The window's own corner is set, not the frame's: the window system's idea of a frame
    // that is still being made is not to be relied on.
    void place() {
        if (QWindow* handle = window_->windowHandle())
            handle->setPosition(clientTarget());
        else
            window_->move(clientTarget());
    }

    // Places the window once more when it is on the screen, by its real frame. Until the
    // window manager has announced the frame it is checked again shortly, a few times; then
    // the window is left where it is, so nothing fights the user's own moves.
    void settle() {
        if (settled_)
            return;
        const bool frameKnown = platform::frameExtents(window_) || reportedMargins(window_);
        if (!frameKnown && ++checks_ <= kMaxChecks) {
            QTimer::singleShot(kRecheckMs, this, &FramePlacer::settle);
            return;
        }
        settled_ = true;
        if (window_->geometry().topLeft() != clientTarget())
            place();
    }

    static constexpr int kMaxChecks = 25;
    static constexpr int kRecheckMs = 20;
    QWidget* window_;
    QPointer<const QWidget> owner_;
    bool shown_ = false;
    bool exposed_ = false;
    bool settled_ = false;
    int checks_ = 0;
};

} // namespace

bool standsWherePlaced(const QWidget* window) {
    for (const QObject* child : window->children())
        if (const auto* placer = dynamic_cast<const FramePlacer*>(child))
            return placer->standsWherePlaced();
    return true;
}

void centreOnScreenWhenShown(QWidget* window) {
    new FramePlacer(window, nullptr);
}

void centreOverWhenShown(QWidget* window, const QWidget* owner) {
    new FramePlacer(window, owner);
}

} // namespace tessaly
