#include "stats/frmDataView.h"

#include "widgets/GameControls.h"
#include "stats/DataViewColors.h"

#include <QLabel>
#include <QTimer>
#include <cmath>

using namespace datacolor;

namespace {

constexpr double kHop = 100;

// The wave's head first: each colour runs one letter behind the one before.
const std::array<QColor, 5> kWave{kWhite, kRed, kGreen, kBlue, kCyan};

} // namespace

// Like the rows' timer, this one rests while its tick runs: a letter's fly-in lets
// events run, and a second tick must not start inside it (nor wake the program
// every 10 ms for nothing).
void frmDataView::tmrVeskPoker_Timer() {
    if (blnTitleTicking) {
        return;
    }
    blnTitleTicking = true;
    tmrVeskPoker->stop();
    ActOnTitle(intTitleStep);
    intTitleStep = static_cast<std::int16_t>(intTitleStep < 100 ? intTitleStep + 1 : 0);
    blnTitleTicking = false;
    if (!blnClosed) {
        tmrVeskPoker->start();
    }
}

// Fly-in letter by letter, a hop along the word, a pale flash, a colour wave, a
// rest, and a scatter.
void frmDataView::ActOnTitle(int Step) {
    if (Step <= 9) {
        const double left = intTitleLeft + Step * twips.Of(lblVeskPoker[0]).width;
        FlyTo(lblVeskPoker[Step], static_cast<int>(std::nearbyint(left)), intTitleTop, kCyan);
    } else if (Step <= 29) {
        Hop(Step);
    } else if (Step <= 39) {
        SetForeColor(lblVeskPoker[Step - 30], kPaleCyan);
    } else if (Step <= 49) {
        SetForeColor(lblVeskPoker[Step - 40], kCyan);
    } else if (Step <= 63) {
        ColourWave(Step);
    } else if (Step >= 100) {
        ScatterTitle();
    }
}

// Each letter in turn jumps up for one tick.
void frmDataView::Hop(int Step) {
    if (Step == 10) {
        intHopIndex = 0;
    }
    QLabel* letter = lblVeskPoker[intHopIndex];
    const TwipsRect& at = twips.Of(letter);
    if (Step % 2 == 0) {
        MoveTo(letter, at.left, at.top - kHop);
    } else {
        MoveTo(letter, at.left, at.top + kHop);
        ++intHopIndex;
    }
}

void frmDataView::ColourWave(int Step) {
    for (std::size_t k = 0; k < kWave.size(); ++k) {
        const int i = Step - 50 - static_cast<int>(k);
        if (i >= 0 && i <= 9) {
            SetForeColor(lblVeskPoker[i], kWave[k]);
        }
    }
}

void frmDataView::ScatterTitle() {
    for (QLabel* letter : lblVeskPoker) {
        Scatter(letter, SW);
        SetForeColor(letter, kTeal);
    }
}
