#include "GameFixture.h"

#include <QtTest>
#include <limits>

// A sequence of double-ups from one win: the style menu, the panel, half stakes, the
// records, the overflow guard and input that arrives while the game is busy.
namespace {

// Rounds of dealer, three fillers and a pick at L that lose, and win, in STANDARD and
// in RED/BLACK alike.
const Cards kLosingRound{C(3, 12), kFillers[0], kFillers[1], kFillers[2], C(4, 4)};
const Cards kWinningRound{C(3, 4), kFillers[0], kFillers[1], kFillers[2], C(2, 12)};

} // namespace

class TestDoubleSequence : public GameFixture {
    Q_OBJECT

    bool MenuShown() const {
        return !form->lblSelectGame->isHidden() &&
               std::none_of(form->lblDblStyleName.begin(), form->lblDblStyleName.end(),
                            [](const ClickLabel* entry) { return entry->isHidden(); });
    }

    QStringList Panel() const {
        return Texts(
            {form->lblWinCoin, form->lblDoubleCollect, form->lblTryYourLuck, form->lblLuckNo});
    }

    void WinRound(Qt::Key start = Qt::Key_Return) {
        Deal(kWinningRound);
        Press({start, Qt::Key_L});
    }

  private slots:
    // The menu comes once per sequence; the panel counts the double-ups; the records
    // keep the longest and the largest.
    void sequenceFromOneWin() {
        basIniProc::lngMaxDoubleCnt = 0;
        basIniProc::lngMaxDoubleWin = 0;
        ReachOffer(kTwoPair);
        QVERIFY(MenuShown());
        QCOMPARE(Panel(), (QStringList{"10", "10", "20", "1"}));
        WinRound(Qt::Key_K);
        QVERIFY(form->lblSelectGame->isHidden() && form->lblDblStyleName[0]->isHidden());
        QCOMPARE(Panel(), (QStringList{"10", "20", "40", "2"}));
        WinRound();
        WinRound();
        Press(Qt::Key_Space);
        QCOMPARE(std::pair(basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin),
                 std::pair(3, 80));

        ReachOffer(kTwoPair); // a new sequence offers the menu again
        QVERIFY(MenuShown());
        WinRound();
        WinRound();
        Press(Qt::Key_Space);
        QCOMPARE(std::pair(basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin),
                 std::pair(3, 80));
    }

    // The stake is half the win, rounded halves to even, and what is set aside is
    // paid however the round ends.
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
            Press(PositionKey(4));
        }
        if (Status() == 2) {
            Press(Qt::Key_Space);
        }
        QCOMPARE(State(), QString("state 0, win 0, coins %1").arg(50 - wager + paid));
        QCOMPARE(basIniProc::lngTotalPut, paid);
        QCOMPARE(Texts({form->lblPaid, form->lblWin}),
                 (QStringList{QString::number(paid), QString::number(paid)}));
    }

    // A round is offered only while twice the best it can end with still fits, the
    // coins set aside included.
    void roundIsOfferedOnlyWhileItsCountsFit_data() {
        Columns<Qt::Key, int, int, bool>("entry", "win", "aside", "offered");
        const int top = std::numeric_limits<std::int32_t>::max();
        QTest::newRow("STANDARD, doubled") << Qt::Key_K << 536870911 << 0 << true;
        QTest::newRow("STANDARD, one more") << Qt::Key_K << 536870912 << 0 << false;
        QTest::newRow("RED/BLACK, flush") << Qt::Key_H << 107374182 << 0 << true;
        QTest::newRow("RED/BLACK, one more") << Qt::Key_H << 107374183 << 0 << false;
        QTest::newRow("HI/LOW, run and royal") << Qt::Key_J << 67105738 << 0 << true;
        QTest::newRow("HI/LOW, one more") << Qt::Key_J << 67105739 << 0 << false;
        QTest::newRow("payout with coins aside") << Qt::Key_K << 10 << top - 20 << true;
        QTest::newRow("payout one coin beyond") << Qt::Key_K << 10 << top - 19 << false;
    }

    void roundIsOfferedOnlyWhileItsCountsFit() {
        QFETCH(Qt::Key, entry);
        QFETCH(int, win);
        QFETCH(int, aside);
        QFETCH(bool, offered);
        ReachOffer(kTwoPair);
        form->lngPaid = aside;
        form->lngWin = win;
        DealRound(entry, C(1, 6));
        QCOMPARE(Status(), offered ? 3 : 2);
        QCOMPARE(MenuShown(), !offered);
        QCOMPARE(form->lngWin, win);
    }

    // Until the payout is credited, cards, hold labels, the style menu, their keys,
    // Enter, Space and A start nothing: the win is counted once.
    void inputDuringAPayoutStartsNothing() {
        ReachOffer(kTwoPair);
        bool fired = false;
        onEvents = [&] {
            if (form->blnPaying && !fired) {
                fired = true;
                for (std::size_t i = 0; i < 5; ++i) {
                    Press(PositionKey(static_cast<int>(i)));
                    Click(form->lblHold[i]);
                    Click(form->imgTable[i]);
                    Click(form->lblDblStyleName[i]);
                }
                Press({Qt::Key_Return, Qt::Key_Space, Qt::Key_A});
            }
        };
        ClearRecords();
        Press(Qt::Key_Space);
        QVERIFY(fired);
        QCOMPARE(State(), "state 0, win 0, coins 50");
        QCOMPARE(basIniProc::lngTotalPut, 10);
        QCOMPARE(Heard("CARD") + Heard("HOLD"), 0);
        QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleStandard);
    }
};

QTEST_MAIN(TestDoubleSequence)
#include "tst_double_sequence.moc"
