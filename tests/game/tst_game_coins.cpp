#include "GameFixture.h"

#include "platform/QuitSignals.h"

#include <QtTest>
#include <csignal>
#include <limits>
#include <pthread.h>
#include <thread>

// The count's steps, each a pause and the sounds after it, as "step xHowOften".
static QStringList CountSteps(const QStringList& timeline) {
    QStringList each;
    for (const QString& entry : timeline) {
        if (entry.startsWith("Pause ")) {
            each << entry.mid(6);
        } else if (!each.isEmpty()) {
            each.back() += " " + entry;
        }
    }
    QStringList steps = each;
    steps.removeDuplicates();
    for (QString& step : steps) {
        step += QString(" x%1").arg(each.count(step));
    }
    return steps;
}

// Payouts, limits, keys, and the payout counted coin by coin.
class TestGameCoins : public GameFixture {
    Q_OBJECT

  private slots:
    // A shutdown's SIGTERM while the start still reads the pictures, before the game
    // window exists: kept, it closes the window once built, and the game is saved.
    // First of all: any later test has the signals caught already.
    void signalBeforeTheWindowClosesItOnceBuilt() {
        form.reset();
        platform::CatchQuitSignals();
        ::raise(SIGTERM);
        basIniProc::InitIniFile();
        basIniProc::WriteIni("COIN", "TOTAL", "");
        Restart();
        platform::CloseOnQuitSignals(*form);
        QTRY_VERIFY(!form->isVisible());
        QCOMPARE(basIniProc::GetIni("COIN", "TOTAL"), std::string("0"));
    }

    // Another signal (a child ending, a timer) leaves a real pause, of over a second
    // here, running to its end.
    void onlyAQuitSignalCutsAPause() {
        std::signal(
            SIGUSR1, +[](int) {});
        const pthread_t sleeper = pthread_self();
        std::thread poke([sleeper] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            pthread_kill(sleeper, SIGUSR1);
        });
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1100);
        const bool quit = platform::SleepUnlessQuit(until);
        poke.join();
        QVERIFY(!quit && std::chrono::steady_clock::now() >= until);
    }

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
        QFETCH(int, win);
        basIniProc::lngCoin = coin;
        QFETCH(int, totalGet);
        basIniProc::lngTotalGet = totalGet;
        QFETCH(int, totalPut);
        basIniProc::lngTotalPut = totalPut;
        Press(Qt::Key_D);
        OfferWin(win);
        Press(Qt::Key_Space);
        QTEST(QString("%1 %2 %3")
                  .arg(form->lblCredits->text())
                  .arg(basIniProc::lngTotalGet)
                  .arg(basIniProc::lngTotalPut),
              "after");
        QCOMPARE(form->lblCredits->text(), QString::number(basIniProc::lngCoin));
    }

    // A disabled button's key does nothing, nor does it press the focused 1 BET.
    void keysOfDisabledButtonsDoNothing_data() {
        Columns<bool, Qt::Key>("dealt", "key");
        QTest::newRow("waiting: Space") << false << Qt::Key_Space;
        QTest::newRow("waiting: G") << false << Qt::Key_G;
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
        Press(key, dealt ? nullptr : form->cmdOneBet);
        QCOMPARE(State(), state);
        QCOMPARE(form->strHold, holds);
        QVERIFY(timeline.empty());
    }

    // The win's tune plays while the win is on offer and ends with the offer,
    // whichever way the player takes it, before the next sound starts.
    void winTuneEndsWithTheOffer_data() {
        Columns<Qt::Key>("key");
        Row("COLLECT", Qt::Key_Space);
        Row("HALF DOUBLE", Qt::Key_A);
        Row("DUAL/DOUBLE", Qt::Key_Return);
    }

    void winTuneEndsWithTheOffer() {
        QFETCH(Qt::Key, key);
        ReachOffer(kTwoPair);
        ClearRecords();
        Press(key);
        const QStringList first = timeline.mid(0, 2);
        QCOMPARE(first, (QStringList{"SoundStop WIN1", "SoundStop WIN2"}));
    }

    // A key the game has no use for still reaches the controls: Tab moves the focus on.
    void otherKeysReachTheControls() {
        form->cmdOneBet->setFocus();
        QTest::keyClick(form->cmdOneBet, Qt::Key_Tab);
        QVERIFY(form->focusWidget() != form->cmdOneBet);
    }

    // Esc or a quit signal mid-count closes once the payout is credited and saved.
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
        QCOMPARE(basIniProc::GetIni("COIN", "TOTAL") + basIniProc::GetIni("COIN", "TOTAL_GET") +
                     "," + basIniProc::GetIni("COIN", "TOTAL_PUT"),
                 std::string("791,30"));
    }

    // A coin sound for each coin of a small payout, the fanfare for 60 coins and more.
    void payoutIsCountedCoinByCoin_data() {
        Columns<int, QStringList>("payout", "steps");
        QTest::newRow("59 coins") << 59 << QStringList{"50 SoundPlay COINOUT x58", "50 x1"};
        const QString fanfare = " SoundPlayIfStopped FANFARE x";
        const QString stop = " SoundStop FANFARE x1";
        QTest::newRow("60 coins") << 60 << QStringList{"50" + fanfare + "59", "50" + stop};
        QTest::newRow("1200 coins") << 1200
                                    << QStringList{"50" + fanfare + "500", "10" + fanfare + "500",
                                                   "1" + fanfare + "199", "1" + stop};
    }

    void payoutIsCountedCoinByCoin() {
        QFETCH(int, payout);
        OfferWin(payout);
        QStringList credits;
        onPause = [&](int) { credits << form->lblCredits->text(); };
        ClearRecords();
        Click(form->cmdCollect);
        QTEST(CountSteps(timeline), "steps");
        QCOMPARE(credits, QStringList(credits.size(), "49"));
        QCOMPARE(Texts({form->lblPaid, form->lblWin, form->lblCredits}),
                 (QStringList{QString::number(payout), QString::number(payout),
                              QString::number(49 + payout)}));
    }
};

QTEST_MAIN(TestGameCoins)
#include "tst_game_coins.moc"
