#include "GameFixture.h"

#include <QtTest>

const QString kSelectHighLow = "ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ";

// The double-up rounds: STANDARD (entered with DUAL/DOUBLE) and RED/BLACK, where a card
// is picked against the dealer's, and HI/LOW, where the next card is guessed.
class TestDoublePick : public GameFixture {
    Q_OBJECT

  private slots:
    // In STANDARD the ace ranks above the king and the joker above all; in RED/BLACK
    // the colour alone counts. In HI/LOW a tie loses, the joker wins and ends the run,
    // and a second guess compares with the card just dealt.
    void roundSettles_data() {
        Columns<Qt::Key, Card, QList<Qt::Key>, Cards, QString>("style", "dealer", "choices",
                                                               "cards", "state");
        const auto pick = [](const char* name, Qt::Key style, Card dealer, Qt::Key position,
                             Card picked, bool won) {
            QTest::newRow(name) << style << dealer << QList{position} << Cards{picked}
                                << (won ? "state 2, win 20, coins 40" : "state 0, win 0, coins 40");
        };
        pick("king beats five", Qt::Key_Return, C(1, 4), Qt::Key_J, C(2, 12), true);
        pick("five loses to king", Qt::Key_Return, C(1, 12), Qt::Key_H, C(2, 4), false);
        pick("ace beats king", Qt::Key_Return, C(1, 12), Qt::Key_L, C(2, 0), true);
        pick("king loses to ace", Qt::Key_Return, C(1, 0), Qt::Key_K, C(2, 12), false);
        pick("joker beats ace", Qt::Key_Return, C(1, 0), Qt::Key_L, kJoker, true);
        pick("diamond matches heart", Qt::Key_H, C(3, 4), Qt::Key_K, C(2, 8), true);
        pick("spade matches club", Qt::Key_H, C(1, 4), Qt::Key_K, C(4, 12), true);
        pick("spade against heart", Qt::Key_H, C(3, 4), Qt::Key_K, C(4, 8), false);
        pick("diamond against club", Qt::Key_H, C(1, 4), Qt::Key_K, C(2, 8), false);
        pick("lower card of the colour", Qt::Key_H, C(3, 12), Qt::Key_K, C(2, 1), true);
        const auto guess = [](const char* name, Card dealer, QList<Qt::Key> choices, Cards cards,
                              const char* state) {
            QTest::newRow(name) << Qt::Key_J << dealer << choices << cards << state;
        };
        const Qt::Key low = Qt::Key_G;
        const Qt::Key high = Qt::Key_L;
        guess("higher on HIGH, then lower", C(1, 6), {high, low}, {C(2, 8), C(3, 7)},
              "state 3, win 40, coins 40");
        guess("lower on LOW, then higher", C(1, 6), {low, high}, {C(2, 2), C(3, 3)},
              "state 3, win 40, coins 40");
        guess("lower on HIGH", C(1, 6), {high}, {C(2, 2)}, "state 0, win 0, coins 40");
        guess("higher on LOW", C(1, 6), {low}, {C(2, 8)}, "state 0, win 0, coins 40");
        guess("tie on HIGH", C(1, 6), {high}, {C(2, 6)}, "state 0, win 0, coins 40");
        guess("tie on LOW", C(1, 6), {low}, {C(2, 6)}, "state 0, win 0, coins 40");
        guess("ace above king", C(1, 12), {high}, {C(2, 0)}, "state 3, win 20, coins 40");
        guess("king below ace", C(1, 0), {low}, {C(2, 12)}, "state 3, win 20, coins 40");
        guess("joker on LOW", C(1, 1), {low}, {kJoker}, "state 0, win 0, coins 60");
        guess("joker on HIGH", C(1, 0), {high}, {kJoker}, "state 0, win 0, coins 60");
    }

