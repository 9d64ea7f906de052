#include "GameFixture.h"

#include <QtTest>
#include <limits>

// A sequence of double-ups from one win: the style menu, the panel, half stakes, the
// records, the overflow guard and input that arrives while the game is busy.
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// A dealer's card and a pick that lose in STANDARD and in RED/BLACK alike.
const Card kLosingDealer = C(3, 12);
const Card kLosingPick = C(4, 4);
// And a pair that wins in both.
const Card kWinningDealer = C(3, 4);
const Card kWinningPick = C(2, 12);
const Cards kWinningRound{kWinningDealer, kFillers[0], kFillers[1], kFillers[2], kWinningPick};

bool MenuShown(const frmPoker& form) {
    return std::none_of(form.lblDblStyleName.begin(), form.lblDblStyleName.end(),
                        [](const ClickLabel* entry) { return entry->isHidden(); }) &&
           !form.lblSelectGame->isHidden();
}

} // namespace

class TestDoubleSequence : public GameFixture {
    Q_OBJECT

    // Wins `rounds` STANDARD double-ups in a row with Enter; the win is then on offer.
    void WinRounds(int rounds) {
        for (int round = 0; round < rounds; ++round) {
            DealRound(Qt::Key_Return, kWinningDealer);
            Pick(1, kFillers, kWinningPick);
            QCOMPARE(Status(), 2);
        }
    }

    // Every position key and every click on a card, hold label or style entry.
    void PressEverything() {
        for (int position = 0; position < 5; ++position) {
            const auto i = static_cast<std::size_t>(position);
            Press(PositionKey(position));
            Click(form->lblHold[i]);
            Click(form->imgTable[i]);
            Click(form->lblDblStyleName[i]);
            form->lblDblStyleName_Click(position);
            form->PickDouble(position);
        }
    }

