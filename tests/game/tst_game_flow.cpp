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
        QCOMPARE(Texts({form->lblWinName[row], form->lbl1Win[row], form->lblMsg}),
                 (QStringList{name, QString::number(rate), kGameOver}));
        basIniProc::lngPlayData[row] = wager == 1 ? 99999999 : 100000000; // past it: 1 again
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
        QCOMPARE(basIniProc::lngPlayData[row], wager == 1 ? 100000000 : 1);
        QCOMPARE(Texts({form->lblResult, form->lblMsg, form->lbl1Win[row], form->lblWinCoinTitle,
                        form->lblWinCoin, form->lblDoubleCollect, form->lblTryYourLuck}),
                 (QStringList{name, "ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ", payout, name, payout, payout,
                              QString::number(2 * rate * wager)}));
        QCOMPARE(Buttons(), QString("COLLECT, HALF DOUBLE, DUAL/DOUBLE"));
        QCOMPARE(form->focusWidget(), static_cast<QWidget*>(form->cmdDual));
        LooksAsRecorded("offer");

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
        LooksAsRecorded("next bet");
    }

    // A card on the table or thrown away is drawn again; a hold key before the deal holds nothing.
    void usedCardsAreDrawnAgain() {
        Press(Qt::Key_G);
        DealWithMaxBet(kNothing);
        Press({Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L});
        Deal({kNothing[1], kNothing[0], C(4, 0)});
        Press(Qt::Key_Return);
        QCOMPARE(Table()[0], Face(C(4, 0)));
        QCOMPARE(Heard("HOLD"), 4);
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
};

QTEST_MAIN(TestGameFlow)
#include "tst_game_flow.moc"
