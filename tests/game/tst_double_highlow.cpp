#include "GameFixture.h"

#include <QtTest>

const QString kSelectHighLow = "ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ";

class TestDoubleHighLow : public GameFixture {
    Q_OBJECT

    // Starts a HI/LOW run from the style menu; the dealer's card is never the joker.
    void DealHighLow(Card dealer) {
        ReachOffer(kTwoPair);
        Deal({kJoker, dealer});
        Press(Qt::Key_J);
        QCOMPARE(Table(), (QStringList{Face(dealer), "back", "back", "back", "back"}));
        CheckChoiceOffered();
    }

    // LOW and HIGH offered in dim olive, as at the start and after every right guess.
    void CheckChoiceOffered() {
        QCOMPARE(Texts({form->lblHold[0], form->lblHold[4], form->lblMsg}),
                 (QStringList{"LOW", "HIGH", kSelectHighLow}));
        QCOMPARE(ForeColor(form->lblHold[0]), tablecolor::kDimOlive);
        QCOMPARE(ForeColor(form->lblHold[4]), tablecolor::kDimOlive);
    }

  private slots:
    // The ace ranks above the king; a tie loses; the joker wins and ends the run.
    void guessSettles_data() {
        Columns<Card, bool, Card, QString>("dealer", "high", "next", "state");
        const QString right = "state 3, win 20, coins 40";
        const QString wrong = "state 0, win 0, coins 40";
        const QString joker = "state 0, win 0, coins 60";
        QTest::newRow("higher on HIGH") << C(1, 6) << true << C(2, 8) << right;
        QTest::newRow("lower on LOW") << C(1, 6) << false << C(2, 2) << right;
        QTest::newRow("lower on HIGH") << C(1, 6) << true << C(2, 2) << wrong;
        QTest::newRow("higher on LOW") << C(1, 6) << false << C(2, 8) << wrong;
        QTest::newRow("tie on HIGH") << C(1, 6) << true << C(2, 6) << wrong;
        QTest::newRow("tie on LOW") << C(1, 6) << false << C(2, 6) << wrong;
        QTest::newRow("ace above king") << C(1, 12) << true << C(2, 0) << right;
        QTest::newRow("king below ace") << C(1, 0) << false << C(2, 12) << right;
        QTest::newRow("joker on LOW") << C(1, 1) << false << kJoker << joker;
        QTest::newRow("joker on HIGH") << C(1, 0) << true << kJoker << joker;
    }

    void guessSettles() {
        QFETCH(Card, dealer);
        QFETCH(bool, high);
        QFETCH(Card, next);
        DealHighLow(dealer);
        QCOMPARE(
            Texts({form->lblHold[2], form->lblDoubleStyle, form->lbl1Win[0], form->lbl1Win[8]}),
            (QStringList{"", "■■■■■　ＨＩＧＨ　ＬＯＷ　ＤＯＵＢＬＥ　■■■■■", "50000", "100"}));
        QCOMPARE(Buttons(), QString());
        ClearRecords();
        for (int position = 1; position < 4; ++position) {
            Press(PositionKey(position));
            Click(form->imgTable[static_cast<std::size_t>(position)]);
        }
        QVERIFY(timeline.empty());

        Guess(high, next);
        QTEST(State(), "state");
        QCOMPARE(TableCard(1), Face(next));
        QCOMPARE(Heard("HOLD"), 1);
        if (Status() != 3) {
            QCOMPARE(form->lblMsg->text(), QString("ＧＡＭＥ　ＯＶＥＲ"));
            return;
        }
        CheckChoiceOffered();
        QCOMPARE(form->lblLuckNo->text(), QString("2"));
        QCOMPARE(Buttons(), QString("COLLECT"));
        // The next guess compares with the card just dealt, not the dealer's.
        const Card then = high ? C(3, 7) : C(3, 0);
        Guess(!high, then);
        QCOMPARE(State(), "state 3, win 40, coins 40");
        QCOMPARE(TableCard(2), Face(then));
        Press(Qt::Key_Space);
        QCOMPARE(State(), "state 0, win 0, coins 80");

        ReachOffer(kTwoPair); // the style is kept, and HALF DOUBLE is off with it
        QCOMPARE(Buttons(), QString("COLLECT, DUAL/DOUBLE"));
        Press(Qt::Key_A);
        QCOMPARE(Status(), 2);
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
    }
};

QTEST_MAIN(TestDoubleHighLow)
#include "tst_double_highlow.moc"
