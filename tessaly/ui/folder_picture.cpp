#include "folder_picture.h"

#include <QMouseEvent>
#include <QStyle>

namespace tessaly {

FolderPicture::FolderPicture(QWidget* parent) : QLabel(parent) {
    setPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(20, 20));
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Choose a file"));
}

void FolderPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tessaly
