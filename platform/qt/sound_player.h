#pragma once

#include <QString>

namespace platform {

// Plays a WAV file and returns when it has finished. A missing file, a file that is not a
// sound, or a machine without an audio device is silent: the call just returns.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playAndWait(const QString& wavPath) = 0;
};

class QtSoundPlayer : public SoundPlayer {
public:
    void playAndWait(const QString& wavPath) override;
};

// The length of a PCM WAV file in milliseconds, or -1 when the file is not one.
int wavDurationMs(const QString& wavPath);

} // namespace platform