    void roundSettles() {
        QFETCH(Qt::Key, style);
        QFETCH(Card, dealer);
        QFETCH(QList<Qt::Key>, choices);
        QFETCH(Cards, cards);
        const bool highLow = style == Qt::Key_J;
        ReachOffer(kTwoPair);
        Deal(highLow ? Cards{kJoker, dealer} : Cards{dealer}); // HI/LOW refuses a dealer's joker
        Press(style);
        QCOMPARE(State(), "state 3, win 10, coins 40");
        QCOMPARE(Table(), (QStringList{Face(dealer), "back", "back", "back", "back"}));
        QCOMPARE(form->lblHold[0]->text(), highLow ? "LOW" : "DEALER");
        QVERIFY(form->lblDblStyleName[3]->isHidden());
        QCOMPARE(Buttons(), QString());
        ClearRecords();
        Press(highLow ? Qt::Key_H : Qt::Key_G); // neither the dealer's card nor a HI/LOW card
        QVERIFY(timeline.isEmpty());

        for (int i = 0; i < choices.size(); ++i) {
            Deal(highLow ? Cards{cards[i]} : kFillers + Cards{cards[i]});
            Press(choices[i]);
        }
        QTEST(State(), "state");
        const bool won = State() != "state 0, win 0, coins 40";
        QCOMPARE(form->lblResult->text(), won ? "PLAYER WIN!" : "PLAYER LOSE!");
        QCOMPARE(Heard("WIN1"), won ? choices.size() : 0);
        if (highLow) {
            QCOMPARE(Table().mid(1, cards.size()), Faces(cards));
            QCOMPARE(Buttons(), Status() == 3 ? "COLLECT" : "MAX BET, 1 BET, REP BET");
            return;
        }
        const int position =
            QList{Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L}.indexOf(choices[0]);
        Cards table = Cards{dealer} + kFillers;
        table.insert(position, cards[0]);
        QCOMPARE(Table(), Faces(table));
        QCOMPARE(form->lblHold[static_cast<std::size_t>(position)]->text(), QString("PLAYER"));
        QCOMPARE(Buttons(), won ? "COLLECT, HALF DOUBLE, DUAL/DOUBLE" : "MAX BET, 1 BET, REP BET");
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
        QCOMPARE(Heard("BOO"), 2);
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

    void fourRightGuessesEndTheRun_data() {
        Columns<Card, QString, Cards, int, int>("dealer", "guesses", "cards", "hand", "paid");
        QTest::newRow("flush pays its bonus")
            << C(1, 1) << "HLHL" << Cards{C(1, 4), C(1, 2), C(1, 8), C(1, 3)} << 5 << 160 + 400;
        QTest::newRow("joker last makes a full house")
            << C(1, 12) << "LHLH" << Cards{C(2, 1), C(3, 12), C(4, 1), kJoker} << 4 << 160 + 500;
        QTest::newRow("no paying hand, no bonus")
            << C(1, 1) << "HLHL" << Cards{C(2, 4), C(3, 2), C(4, 8), C(2, 3)} << -1 << 160;
    }

    // The bonus hand's name is typed while events run; Enter, Space and A pressed then
    // must neither stake nor collect the win just doubled before the bonus is added.
    void fourRightGuessesEndTheRun() {
        QFETCH(Card, dealer);
        QFETCH(QString, guesses);
        QFETCH(Cards, cards);
        QFETCH(int, hand);
        QFETCH(int, paid);
        ReachOffer(kTwoPair);
        DealRound(Qt::Key_J, dealer);
        QCOMPARE(Texts({form->lblHold[4], form->lblMsg, form->lblDoubleStyle, form->lbl1Win[0],
                        form->lbl1Win[8]}),
                 (QStringList{"HIGH", kSelectHighLow,
                              "■■■■■　ＨＩＧＨ　ＬＯＷ　ＤＯＵＢＬＥ　■■■■■", "50000", "100"}));
        basIniProc::lngMaxDoubleWin = 0;
        QStringList results;
        QList<QColor> tables;
        QColor bonusRow;
        onPause = [&](int ms) {
            results << form->lblResult->text();
            tables << BackColor(form.get());
            if (ms == 1000 && hand >= 0) {
                bonusRow = BackColor(form->lbl1Win[static_cast<std::size_t>(hand)]);
            }
        };
        for (int guess = 0; guess < 4; ++guess) {
            if (guess == 3) {
                onEvents = [&] {
                    if (form->blnDealing) {
                        Press({Qt::Key_Return, Qt::Key_Space, Qt::Key_A});
                    }
                };
            }
            Guess(guesses[guess] == 'H', cards[guess]);
        }

        QCOMPARE(State(), QString("state 0, win 0, coins %1").arg(40 + paid));
        QCOMPARE(basIniProc::lngMaxDoubleWin, paid);
        QCOMPARE(Table(), Faces(Cards{dealer} + cards));
        QCOMPARE(tables.contains(tablecolor::kWhite), hand >= 0);
        if (hand >= 0) {
            QVERIFY(results.contains(
                QString::fromStdString(basPokerProc::HandName(std::int16_t(hand)))));
            QCOMPARE(bonusRow, tablecolor::kRed);
        }
        QCOMPARE(form->lbl1Win[0]->text(), QString("500")); // the pay table is back
        ReachOffer(kTwoPair); // the style is kept, and HALF DOUBLE is off with it
        QCOMPARE(Buttons(), QString("COLLECT, DUAL/DOUBLE"));
    }
};

QTEST_MAIN(TestDoublePick)
#include "tst_double_pick.moc"
