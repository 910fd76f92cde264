#include "program_starter.h"

#include <QProcess>

namespace platform {

bool QtProgramStarter::start(const QString& program, const QStringList& arguments,
                             WindowState /*state*/) {
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

} // namespace platform
