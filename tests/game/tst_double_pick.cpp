#include "GameFixture.h"

#include <QtTest>

// The double-up rounds where a card is picked against the dealer's: STANDARD, entered
// with DUAL/DOUBLE, and RED/BLACK, entered from the style menu.
class TestDoublePick : public GameFixture {
    Q_OBJECT

  private slots:
    void dealShowsTheDealerCard_data() {
        Columns<Qt::Key, int, QString, QColor, QString>("entry", "style", "title", "titleColor",
                                                        "manual");
        QTest::newRow("STANDARD") << Qt::Key_Return << 3
                                  << "■■■■■　ＳＴＡＮＤＡＲＤ　ＤＯＵＢＬＥ　■■■■■"
                                  << tablecolor::kWhite
                                  << "IT WILL BE A WIN IF A HIGH CARD THAN A DEALER.";
        QTest::newRow("RED/BLACK")
            << Qt::Key_H << 1 << "■■■■■　ＲＥＤ　ＢＬＡＣＫ　ＤＯＵＢＬＥ　■■■■■"
            << tablecolor::kRed << "IT WILL BE A WIN IF THE CARD OF THE SAME COLOR AS A DEALER.";
    }

    void dealShowsTheDealerCard() {
        QFETCH(Qt::Key, entry);
        ReachOffer(kTwoPair);
        DealRound(entry, C(1, 4));

        QCOMPARE(State(), "state 3, win 10, coins 40");
        QTEST(int{basPokerProc::intDoubleStyle}, "style");
        QCOMPARE(Table(), (QStringList{"1,4", "back", "back", "back", "back"}));
        QCOMPARE(form->lblHold[0]->text(), QString("DEALER"));
        QCOMPARE(ForeColor(form->lblHold[0]), tablecolor::kWhite);
        QCOMPARE(form->lblMsg->text(), QString("ＳＥＬＥＣＴ　ＣＡＲＤ"));
        QTEST(form->lblDoubleStyle->text(), "title");
        QTEST(ForeColor(form->lblDoubleStyle), "titleColor");
        QTEST(form->lblDoubleManual->text(), "manual");
        QVERIFY(form->lblDblStyleName[3]->isHidden());
        QCOMPARE(Buttons(), QString());

        ClearRecords();
        Press(Qt::Key_G); // the dealer's card is not the player's to pick
        QCOMPARE(Status(), 3);
        QCOMPARE(Heard("HOLD"), 0);
        QCOMPARE(form->intDoubleSelect, std::int16_t{0});
    }

    void pickSettles_data() {
        Columns<Qt::Key, Card, int, Card, bool>("entry", "dealer", "position", "picked", "won");
        const auto standard = [](const char* name, Card dealer, int position, Card picked,
                                 bool won) {
            QTest::addRow("STANDARD: %s", name)
                << Qt::Key_Return << dealer << position << picked << won;
        };
        standard("king beats five", C(1, 4), 2, C(2, 12), true);
        standard("five loses to king", C(1, 12), 1, C(2, 4), false);
        standard("ace beats king", C(1, 12), 4, C(2, 0), true);
        standard("king loses to ace", C(1, 0), 3, C(2, 12), false);
        standard("two loses to three", C(3, 2), 2, C(2, 1), false);
        standard("joker beats ace", C(1, 0), 4, kJoker, true);
        standard("joker beats two", C(3, 1), 1, kJoker, true);
        const auto redBlack = [](const char* name, Card dealer, Card picked, bool won) {
            QTest::addRow("RED/BLACK: %s", name) << Qt::Key_H << dealer << 3 << picked << won;
        };
        redBlack("diamond matches heart", C(3, 4), C(2, 8), true);
        redBlack("heart matches diamond", C(2, 4), C(3, 0), true);
        redBlack("spade matches club", C(1, 4), C(4, 12), true);
        redBlack("club matches spade", C(4, 6), C(1, 2), true);
        redBlack("spade against heart", C(3, 4), C(4, 8), false);
        redBlack("diamond against club", C(1, 4), C(2, 8), false);
        redBlack("lower card of the colour still wins", C(3, 12), C(2, 1), true);
    }

    void pickSettles() {
        QFETCH(Qt::Key, entry);
        QFETCH(Card, dealer);
        QFETCH(int, position);
        QFETCH(Card, picked);
        QFETCH(bool, won);
        ReachOffer(kTwoPair);
        DealRound(entry, dealer);
        Pick(position, kFillers, picked);

        Cards table = Cards{dealer} + kFillers;
        table.insert(position, picked);
        QCOMPARE(Table(), Faces(table));
        const auto i = static_cast<std::size_t>(position);
        QCOMPARE(form->lblHold[i]->text(), QString("PLAYER"));
        QCOMPARE(ForeColor(form->lblHold[i]), tablecolor::kYellow);
        QCOMPARE(State(), won ? "state 2, win 20, coins 40" : "state 0, win 0, coins 40");
        QCOMPARE(Texts({form->lblResult, form->lblMsg}),
                 (won ? QStringList{"PLAYER WIN!", "ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ"}
                      : QStringList{"PLAYER LOSE!", "ＧＡＭＥ　ＯＶＥＲ"}));
        QCOMPARE(Buttons(),
                 QString(won ? "COLLECT, HALF DOUBLE, DUAL/DOUBLE" : "MAX BET, 1 BET, REP BET"));
    }

