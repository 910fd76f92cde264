#include "program_pictures.h"

#include <QDir>
#include <QWidget>

namespace tessaly {

QPixmap programPicture(const QString& programDirectory, const QString& name,
                       const QWidget* shownOn) {
    const QString base = QDir(programDirectory).filePath(QStringLiteral("pictures/") + name);
    if (shownOn && shownOn->devicePixelRatioF() > 1.0) {
        // Qt reads the device pixel ratio of 2 from the "@2x" in the name.
        const QPixmap sharp(base + QStringLiteral("@2x.png"));
        if (!sharp.isNull())
            return sharp;
    }
    return QPixmap(base + QStringLiteral(".png"));
}

} // namespace tessaly
