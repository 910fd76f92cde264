#pragma once

class QWidget;

namespace tessaly {

// Where a window appears, measured by its frame (title bar and borders included). The frame's
// size is known only once the window system shows the window, so the window is placed when
// it is first shown and placed again, exactly, when it first appears on the screen. Later
// showings keep wherever the user has moved it.

// Centred on the screen.
void centreOnScreenWhenShown(QWidget* window);
// Centred over the owner's frame, kept on the owner's screen.
void centreOverWhenShown(QWidget* window, const QWidget* owner);

// Whether a window placed by one of the above stands where it was last placed, the window
// system having carried out the move; a window manager moves a framed window only some time
// after it was asked to. True for a window placed by neither.
bool standsWherePlaced(const QWidget* window);

} // namespace tessaly
