#include "game/frmPoker.h"

#include "config/CardPictures.h"
#include "config/basIniProc.h"
#include "log/basLog.h"
#include "platform/Events.h"
#include "platform/Pause.h"
#include "platform/Random.h"
#include "rules/basPokerProc.h"
#include "sound/basEffect.h"

#include <QCoreApplication>
#include <QPushButton>
#include <array>
#include <iostream>

using namespace tablecolor;

namespace {

constexpr int kTypingPause = 10;
constexpr std::int16_t kLastGameNo = 1000;
constexpr std::int32_t kHandCountLimit = 99999999;

const QImage& FacePicture(std::int16_t suit, std::int16_t rank) {
    const auto r = static_cast<std::size_t>(rank);
    switch (suit) {
    case 1:
        return basIniProc::picClub.at(r);
    case 2:
        return basIniProc::picDiamond.at(r);
    case 3:
        return basIniProc::picHeart.at(r);
    case 4:
        return basIniProc::picSpade.at(r);
    default:
        return basIniProc::picJoker;
    }
}

// What a screen reader says for a card shown face up.
QString FaceName(std::int16_t suit, std::int16_t rank) {
    static const std::array<const char*, 13> ranks{"ace", "2", "3",  "4",    "5",     "6",   "7",
                                                   "8",   "9", "10", "jack", "queen", "king"};
    static const std::array<const char*, 4> suits{"clubs", "diamonds", "hearts", "spades"};
    if (rank == basPokerProc::kRankJoker) {
        return "joker";
    }
    return QString(ranks.at(static_cast<std::size_t>(rank))) + " of " +
           suits.at(static_cast<std::size_t>(suit - 1));
}

QString HandNameOf(const std::string& code) {
    return QString::fromStdString(
        basPokerProc::HandName(static_cast<std::int16_t>(std::stoi(code))));
}

} // namespace

void frmPoker::Form_Load() {
    basIniProc::InitIniFile();
    basIniProc::LoadCardPictures();
    basIniProc::LoadCoinData();
    basLog::RecoverLog();
    // SoundOpenAll follows the first paint (paintEvent).
    basIniProc::LoadGameSpeed();
    basIniProc::LoadBackColor();
    basEffect::SetSoundMuted(basIniProc::LoadSoundMuted());
    blnCoach = basIniProc::LoadCoach();
    SetTableColor(basIniProc::lngBackColor);
    ResetRound();
    ShowMsg("ＧＡＭＥ　ＯＶＥＲ");
    basPokerProc::intGameStatus = 0;
    SetButtons(0);
    basPokerProc::SetPayRate();
    ShowDoublePanel(false);
    CoinProc(0);
    basPokerProc::intDoubleStyle = basPokerProc::kStyleStandard;
}

// Nothing else is left to tell the player of a save that failed at the very end.
void frmPoker::Form_Unload() {
    basEffect::SoundCloseAll();
    SettleOpenGame();
    blnSaveFailed = !basIniProc::SaveCoinData();
    if (blnSaveFailed) {
        std::cerr << "vesk_poker: the coins could not be saved to " << basIniProc::strAppPath
                  << "Poker.ini\n";
    }
    QCoreApplication::quit();
}

void frmPoker::SetTableColor(std::int32_t Color) {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;
    basIniProc::SplitColor(Color, red, green, blue);
    QPalette table = palette();
    table.setColor(QPalette::Window, QColor(red, green, blue));
    setPalette(table);
}

void frmPoker::cmdDual_Click() {
    const BusyScope dealing(*this, blnDealing);
    CoachFollow();
    StopWinSounds();
    SetButtons(99);
    platform::Randomize();
    ShowMsg("ＧＯＯＤ　ＬＵＣＫ");
    switch (basPokerProc::intGameStatus) {
    case 0:
        DealHand();
        break;
    case 1:
        DrawHand();
        break;
    case 2:
        DealDoubleRound();
        break;
    case 3:
        SettleDouble();
        break;
    default:
        LoseToDealerJoker();
        break;
    }
}

void frmPoker::DealHand() {
    intGameNo =
        intGameNo >= kLastGameNo ? std::int16_t{1} : static_cast<std::int16_t>(intGameNo + 1);
    ResetRound();
    ShowDoublePanel(false);
    DrawCards();
    strWinHand = basPokerProc::JudgeHand();
    if (!strWinHand.empty()) {
        basEffect::SoundPlayIfStopped("WIN0");
        ShowWinHand(std::stoi(strWinHand));
        ShowResult(HandNameOf(strWinHand));
    }
    ShowMsg("ＳＥＬＥＣＴ　ＣＡＲＤ");
    basPokerProc::intGameStatus = 1;
    SetButtons(2);
}

