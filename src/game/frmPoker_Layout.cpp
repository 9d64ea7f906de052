#include "game/frmPoker.h"

#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"

#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kSmallestWidth = 10000;
constexpr double kSmallestHeight = 8000;
constexpr double kCardGap = 100;
constexpr double kGraphMargin = 200;

// Card sizes are whole 16-bit numbers, rounded to nearest with halves to even.
double RoundCardSize(double size) {
    return static_cast<std::int16_t>(std::nearbyint(size));
}

} // namespace

// The smallest inner size in whole pixels at which the buttons, the lowest row, end
// inside the window and the row of cards inside its width. Below the pay table
// everything stacks on the card height SH / 3, and the row of cards is as wide as
// five cards of three quarters of that height, so a smaller window would push the
// buttons out below or the outer cards out at the sides.
QSize frmPoker::SmallestTableSize() const {
    const double stacked = twips.Of(lbl1Win[8]).bottom() + 80 + twips.Of(lblDoubleManual).height +
                           80 + twips.Of(lblResult).height + 90 + 60 + twips.Of(lblHold[0]).height +
                           90 + twips.Of(lblWagerTitle).height + twips.Of(lblWinTitle).height +
                           twips.Of(lblPaidTitle).height + 135 + twips.Of(cmdCollect).height;
    const double perPixel = platform::TwipsPerPixel();
    int height = static_cast<int>(std::ceil(kSmallestHeight / perPixel));
    while (stacked + RoundCardSize(height * perPixel / 3) > height * perPixel) {
        ++height;
    }
    const double cardWidth = RoundCardSize(RoundCardSize(height * perPixel / 3) * 0.75);
    const double row = std::max(kSmallestWidth, 5 * cardWidth + 4 * kCardGap);
    return {static_cast<int>(std::ceil(row / perPixel)), height};
}

void frmPoker::Form_Resize() {
    if (isMinimized()) {
        return;
    }
    LayOutTable(platform::PixelsToTwips(width()), platform::PixelsToTwips(height()));
}

// Every step reads the controls as the steps before left them; only the card size
// is rounded, everything else stays a real number.
void frmPoker::LayOutTable(double SW, double SH) {
    if (SW < kSmallestWidth || SH < kSmallestHeight) {
        return;
    }
    twips.SetLeft(lblDoubleStyle, 0);
    twips.SetWidth(lblDoubleStyle, SW);
    twips.SetLeft(lbl1Win[0], twips.Of(lblWinName[0]).right() + 15);
    LayOutDoublePanel();
    PlaceGraph(SW);
    basLog::DrawCoinGraph(picGraph);

    const TwipsRect& payTableEnd = twips.Of(lbl1Win[8]);
    twips.Place(lblDoubleManual,
                {100, payTableEnd.bottom() + 80, SW - 100, twips.Of(lblDoubleManual).height});
    twips.Place(lblResult,
                {0, twips.Of(lblDoubleManual).bottom() + 80, SW, twips.Of(lblResult).height});
    LayOutCards(SW, SH);
    LayOutLowerLines(SW);
}

void frmPoker::LayOutDoublePanel() {
    auto placeRow = [this](QLabel* title, QLabel* value, QLabel* unit, QLabel* rowOf) {
        const double top = twips.Of(rowOf).top;
        twips.Place(title, {twips.Of(lblWinCoinTitle).left, top, twips.Of(title).width,
                            twips.Of(title).height});
        twips.Place(
            value, {twips.Of(lblWinCoin).left, top, twips.Of(value).width, twips.Of(value).height});
        twips.Place(unit, {twips.Of(lblCoinTitle[0]).left, top, twips.Of(unit).width,
                           twips.Of(unit).height});
    };
    const TwipsRect& row2 = twips.Of(lbl1Win[2]);
    twips.SetLeft(lblWinCoinTitle, row2.left + twips.Of(lbl1Win[0]).width + 210);
    twips.SetTop(lblWinCoinTitle, row2.top);
    twips.SetLeft(lblWinCoin, twips.Of(lblWinCoinTitle).right() + 345);
    twips.SetTop(lblWinCoin, twips.Of(lblWinCoinTitle).top);
    twips.SetLeft(lblCoinTitle[0], twips.Of(lblWinCoin).right() + 75);
    twips.SetTop(lblCoinTitle[0], twips.Of(lblWinCoinTitle).top);
    placeRow(lblDoubleCollectTitle, lblDoubleCollect, lblCoinTitle[1], lbl1Win[3]);
    placeRow(lblTryYourLuckTitle, lblTryYourLuck, lblCoinTitle[2], lbl1Win[4]);
    twips.SetLeft(lblLuckNo, twips.Of(lblTryYourLuck).left - twips.Of(lblLuckNo).width / 2);
    twips.SetTop(lblLuckNo, twips.Of(lblTryYourLuck).top);
}

