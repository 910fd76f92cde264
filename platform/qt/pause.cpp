#include "pause.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>

namespace platform {

void SystemPause::wait(int ms, Events events) {
    if (ms <= 0)
        return;
    if (events == Events::Ignore) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents,
                                        static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        QThread::msleep(static_cast<unsigned long>(qMin<qint64>(10, deadline.remainingTime())));
    }
}

qint64 SystemPause::nowMs() const {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

} // namespace platform
