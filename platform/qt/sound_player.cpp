#include "sound_player.h"

#include "platform/file_ops.h"

#include <QBuffer>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

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

void QtSoundPlayer::playAndWait(const QString& wavPath) {
    const int duration = wavDurationMs(wavPath);
    if (duration < 0)
        return;
    QSoundEffect effect;
    QEventLoop loop;
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error)
            loop.quit();
        else if (effect.status() == QSoundEffect::Ready && !effect.isPlaying())
            effect.play();
    });
    // However the audio system behaves, the call ends shortly after the sound would have.
    QTimer::singleShot(duration + 1000, &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(QFileInfo(wavPath).absoluteFilePath()));
    if (effect.status() == QSoundEffect::Ready)
        effect.play();
    if (effect.status() != QSoundEffect::Error)
        loop.exec();
}

} // namespace platform