// The graph sits under the double-up panel beside rows 5 to 8 while the panel is
// shown, and beside the whole pay table otherwise.
void frmPoker::PlaceGraph(double SW) {
    const QLabel* firstRow = lblWinCoinTitle->isHidden() ? lblWinName[0] : lblWinName[5];
    const double top = twips.Of(firstRow).top;
    const double left = twips.Of(lblWinCoinTitle).left;
    twips.Place(picGraph,
                {left, top, SW - left - kGraphMargin, twips.Of(lblWinName[8]).bottom() - top});
}

void frmPoker::LayOutCards(double SW, double SH) {
    const double ch = RoundCardSize(SH / 3);
    const double cw = RoundCardSize(ch * 0.75);
    const double top = twips.Of(lblResult).bottom() + 90;
    for (std::size_t i = 0; i < imgTable.size(); ++i) {
        const double left = i == 0 ? (SW - (4 * kCardGap + 5 * cw)) / 2
                                   : twips.Of(imgTable[i - 1]).right() + kCardGap;
        twips.Place(imgTable[i], {left, top, cw, ch});
        const TwipsRect& card = twips.Of(imgTable[i]);
        twips.Place(lblHold[i],
                    {card.left, card.bottom() + 60, card.width, twips.Of(lblHold[i]).height});
        twips.Place(lblDblStyleName[i],
                    {(SW / 5) * static_cast<double>(i), twips.Of(lblHold[i]).top, SW / 5,
                     twips.Of(lblDblStyleName[i]).height});
    }
}

void frmPoker::LayOutLowerLines(double SW) {
    double top = twips.Of(lblHold[0]).bottom() + 90;
    const std::array<std::pair<QLabel*, QLabel*>, 3> lines{
        {{lblWagerTitle, lblWager}, {lblWinTitle, lblWin}, {lblPaidTitle, lblPaid}}};
    for (const auto& [title, value] : lines) {
        twips.SetTop(title, top);
        twips.SetLeft(title, 100);
        twips.SetTop(value, top);
        twips.SetLeft(value, twips.Of(title).right());
        top = twips.Of(title).bottom();
    }
    const double menuBottom = twips.Of(lblDblStyleName[0]).bottom();
    twips.Place(lblSelectGame, {0, menuBottom, SW, twips.Of(lblSelectGame).height});
    twips.Place(lblMsg, {0, twips.Of(lblSelectGame).bottom(), SW, twips.Of(lblMsg).height});

    const TwipsRect& wagerTitle = twips.Of(lblWagerTitle);
    twips.Place(lblCreditTitle,
                {SW / 2, wagerTitle.top, SW / 2 - 130, twips.Of(lblCreditTitle).height});
    twips.Place(lblCredits,
                {SW / 2, wagerTitle.bottom() + 30, SW / 2 - 130, twips.Of(lblCredits).height});

    const double buttonTop = twips.Of(lblPaidTitle).bottom() + 135;
    double left = 0;
    for (QPushButton* button : {cmdCollect, cmdHalf, cmdMaxBet, cmdOneBet, cmdRepBet, cmdDual}) {
        twips.Place(button, {left, buttonTop, SW / 6, twips.Of(button).height});
        left = twips.Of(button).right();
    }
}
