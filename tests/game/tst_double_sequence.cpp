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

    void LoseRound() {
        DealRound(Qt::Key_Return, kLosingDealer);
        Pick(1, kFillers, kLosingPick);
        QCOMPARE(Status(), 0);
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
    void menuIsShownOncePerSequence() {
        ReachOffer(kTwoPair);
        QVERIFY(MenuShown(*form));
        QCOMPARE(ForeColor(form->lblDblStyleName[3]), tablecolor::kSilver);

        DealRound(Qt::Key_K, kWinningDealer);
        QCOMPARE(ForeColor(form->lblDblStyleName[3]), tablecolor::kWhite);
        QVERIFY(form->lblSelectGame->isHidden());
        Pick(1, kFillers, kWinningPick);
        QCOMPARE(Status(), 2);
        QVERIFY(form->lblDblStyleName[0]->isHidden());

        ClearRecords();
        for (int position = 0; position < 5; ++position) {
            Press(PositionKey(position));
            Click(form->lblDblStyleName[static_cast<std::size_t>(position)]);
        }
        QCOMPARE(State(), "state 2, win 20, coins 40");
        QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleStandard);
        QVERIFY(sounds.empty());

        LoseRound(); // Enter keeps STANDARD
        QCOMPARE(form->lblHold[0]->text(), QString("DEALER"));

        ReachOffer(kTwoPair); // a new sequence offers the menu again
        QVERIFY(MenuShown(*form));
    }

    void panelFollowsTheSequence() {
        const auto panel = [this] {
            return Texts({form->lblWinCoinTitle, form->lblWinCoin, form->lblDoubleCollect,
                          form->lblTryYourLuck, form->lblLuckNo});
        };
        ReachOffer(kTwoPair);
        QCOMPARE(panel(), (QStringList{"TWO PAIR", "10", "10", "20", "1"}));

        WinRounds(1);
        QCOMPARE(panel(), (QStringList{"TWO PAIR", "10", "20", "40", "2"}));

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
    }

    void halfDoubleSetsHalfAside_data() {
        Columns<int, Cards, Qt::Key, int, int, int>("wager", "hand", "start", "style", "stake",
                                                    "aside");
        QTest::newRow("1 is staked whole") << 1 << kTwoPair << Qt::Key_A << 3 << 1 << 0;
        QTest::newRow("10 by STANDARD(1/2)") << 10 << kTwoPair << Qt::Key_L << 3 << 5 << 5;
        QTest::newRow("15 by RED/BLACK(1/2)") << 5 << kStraight << Qt::Key_G << 1 << 8 << 8;
        QTest::newRow("15 by HALF DOUBLE") << 5 << kStraight << Qt::Key_A << 3 << 8 << 8;
    }

    void halfDoubleSetsHalfAside() {
        QFETCH(int, wager);
        QFETCH(Cards, hand);
        QFETCH(Qt::Key, start);
        QFETCH(int, stake);
        QFETCH(int, aside);
        ReachOffer(hand, wager);
        DealRound(start, kLosingDealer);

        QCOMPARE(Status(), 3);
        QTEST(int{basPokerProc::intDoubleStyle}, "style");
        QCOMPARE(form->lngWin, stake);
        QCOMPARE(form->lngPaid, aside);
        QCOMPARE(
            Texts({form->lblWin, form->lblDoubleCollect, form->lblTryYourLuck, form->lblLuckNo}),
            (QStringList{QString::number(aside), QString::number(stake), QString::number(2 * stake),
                         "1"}));

        const std::int32_t coins = basIniProc::lngCoin;
        Pick(2, kFillers, kLosingPick);
        QCOMPARE(basIniProc::lngCoin, coins + aside);
    }

    void coinsSetAsideAreAlwaysPaid_data() {
        Columns<Cards, int>("round", "paid");
        QTest::newRow("dealer's joker") << Cards{kJoker, C(1, 2), C(2, 3), C(3, 4), C(4, 5)} << 5;
        QTest::newRow("won, then collected") << kWinningRound << 5 + 10;
    }

    // The lost pick that pays them is in halfDoubleSetsHalfAside.
    void coinsSetAsideAreAlwaysPaid() {
        QFETCH(Cards, round);
        QFETCH(int, paid);
        ReachOffer(kTwoPair);
        Deal(round);
        Press(Qt::Key_A);
        if (Status() == 3) {
            Press(PositionKey(4));
        }
        if (Status() == 2) {
            Press(Qt::Key_Space);
        }
        QCOMPARE(State(), QString("state 0, win 0, coins %1").arg(40 + paid));
        QCOMPARE(basIniProc::lngTotalPut, paid);
        QCOMPARE(Texts({form->lblPaid, form->lblWin}),
                 (QStringList{QString::number(paid), QString::number(paid)}));
        QCOMPARE(form->lngPaid, 0);
        QCOMPARE(form->lngLastWager, 10);
    }

    void recordsKeepTheLongestAndLargest() {
        basIniProc::lngMaxDoubleCnt = 0;
        basIniProc::lngMaxDoubleWin = 0;
        const auto sequence = [this](int wins, bool collect) {
            ReachOffer(kTwoPair);
            WinRounds(wins);
            if (collect) {
                Press(Qt::Key_Space);
            } else {
                LoseRound();
            }
            return std::pair{basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin};
        };
        QCOMPARE(sequence(3, false), std::pair(3, 80));
        QCOMPARE(sequence(1, false), std::pair(3, 80));
        QCOMPARE(sequence(3, true), std::pair(3, 80));
        QCOMPARE(sequence(4, true), std::pair(4, 160));
        QCOMPARE(sequence(0, false), std::pair(4, 160));
    }

    void roundIsOfferedOnlyWhileItsCountsFit_data() {
        Columns<Qt::Key, int, int, bool>("entry", "win", "aside", "offered");
        // Offered while twice the best the round can end with still fits.
        QTest::newRow("STANDARD, doubled") << Qt::Key_K << 536870911 << 0 << true;
        QTest::newRow("STANDARD, one more") << Qt::Key_K << 536870912 << 0 << false;
        QTest::newRow("RED/BLACK, flush") << Qt::Key_H << 107374182 << 0 << true;
        QTest::newRow("RED/BLACK, one more") << Qt::Key_H << 107374183 << 0 << false;
        QTest::newRow("RED/BLACK(1/2), one more") << Qt::Key_G << 107374183 << 0 << false;
        QTest::newRow("STANDARD(1/2), doubled") << Qt::Key_L << 536870911 << 0 << true;
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

    void inputDuringARoundChangesNothing_data() {
        Columns<Qt::Key, int, Cards>("entry", "position", "cards");
        QTest::newRow("STANDARD") << Qt::Key_K << 2 << kWinningRound;
        QTest::newRow("RED/BLACK") << Qt::Key_H << 3 << kWinningRound;
        QTest::newRow("HI/LOW") << Qt::Key_J << 4 << Cards{C(1, 6), C(2, 8)};
    }

    void inputDuringARoundChangesNothing() {
        QFETCH(Qt::Key, entry);
        QFETCH(int, position);
        QFETCH(Cards, cards);
        ReachOffer(kTwoPair);
        int fired = 0;
        onEvents = [&] {
            if (form->blnDealing) {
                ++fired;
                PressEverything();
            }
        };
        Deal(cards);
        Press(entry);
        QCOMPARE(Status(), 3);
        Press(PositionKey(position));

        QVERIFY(fired > 0);
        QCOMPARE(State(),
                 entry == Qt::Key_J ? "state 3, win 20, coins 40" : "state 2, win 20, coins 40");
        QCOMPARE(form->lblLuckNo->text(), QString("2"));
        QCOMPARE(form->lngPaid, 0);
        QCOMPARE(TableCard(entry == Qt::Key_J ? 1 : position), Face(cards.back()));
    }
};

QTEST_MAIN(TestDoubleSequence)
#include "tst_double_sequence.moc"
