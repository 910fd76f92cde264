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

} // namespace tessaly
