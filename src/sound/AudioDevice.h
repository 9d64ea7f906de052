#pragma once

// The one SDL audio device that every alias shares.
namespace basEffect {

// Opens SDL audio and the mixer on first use. A device that failed stays failed
// until CloseAudioDevice, so a machine without sound pays for one attempt, not
// one per alias.
bool OpenAudioDevice();

// Shuts the mixer and SDL audio down and forgets an earlier failure.
void CloseAudioDevice();

// Grows the mixer's channels so that numbers 0 to count - 1 exist.
void ReserveChannels(int count);

} // namespace basEffect
