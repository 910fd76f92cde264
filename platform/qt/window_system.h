#pragma once

#include <QMargins>
#include <QPoint>

#include <optional>

class QWidget;

namespace platform {

// The frame the window manager has put around a top-level window (title bar and borders),
// asked of the X server itself: Qt's own answer can lag behind the window manager, or keep
// the empty frame it saw before the window was framed. Nullopt while the window has no
// frame yet, and on window systems other than X11.
std::optional<QMargins> frameExtents(const QWidget* window);
// Whether frameExtents can answer here at all (X11).
bool windowSystemReportsFrameExtents();
// Where the outer corner of that frame is on the screen, asked of the X server: Qt learns of
// a move by the window manager only some time after the server has carried it out. Nullopt
// where frameExtents is.
std::optional<QPoint> framedCorner(const QWidget* window);

// Returns once the window system has carried out everything this program has sent it, so what
// was painted is on the screen, not still on its way: the X server may take other clients'
// requests between ours. Returns at once where there is no such server.
void waitUntilDrawn();

} // namespace platform
