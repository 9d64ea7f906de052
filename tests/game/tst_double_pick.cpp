#include "GameFixture.h"

#include <QtTest>

// The double-up rounds where a card is picked against the dealer's: STANDARD, entered
// with DUAL/DOUBLE, and RED/BLACK, entered from the style menu.
class TestDoublePick : public GameFixture {
    Q_OBJECT

  private slots:
    void pickSettles_data() {
        Columns<Qt::Key, Card, int, Card, bool>("entry", "dealer", "position", "picked", "won");
        const auto row = [](const char* name, Qt::Key entry, Card dealer, int position, Card picked,
                            bool won) {
            QTest::newRow(name) << entry << dealer << position << picked << won;
        };
        row("king beats five", Qt::Key_Return, C(1, 4), 2, C(2, 12), true);
        row("five loses to king", Qt::Key_Return, C(1, 12), 1, C(2, 4), false);
        row("ace beats king", Qt::Key_Return, C(1, 12), 4, C(2, 0), true);
        row("king loses to ace", Qt::Key_Return, C(1, 0), 3, C(2, 12), false);
        row("joker beats ace", Qt::Key_Return, C(1, 0), 4, kJoker, true);
        row("diamond matches heart", Qt::Key_H, C(3, 4), 3, C(2, 8), true);
        row("spade matches club", Qt::Key_H, C(1, 4), 3, C(4, 12), true);
        row("spade against heart", Qt::Key_H, C(3, 4), 3, C(4, 8), false);
        row("diamond against club", Qt::Key_H, C(1, 4), 3, C(2, 8), false);
        row("lower card of the colour", Qt::Key_H, C(3, 12), 3, C(2, 1), true);
    }

    void pickSettles() {
        QFETCH(Qt::Key, entry);
        QFETCH(Card, dealer);
        QFETCH(int, position);
        QFETCH(Card, picked);
        QFETCH(bool, won);
        const bool redBlack = entry == Qt::Key_H;
        ReachOffer(kTwoPair);
        DealRound(entry, dealer);
        QCOMPARE(State(), "state 3, win 10, coins 40");
        QCOMPARE(int{basPokerProc::intDoubleStyle}, redBlack ? 1 : 3);
        QCOMPARE(Table(), (QStringList{Face(dealer), "back", "back", "back", "back"}));
        QCOMPARE(Texts({form->lblHold[0], form->lblMsg, form->lblDoubleStyle}),
                 (QStringList{"DEALER", "ＳＥＬＥＣＴ　ＣＡＲＤ",
                              redBlack ? "■■■■■　ＲＥＤ　ＢＬＡＣＫ　ＤＯＵＢＬＥ　■■■■■"
                                       : "■■■■■　ＳＴＡＮＤＡＲＤ　ＤＯＵＢＬＥ　■■■■■"}));
        QVERIFY(form->lblDblStyleName[3]->isHidden());
        QCOMPARE(Buttons(), QString());
        ClearRecords();
        Press(Qt::Key_G); // the dealer's card is not the player's to pick
        QCOMPARE(Heard("HOLD"), 0);

        Pick(position, kFillers, picked);
        Cards table = Cards{dealer} + kFillers;
        table.insert(position, picked);
        QCOMPARE(Table(), Faces(table));
        QCOMPARE(form->lblHold[static_cast<std::size_t>(position)]->text(), QString("PLAYER"));
        QCOMPARE(State(), won ? "state 2, win 20, coins 40" : "state 0, win 0, coins 40");
        QCOMPARE(Texts({form->lblResult, form->lblMsg}),
                 (won ? QStringList{"PLAYER WIN!", "ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ"}
                      : QStringList{"PLAYER LOSE!", "ＧＡＭＥ　ＯＶＥＲ"}));
        QCOMPARE(Buttons(),
                 QString(won ? "COLLECT, HALF DOUBLE, DUAL/DOUBLE" : "MAX BET, 1 BET, REP BET"));
        QCOMPARE(Heard("WIN1"), won ? 1 : 0);
    }

