#pragma once

#include <QString>

// Small sound files written by the tests themselves, so no asset is needed.
namespace soundfiles {

// 16-bit mono WAV at 44.1 kHz: a 440 Hz tone, then silence.
void WriteWav(const QString& path, int toneMs, int silenceMs);

// A MIDI file of one organ note held for 15 s.
void WriteMidi(const QString& path);

} // namespace soundfiles
