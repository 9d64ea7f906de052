#pragma once

#include "advisor/HoldValues.h"
#include "coach/CoachTally.h"
#include "widgets/GameControls.h"
#include "widgets/TwipsGeometry.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CoinGraphBox;
class frmCoach;
class HoldMark;
class QLabel;
class QPushButton;
class QTimer;

// The game window: the table, its cards, labels and buttons, and one game at a time.
//
// Like a form of the original table, its controls, the state of the running game and
// its operations are open: the double-up rounds and the tests drive them directly.
// Handlers are spread over files by concern: frmPoker.cpp (controls), _Layout,
// _Flow (main button, cards, messages), _Coins (bets, payout, buttons, keys),
// _Count (coin displays), _Panel (double-up panel and pay table), _Double (rounds),
// _Coach (the coach's marks, line and side window).
class frmPoker : public QWidget {
    Q_OBJECT

  public:
    explicit frmPoker(QWidget* parent = nullptr);

    // ---- Controls ----------------------------------------------------------------
    QLabel* lblDoubleStyle = nullptr;
    std::array<QLabel*, 9> lblWinName{};
    std::array<QLabel*, 9> lbl1Win{};
    QLabel* lblWinCoinTitle = nullptr;
    QLabel* lblWinCoin = nullptr;
    std::array<QLabel*, 3> lblCoinTitle{};
    QLabel* lblDoubleCollectTitle = nullptr;
    QLabel* lblDoubleCollect = nullptr;
    QLabel* lblTryYourLuckTitle = nullptr;
    QLabel* lblTryYourLuck = nullptr;
    QLabel* lblLuckNo = nullptr;
    QLabel* lblDoubleManual = nullptr;
    QLabel* lblResult = nullptr;
    std::array<ClickLabel*, 5> lblHold{};
    std::array<ClickLabel*, 5> lblDblStyleName{};
    QLabel* lblSelectGame = nullptr;
    QLabel* lblWagerTitle = nullptr;
    QLabel* lblWager = nullptr;
    QLabel* lblWinTitle = nullptr;
    QLabel* lblWin = nullptr;
    QLabel* lblPaidTitle = nullptr;
    QLabel* lblPaid = nullptr;
    QLabel* lblMsg = nullptr;
    QLabel* lblCreditTitle = nullptr;
    QLabel* lblCredits = nullptr;
    QPushButton* cmdCollect = nullptr;
    QPushButton* cmdHalf = nullptr;
    QPushButton* cmdMaxBet = nullptr;
    QPushButton* cmdOneBet = nullptr;
    QPushButton* cmdRepBet = nullptr;
    QPushButton* cmdDual = nullptr;
    std::array<CardImage*, 5> imgTable{};
    CoinGraphBox* picGraph = nullptr;
    QTimer* tmrMsg = nullptr;

    // Every control's place in twips, as real numbers; pixels are only ever derived.
    TwipsGeometry twips;

    // ---- One game ----------------------------------------------------------------
    std::int32_t lngWager = 0;
    std::int32_t lngLastWager = 1;
    std::int32_t lngWin = 0;
    std::int32_t lngPaid = 0;
    std::array<std::string, 5> strHold{"0", "0", "0", "0", "0"};
    std::string strWinHand;
    std::int16_t intGameNo = 1;
    std::int16_t intMsgBlink = 0;
    std::int16_t intDoubleCount = 0;
    std::int16_t intDoubleSelect = 0;

    // Events run while cards are dealt, a result is typed or coins are counted. Input
    // that arrives then must not start anything or change the hand:
    // blnDealing is set for the whole of a main-button operation (deal, draw, every
    // double-up branch, nested runs included); blnPaying from the start of a payout's
    // count until the coins are credited. Card, hold-label and style-menu handlers
    // and their keys do nothing while Busy().
    bool blnDealing = false;
    bool blnPaying = false;
    bool Busy() const { return blnDealing || blnPaying; }
    // From Z until the dialog's closing line has been typed and cleared.
    bool blnSetting = false;
    // A close (Esc, the window's close box, a quit signal) that arrives while Busy()
    // waits for the operation to end, then closes: the game is saved whole. What is
    // left of the operation runs without its pauses, and a count credits the rest
    // at once, so that a slow speed cannot hold the quit.
    bool blnCloseWanted = false;
    std::vector<void (frmPoker::*)()> pendingActions;
    // The last save failed: after a game the player is told, at exit standard
    // error, and the program ends with status 1 (main reads it).
    bool blnSaveFailed = false;

    // ---- Start and end -----------------------------------------------------------
    void Form_Load();
    void Form_Unload();
    // A quit loses nothing of the game under way (Form_Unload): a win on offer, or
    // staked on a double-up card not yet picked, is collected with the coins set
    // aside, without the count; a hand dealt and not drawn is recorded as the game
    // it is, its wager bet and nothing paid; coins bet on no deal go back.
    void SettleOpenGame();
    void Form_KeyDown(int& KeyCode, int Shift); // virtual-key codes; handled keys become 0
    void Form_Resize();
    // The layout for an inner size in twips; Form_Resize feeds it the window's.
    void LayOutTable(double SW, double SH);
    // The window is never made smaller: everything stays inside it and readable.
    QSize SmallestTableSize() const;

    // ---- Main button, cards and messages -----------------------------------------
    void cmdDual_Click();
    void lblHold_Click(int Index);
    void imgTable_Click(int Index);
    void tmrMsg_Timer();
    void ResetRound();
    void DrawCards();
    void ShowCard(int Index, bool Deal);
    void ShowHoldLabels();
    void HideHoldLabels();
    void ShowMsg(const QString& Text);
    void ShowResult(const QString& Text);

