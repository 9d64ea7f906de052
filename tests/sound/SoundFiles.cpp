#include "SoundFiles.h"
#include "support/Files.h"

#include <QDataStream>
#include <cmath>
#include <numbers>

namespace soundfiles {

void WriteWav(const QString& path, int toneMs, int silenceMs) {
    constexpr int kRate = 44100;
    const int toneSamples = kRate / 1000 * toneMs;
    const quint32 bytes = 2 * (toneSamples + kRate / 1000 * silenceMs);
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes);
    out.writeRawData("WAVEfmt ", 8);
    // PCM, mono, the rate, bytes a second, bytes a frame, bits a sample.
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(kRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << bytes;
    for (int i = 0; i < toneSamples; ++i) {
        out << static_cast<qint16>(8000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / kRate));
    }
    wav.append(QByteArray(bytes - 2 * toneSamples, '\0'));
    testsupport::WriteBytes(path.toStdString(), wav.toStdString());
}

void WriteMidi(const QString& path) {
    // One track at 480 ticks a quarter: an organ (program 16) plays middle C, released
    // after 14400 ticks (15 s at the default tempo), then the end of the track.
    testsupport::WriteBytes(path.toStdString(), std::string("MThd\0\0\0\6\0\0\0\1\1\xE0"
                                                            "MTrk\0\0\0\x10"
                                                            "\0\xC0\x10\0\x90\x3C\x64"
                                                            "\xF0\x40\x80\x3C\0\0\xFF\x2F\0",
                                                            38));
}

} // namespace soundfiles
