#include "SoundFiles.h"

#include <QFile>
#include <cmath>
#include <numbers>

namespace soundfiles {
namespace {

constexpr int kRate = 44100;

void AppendLe(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void AppendBe(QByteArray& bytes, quint32 value, int size) {
    for (int i = size - 1; i >= 0; --i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

QByteArray ToneSamples(int toneMs, int silenceMs) {
    QByteArray samples;
    const int toneFrames = kRate / 1000 * toneMs;
    for (int i = 0; i < toneFrames; ++i) {
        const double wave = std::sin(2.0 * std::numbers::pi * 440.0 * i / kRate);
        AppendLe(samples, static_cast<quint16>(static_cast<qint16>(8000.0 * wave)), 2);
    }
    samples.append(QByteArray(kRate / 1000 * silenceMs * 2, '\0'));
    return samples;
}

void AppendDeltaTime(QByteArray& bytes, quint32 ticks) {
    QByteArray groups(1, static_cast<char>(ticks & 0x7F));
    while ((ticks >>= 7) != 0) {
        groups.prepend(static_cast<char>((ticks & 0x7F) | 0x80));
    }
    bytes.append(groups);
}

} // namespace

void WriteWav(const QString& path, int toneMs, int silenceMs) {
    const QByteArray samples = ToneSamples(toneMs, silenceMs);
    QByteArray wav("RIFF");
    AppendLe(wav, 36 + samples.size(), 4);
    wav.append("WAVEfmt ");
    AppendLe(wav, 16, 4);
    AppendLe(wav, 1, 2); // PCM
    AppendLe(wav, 1, 2); // mono
    AppendLe(wav, kRate, 4);
    AppendLe(wav, kRate * 2, 4);
    AppendLe(wav, 2, 2);
    AppendLe(wav, 16, 2);
    wav.append("data");
    AppendLe(wav, samples.size(), 4);
    WriteBytes(path, wav + samples);
}

void WriteMidi(const QString& path, int noteMs) {
    // At the default tempo a quarter note lasts 500 ms.
    constexpr int kTicksPerQuarter = 480;
    QByteArray track;
    AppendDeltaTime(track, 0);
    track.append("\xC0\x10", 2); // organ: it holds its loudness until released
    AppendDeltaTime(track, 0);
    track.append("\x90\x3C\x64", 3); // middle C on
    AppendDeltaTime(track, static_cast<quint32>(noteMs * kTicksPerQuarter / 500));
    track.append("\x80\x3C\x00", 3);
    AppendDeltaTime(track, 0);
    track.append("\xFF\x2F\x00", 3); // end of track

    QByteArray midi("MThd");
    AppendBe(midi, 6, 4);
    AppendBe(midi, 0, 2);
    AppendBe(midi, 1, 2);
    AppendBe(midi, kTicksPerQuarter, 2);
    midi.append("MTrk");
    AppendBe(midi, track.size(), 4);
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
