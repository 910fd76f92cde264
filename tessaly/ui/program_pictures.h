#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace tessaly {

// A picture from the program's pictures folder: the @2x drawing on high-density screens,
// the plain one elsewhere. A missing file gives a null pixmap, and the place stays empty.
QPixmap programPicture(const QString& programDirectory, const QString& name,
                       const QWidget* shownOn);

} // namespace tessaly