    void tieDealsAgainForTheSameStake() {
        ReachOffer(kTwoPair);
        DealRound(Qt::Key_Return, C(1, 8));
        const std::int32_t countRecord = basIniProc::lngMaxDoubleCnt;
        const std::int32_t winRecord = basIniProc::lngMaxDoubleWin;
        QStringList results;
        onPause = [&](int) { results << form->lblResult->text(); };
        ClearRecords();
        // The tie deals the next dealer's card by itself.
        Deal({kFillers[0], kFillers[1], kFillers[2], C(2, 8), C(3, 2)});
        Press(PositionKey(1));

        QVERIFY(results.contains("ONE MORE!!"));
        QCOMPARE(timeline.mid(timeline.indexOf("SoundPlayIfStopped BOO"), 4),
                 (QStringList{"SoundPlayIfStopped BOO", "Pause 1000", "SoundPlayIfStopped BOO",
                              "Pause 500"}));
        QCOMPARE(Heard("BOO"), 2);
        QCOMPARE(State(), "state 3, win 10, coins 40");
        QCOMPARE(Texts({form->lblLuckNo, form->lblDoubleCollect}), (QStringList{"1", "10"}));
        QCOMPARE(basIniProc::lngMaxDoubleCnt, countRecord);
        QCOMPARE(basIniProc::lngMaxDoubleWin, winRecord);
        QCOMPARE(Table(), (QStringList{"3,2", "back", "back", "back", "back"}));
        QCOMPARE(form->intDoubleSelect, std::int16_t{0});

        Pick(1, kFillers, C(2, 8));
        QCOMPARE(State(), "state 2, win 20, coins 40");
        QCOMPARE(form->lblLuckNo->text(), QString("2"));
    }

    void dealersJokerAfterATie_data() {
        Columns<int, QList<int>>("speed", "slow");
        // The pauses longer than a card's: the picked card, the two BOOs of the tie, then
        // the dealer's joker; fractions of the speed round to the nearest, halves to even.
        QTest::newRow("200") << 200 << QList<int>{1000, 1000, 500, 300};
        QTest::newRow("201") << 201 << QList<int>{1005, 1005, 502, 302};
        QTest::newRow("203") << 203 << QList<int>{1015, 1015, 508, 304};
    }

    // The dealer's joker loses at once: the player's cards are turned up, no pick.
    void dealersJokerAfterATie() {
        QFETCH(int, speed);
        ReachOffer(kTwoPair);
        basIniProc::intGameSpeed = static_cast<std::int16_t>(speed);
        DealRound(Qt::Key_Return, C(1, 8));
        Deal({kFillers[0], kFillers[1], kFillers[2], C(2, 8), kJoker, C(1, 2), C(2, 3), C(3, 4),
              C(4, 5)});
        ClearRecords();
        Press(PositionKey(1));

        QList<int> longer;
        std::copy_if(pauses.begin(), pauses.end(), std::back_inserter(longer),
                     [speed](int ms) { return ms > speed; });
        QTEST(longer, "slow");
        QCOMPARE(State(), "state 0, win 0, coins 40");
        QCOMPARE(Table(), (QStringList{"joker", "1,2", "2,3", "3,4", "4,5"}));
        QCOMPARE(form->lblResult->text(), QString("PLAYER LOSE!"));
    }

    void winSoundFollowsTheNewStake_data() {
        Columns<int, QString>("stake", "sound");
        QTest::newRow("58 is below the loud win") << 29 << "WIN1";
        QTest::newRow("60 is loud") << 30 << "WIN2";
    }

    void winSoundFollowsTheNewStake() {
        QFETCH(int, stake);
        QFETCH(QString, sound);
        ReachOffer(kTwoPair);
        DealRound(Qt::Key_Return, C(1, 4));
        form->lngWin = stake;
        ClearRecords();
        Pick(1, kFillers, C(2, 12));
        QCOMPARE(form->lngWin, stake * 2);
        QCOMPARE(Heard(sound), 1);
        QCOMPARE(Heard("WIN1") + Heard("WIN2"), 1);
    }

    void redBlackFlushPaysFiveTimesBeforeDoubling() {
        ReachOffer(kTwoPair);
        basIniProc::lngMaxDoubleWin = 0;
        DealRound(Qt::Key_H, C(3, 1));
        QStringList results;
        QList<QColor> flashes;
        onPause = [&](int ms) {
            results << form->lblResult->text();
            if (ms == 100) {
                flashes << BackColor(form.get());
            }
        };
        ClearRecords();
        Pick(2, {C(3, 2), C(3, 3), C(3, 4)}, C(3, 8));

        QVERIFY(results.contains("FLUSH"));
        QVERIFY(flashes.size() >= 4);
        // White, black, white, then the configured table colour is back.
        QCOMPARE(flashes.mid(0, 4), (QList<QColor>{tablecolor::kWhite, tablecolor::kBlack,
                                                   tablecolor::kWhite, tablecolor::kGreen}));
        QCOMPARE(State(), "state 2, win 100, coins 40");
        QCOMPARE(basIniProc::lngMaxDoubleWin, 100);
        QCOMPARE(Texts({form->lblDoubleCollect, form->lblTryYourLuck}),
                 (QStringList{"100", "200"}));
        QCOMPARE(Heard("WIN2"), 1);
    }

    void redBlackNeverDealsTheJoker() {
        ReachOffer(kTwoPair);
        // Each refused joker is drawn again, here into the next scripted card.
        Deal({kJoker, C(3, 4)});
        Press(Qt::Key_H);
        QCOMPARE(TableCard(0), QString("3,4"));

        Deal({C(4, 10), kJoker, C(4, 11), C(4, 1), C(2, 9)});
        Press(PositionKey(4));
        QCOMPARE(Table(), (QStringList{"3,4", "4,10", "4,11", "4,1", "2,9"}));
        QCOMPARE(Status(), 2);
    }
};

QTEST_MAIN(TestDoublePick)
#include "tst_double_pick.moc"
