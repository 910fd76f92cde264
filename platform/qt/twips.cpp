#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

int twipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

int pixelsToTwips(int pixels, double logicalDpi) {
    return logicalDpi > 0 ? static_cast<int>(std::lround(pixels * 1440.0 / logicalDpi)) : 0;
}

double logicalDpiOf(const QWidget* widget) {
    if (widget)
        return widget->logicalDpiX();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchX();
    return 96.0;
}

} // namespace platform
