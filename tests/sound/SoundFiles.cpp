#include "SoundFiles.h"

#include <QDataStream>
#include <QFile>
#include <cmath>
#include <numbers>

namespace soundfiles {
namespace {

constexpr int kRate = 44100;

// A MIDI delta time: seven bits a byte, the high bit set on all but the last.
QByteArray DeltaTime(quint32 ticks) {
    QByteArray groups(1, static_cast<char>(ticks & 0x7F));
    while ((ticks >>= 7) != 0) {
        groups.prepend(static_cast<char>((ticks & 0x7F) | 0x80));
    }
    return groups;
}

} // namespace

void WriteWav(const QString& path, int toneMs, int silenceMs) {
    QByteArray samples;
    QDataStream tone(&samples, QIODevice::WriteOnly);
    tone.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < kRate / 1000 * toneMs; ++i) {
        tone << static_cast<qint16>(8000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / kRate));
    }
    samples.append(QByteArray(kRate / 1000 * silenceMs * 2, '\0'));

    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    // PCM, mono, the rate, bytes a second, bytes a frame, bits a sample.
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(kRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    WriteBytes(path, wav + samples);
}

void WriteMidi(const QString& path, int noteMs) {
    // At the default tempo a quarter note lasts 500 ms. An organ holds its loudness
    // until the note is released.
    constexpr int kTicksPerQuarter = 480;
    const QByteArray track = DeltaTime(0) + QByteArray("\xC0\x10", 2) + DeltaTime(0) +
                             QByteArray("\x90\x3C\x64", 3) +
                             DeltaTime(static_cast<quint32>(noteMs * kTicksPerQuarter / 500)) +
                             QByteArray("\x80\x3C\x00", 3) + DeltaTime(0) +
                             QByteArray("\xFF\x2F\x00", 3); // end of track
    QByteArray midi;
    QDataStream out(&midi, QIODevice::WriteOnly);
    out.writeRawData("MThd", 4);
    out << quint32(6) << quint16(0) << quint16(1) << quint16(kTicksPerQuarter);
    out.writeRawData("MTrk", 4);
    out << quint32(track.size());
    WriteBytes(path, midi + track);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

bool HasMidiPatches() {
    return qEnvironmentVariableIsSet("TIMIDITY_CFG") || QFile::exists("/etc/timidity.cfg") ||
           QFile::exists("/etc/timidity/freepats.cfg");
}

} // namespace soundfiles
