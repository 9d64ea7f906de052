#pragma once

#include "advisor/HoldValues.h"
#include "coach/CoachTally.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;

// The coach's side window, beside the game window and following it: every hold of
// the deal ranked by value with the one now chosen marked, the double-up figures, the
// session's tally and the returns. The game fills it; closing it is the player's way
// of turning the coach off, reported by closedByPlayer.
//
// Like the game's windows, its labels are open so that tests read what it shows.
class frmCoach : public QWidget {
    Q_OBJECT

  public:
    static constexpr std::size_t kHoldCount = 32;

    explicit frmCoach(QWidget* game);

    // One ranked hold: its place, the cards it keeps ("·" for a card drawn to), its
    // value, and "◀" on the hold now chosen.
    struct HoldRow {
        QLabel* lblRank = nullptr;
        std::array<QLabel*, 5> lblCard{};
        QLabel* lblValue = nullptr;
        QLabel* lblChosen = nullptr;
    };
    QLabel* lblHoldsTitle = nullptr;
    std::array<HoldRow, kHoldCount> rowHold{};
    std::array<QLabel*, 5> lblDouble{};
    std::array<QLabel*, 3> lblSession{};
    std::array<QLabel*, 2> lblReturn{};

    // The rows of a deal, best first (of equal values the lower mask, as BestHold
    // picks). They stay until the next deal, so a finished hand can still be read.
    void ShowHolds(const advisor::Deal& deal, const advisor::HoldValues& values, int chosen);
    // No values to show (before a deal, while the coach prepares): the rows are empty
    // and the title says why.
    void ShowNoHolds(const QString& why);
    void ShowDouble(const QStringList& lines);
    void ShowSession(const CoachTally& tally);
    // bestPlay in percent; paidOut and bet are the game's running totals.
    void ShowReturns(double bestPlay, std::int32_t paidOut, std::int32_t bet);

  signals:
    void closedByPlayer();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* AddLabel(const QString& text, const QColor& fore);
    void CreateHoldRows(class QGridLayout* grid);
    void FollowGame();

    QWidget* game_;
};