void frmPoker::DrawHand() {
    CoachNoteDraw();
    DrawCards();
    ShowHoldLabels();
    strWinHand = basPokerProc::JudgeHand();
    if (strWinHand.empty()) {
        CoinProc(60);
        ShowResult("PLAYER LOSE!");
        cmdCollect_Click();
        return;
    }
    PayHand(std::stoi(strWinHand));
}

void frmPoker::PayHand(int Code) {
    auto& count = basIniProc::lngPlayData.at(static_cast<std::size_t>(Code));
    count = count > kHandCountLimit ? 1 : count + 1;
    CoinProc(70);
    PlayWinSound();
    ShowWinHand(Code);
    ShowResult(HandNameOf(strWinHand));
    ShowMsg("ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ");
    ShowDoublePanel(true);
    ShowStyleMenu();
    HideHoldLabels();
    basPokerProc::intGameStatus = 2;
    SetButtons(3);
}

void frmPoker::ShowCard(int Index, bool Deal) {
    const auto i = static_cast<std::size_t>(Index);
    const QImage* picture = &basIniProc::picBack;
    QString name = "card back";
    if (Deal) {
        basPokerProc::DealCard(basPokerProc::intDealMark, basPokerProc::intDealNo);
        basPokerProc::strCardMark[i] = std::to_string(basPokerProc::intDealMark);
        basPokerProc::strCardNo[i] = std::to_string(basPokerProc::intDealNo);
        picture = &FacePicture(basPokerProc::intDealMark, basPokerProc::intDealNo);
        name = FaceName(basPokerProc::intDealMark, basPokerProc::intDealNo);
    }
    basEffect::SoundPlayIfStopped("CARD");
    imgTable[i]->SetPicture(*picture, name);
    platform::Pause(basIniProc::intGameSpeed);
}

void frmPoker::DrawCards() {
    for (std::size_t i = 0; i < strHold.size(); ++i) {
        if (strHold[i] == "0") {
            basPokerProc::strDropMark[i] = basPokerProc::strCardMark[i];
            basPokerProc::strDropNo[i] = basPokerProc::strCardNo[i];
            ShowCard(static_cast<int>(i), false);
        }
    }
    for (std::size_t i = 0; i < strHold.size(); ++i) {
        if (strHold[i] == "0") {
            ShowCard(static_cast<int>(i), true);
        }
    }
}

void frmPoker::ResetRound() {
    using namespace basPokerProc;
    for (CardArray* cards :
         {&strDropMark, &strDropNo, &strCardMark, &strCardNo, &strSortMark, &strSortNo}) {
        ClearArray(*cards);
    }
    strHold.fill("0");
    ShowHoldLabels();
    HideStyleMenu();
    lblMsg->setText("");
    lblResult->setText("");
    strWinHand.clear();
    intDoubleSelect = 0;
    intDoubleCount = 0;
}

void frmPoker::ShowHoldLabels() {
    for (ClickLabel* label : lblHold) {
        label->setText("HELD");
        SetForeColor(label, kDimOlive);
        label->show();
    }
    for (CardImage* card : imgTable) {
        card->SetNote("");
    }
}

void frmPoker::HideHoldLabels() {
    for (ClickLabel* label : lblHold) {
        label->hide();
    }
}

// Holds change only between the deal and the draw; a click let through while the
// draw deals would otherwise change which cards are drawn or scored.
void frmPoker::lblHold_Click(int Index) {
    const auto status = basPokerProc::intGameStatus;
    if (Busy() || status == 0 || status == 2) {
        return;
    }
    if (status == 3) {
        PickDouble(Index);
        return;
    }
    const auto i = static_cast<std::size_t>(Index);
    basEffect::SoundPlayIfStopped("HOLD");
    if (strHold[i] == "1") {
        strHold[i] = "0";
        SetForeColor(lblHold[i], kDimOlive);
        imgTable[i]->SetNote("");
    } else {
        strHold[i] = "1";
        SetForeColor(lblHold[i], kYellow);
        imgTable[i]->SetNote("held");
    }
    CoachFollow();
}

void frmPoker::imgTable_Click(int Index) {
    lblHold_Click(Index);
}

void frmPoker::ShowMsg(const QString& Text) {
    lblMsg->show();
    lblMsg->setText(Text);
}

void frmPoker::tmrMsg_Timer() {
    ++intMsgBlink;
    if (intMsgBlink >= 10) {
        intMsgBlink = 0;
        lblMsg->setVisible(lblMsg->isHidden());
    }
}

void frmPoker::ShowResult(const QString& Text) {
    lblResult->setText("");
    lblResult->show();
    for (const QChar c : Text) {
        lblResult->setText(lblResult->text() + c);
        platform::DoEvents();
        platform::Pause(kTypingPause);
    }
}