  private slots:
    // The menu comes once per sequence; the panel counts the double-ups, a tie is not
    // one, HALF DOUBLE sets half aside; the records keep the longest and largest.
    void sequenceFromOneWin() {
        const auto panel = [this] {
            return Texts({form->lblWinCoinTitle, form->lblWinCoin, form->lblDoubleCollect,
                          form->lblTryYourLuck, form->lblLuckNo});
        };
        const auto records = [] {
            return std::pair(basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin);
        };
        basIniProc::lngMaxDoubleCnt = 0;
        basIniProc::lngMaxDoubleWin = 0;
        ReachOffer(kTwoPair);
        QVERIFY(MenuShown(*form));
        QCOMPARE(ForeColor(form->lblDblStyleName[3]), tablecolor::kSilver);
        QCOMPARE(panel(), (QStringList{"TWO PAIR", "10", "10", "20", "1"}));

        DealRound(Qt::Key_K, kWinningDealer);
        QCOMPARE(ForeColor(form->lblDblStyleName[3]), tablecolor::kWhite);
        QVERIFY(form->lblSelectGame->isHidden());
        Pick(1, kFillers, kWinningPick);
        QVERIFY(form->lblDblStyleName[0]->isHidden());
        QCOMPARE(panel(), (QStringList{"TWO PAIR", "10", "20", "40", "2"}));
        ClearRecords();
        for (int position = 0; position < 5; ++position) {
            Press(PositionKey(position));
            Click(form->lblDblStyleName[static_cast<std::size_t>(position)]);
        }
        QCOMPARE(State(), "state 2, win 20, coins 40");
        QVERIFY(sounds.empty());

        DealRound(Qt::Key_Return, C(1, 8));
        Deal({kFillers[0], kFillers[1], kFillers[2], C(2, 8), kWinningDealer});
        Press(PositionKey(1)); // a tie: the same double-up again
        QCOMPARE(panel(), (QStringList{"TWO PAIR", "10", "20", "40", "2"}));
        Pick(1, kFillers, kWinningPick);
        QCOMPARE(panel(), (QStringList{"TWO PAIR", "10", "40", "80", "3"}));

        DealRound(Qt::Key_A, kLosingDealer);
        QCOMPARE(panel(), (QStringList{"TWO PAIR", "10", "20", "40", "3"}));
        QCOMPARE(form->lblWin->text(), QString("20"));
        Pick(1, kFillers, kLosingPick);
        QCOMPARE(State(), "state 0, win 0, coins 60");
        QCOMPARE(records(), std::pair(2, 40));

        ReachOffer(kTwoPair); // a new sequence offers the menu again
        QVERIFY(MenuShown(*form));
        WinRounds(1);
        Press(Qt::Key_Space);
        QCOMPARE(records(), std::pair(2, 40));
        ReachOffer(kTwoPair);
        WinRounds(3);
        Press(Qt::Key_Space);
        QCOMPARE(records(), std::pair(3, 80));
        QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleStandard);
    }

    // The stake is half the win, rounded halves to even, and what is set aside is
    // paid however the round ends.
    void halfDoubleSetsHalfAside_data() {
        Columns<int, Cards, Qt::Key, int, Cards, int, int, int>("wager", "hand", "start", "style",
                                                                "round", "stake", "aside", "paid");
        const Cards lost{kLosingDealer, kFillers[0], kFillers[1], kFillers[2], kLosingPick};
        const Cards joker{kJoker, C(1, 2), C(2, 3), C(3, 4), C(4, 5)};
        QTest::newRow("1 is staked whole")
            << 1 << kTwoPair << Qt::Key_A << 3 << lost << 1 << 0 << 0;
        QTest::newRow("10 by STANDARD(1/2)")
            << 10 << kTwoPair << Qt::Key_L << 3 << lost << 5 << 5 << 5;
        QTest::newRow("15 by RED/BLACK(1/2)")
            << 5 << kStraight << Qt::Key_G << 1 << lost << 8 << 8 << 8;
        QTest::newRow("15 by HALF DOUBLE, won and collected")
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
            QCOMPARE(form->lngPaid, aside);
            QCOMPARE(Texts({form->lblWin, form->lblDoubleCollect, form->lblTryYourLuck,
                            form->lblLuckNo}),
                     (QStringList{QString::number(aside), QString::number(stake),
                                  QString::number(2 * stake), "1"}));
            Press(PositionKey(4));
        }
        if (Status() == 2) {
            Press(Qt::Key_Space);
        }
        QCOMPARE(State(), QString("state 0, win 0, coins %1").arg(50 - wager + paid));
        QCOMPARE(basIniProc::lngTotalPut, paid);
        QCOMPARE(Texts({form->lblPaid, form->lblWin}),
                 (QStringList{QString::number(paid), QString::number(paid)}));
        QCOMPARE(form->lngPaid, 0);
        QCOMPARE(form->lngLastWager, wager);
    }

    void roundIsOfferedOnlyWhileItsCountsFit_data() {
        Columns<Qt::Key, int, int, bool>("entry", "win", "aside", "offered");
        // Offered while twice the best the round can end with still fits.
        QTest::newRow("STANDARD, doubled") << Qt::Key_K << 536870911 << 0 << true;
        QTest::newRow("STANDARD, one more") << Qt::Key_K << 536870912 << 0 << false;
        QTest::newRow("RED/BLACK, flush") << Qt::Key_H << 107374182 << 0 << true;
        QTest::newRow("RED/BLACK, one more") << Qt::Key_H << 107374183 << 0 << false;
        QTest::newRow("HI/LOW, run and royal") << Qt::Key_J << 67105738 << 0 << true;
        QTest::newRow("HI/LOW, one more") << Qt::Key_J << 67105739 << 0 << false;
        QTest::newRow("payout with coins aside") << Qt::Key_K << 10 << kMax - 20 << true;
        QTest::newRow("payout one coin beyond") << Qt::Key_K << 10 << kMax - 19 << false;
    }

    void roundIsOfferedOnlyWhileItsCountsFit() {
        QFETCH(Qt::Key, entry);
        QFETCH(int, win);
        QFETCH(int, aside);
        QFETCH(bool, offered);
        ReachOffer(kTwoPair);
        form->lngWin = win;
        form->lngPaid = aside;
        ClearRecords();
        DealRound(entry, C(1, 6));

        QCOMPARE(Status(), offered ? 3 : 2);
        QCOMPARE(MenuShown(*form), !offered);
        QCOMPARE(Heard("CARD") > 0, offered);
        if (!offered) {
            QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleStandard);
            QCOMPARE(form->lngWin, win);
        }
    }

    void buttonsOfferOnlyWhatFitsAfterADoubling_data() {
        Columns<Qt::Key, int, Cards, int, bool>("entry", "stake", "round", "won", "offered");
        const Cards flush{C(3, 1), C(3, 2), C(3, 3), C(3, 4), C(3, 8)};
        QTest::newRow("STANDARD, next still fits")
            << Qt::Key_K << 268435455 << kWinningRound << 536870910 << true;
        QTest::newRow("STANDARD, next would not")
            << Qt::Key_K << 268435456 << kWinningRound << 536870912 << false;
        QTest::newRow("RED/BLACK, next still fits")
            << Qt::Key_H << 53687091 << kWinningRound << 107374182 << true;
        QTest::newRow("RED/BLACK, next would not")
            << Qt::Key_H << 53687092 << kWinningRound << 107374184 << false;
        QTest::newRow("largest RED/BLACK stake makes a flush")
            << Qt::Key_H << 107374182 << flush << 1073741820 << false;
    }

    void buttonsOfferOnlyWhatFitsAfterADoubling() {
        QFETCH(Qt::Key, entry);
        QFETCH(int, stake);
        QFETCH(Cards, round);
        QFETCH(int, won);
        QFETCH(bool, offered);
        ReachOffer(kTwoPair);
        DealRound(entry, round.front());
        form->lngWin = stake;
        Pick(4, {round[1], round[2], round[3]}, round[4]);

        QCOMPARE(State(), QString("state 2, win %1, coins 40").arg(won));
        QCOMPARE(form->lblTryYourLuck->text(), QString::number(2 * std::int64_t{won}));
        QCOMPARE(Buttons(), QString(offered ? "COLLECT, HALF DOUBLE, DUAL/DOUBLE" : "COLLECT"));
        Deal({C(1, 6)});
        Press({Qt::Key_Return, Qt::Key_A});
        QCOMPARE(Status() == 3, offered);
    }

    // Until the payout is credited, cards, hold labels, style entries, their keys,
    // Enter and Space start nothing: the win is counted once.
    void inputDuringAPayoutStartsNothing() {
        ReachOffer(kTwoPair);
        bool fired = false;
        onEvents = [&] {
            if (form->blnPaying && !fired) {
                fired = true;
                PressEverything();
                Press({Qt::Key_Return, Qt::Key_Space});
            }
        };
        const auto holds = form->strHold;
        ClearRecords();
        Press(Qt::Key_Space); // collect while the style menu is still shown

        QVERIFY(fired);
        QCOMPARE(State(), "state 0, win 0, coins 50");
        QCOMPARE(basIniProc::lngTotalPut, 10);
        QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleStandard);
        QCOMPARE(form->strHold, holds);
        QCOMPARE(Heard("CARD") + Heard("HOLD"), 0);
        QVERIFY(!form->blnPaying && !form->blnDealing);

        // A HI/LOW run collected after a right guess: its LOW and HIGH stay dead too.
        ReachOffer(kTwoPair);
        DealRound(Qt::Key_J, C(1, 6));
        Guess(true, C(2, 8));
        fired = false;
        ClearRecords();
        Press(Qt::Key_Space);

        QVERIFY(fired);
        QCOMPARE(State(), "state 0, win 0, coins 60");
        QCOMPARE(form->intDoubleCount, std::int16_t{1});
        QCOMPARE(Heard("CARD"), 0);
    }
};

QTEST_MAIN(TestDoubleSequence)
#include "tst_double_sequence.moc"
