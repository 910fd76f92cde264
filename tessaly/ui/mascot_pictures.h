#pragma once

#include <QPixmap>

namespace tessaly {

// The mascot's poses, drawn rather than loaded so the window never shows an empty frame.
enum class MascotPose { WingUp, WingDown, Resting, Calling };
QPixmap mascotPicture(MascotPose pose, int size);

} // namespace tessaly
