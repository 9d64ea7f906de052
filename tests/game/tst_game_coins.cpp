#include "GameFixture.h"

#include "platform/QuitSignals.h"

#include <QtTest>
#include <csignal>
#include <limits>

// The coin accounting and the keyboard: payouts, limits, keys, and the payout counted
// coin by coin, heard through the pause and sound seams.
namespace {

// Each step of the count is a pause followed by the sounds before the next pause;
// runs of equal steps are kept as (step, how many).
using Steps = QList<QPair<QString, int>>;

Steps CountSteps(const QStringList& timeline) {
    QStringList each;
    for (const QString& entry : timeline) {
        if (entry.startsWith("Pause ")) {
            each << entry.mid(6);
        } else if (!each.isEmpty()) {
            each.back() += " " + entry;
        }
    }
    Steps steps;
    for (const QString& step : each) {
        if (!steps.isEmpty() && steps.back().first == step) {
            ++steps.back().second;
        } else {
            steps.append({step, 1});
        }
    }
    return steps;
}

const QString kCoin = " SoundPlay COINOUT";
const QString kFanfare = " SoundPlayIfStopped FANFARE";
const QString kStop = " SoundStop FANFARE";

} // namespace

class TestGameCoins : public GameFixture {
    Q_OBJECT

  private slots:
    void balanceAndTotalsStopAtTheLimit_data() {
        Columns<int, int, int, int, QString>("coin", "totalGet", "totalPut", "win", "after");
        const int top = std::numeric_limits<std::int32_t>::max();
        QTest::newRow("balance reaches it") << 99999990 << 0 << 0 << 10 << "99999999 1 10";
        QTest::newRow("balance passes it") << 99999991 << 0 << 0 << 60 << "99999999 1 60";
        QTest::newRow("balance past 32 bits") << top - 5 << 0 << 0 << 10 << "99999999 1 10";
        QTest::newRow("totals up to it")
            << 50 << 99999998 << 99999990 << 9 << "58 99999999 99999999";
        QTest::newRow("totals restart past it") << 50 << 99999999 << 99999995 << 9 << "58 0 0";
        // The bet is taken wide: at the bottom of 32 bits it must not wrap to a fortune.
        QTest::newRow("balance at the 32-bit bottom")
            << std::numeric_limits<std::int32_t>::min() << 0 << 0 << 0 << "-2147483648 1 0";
        QTest::newRow("bet takes the balance below zero") << 0 << 0 << 0 << 0 << "-1 1 0";
    }

    // One coin bet with 1 BET, then a payout: balance, coins bet and coins paid.
    void balanceAndTotalsStopAtTheLimit() {
        QFETCH(int, coin);
        QFETCH(int, totalGet);
        QFETCH(int, totalPut);
        QFETCH(int, win);
        basIniProc::lngCoin = coin;
        basIniProc::lngTotalGet = totalGet;
        basIniProc::lngTotalPut = totalPut;
        Press(Qt::Key_D);
        OfferWin(win);
        Press(Qt::Key_Space);
        QTEST(QString("%1 %2 %3")
                  .arg(basIniProc::lngCoin)
                  .arg(basIniProc::lngTotalGet)
                  .arg(basIniProc::lngTotalPut),
              "after");
        QCOMPARE(form->lblCredits->text(), QString::number(basIniProc::lngCoin));
    }

    void keysOfDisabledButtonsDoNothing_data() {
        Columns<bool, Qt::Key>("dealt", "key");
        QTest::newRow("waiting: Space") << false << Qt::Key_Space;
        QTest::newRow("waiting: Enter") << false << Qt::Key_Return;
        QTest::newRow("waiting: G") << false << Qt::Key_G;
        QTest::newRow("dealt: S") << true << Qt::Key_S;
        QTest::newRow("dealt: D") << true << Qt::Key_D;
        QTest::newRow("dealt: A") << true << Qt::Key_A;
    }