    void tieDealsAgainForTheSameStake_data() {
        Columns<int, Card, QList<int>>("speed", "nextDealer", "slow");
        // The pauses longer than a card's: the picked card, the two BOOs of the tie and
        // a dealer's joker; fractions of the speed round to the nearest, halves to even.
        QTest::newRow("a new dealer's card") << 200 << C(3, 2) << QList<int>{1000, 1000, 500};
        QTest::newRow("the dealer's joker, speed 201")
            << 201 << kJoker << QList<int>{1005, 1005, 502, 302};
    }

    // The tie deals the next dealer's card by itself, for the same stake and not as
    // another double-up; a dealer's joker loses at once, the player's cards turned up.
    void tieDealsAgainForTheSameStake() {
        QFETCH(int, speed);
        QFETCH(Card, nextDealer);
        QFETCH(QList<int>, slow);
        ReachOffer(kTwoPair);
        basIniProc::intGameSpeed = static_cast<std::int16_t>(speed);
        DealRound(Qt::Key_Return, C(1, 8));
        QStringList results;
        onPause = [&](int) { results << form->lblResult->text(); };
        ClearRecords();
        const bool joker = nextDealer.suit == 9;
        Deal(kFillers + Cards{C(2, 8), nextDealer} +
             (joker ? Cards{C(1, 2), C(2, 3), C(3, 4), C(4, 5)} : Cards{}));
        Press(PositionKey(1));

        QVERIFY(results.contains("ONE MORE!!"));
        QList<int> longer;
        std::copy_if(pauses.begin(), pauses.end(), std::back_inserter(longer),
                     [speed](int ms) { return ms > speed; });
        QCOMPARE(longer, slow);
        QCOMPARE(timeline.mid(timeline.indexOf("SoundPlayIfStopped BOO"), 4).join(' '),
                 QString("SoundPlayIfStopped BOO Pause %1 SoundPlayIfStopped BOO Pause %2")
                     .arg(slow[1])
                     .arg(slow[2]));
        if (joker) {
            QCOMPARE(State(), "state 0, win 0, coins 40");
            QCOMPARE(Table(), (QStringList{"joker", "1,2", "2,3", "3,4", "4,5"}));
            QCOMPARE(form->lblResult->text(), QString("PLAYER LOSE!"));
            return;
        }
        QCOMPARE(State(), "state 3, win 10, coins 40");
        QCOMPARE(Table(), (QStringList{"3,2", "back", "back", "back", "back"}));
        Pick(1, kFillers, C(2, 8));
        QCOMPARE(State(), "state 2, win 20, coins 40");
        QCOMPARE(Texts({form->lblLuckNo, form->lblDoubleCollect}), (QStringList{"2", "20"}));
    }

    // The jokers drawn on the way are refused and drawn again: RED/BLACK never deals
    // one. A flush pays five times, the table flashing white, black, white.
    void redBlackFlushPaysFiveTimesBeforeDoubling() {
        ReachOffer(kTwoPair);
        basIniProc::lngMaxDoubleWin = 0;
        Deal({kJoker, C(3, 1)});
        Press(Qt::Key_H);
        QStringList results;
        QList<QColor> flashes;
        onPause = [&](int ms) {
            results << form->lblResult->text();
            if (ms == 100) {
                flashes << BackColor(form.get());
            }
        };
        ClearRecords();
        Pick(2, {C(3, 2), kJoker, C(3, 3), C(3, 4)}, C(3, 8));

        QCOMPARE(Table(), (QStringList{"3,1", "3,2", "3,8", "3,3", "3,4"}));
        QVERIFY(results.contains("FLUSH"));
        QCOMPARE(flashes, (QList<QColor>{tablecolor::kWhite, tablecolor::kBlack, tablecolor::kWhite,
                                         tablecolor::kGreen}));
        QCOMPARE(State(), "state 2, win 100, coins 40");
        QCOMPARE(basIniProc::lngMaxDoubleWin, 100);
        QCOMPARE(Texts({form->lblDoubleCollect, form->lblTryYourLuck}),
                 (QStringList{"100", "200"}));
        QCOMPARE(Heard("WIN2"), 1);
    }
};

QTEST_MAIN(TestDoublePick)
#include "tst_double_pick.moc"
