#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace platform {

SingleInstance::SingleInstance(const QString& key, const QString& lockDirectory) {
    QString dir = lockDirectory;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(QDir(dir).filePath(key + QStringLiteral(".lock")));
    // A lock left by a crashed copy is taken over at once.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::tryAcquire() { return lock_->isLocked() || lock_->tryLock(0); }

} // namespace platform