    // ---- Coins, buttons and payout -----------------------------------------------
    void CoinProc(int Mode);
    void SetButtons(int Mode);
    void ShowCoins(int Mode);
    void cmdOneBet_Click();
    void cmdMaxBet_Click();
    void cmdRepBet_Click();
    void cmdCollect_Click();
    void cmdHalf_Click();

    // ---- Windows over the table (frmPoker_Setting.cpp, frmPoker_Stats.cpp) ------
    void ShowSettings(); // Z: the settings dialog, announced on the result line
    void ShowDataView(); // X: the statistics screen
    // A modal window opened from inside a deal's or a count's event pass would hold
    // it half done until closed: while Busy() the press is kept, and acted on once
    // the operation has ended.
    void RunWhenIdle(void (frmPoker::*Action)());

    // ---- Pay table and double-up panel -------------------------------------------
    void ShowPayTable();
    void ShowBonusTable();
    void ShowWinHand(int Code);
    void ShowDoublePanel(bool Visible);
    void ShowDoubleStyle(bool Visible);
    void ShowStyleMenu();
    void HideStyleMenu();

    // M: every sound off or on again, kept for the next start (frmPoker_Mute.cpp).
    void ToggleSound();

    // The table colour as a stored colour value (red in the low byte).
    void SetTableColor(std::int32_t Color);

    // ---- Double-up rounds (frmPoker_Double.cpp) ----------------------------------
    void lblDblStyleName_Click(int Index);
    void DealDoubleRound();     // main button in state 2
    void PickDouble(int Index); // a card or hold label in state 3
    void SettleDouble();        // main button in state 3
    void LoseToDealerJoker();   // main button in state 9 (any state above 3)
    void JudgeStandard();
    void JudgeRedBlack();
    void JudgeHighLow();
    void DoubleWin();
    void DoubleLose();
    void FlashTable();
    // Whether doubling the win still fits a signed 32-bit count; the double-up is
    // offered (buttons, style menu) only then.
    bool DoubleOffered() const;

    // ---- The coach (frmPoker_Coach.cpp) -----------------------------------------
    // Off unless the player turned it on; while off, none of its controls exist.
    bool blnCoach = false;
    frmCoach* coachWindow = nullptr;
    QLabel* lblCoach = nullptr;
    std::array<HoldMark*, 5> coachMarks{};
    CoachTally coachTally;
    void ToggleCoach(); // key C
    void SetCoach(bool On);
    // Brings the marks, the line and the side window up to the game as it stands.
    void CoachFollow();
    // The hold the player draws from, against the best one.
    void CoachNoteDraw();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Sets one of the busy flags for a scope and restores it after, so nested runs
    // leave it set until the outermost one ends; a close that waited runs then.
    class BusyScope {
      public:
        BusyScope(frmPoker& form, bool& flag);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

      private:
        frmPoker& form_;
        bool& flag_;
        bool saved_;
    };
    bool blnSoundsAsked = false;

    void CreatePayTable();
    void CreateDoublePanel();
    void CreateTable();
    void CreateCoinDisplays();
    void CreateButtons();
    void DressLabel(QLabel* label, const LabelLook& look, TwipsRect place);
    QLabel* AddLabel(const LabelLook& look, TwipsRect place);
    QLabel* AddCountLabel(const QString& counts, const LabelLook& look, TwipsRect place);
    ClickLabel* AddClickLabel(const LabelLook& look, TwipsRect place);
    QPushButton* AddButton(const QString& caption, TwipsRect place, void (frmPoker::*handler)());
    void FitToText(QLabel* label);

    void LayOutDoublePanel();
    void LayOutCards(double SW, double SH);
    void LayOutLowerLines(double SW);
    void PlaceGraph(double SW);
    void PaintPayTable(const QColor& Back, std::int64_t Multiplier);

    void DealHand();
    void DrawHand();
    void PayHand(int Code);

    void CountPayout();
    void CreditPayout();
    void CountPaidCoins();
    void PressIfEnabled(QPushButton* button, void (frmPoker::*handler)());
    void PlayWinSound();
    void StopWinSounds();
    void TellSaveFailed();
    void RunPending();
    void BetAndDeal(int Mode);

    // ---- Double-up rounds --------------------------------------------------------
    bool DoubleOfferedIn(std::int16_t Style) const;
    bool PickAllowed(int Index) const;
    std::optional<std::size_t> PickedPosition() const;
    std::optional<std::size_t> RevealPick();
    void PauseSpeed(double Factor);
    void TurnUpPlayerCards();
    void TurnUpPick(int Index);
    void StandardTie();
    void PayFlushBonus();
    void NextHighLowGuess();
    void ShowHighLowChoice();
    void EndHighLowRun();
    void PaySpecialBonus(int Code);

    // ---- The coach ---------------------------------------------------------------
    void OpenCoach();
    void CreateCoach();
    void PlaceCoachLine();
    void CoachOnHolds();
    void CoachOnOffer();
    void CoachOnPick();
    void CoachOnGameOver();
    void ShowCoachMarks(int Mask);
    // The values of the deal on the table, worked out once per deal.
    advisor::Deal coachDeal{};
    advisor::HoldValues coachValues{};
    bool blnCoachValued = false;
    // What the hold drawn from gave up, in multiples of the wager; below 0 while no
    // draw of this game was valued.
    double dblCoachGaveUp = -1;
    QTimer* tmrCoachReady = nullptr;
};
