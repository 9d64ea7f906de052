#include "GameFixture.h"

#include <QtTest>
#include <limits>

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
        LooksAsRecorded();
    }
};

QTEST_MAIN(TestGameCoins)
#include "tst_game_coins.moc"
