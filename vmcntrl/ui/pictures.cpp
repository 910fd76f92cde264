#include "pictures.h"

namespace vmcntrl {

namespace {
QString resourcePath(const char* name) {
    return QStringLiteral(":/vmcntrl/pictures/%1.png").arg(QLatin1String(name));
}
} // namespace

QIcon panelIcon(const char* name, QStyle::StandardPixmap fallback, const QStyle* style) {
    const QIcon icon(resourcePath(name));
    return icon.availableSizes().isEmpty() ? style->standardIcon(fallback) : icon;
}

QPixmap panelPicture(const char* name, QStyle::StandardPixmap fallback, const QStyle* style) {
    QPixmap picture(resourcePath(name));
    return picture.isNull() ? style->standardIcon(fallback).pixmap(64, 64) : picture;
}

} // namespace vmcntrl
