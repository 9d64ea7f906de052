#include "game/frmPoker.h"

#include "config/basIniProc.h"
#include "platform/Events.h"
#include "platform/Pause.h"
#include "sound/basEffect.h"

#include <cmath>

namespace {

constexpr std::int32_t kFanfareCoins = 60;

// The count speeds up for large payouts; quotients in single precision, rounded
// to the nearest millisecond with halves to even.
int CoinPause(std::int64_t counted) {
    const float speed = basIniProc::intGameSpeed;
    if (counted < 500) {
        return static_cast<int>(std::nearbyint(speed / 4.0f));
    }
    if (counted < 1000) {
        return static_cast<int>(std::nearbyint(speed / 20.0f));
    }
    return 1;
}

} // namespace

void frmPoker::ShowCoins(int Mode) {
    switch (Mode) {
    case 0:
        SetLabelNumber(lblWager, 0);
        SetLabelNumber(lblWin, 0);
        SetLabelNumber(lblPaid, 0);
        break;
    case 1:
    case 10:
    case 70:
    case 80:
        SetLabelNumber(lblWager, lngWager);
        SetLabelNumber(lblWin, 0);
        SetLabelNumber(lblPaid, 0);
        break;
    case 50:
        SetLabelNumber(lblWager, lngWager);
        SetLabelNumber(lblWin, lngPaid);
        SetLabelNumber(lblPaid, 0);
        break;
    case 99:
        SetLabelNumber(lblWager, lngWager);
        SetLabelNumber(lblWin, lngPaid);
        SetLabelNumber(lblPaid, 0);
        CountPaidCoins();
        break;
    default:
        break;
    }
}

// One step per coin; each coin but the last restarts the coin sound, or from 60
// coins on keeps the fanfare going, which the last coin stops. A quit that waits
// for the count has the rest shown at once.
void frmPoker::CountPaidCoins() {
    for (;;) {
        platform::DoEvents();
        const std::int64_t counted = blnCloseWanted ? lngPaid : LabelNumber(lblPaid);
        platform::Pause(CoinPause(counted));
        SetLabelNumber(lblPaid, counted + 1);
        if (counted + 1 >= lngPaid) {
            SetLabelNumber(lblPaid, lngPaid);
            if (lngPaid >= kFanfareCoins) {
                basEffect::SoundStop("FANFARE");
            }
            return;
        }
        if (lngPaid < kFanfareCoins) {
            basEffect::SoundPlay("COINOUT");
        } else {
            basEffect::SoundPlayIfStopped("FANFARE");
        }
    }
}
