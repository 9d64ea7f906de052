#include "game/frmPoker.h"

#include "config/basIniProc.h"
#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"
#include "rules/basPokerProc.h"

using namespace tablecolor;

namespace {

struct StyleBanner {
    const char* caption;
    QColor color;
};

StyleBanner BannerOf(std::int16_t style) {
    switch (style) {
    case basPokerProc::kStyleRedBlack:
        return {"■■■■■　ＲＥＤ　ＢＬＡＣＫ　ＤＯＵＢＬＥ　■■■■■", kRed};
    case basPokerProc::kStyleHighLow:
        return {"■■■■■　ＨＩＧＨ　ＬＯＷ　ＤＯＵＢＬＥ　■■■■■", kYellow};
    case basPokerProc::kStyleStandard:
        return {"■■■■■　ＳＴＡＮＤＡＲＤ　ＤＯＵＢＬＥ　■■■■■", kWhite};
    default:
        return {"", QColor()};
    }
}

} // namespace

// Before any bet the table shows the bare rates, darker; then rate × wager.
void frmPoker::ShowPayTable() {
    if (lngWager == 0) {
        PaintPayTable(kDarkBlue, 1);
    } else {
        PaintPayTable(kBlue, lngWager);
    }
}

void frmPoker::ShowBonusTable() {
    PaintPayTable(kBlue, std::int64_t{lngWager} * basPokerProc::kSpecialBonusFactor);
}

void frmPoker::PaintPayTable(const QColor& Back, std::int64_t Multiplier) {
    for (std::size_t code = 0; code < lbl1Win.size(); ++code) {
        SetBackColor(lblWinName[code], Back);
        SetBackColor(lbl1Win[code], Back);
        SetLabelNumber(lbl1Win[code], basPokerProc::lngPayRate.at(code) * Multiplier);
    }
}

void frmPoker::ShowWinHand(int Code) {
    ShowPayTable();
    const auto row = static_cast<std::size_t>(Code);
    SetBackColor(lblWinName.at(row), kRed);
    SetBackColor(lbl1Win.at(row), kRed);
}

// The first showing of a sequence names the hand and its payout; every showing
// counts one more attempt and keeps the record of the longest run.
void frmPoker::ShowDoublePanel(bool Visible) {
    if (Visible && lblWinCoinTitle->isHidden()) {
        const auto code = static_cast<std::int16_t>(std::stoi(strWinHand));
        lblWinCoinTitle->setText(QString::fromStdString(basPokerProc::HandName(code)));
        lblWinCoin->setText(lbl1Win.at(static_cast<std::size_t>(code))->text());
        SetLabelNumber(lblLuckNo, 0);
        lblDoubleManual->setText("");
    }
    if (Visible) {
        const std::int64_t attempts = LabelNumber(lblLuckNo);
        if (attempts > basIniProc::lngMaxDoubleCnt) {
            basIniProc::lngMaxDoubleCnt = static_cast<std::int32_t>(attempts);
        }
        SetLabelNumber(lblLuckNo, attempts + 1);
        SetLabelNumber(lblDoubleCollect, lngWin);
        SetLabelNumber(lblTryYourLuck, std::int64_t{lngWin} * 2);
    }
    ShowDoubleStyle(Visible);
    for (QWidget* part : {lblWinCoinTitle, lblWinCoin, lblDoubleCollectTitle, lblDoubleCollect,
                          lblTryYourLuckTitle, lblLuckNo, lblTryYourLuck, lblCoinTitle[0],
                          lblCoinTitle[1], lblCoinTitle[2], lblDoubleManual}) {
        part->setVisible(Visible);
    }
    PlaceGraph(platform::PixelsToTwips(width()));
    basLog::DrawCoinGraph(picGraph);
}

void frmPoker::ShowDoubleStyle(bool Visible) {
    const StyleBanner banner = BannerOf(basPokerProc::intDoubleStyle);
    lblDoubleStyle->setText(banner.caption);
    if (banner.color.isValid()) {
        SetForeColor(lblDoubleStyle, banner.color);
    }
    lblDoubleStyle->setVisible(Visible);
}

void frmPoker::ShowStyleMenu() {
    for (ClickLabel* entry : lblDblStyleName) {
        SetForeColor(entry, kSilver);
        entry->show();
    }
    lblSelectGame->show();
}

void frmPoker::HideStyleMenu() {
    for (ClickLabel* entry : lblDblStyleName) {
        entry->hide();
    }
    lblSelectGame->hide();
}
