#include "stats/frmDataView.h"

#include "widgets/GameControls.h"
#include "platform/Random.h"
#include "stats/DataViewColors.h"

#include <QLabel>
#include <QTimer>
#include <cmath>

using namespace datacolor;

namespace {

constexpr int kFlyInTick = 1;
constexpr int kLightTick = 200;

int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

void frmDataView::tmrData_Timer() {
    // The timer is stopped for the whole tick, but an activation in the middle of a
    // fly-in starts it again; that tick must not begin a second one.
    if (blnDataTicking) {
        return;
    }
    blnDataTicking = true;
    tmrData->stop();
    const int step = intDataStep;
    intDataStep = static_cast<std::int16_t>(step < 60 ? FlyInRows(step) : LightRows(step));
    blnDataTicking = false;
    if (!blnClosed) {
        tmrData->start();
    }
}

// One label a tick: the four titles, their values, the nine hand names, their counts.
int frmDataView::FlyInRows(int Step) {
    if (Step < 10) {
        tmrData->setInterval(kFlyInTick);
        return 20;
    }
    if (Step >= 20 && Step <= 23) {
        const int i = Step - 20;
        FlyTo(lblTitle[i], intRowLeft, intRowTop + i * intRowHeight, kGreen);
    } else if (Step >= 30 && Step <= 33) {
        const TwipsRect& title = twips.Of(lblTitle[Step - 30]);
        FlyTo(lblData[Step - 30], Round(title.right()), Round(title.top), kWhite);
    } else if (Step >= 40 && Step <= 48) {
        const int i = Step - 40;
        FlyTo(lblWinName[i], intRowLeft, intRowTop + (i + 5) * intRowHeight, kYellow);
    } else if (Step >= 50 && Step <= 58) {
        const TwipsRect& name = twips.Of(lblWinName[Step - 50]);
        const double width = twips.Of(lblWinName[0]).width;
        FlyTo(lblWinData[Step - 50], Round(name.left + width), Round(name.top), kWhite);
    } else if (Step == 24 || Step == 34) {
        return Step + 6;
    }
    return Step + 1;
}

// All dim, then lit row by row, a rest of 26 ticks, and a scatter.
int frmDataView::LightRows(int Step) {
    if (Step == 60) {
        tmrData->setInterval(kLightTick);
        DimLabels();
    } else if (Step >= 61 && Step <= 64) {
        SetForeColor(lblTitle[Step - 61], kGreen);
        SetForeColor(lblData[Step - 61], kWhite);
    } else if (Step >= 65 && Step <= 73) {
        SetForeColor(lblWinName[Step - 65], kYellow);
        SetForeColor(lblWinData[Step - 65], kWhite);
    } else if (Step >= 100) {
        DimLabels();
        ScatterLabels();
        return 0;
    }
    return Step + 1;
}

void frmDataView::DimLabels() {
    for (std::size_t i = 0; i < lblTitle.size(); ++i) {
        SetForeColor(lblTitle[i], kDarkGreen);
        SetForeColor(lblData[i], kDarkGrey);
    }
    for (std::size_t i = 0; i < lblWinName.size(); ++i) {
        SetForeColor(lblWinName[i], kOlive);
        SetForeColor(lblWinData[i], kDarkGrey);
    }
}

// Hand rows take their top from the width too, so on a wide screen some of them
// start below its lower edge and fly in from outside.
void frmDataView::ScatterLabels() {
    for (std::size_t i = 0; i < lblTitle.size(); ++i) {
        Scatter(lblTitle[i], SH);
        Scatter(lblData[i], SH);
    }
    for (std::size_t i = 0; i < lblWinName.size(); ++i) {
        Scatter(lblWinName[i], SW);
        Scatter(lblWinData[i], SW);
    }
}

void frmDataView::Scatter(QLabel* label, double TopRange) {
    const double left = platform::Rnd() * SW;
    const double top = platform::Rnd() * TopRange;
    MoveTo(label, left, top);
}
