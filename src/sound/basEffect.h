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

void SoundOpen(const std::string& path, const std::string& alias);
void SoundClose(const std::string& alias);
void SoundPlay(const std::string& alias);
void SoundStop(const std::string& alias);
void SoundPlayIfStopped(const std::string& alias);
void SoundOpenAll();
void SoundCloseAll();

// Tests hear the game through this: each call above reports its own name
// ("SoundPlay", "SoundStop", ...) and the alias, whether or not a device exists.
using SoundObserver = std::function<void(const std::string& operation, const std::string& alias)>;
void SetSoundObserver(SoundObserver observer);

} // namespace basEffect
