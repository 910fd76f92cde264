#pragma once

#include <QString>

#include <memory>

namespace platform {

class Pause;

// Plays a WAV file and returns when it has finished. A missing file, a file that is not a
// sound, or a machine without an audio device is silent: the call just returns.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playAndWait(const QString& wavPath) = 0;
};

// What actually makes the sound, replaceable in tests.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // False when the machine has no device to play on.
    virtual bool available() const = 0;
    // Begins playing; false when the file cannot be played.
    virtual bool start(const QString& wavPath) = 0;
    // True while the sound started last is (or is about to be) heard.
    virtual bool isPlaying() const = 0;
};

class QtSoundPlayer : public SoundPlayer {
public:
    // The system's audio output, waiting on the real clock.
    QtSoundPlayer();
    QtSoundPlayer(AudioOutput& output, Pause& pause);
    ~QtSoundPlayer() override;
    void playAndWait(const QString& wavPath) override;

private:
    std::unique_ptr<AudioOutput> ownOutput_;
    std::unique_ptr<Pause> ownPause_;
    AudioOutput& output_;
    Pause& pause_;
};

// The length of a PCM WAV file in milliseconds, or -1 when the file is not one.
int wavDurationMs(const QString& wavPath);

} // namespace platform
