#include "GameFixture.h"

#include <QtTest>

// Dealer, three fillers and a pick at L that lose, and win, in STANDARD and RED/BLACK.
const Cards kLosingRound{C(3, 12), kFillers[0], kFillers[1], kFillers[2], C(4, 4)};
const Cards kWinningRound{C(3, 4), kFillers[0], kFillers[1], kFillers[2], C(2, 12)};

// The double-up: STANDARD (entered with DUAL/DOUBLE) and RED/BLACK, where a card is
// picked against the dealer's, HI/LOW, where the next card is guessed, and sequences.
class TestDouble : public GameFixture {
    Q_OBJECT

    QStringList Panel() const {
        return Texts(
            {form->lblWinCoin, form->lblDoubleCollect, form->lblTryYourLuck, form->lblLuckNo});
    }

    void WinRound(Qt::Key start = Qt::Key_Return) {
        Deal(kWinningRound);
        Press({start, Qt::Key_L});
    }

  private slots:
    // STANDARD ranks the ace over the king, the joker over all; RED/BLACK counts colour,
    // a flush paying five times; in HI/LOW a tie loses, the joker ends the run won, and
    // a guess follows the last card.
    void roundSettles_data() {
        Columns<Qt::Key, Card, QList<Qt::Key>, Cards, QString>("style", "dealer", "choices",
                                                               "cards", "state");
        const auto pick = [](const char* name, Qt::Key style, Card dealer, Qt::Key position,
                             Card picked, int win) {
            QTest::newRow(name) << style << dealer << QList{position} << Cards{picked}
                                << QString("state %1, win %2, coins 40").arg(win ? 2 : 0).arg(win);
        };
        pick("king beats five", Qt::Key_Return, C(1, 4), Qt::Key_J, C(2, 12), 20);
        pick("five loses to king", Qt::Key_Return, C(1, 12), Qt::Key_H, C(2, 4), 0);
        pick("ace beats king", Qt::Key_Return, C(1, 12), Qt::Key_L, C(2, 0), 20);
        pick("king loses to ace", Qt::Key_Return, C(1, 0), Qt::Key_K, C(2, 12), 0);
        pick("joker beats ace", Qt::Key_Return, C(1, 0), Qt::Key_L, kJoker, 20);
        pick("diamond matches heart", Qt::Key_H, C(3, 4), Qt::Key_K, C(2, 8), 20);
        pick("spade matches club", Qt::Key_H, C(1, 4), Qt::Key_K, C(4, 12), 20);
        pick("spade against heart", Qt::Key_H, C(3, 4), Qt::Key_K, C(4, 8), 0);
        pick("diamond against club", Qt::Key_H, C(1, 4), Qt::Key_K, C(2, 8), 0);
        pick("lower card of the colour", Qt::Key_H, C(3, 12), Qt::Key_K, C(2, 1), 20);
        pick("spade flush pays five times", Qt::Key_H, C(4, 3), Qt::Key_K, C(4, 8), 100);
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
        // RED/BLACK refuses a joker for any card, HI/LOW for the dealer's, and draws again.
        const Cards refused = style == Qt::Key_Return ? Cards{} : Cards{kJoker};
        Deal(refused + Cards{dealer});
        ClearRecords();
        Press(style);
        QCOMPARE(State(), "state 3, win 10, coins 40");
        QCOMPARE(Heard("CARD"), 6); // five backs dealt, then the dealer's face
        QCOMPARE(Table(), (QStringList{Face(dealer), "back", "back", "back", "back"}));
        QCOMPARE(form->lblHold[0]->text(), highLow ? "LOW" : "DEALER");
        QCOMPARE(Buttons(), QString());
        ClearRecords();
        Press(highLow ? Qt::Key_H : Qt::Key_G); // neither the dealer's card nor a HI/LOW card
        QVERIFY(timeline.isEmpty());

        QSet<QString> tables;
        onPause = [&](int) { tables << BackColor(form.get()).name(); };
        for (int i = 0; i < choices.size(); ++i) {
            Deal(highLow ? Cards{cards[i]} : refused + kFillers + Cards{cards[i]});
            Press(choices[i]);
        }
        QTEST(State(), "state");
        LooksAsRecorded(); // where each card lies, PLAYER under the pick, the result
        QCOMPARE(Heard("HOLD"), choices.size()); // each pick heard
        // Only the flush bonus flashes the table.
        QCOMPARE(tables.contains(tablecolor::kWhite.name()), State().contains("win 100"));
        const bool won = State() != "state 0, win 0, coins 40";
        QCOMPARE(Heard("WIN1") + Heard("WIN2"), won ? choices.size() : 0);
        QCOMPARE(Buttons(), !(highLow ? Status() == 3 : won) ? "MAX BET, 1 BET, REP BET"
                            : highLow                        ? "COLLECT"
                                                             : "COLLECT, HALF DOUBLE, DUAL/DOUBLE");
    }

