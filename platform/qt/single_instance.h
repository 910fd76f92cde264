#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace platform {

// Holds the one-running-copy lock of a program for as long as it lives.
class SingleInstance {
public:
    // key names the program; lockDirectory defaults to the user's runtime or temp folder.
    explicit SingleInstance(const QString& key, const QString& lockDirectory = QString());
    // False when another running copy holds the lock.
    bool tryAcquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace platform
