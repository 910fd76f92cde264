#include "sound_player.h"

#include "pause.h"
#include "platform/file_ops.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include <memory>

namespace platform {

int wavDurationMs(const QString& wavPath) {
    // Read whole through the limited reader, so a pipe or a device cannot hang the player.
    const auto bytes = readFile(wavPath.toLocal8Bit().toStdString());
    if (!bytes)
        return -1;
    QByteArray content(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer file(&content);
    file.open(QIODevice::ReadOnly);
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    for (int guard = 0; guard < 64; ++guard) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = file.read(size);
            if (fmt.size() < 12)
                return -1;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (size % 2)
                file.read(1);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return -1;
            return static_cast<int>(static_cast<quint64>(size) * 1000 / byteRate);
        } else if (!file.seek(file.pos() + size + (size % 2))) {
            return -1;
        }
    }
    return -1;
}

namespace {

// QSoundEffect on the default audio device.
class SoundEffectOutput : public AudioOutput {
public:
    bool available() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    bool start(const QString& wavPath) override {
        effect_ = std::make_unique<QSoundEffect>();
        started_ = false;
        QObject::connect(effect_.get(), &QSoundEffect::statusChanged, effect_.get(), [this] {
            if (effect_->status() == QSoundEffect::Ready && !started_)
                play();
        });
        effect_->setSource(QUrl::fromLocalFile(QFileInfo(wavPath).absoluteFilePath()));
        if (effect_->status() == QSoundEffect::Ready)
            play();
        return effect_->status() != QSoundEffect::Error;
    }

    bool isPlaying() const override {
        if (!effect_ || effect_->status() == QSoundEffect::Error)
            return false;
        return !started_ || effect_->isPlaying();
    }

private:
    void play() {
        started_ = true;
        effect_->play();
    }

    std::unique_ptr<QSoundEffect> effect_;
    bool started_ = false;
};

constexpr int kPollMs = 10;

} // namespace

QtSoundPlayer::QtSoundPlayer()
    : ownOutput_(std::make_unique<SoundEffectOutput>()), ownPause_(std::make_unique<SystemPause>()),
      output_(*ownOutput_), pause_(*ownPause_) {}

QtSoundPlayer::QtSoundPlayer(AudioOutput& output, Pause& pause) : output_(output), pause_(pause) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::playAndWait(const QString& wavPath) {
    const int duration = wavDurationMs(wavPath);
    if (duration < 0 || !output_.available() || !output_.start(wavPath))
        return;
    // The sound's own length bounds the wait, whatever the audio system reports; the events
    // let through keep the output going.
    const qint64 end = pause_.nowMs() + duration;
    for (qint64 now = pause_.nowMs(); output_.isPlaying() && now < end; now = pause_.nowMs())
        pause_.wait(static_cast<int>(qMin<qint64>(kPollMs, end - now)), Pause::Events::Process);
}

} // namespace platform
