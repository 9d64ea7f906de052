#include "GameFixture.h"

#include "platform/QtPlatform.h"

#include <QAccessible>
#include <QtTest>

// Whole games through the real buttons, labels, card images and keys.
const QString kGameOver = "ＧＡＭＥ　ＯＶＥＲ";
const QString kBetButtons = "MAX BET, 1 BET, REP BET";

class PaintCount : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class TestGameFlow : public GameFixture {
    Q_OBJECT

  private slots:
    // REP BET tops the bet up to the last wager and never beyond.
    void betPaths_data() {
        Columns<QList<Qt::Key>, QList<Qt::Key>, int>("earlierGame", "bets", "wager");
        const Qt::Key d = Qt::Key_D;
        const QList<Qt::Key> four{d, d, d, d};
        QTest::newRow("ten 1 BETs deal once") << QList<Qt::Key>{} << QList<Qt::Key>(10, d) << 10;
        QTest::newRow("MAX BET after three") << QList<Qt::Key>{} << QList{d, d, d, Qt::Key_S} << 10;
        QTest::newRow("REP BET at start-up") << QList<Qt::Key>{} << QList{Qt::Key_F} << 1;
        QTest::newRow("REP BET after 4") << four << QList{Qt::Key_F} << 4;
        QTest::newRow("REP BET tops 2 up to 4") << four << QList{d, d, Qt::Key_F} << 4;
        QTest::newRow("REP BET after 6 of 4") << four << QList{d, d, d, d, d, d, Qt::Key_F} << 6;
    }

    void betPaths() {
        QFETCH(QList<Qt::Key>, earlierGame);
        QFETCH(QList<Qt::Key>, bets);
        QFETCH(int, wager);
        if (!earlierGame.isEmpty()) {
            Deal(kNothing);
            Press(earlierGame + QList{Qt::Key_Return});
            Deal(kMissAgain);
            Press(Qt::Key_Return);
        }
        const int coins = basIniProc::lngCoin;
        const int bet = basIniProc::lngTotalGet;
        const int game = form->intGameNo;
        Deal(kNothing);
        Press(bets);
        QCOMPARE(Status(), 1);
        QCOMPARE(int{form->intGameNo}, game + 1);
        QCOMPARE(basIniProc::lngTotalGet, bet + wager);
        QCOMPARE(Texts({form->lblWager, form->lblCredits}),
                 (QStringList{QString::number(wager), QString::number(coins - wager)}));
        QCOMPARE(basIniProc::lngCoin, coins - wager);
    }

    // What a screen reader hears: each card by its face, or as a back, with its hold
    // or its part in the double-up; each number with what it counts; each button by
    // its caption.
    void screenReaderNames_data() {
        Columns<QList<Qt::Key>, QString, QString>("keys", "cards", "numbers");
        const QString start = "WAGER 0|WIN 0|PAID 0|CREDITS 50|COLLECTABLE COIN 0|COLLECT";
        QTest::newRow("start") << QList<Qt::Key>{} << "no card|no card|no card|no card|no card"
                               << start;
        QTest::newRow("dealt, two held, one let go")
            << QList{Qt::Key_S, Qt::Key_G, Qt::Key_J, Qt::Key_K, Qt::Key_K}
            << "2 of clubs, held|joker|7 of hearts, held|ace of spades|king of diamonds"
            << "WAGER 10|WIN 0|PAID 0|CREDITS 40|COLLECTABLE COIN 0|COLLECT";
        QTest::newRow("drawn: no holds left")
            << QList{Qt::Key_S, Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_Return}
            << "2 of clubs|joker|7 of hearts|ace of spades|2 of diamonds"
            << "WAGER 10|WIN 0|PAID 0|CREDITS 40|COLLECTABLE COIN 20|COLLECT";
        QTest::newRow("double-up dealt")
            << QList{Qt::Key_S, Qt::Key_G,      Qt::Key_H,     Qt::Key_J,
                     Qt::Key_K, Qt::Key_Return, Qt::Key_Return}
            << "9 of spades, dealer|card back|card back|card back|card back"
            << "WAGER 10|WIN 0|PAID 0|CREDITS 40|COLLECTABLE COIN 20|COLLECT";
    }

