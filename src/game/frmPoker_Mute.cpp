#include "game/frmPoker.h"

#include "config/basIniProc.h"
#include "sound/basEffect.h"

// At any moment, even while coins are counted: the count goes on in silence, and
// a fanfare wanted by then starts again with the sound.
void frmPoker::ToggleSound() {
    const bool muted = !basEffect::SoundMuted();
    basEffect::SetSoundMuted(muted);
    basIniProc::SaveSoundMuted(muted);
}