    // A tie deals the dealer a new card for the same stake, not as another double-up.
    void tieDealsAgainForTheSameStake() {
        ReachOffer(kTwoPair);
        Deal({C(1, 8)});
        Press(Qt::Key_Return);
        QStringList results;
        onPause = [&](int) { results << form->lblResult->text(); };
        ClearRecords();
        Deal(kFillers + Cards{C(2, 8), C(3, 2)});
        Press(Qt::Key_H);

        QVERIFY(results.contains("ONE MORE!!"));
        QCOMPARE(Heard("BOO"), 2);
        QCOMPARE(Table(), (QStringList{"3,2", "back", "back", "back", "back"}));
        Deal(kFillers + Cards{C(2, 8)});
        Press(Qt::Key_H);
        QCOMPARE(State(), "state 2, win 20, coins 40");
        QCOMPARE(Texts({form->lblLuckNo, form->lblDoubleCollect}), (QStringList{"2", "20"}));
        LooksAsRecorded();
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

    // Four right guesses end the run, a poker hand paying its bonus with the table flashing
    // and the row lit; Enter, Space and A pressed meanwhile must not take the win early.
    void fourRightGuessesEndTheRun() {
        QFETCH(Card, dealer);
        QFETCH(QString, guesses);
        QFETCH(Cards, cards);
        QFETCH(int, hand);
        QFETCH(int, paid);
        ReachOffer(kTwoPair);
        Deal(Cards{dealer} + cards);
        Press(Qt::Key_J);
        QCOMPARE(Texts({form->lblHold[4], form->lblMsg, form->lblDoubleStyle, form->lbl1Win[0],
                        form->lbl1Win[8]}),
                 (QStringList{"HIGH", "ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ",
                              "■■■■■　ＨＩＧＨ　ＬＯＷ　ＤＯＵＢＬＥ　■■■■■", "50000", "100"}));
        basIniProc::lngMaxDoubleWin = 0;
        const auto row = static_cast<std::size_t>(std::max(hand, 0));
        QSet<QString> seen; // results, table colours and the hand row's colours
        onPause = [&](int) {
            seen << form->lblResult->text() << BackColor(form.get()).name()
                 << "row " + BackColor(form->lbl1Win[row]).name() + " " +
                        BackColor(form->lblWinName[row]).name();
        };
        onEvents = [&] {
            if (form->blnDealing) {
                Press({Qt::Key_Return, Qt::Key_Space, Qt::Key_A});
            }
        };
        for (const QChar guess : guesses) {
            Press(guess == 'H' ? Qt::Key_L : Qt::Key_G);
        }
        QCOMPARE(State(), QString("state 0, win 0, coins %1").arg(40 + paid));
        QCOMPARE(basIniProc::lngMaxDoubleWin, paid);
        QCOMPARE(Texts({form->lblDoubleCollect, form->lblTryYourLuck}),
                 (QStringList{QString::number(paid), QString::number(2 * paid)}));
        QCOMPARE(Table(), Faces(Cards{dealer} + cards));
        LooksAsRecorded();
        QCOMPARE(seen.contains(tablecolor::kWhite.name()), hand >= 0);
        QCOMPARE(seen.contains("row " + tablecolor::kRed.name() + " " + tablecolor::kRed.name()),
                 hand >= 0);
        if (hand >= 0) {
            QVERIFY(
                seen.contains(QString::fromStdString(basPokerProc::HandName(std::int16_t(hand)))));
        }
        QCOMPARE(timeline.count("Pause 1000"), hand >= 0 ? 1 : 0); // a second for the bonus
        onEvents = nullptr;
        ReachOffer(kTwoPair); // the style is kept, and HALF DOUBLE is off with it
        QCOMPARE(Buttons(), QString("COLLECT, DUAL/DOUBLE"));
    }

    // The menu comes once a sequence, the panel counts, the records keep the best.
    void sequenceFromOneWin() {
        basIniProc::lngMaxDoubleCnt = 0;
        basIniProc::lngMaxDoubleWin = 0;
        ReachOffer(kTwoPair);
        QVERIFY(form->lblSelectGame->isVisible() && form->lblDblStyleName[4]->isVisible());
        QCOMPARE(Panel(), (QStringList{"10", "10", "20", "1"}));
        WinRound(Qt::Key_K);
        QVERIFY(form->lblSelectGame->isHidden() && form->lblDblStyleName[0]->isHidden());
        QCOMPARE(Panel(), (QStringList{"10", "20", "40", "2"}));
        WinRound();
        WinRound();
        Press(Qt::Key_Space);
        QCOMPARE(std::pair(basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin),
                 std::pair(3, 80));

        ReachOffer(kStraight); // a new sequence offers the menu again, its rules gone
        LooksAsRecorded();
        WinRound();
        Press(Qt::Key_Space);
        QCOMPARE(std::pair(basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin),
                 std::pair(3, 80));
        // Wins of 10, doubled to 20, 40 and 80, then 30 doubled to 60: loud from 60 on.
        QCOMPARE(timeline.filter(QRegularExpression("Stopped WIN[12]"))
                     .join(' ')
                     .remove("SoundPlayIfStopped "),
                 QString("WIN1 WIN1 WIN1 WIN2 WIN1 WIN2"));
    }

    // A round starts only while twice the best it can end with fits in 32 bits, and
    // that best with what is paid so far.
    void roundStartsOnlyWhileItsWinFits_data() {
        Columns<Qt::Key, int, int, bool>("entry", "win", "paid", "started");
        QTest::newRow("STANDARD") << Qt::Key_K << 536870911 << 0 << true;
        QTest::newRow("STANDARD, one more") << Qt::Key_K << 536870912 << 0 << false;
        QTest::newRow("RED/BLACK, a flush") << Qt::Key_H << 107374182 << 0 << true;
        QTest::newRow("RED/BLACK, one more") << Qt::Key_H << 107374183 << 0 << false;
        QTest::newRow("HI/LOW, four doublings and a royal") << Qt::Key_J << 67105738 << 0 << true;
        QTest::newRow("HI/LOW, one more") << Qt::Key_J << 67105739 << 0 << false;
        QTest::newRow("paid so far, to the limit") << Qt::Key_K << 1000 << 2147481647 << true;
        QTest::newRow("paid so far, one past") << Qt::Key_K << 1000 << 2147481648 << false;
    }

    void roundStartsOnlyWhileItsWinFits() {
        QFETCH(Qt::Key, entry);
        QFETCH(int, win);
        QFETCH(int, paid);
        ReachOffer(kTwoPair);
        form->lngWin = win;
        form->lngPaid = paid;
        Deal({C(1, 6)});
        Press(entry);
        QTEST(Status() == 3, "started");
        QCOMPARE(form->lngWin, win);
    }

    // Half the win (halves to even) is staked, and the rest paid however the round ends.
    void halfDoubleSetsHalfAside_data() {
        Columns<int, Cards, Qt::Key, int, Cards, int, int, int>("wager", "hand", "start", "style",
                                                                "round", "stake", "aside", "paid");
        const Cards joker{kJoker, C(1, 2), C(2, 3), C(3, 4), C(4, 5)};
        QTest::newRow("1 is staked whole")
            << 1 << kTwoPair << Qt::Key_A << 3 << kLosingRound << 1 << 0 << 0;
        QTest::newRow("10 by STANDARD(1/2)")
            << 10 << kTwoPair << Qt::Key_L << 3 << kLosingRound << 5 << 5 << 5;
        QTest::newRow("15 by RED/BLACK(1/2)")
            << 5 << kStraight << Qt::Key_G << 1 << kLosingRound << 8 << 8 << 8;
        QTest::newRow("15 by HALF DOUBLE, won")
            << 5 << kStraight << Qt::Key_A << 3 << kWinningRound << 8 << 8 << 24;
        QTest::newRow("dealer's joker") << 10 << kTwoPair << Qt::Key_A << 3 << joker << 5 << 5 << 5;
    }

    void halfDoubleSetsHalfAside() {
        QFETCH(int, wager);
        QFETCH(Cards, hand);
        QFETCH(Qt::Key, start);
        QFETCH(Cards, round);
        QFETCH(int, stake);
        QFETCH(int, aside);
        QFETCH(int, paid);
        ReachOffer(hand, wager);
        Deal(round);
        Press(start);
        QTEST(int{basPokerProc::intDoubleStyle}, "style");
        if (round.front().suit != 9) {
            QCOMPARE(State(), QString("state 3, win %1, coins %2").arg(stake).arg(50 - wager));
            QCOMPARE(Texts({form->lblWin, form->lblDoubleCollect, form->lblLuckNo}),
                     (QStringList{QString::number(aside), QString::number(stake), "1"}));
            LooksAsRecorded();
            Press(Qt::Key_L);
        }
        if (Status() == 2) {
            Press(Qt::Key_Space);
        }
        QCOMPARE(State(), QString("state 0, win 0, coins %1").arg(50 - wager + paid));
        QCOMPARE(basIniProc::lngTotalPut, paid);
        QCOMPARE(Texts({form->lblPaid, form->lblWin}),
                 (QStringList{QString::number(paid), QString::number(paid)}));
    }
};

QTEST_MAIN(TestDouble)
#include "tst_double.moc"
