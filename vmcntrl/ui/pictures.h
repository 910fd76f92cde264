#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStyle>

namespace vmcntrl {

// The control panel's pictures, compiled into the program; a build without them falls back
// to the window style's standard pictures so no window is left blank.
QIcon panelIcon(const char* name, QStyle::StandardPixmap fallback, const QStyle* style);
QPixmap panelPicture(const char* name, QStyle::StandardPixmap fallback, const QStyle* style);

} // namespace vmcntrl
