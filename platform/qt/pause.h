#pragma once

#include <QtGlobal>

namespace platform {

// Every wait, animation step and progress pause of the programs goes through this seam, so
// tests can replace it and nothing in the suite really waits.
class Pause {
public:
    enum class Events { Ignore, Process };
    virtual ~Pause() = default;
    // Waits about ms milliseconds; with Events::Process the window stays responsive meanwhile.
    virtual void wait(int ms, Events events) = 0;
    // A monotonic clock in milliseconds.
    virtual qint64 nowMs() const = 0;
};

class SystemPause : public Pause {
public:
    void wait(int ms, Events events) override;
    qint64 nowMs() const override;
};

} // namespace platform
