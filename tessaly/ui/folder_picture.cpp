#include "folder_picture.h"

#include "program_pictures.h"

#include <QMouseEvent>
#include <QStyle>

namespace tessaly {

FolderPicture::FolderPicture(const QString& programDirectory, QWidget* parent) : QLabel(parent) {
    // Something to click must show, so the style's folder stands in for a missing drawing.
    QPixmap folder = programPicture(programDirectory, QStringLiteral("folder"), this);
    if (folder.isNull())
        folder = style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16, 16);
    setPixmap(folder);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Choose a file"));
}

void FolderPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tessaly
