#pragma once

#include <array>
#include <functional>
#include <string>

// Every sound of the game, by alias. Failures are silent: a missing file, no audio
// device or an alias never opened only make that sound quiet.
namespace basEffect {

// The [SOUND] keys of Poker.ini, each also the alias it is played under.
inline constexpr std::array<const char*, 10> kGameAliases{
    "CARD", "COININ", "COINOUT", "HOLD", "BOO", "WIN0", "WIN1", "WIN2", "BONUS", "FANFARE"};

// Opening an alias that is already open replaces its sound: the old one stops and
// is freed, and if the new file cannot be loaded the alias is left closed.
// ".mid" files play as music, one at a time, like a MIDI sequencer: starting one
// stops any other.
void SoundOpen(const std::string& path, const std::string& alias);
void SoundClose(const std::string& alias);
void SoundPlay(const std::string& alias);
void SoundStop(const std::string& alias);
void SoundPlayIfStopped(const std::string& alias);
void SoundOpenAll();
void SoundCloseAll();

// The player's quick mute: muting stops whatever plays, and until unmuted every
// play is silent. Calls are still made and reported, so nothing is owed on unmuting:
// the next play sounds as usual.
void SetSoundMuted(bool muted);
bool SoundMuted();

// Whether the alias is sounding now; false for an alias that is not open. A query,
// so the observer does not hear it.
bool SoundIsPlaying(const std::string& alias);

// Tests hear the game through this: each call above reports its own name
// ("SoundPlay", "SoundStop", ...) and the alias ("" for SoundOpenAll and
// SoundCloseAll), whether or not a device exists. Calls that one operation makes
// on behalf of another are not reported again.
using SoundObserver = std::function<void(const std::string& operation, const std::string& alias)>;
void SetSoundObserver(SoundObserver observer);

} // namespace basEffect