    void keysOfDisabledButtonsDoNothing() {
        QFETCH(bool, dealt);
        QFETCH(Qt::Key, key);
        if (dealt) {
            DealWithMaxBet(kNothing);
        }
        const QString state = State();
        const auto holds = form->strHold;
        ClearRecords();
        Press(key, dealt ? nullptr : form->cmdOneBet); // never a press of the button
        QCOMPARE(State(), state);
        QCOMPARE(form->strHold, holds);
        QVERIFY(timeline.empty());
    }

    // The window takes Enter before the focused button: it deals as DUAL/DOUBLE, where
    // a press of MAX BET would bet nine coins more.
    void enterNeverPressesTheFocusedButton() {
        form->activateWindow();
        Click(form->cmdOneBet);
        Deal(kNothing);
        form->cmdMaxBet->setFocus();
        Press(Qt::Key_Return, form->cmdMaxBet);
        QCOMPARE(Status(), 1);
        QCOMPARE(form->lngWager, 1);
    }

    // A close asked for mid-count (Esc, or the quit signal of a shutdown or a logout)
    // waits until the payout is credited, then closes and saves every coin.
    void closeDuringThePayoutWaitsForIt_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("Esc") << 0;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void closeDuringThePayoutWaitsForIt() {
        QFETCH(int, signal);
        platform::CloseOnQuitSignals(*form);
        Press(Qt::Key_D);
        OfferWin(30);
        bool asked = false;
        onEvents = [&] {
            if (form->blnPaying && !asked) {
                asked = true;
                signal == 0 ? Press(Qt::Key_Escape) : void(::raise(signal));
            }
        };
        Click(form->cmdCollect);
        QVERIFY(asked);
        QCOMPARE(basIniProc::lngCoin, 79);
        QTRY_VERIFY(!form->isVisible());
        QCOMPARE(basIniProc::GetIni("COIN", "TOTAL"), std::string("79"));
        QCOMPARE(basIniProc::GetIni("COIN", "TOTAL_GET"), std::string("1"));
        QCOMPARE(basIniProc::GetIni("COIN", "TOTAL_PUT"), std::string("30"));
    }

    void payoutIsCountedCoinByCoin_data() {
        Columns<int, int, Steps>("speed", "payout", "steps");
        QTest::newRow("0 coins") << 200 << 0 << Steps{{"50", 1}};
        QTest::newRow("1 coin") << 200 << 1 << Steps{{"50", 1}};
        QTest::newRow("59 coins") << 200 << 59 << Steps{{"50" + kCoin, 58}, {"50", 1}};
        QTest::newRow("60 coins") << 200 << 60 << Steps{{"50" + kFanfare, 59}, {"50" + kStop, 1}};
        QTest::newRow("1200 coins") << 200 << 1200
                                    << Steps{{"50" + kFanfare, 500},
                                             {"10" + kFanfare, 500},
                                             {"1" + kFanfare, 199},
                                             {"1" + kStop, 1}};
        QTest::newRow("1200 coins, speed 30, halves round up to even")
            << 30 << 1200
            << Steps{{"8" + kFanfare, 500},
                     {"2" + kFanfare, 500},
                     {"1" + kFanfare, 199},
                     {"1" + kStop, 1}};
    }

    void payoutIsCountedCoinByCoin() {
        QFETCH(int, speed);
        QFETCH(int, payout);
        basIniProc::intGameSpeed = static_cast<std::int16_t>(speed);
        OfferWin(payout);
        QStringList creditsDuringCount;
        onPause = [&](int) { creditsDuringCount.append(form->lblCredits->text()); };
        ClearRecords();

        Click(form->cmdCollect);

        QTEST(CountSteps(timeline), "steps");
        QCOMPARE(creditsDuringCount, QStringList(creditsDuringCount.size(), "50"));
        QCOMPARE(Texts({form->lblPaid, form->lblWin, form->lblCredits}),
                 (QStringList{QString::number(payout), QString::number(payout),
                              QString::number(50 + payout)}));
    }
};

QTEST_MAIN(TestGameCoins)
#include "tst_game_coins.moc"
