#pragma once

class QWidget;

namespace platform {

// Window positions are stored in twips, 1440 to the inch, converted with the screen's
// logical resolution.
int twipsToPixels(int twips, double logicalDpi);
int pixelsToTwips(int pixels, double logicalDpi);
double logicalDpiOf(const QWidget* widget);

} // namespace platform
