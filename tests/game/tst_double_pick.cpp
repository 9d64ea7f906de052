#include "GameFixture.h"

#include <QtTest>

namespace {

const QStringList kStandardBanner{"■■■■■　ＳＴＡＮＤＡＲＤ　ＤＯＵＢＬＥ　■■■■■",
                                  "IT WILL BE A WIN IF A HIGH CARD THAN A DEALER."};
const QStringList kRedBlackBanner{"■■■■■　ＲＥＤ　ＢＬＡＣＫ　ＤＯＵＢＬＥ　■■■■■",
                                  "IT WILL BE A WIN IF THE CARD OF THE SAME COLOR AS A DEALER."};

} // namespace

// The double-up rounds where a card is picked against the dealer's: STANDARD, entered
// with DUAL/DOUBLE, and RED/BLACK, entered from the style menu.
class TestDoublePick : public GameFixture {
    Q_OBJECT

  private slots:
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
        standard("joker beats ace", C(1, 0), 4, kJoker, true);
        const auto redBlack = [](const char* name, Card dealer, Card picked, bool won) {
            QTest::addRow("RED/BLACK: %s", name) << Qt::Key_H << dealer << 3 << picked << won;
        };
        redBlack("diamond matches heart", C(3, 4), C(2, 8), true);
        redBlack("spade matches club", C(1, 4), C(4, 12), true);
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
        const bool redBlack = entry == Qt::Key_H;
        ReachOffer(kTwoPair);
        DealRound(entry, dealer);

        QCOMPARE(State(), "state 3, win 10, coins 40");
        QCOMPARE(int{basPokerProc::intDoubleStyle}, redBlack ? 1 : 3);
        QCOMPARE(Table(), (QStringList{Face(dealer), "back", "back", "back", "back"}));
        QCOMPARE(Texts({form->lblHold[0], form->lblMsg}),
                 (QStringList{"DEALER", "ＳＥＬＥＣＴ　ＣＡＲＤ"}));
        QCOMPARE(ForeColor(form->lblHold[0]), tablecolor::kWhite);
        QCOMPARE(Texts({form->lblDoubleStyle, form->lblDoubleManual}),
                 redBlack ? kRedBlackBanner : kStandardBanner);
        QCOMPARE(ForeColor(form->lblDoubleStyle), redBlack ? tablecolor::kRed : tablecolor::kWhite);
        QVERIFY(form->lblDblStyleName[3]->isHidden());
        QCOMPARE(Buttons(), QString());
        ClearRecords();
        Press(Qt::Key_G); // the dealer's card is not the player's to pick
        QCOMPARE(Heard("HOLD"), 0);
        QCOMPARE(form->intDoubleSelect, std::int16_t{0});

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
        QCOMPARE(Heard("WIN1"), won ? 1 : 0);
    }

    void tieDealsAgainForTheSameStake_data() {
        Columns<int, Card, QList<int>>("speed", "nextDealer", "slow");
        // The pauses longer than a card's: the picked card, the two BOOs of the tie and
        // a dealer's joker; fractions of the speed round to the nearest, halves to even.
        QTest::newRow("a new dealer's card") << 200 << C(3, 2) << QList<int>{1000, 1000, 500};
        QTest::newRow("the dealer's joker, at speed 201")
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
        const auto records = std::pair{basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin};
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
        QCOMPARE(timeline.mid(timeline.indexOf("SoundPlayIfStopped BOO"), 4),
                 (QStringList{"SoundPlayIfStopped BOO", QString("Pause %1").arg(slow[1]),
                              "SoundPlayIfStopped BOO", QString("Pause %1").arg(slow[2])}));
        QCOMPARE(Heard("BOO"), 2);
        QCOMPARE(std::pair(basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin), records);
        if (joker) {
            QCOMPARE(State(), "state 0, win 0, coins 40");
            QCOMPARE(Table(), (QStringList{"joker", "1,2", "2,3", "3,4", "4,5"}));
            QCOMPARE(form->lblResult->text(), QString("PLAYER LOSE!"));
            return;
        }
        QCOMPARE(State(), "state 3, win 10, coins 40");
        QCOMPARE(Texts({form->lblLuckNo, form->lblDoubleCollect}), (QStringList{"1", "10"}));
        QCOMPARE(Table(), (QStringList{"3,2", "back", "back", "back", "back"}));
        QCOMPARE(form->intDoubleSelect, std::int16_t{0});
        Pick(1, kFillers, C(2, 8));
        QCOMPARE(State(), "state 2, win 20, coins 40");
        QCOMPARE(form->lblLuckNo->text(), QString("2"));
    }

    // The line between the two win sounds: 60 is loud.
    void winSoundFollowsTheNewStake() {
        ReachOffer(kTwoPair);
        DealRound(Qt::Key_Return, C(1, 4));
        form->lngWin = 30;
        ClearRecords();
        Pick(1, kFillers, C(2, 12));
        QCOMPARE(form->lngWin, 60);
        QCOMPARE(Heard("WIN2"), 1);
        QCOMPARE(Heard("WIN1"), 0);
    }

    // The jokers drawn on the way are refused and drawn again: RED/BLACK never deals one.
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
        // White, black, white, then the configured table colour is back.
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