    void screenReaderNames() {
        QFETCH(QList<Qt::Key>, keys);
        Deal({C(1, 1), kJoker, C(3, 6), C(4, 0), C(2, 12), C(2, 1), C(4, 8)});
        Press(keys);
        QStringList cards;
        for (CardImage* card : form->imgTable) {
            cards << QAccessible::queryAccessibleInterface(card)->text(QAccessible::Name);
        }
        QStringList numbers;
        for (QWidget* shown :
             QList<QWidget*>{form->lblWager, form->lblWin, form->lblPaid, form->lblCredits,
                             form->lblDoubleCollect, form->cmdCollect}) {
            numbers << QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name);
        }
        QTEST(cards.join('|'), "cards");
        QTEST(numbers.join('|'), "numbers");
    }

    // A hold toggles by its label, its card or its key; a click while the draw deals
    // changes nothing; a losing draw ends the game.
    void holdsToggle() {
        DealWithMaxBet(kNothing);
        Click(form->lblHold[1]);
        Click(form->imgTable[3]);
        Press({Qt::Key_L, Qt::Key_L});
        QCOMPARE(form->strHold, (std::array<std::string, 5>{"0", "1", "0", "1", "0"}));
        QCOMPARE(ForeColor(form->lblHold[1]), tablecolor::kYellow);
        QCOMPARE(ForeColor(form->lblHold[4]), tablecolor::kDimOlive);
        QCOMPARE(Heard("HOLD"), 4);
        bool clicked = false;
        onEvents = [&] {
            if (Status() == 1 && !clicked) {
                clicked = true;
                Click(form->lblHold[2]);
                Click(form->imgTable[2]);
                Press(Qt::Key_J);
            }
        };
        Deal({kMissAgain[0], kMissAgain[1], kMissAgain[2]});
        Press(Qt::Key_Return);
        QVERIFY(clicked);
        QCOMPARE(Table(),
                 Faces({kMissAgain[0], kNothing[1], kMissAgain[1], kNothing[3], kMissAgain[2]}));
        QCOMPARE(Heard("HOLD"), 4);
        QCOMPARE(State(), "state 0, win 0, coins 40");
        QCOMPARE(Texts({form->lblResult, form->lblMsg}), (QStringList{"PLAYER LOSE!", kGameOver}));
        QCOMPARE(basIniProc::lngPlayData, (std::array<std::int32_t, 9>{}));
        QCOMPARE(Buttons(), kBetButtons);
    }

    // Every row of the pay table paid at wagers 1 and 10, the joker at each place on
    // the table: the rate, the name and the loud-win threshold are each written here.
    void everyHandIsPaidAtItsRate_data() {
        Columns<QString, int, int, QString, int>("hand", "wager", "code", "name", "rate");
        Row("royal", "AS KS QS JS TS", 1, 0, "ROYAL STRAIGHT FLUSH", 500);
        Row("royal, joker third", "TH JH JK KH AH", 10, 0, "ROYAL STRAIGHT FLUSH", 500);
        Row("five, joker first", "JK 7C 7D 7H 7S", 1, 1, "FIVE OF A KIND", 100);
        Row("five, joker last", "7C 7D 7H 7S JK", 10, 1, "FIVE OF A KIND", 100);
        Row("straight flush, joker second", "9H JK JH QH KH", 1, 2, "STRAIGHT FLUSH", 20);
        Row("straight flush from the ace", "AH 2H 3H 4H 5H", 10, 2, "STRAIGHT FLUSH", 20);
        Row("four, joker third", "7C 7D JK 7H 2S", 1, 3, "FOUR OF A KIND", 6);
        Row("four", "7C 7D 7H 7S 2C", 10, 3, "FOUR OF A KIND", 6);
        Row("full house, joker fourth", "7C 7D 2H JK 2S", 1, 4, "FULL HOUSE", 5);
        Row("full house, joker first", "JK 9C 9D 4H 4S", 10, 4, "FULL HOUSE", 5);
        Row("flush, joker last", "2D 5D 9D JD JK", 1, 5, "FLUSH", 4);
        Row("flush, joker fourth", "2C 5C 9C JK KC", 10, 5, "FLUSH", 4);
        Row("straight, joker first", "JK 3D 4H 5S 6C", 1, 6, "STRAIGHT", 3);
        Row("straight, joker fourth", "9C TD JH JK KS", 10, 6, "STRAIGHT", 3);
        Row("three, joker second", "7C JK 7D 2H 9S", 1, 7, "THREE OF A KIND", 2);
        Row("three, joker last", "7C 7D 2H 9S JK", 10, 7, "THREE OF A KIND", 2);
        Row("two pair", "7C 7D 2H 2S 9C", 1, 8, "TWO PAIR", 1);
        Row("two pair of kings and threes", "KC KD 3H 3S 9C", 10, 8, "TWO PAIR", 1);
    }

    // The hand dealt is named and lit but not paid; the draw with all held deals
    // nothing, types the name again while the window answers input, and offers the win.
    void everyHandIsPaidAtItsRate() {
        QFETCH(QString, hand);
        QFETCH(int, wager);
        QFETCH(int, code);
        QFETCH(QString, name);
        QFETCH(int, rate);
        const auto row = static_cast<std::size_t>(code);
        const QString payout = QString::number(rate * wager);
        QCOMPARE(Texts({form->lblWinName[row], form->lbl1Win[row]}),
                 (QStringList{name, QString::number(rate)}));
        Deal(Hand(hand));
        Press(wager == 10 ? QList{Qt::Key_S} : QList{Qt::Key_D, Qt::Key_Return});
        QCOMPARE(Texts({form->lblResult, form->lblMsg}),
                 (QStringList{name, "ＳＥＬＥＣＴ　ＣＡＲＤ"}));
        QCOMPARE(Heard("WIN0"), 1);
        QCOMPARE(BackColor(form->lbl1Win[row]), tablecolor::kRed);
        HoldAll();
        ClearRecords();
        QStringList typed;
        onEvents = [&] { typed << form->lblResult->text(); };
        Press(Qt::Key_Return);
        QCOMPARE(timeline.filter("Pause ").join(' '),
                 QStringList(name.size(), "Pause 10").join(' ') + " Pause 100");
        QVERIFY(typed.contains(name.left(5)));
        QCOMPARE(Heard(rate * wager >= 60 ? "WIN2" : "WIN1"), 1);
        QCOMPARE(State(), QString("state 2, win %1, coins %2").arg(payout).arg(50 - wager));
        QCOMPARE(basIniProc::lngPlayData[row], 1);
        QCOMPARE(BackColor(form->lbl1Win[row]), tablecolor::kRed);
        QCOMPARE(Texts({form->lblResult, form->lblMsg, form->lbl1Win[row], form->lblWinCoinTitle,
                        form->lblWinCoin, form->lblDoubleCollect, form->lblTryYourLuck}),
                 (QStringList{name, "ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ", payout, name, payout, payout,
                              QString::number(2 * rate * wager)}));
        QVERIFY(form->lblDblStyleName[2]->isVisible() && form->lblHold[0]->isHidden());
        QCOMPARE(Buttons(), QString("COLLECT, HALF DOUBLE, DUAL/DOUBLE"));
        QCOMPARE(form->focusWidget(), static_cast<QWidget*>(form->cmdDual));

        Click(form->cmdCollect);
        QCOMPARE(basIniProc::lngTotalPut, rate * wager);
        QCOMPARE(Texts({form->lblCredits, form->lblWin, form->lblPaid, form->lbl1Win[row],
                        form->lblMsg}),
                 (QStringList{QString::number(50 - wager + rate * wager), payout, payout,
                              QString::number(rate), kGameOver}));
        QCOMPARE(BackColor(form->lbl1Win[row]), tablecolor::kDarkBlue);
        QCOMPARE(Buttons(), kBetButtons);
        Press(Qt::Key_D); // the next bet clears the last payout
        QCOMPARE(Texts({form->lblWager, form->lblWin, form->lblPaid}),
                 (QStringList{"1", "0", "0"}));
    }

    // A real pause first paints what the game just set, then sleeps.
    void aRealPausePaintsWhatWasJustSet() {
        platform::InstallQtSeams();
        QCoreApplication::processEvents();
        PaintCount count;
        form->lblResult->installEventFilter(&count);
        form->lblResult->setText("PLAYER WIN!");
        platform::Pause(1);
        QCOMPARE(count.paints, 1);
    }

    // A second on, a second off, at ticks of 100 ms.
    void messageBlinks() {
        QTRY_VERIFY(form->lblMsg->isHidden());
        form->tmrMsg->stop();
        QCOMPARE(form->tmrMsg->interval(), 100);
        form->intMsgBlink = 0; // as the flip just left it
        QString shown;
        for (int tick = 0; tick < 20; ++tick) {
            form->tmrMsg_Timer();
            shown += form->lblMsg->isVisible() ? '+' : '.';
        }
        QCOMPARE(shown, QString(9, '.') + QString(10, '+') + '.');
    }

    void countersWrap_data() {
        Columns<int, int, int, int>("handsBefore", "handsAfter", "gameBefore", "gameAfter");
        QTest::newRow("hands at the limit") << 99999999 << 100000000 << 1 << 2;
        QTest::newRow("hands above it, game to 1000") << 100000000 << 1 << 999 << 1000;
        QTest::newRow("game after 1000") << 0 << 1 << 1000 << 1;
    }

    // Two pair dealt, a full house drawn: only the full house is counted and lit.
    void countersWrap() {
        QFETCH(int, handsBefore);
        QFETCH(int, gameBefore);
        basIniProc::lngPlayData[4] = handsBefore;
        form->intGameNo = static_cast<std::int16_t>(gameBefore);
        DealWithMaxBet({C(1, 5), C(2, 5), C(3, 9), C(4, 9), C(1, 1)});
        Press({Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K});
        Deal({C(3, 5)});
        Press(Qt::Key_Return);
        QCOMPARE(State(), "state 2, win 50, coins 40");
        QTEST(basIniProc::lngPlayData[4], "handsAfter");
        QTEST(int{form->intGameNo}, "gameAfter");
        QCOMPARE(BackColor(form->lbl1Win[4]), tablecolor::kRed);
        QCOMPARE(BackColor(form->lbl1Win[8]), tablecolor::kBlue);
    }
};

QTEST_MAIN(TestGameFlow)
#include "tst_game_flow.moc"
