#include "GameFixture.h"

#include <QtTest>

namespace {

const QString kSelectHighLow = "ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ";

} // namespace

class TestDoubleHighLow : public GameFixture {
    Q_OBJECT

    // Starts a HI/LOW run from the style menu on the dealer's card.
    void DealHighLow(Card dealer) {
        ReachOffer(kTwoPair);
        DealRound(Qt::Key_J, dealer);
        QCOMPARE(Status(), 3);
    }

  private slots:
    void dealOffersLowAndHigh() {
        ReachOffer(kTwoPair);
        Deal({kJoker, C(1, 6)}); // never the dealer's joker
        Press(Qt::Key_J);

        QCOMPARE(Status(), 3);
        QCOMPARE(TableCard(0), QString("1,6"));
        QCOMPARE(Texts({form->lblHold[0], form->lblHold[1], form->lblHold[2], form->lblHold[3],
                        form->lblHold[4]}),
                 (QStringList{"LOW", "", "", "", "HIGH"}));
        QCOMPARE(ForeColor(form->lblHold[0]), tablecolor::kDimOlive);
        QCOMPARE(ForeColor(form->lblHold[4]), tablecolor::kDimOlive);
        QCOMPARE(Texts({form->lblMsg, form->lblDoubleStyle, form->lblDoubleManual}),
                 (QStringList{kSelectHighLow, "■■■■■　ＨＩＧＨ　ＬＯＷ　ＤＯＵＢＬＥ　■■■■■",
                              "NEXT CARD HIGH OR LOW? 4 TIMES WIN WITH POKER HAND PAYS "
                              "SPECIAL BONUS"}));
        QCOMPARE(Texts({form->lbl1Win[0], form->lbl1Win[8]}), (QStringList{"50000", "100"}));
        QVERIFY(!form->cmdCollect->isEnabled());

        ClearRecords();
        for (int position = 1; position < 4; ++position) {
            Press(PositionKey(position));
            Click(form->imgTable[static_cast<std::size_t>(position)]);
        }
        QCOMPARE(Status(), 3);
        QVERIFY(sounds.empty());
    }

    void guessSettles_data() {
        Columns<Card, bool, Card, int>("dealer", "high", "next", "status");
        QTest::newRow("higher on HIGH") << C(1, 6) << true << C(2, 8) << 3;
        QTest::newRow("lower on LOW") << C(1, 6) << false << C(2, 2) << 3;
        QTest::newRow("lower on HIGH") << C(1, 6) << true << C(2, 2) << 0;
        QTest::newRow("higher on LOW") << C(1, 6) << false << C(2, 8) << 0;
        QTest::newRow("tie on HIGH") << C(1, 6) << true << C(2, 6) << 0;
        QTest::newRow("tie on LOW") << C(1, 6) << false << C(2, 6) << 0;
        QTest::newRow("ace above king") << C(1, 12) << true << C(2, 0) << 3;
        QTest::newRow("king below ace") << C(1, 0) << false << C(2, 12) << 3;
        QTest::newRow("joker on LOW") << C(1, 1) << false << kJoker << 0;
        QTest::newRow("joker on HIGH") << C(1, 0) << true << kJoker << 0;
    }

    void guessSettles() {
        QFETCH(Card, dealer);
        QFETCH(bool, high);
        QFETCH(Card, next);
        QFETCH(int, status);
        DealHighLow(dealer);
        const std::int32_t coins = basIniProc::lngCoin;
        const bool joker = next.suit == kJoker.suit;
        ClearRecords();
        Guess(high, next);

        QCOMPARE(Status(), status);
        QCOMPARE(TableCard(1), Face(next));
        QCOMPARE(Heard("HOLD"), 1);
        if (status == 3) {
            QCOMPARE(form->lngWin, 20);
            QCOMPARE(form->lblLuckNo->text(), QString("2"));
        } else {
            // A loss, or the joker's win, ends the run with the payout.
            QCOMPARE(form->lngWin, 0);
            QCOMPARE(basIniProc::lngCoin, coins + (joker ? 20 : 0));
            QCOMPARE(form->lblMsg->text(), QString("ＧＡＭＥ　ＯＶＥＲ"));
        }
    }

    void rightGuessOffersTheNextOrCollect() {
        DealHighLow(C(1, 6));
        Guess(true, C(2, 8));

        QCOMPARE(Status(), 3);
        QCOMPARE(form->intDoubleCount, std::int16_t{1});
        QCOMPARE(form->intDoubleSelect, std::int16_t{0});
        QCOMPARE(ForeColor(form->lblHold[4]), tablecolor::kDimOlive);
        QCOMPARE(form->strHold[4], std::string("0"));
        QCOMPARE(form->lblMsg->text(), kSelectHighLow);
        QCOMPARE(Buttons(), QString("COLLECT"));

        // The next guess compares with the card just dealt, not the dealer's.
        Guess(false, C(3, 7));
        QCOMPARE(Status(), 3);
        QCOMPARE(form->lngWin, 40);
        QCOMPARE(TableCard(2), QString("3,7"));

        const std::int32_t coins = basIniProc::lngCoin;
        Press(Qt::Key_Space);
        QCOMPARE(Status(), 0);
        QCOMPARE(basIniProc::lngCoin, coins + 40);
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
        DealHighLow(dealer);
        basIniProc::lngMaxDoubleWin = 0;
        const std::int32_t coins = basIniProc::lngCoin;
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

        QCOMPARE(Status(), 0);
        QCOMPARE(basIniProc::lngCoin, coins + paid);
        QCOMPARE(basIniProc::lngMaxDoubleWin, paid);
        QCOMPARE(form->lngLastWager, 10);
        QCOMPARE(Table(), Faces(Cards{dealer} + cards));
        QCOMPARE(tables.contains(tablecolor::kWhite), hand >= 0);
        if (hand >= 0) {
            QVERIFY(results.contains(
                QString::fromStdString(basPokerProc::HandName(std::int16_t(hand)))));
            QCOMPARE(bonusRow, tablecolor::kRed);
        }
        QCOMPARE(form->lbl1Win[0]->text(), QString("500")); // the pay table is back
    }

    void halfDoubleIsOffWhileHighLowIsTheStyle() {
        DealHighLow(C(1, 6));
        Guess(true, C(2, 2));
        QCOMPARE(Status(), 0);

        ReachOffer(kTwoPair); // the style is kept for the next game
        QCOMPARE(Buttons(), QString("COLLECT, DUAL/DOUBLE"));
        Press(Qt::Key_A);
        QCOMPARE(Status(), 2);
        QCOMPARE(form->lngPaid, 0);
        QCOMPARE(form->lngWin, 10);

        DealRound(Qt::Key_Return, C(1, 6));
        QCOMPARE(form->lblHold[4]->text(), QString("HIGH"));
    }
};

QTEST_MAIN(TestDoubleHighLow)
#include "tst_double_highlow.moc"
