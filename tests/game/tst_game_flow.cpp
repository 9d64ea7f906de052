#include "GameFixture.h"

#include "platform/QtPlatform.h"

#include <QTimer>
#include <QtTest>

// Whole games through the real buttons, labels, card images and keys.
const QString kGameOver = "ＧＡＭＥ　ＯＶＥＲ";
const QString kBetButtons = "MAX BET, 1 BET, REP BET";

// The controls painted while it watches.
class PaintLog : public QObject {
  public:
    QList<const QObject*> painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted << watched;
        }
        return false;
    }
};

class TestGameFlow : public GameFixture {
    Q_OBJECT

    // A game of a losing hand, bet with the given keys and drawn with Enter if it was dealt.
    void LosingGame(const QList<Qt::Key>& betKeys) {
        Deal(kNothing);
        Press(betKeys);
        if (Status() == 0) {
            Press(Qt::Key_Return);
        }
        Deal(kMissAgain);
        Press(Qt::Key_Return);
    }

  private slots:
    void startUpWaitsForABet() {
        QCOMPARE(Texts({form->lblMsg, form->lblCredits}), (QStringList{kGameOver, "50"}));
        QCOMPARE(Status(), 0);
        QCOMPARE(form->intGameNo, std::int16_t{1});
        QCOMPARE(Buttons(), kBetButtons);
        const QStringList bareRates{"500", "100", "20", "6", "5", "4", "3", "2", "1"};
        for (std::size_t row = 0; row < 9; ++row) {
            QCOMPARE(form->lbl1Win[row]->text(), bareRates[static_cast<int>(row)]);
            QCOMPARE(BackColor(form->lbl1Win[row]), tablecolor::kDarkBlue);
            QCOMPARE(BackColor(form->lblWinName[row]), tablecolor::kDarkBlue);
        }
        QVERIFY(form->lblWinCoinTitle->isHidden());
        QVERIFY(form->lblDblStyleName[0]->isHidden());
    }

    // Faults caught: a pause that sleeps with the new text unpainted, and one that
    // repaints every window (what made each pause its length plus the painting).
    void realPausePaintsOnlyWhatTheGameWindowJustSet() {
        platform::InstallQtSeams();
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        PaintLog log;
        qApp->installEventFilter(&log);
        form->lblMsg->setText("ＧＯＯＤ　ＬＵＣＫ");
        other.update();
        platform::Pause(1);
        qApp->removeEventFilter(&log);
        QCOMPARE(log.painted.count(form->lblMsg), 1);
        QVERIFY(!log.painted.contains(&other));
        QVERIFY(!log.painted.contains(form->lblWinName[0]));
    }

    void betPaths_data() {
        Columns<QList<Qt::Key>, QList<Qt::Key>, int>("earlierGame", "bets", "wager");
        const Qt::Key d = Qt::Key_D;
        const QList<Qt::Key> four{d, d, d, d};
        QTest::newRow("ten 1 BETs deal once") << QList<Qt::Key>{} << QList<Qt::Key>(10, d) << 10;
        QTest::newRow("MAX BET after three 1 BETs")
            << QList<Qt::Key>{} << QList<Qt::Key>{d, d, d, Qt::Key_S} << 10;
        QTest::newRow("REP BET after start-up")
            << QList<Qt::Key>{} << QList<Qt::Key>{Qt::Key_F} << 1;
        QTest::newRow("REP BET after a game of 4") << four << QList<Qt::Key>{Qt::Key_F} << 4;
        QTest::newRow("REP BET tops two 1 BETs up to the last wager")
            << four << QList<Qt::Key>{d, d, Qt::Key_F} << 4;
        QTest::newRow("REP BET after 1 BETs beyond the last wager takes nothing")
            << four << QList<Qt::Key>{d, d, d, d, d, d, Qt::Key_F} << 6;
    }

    void betPaths() {
        QFETCH(QList<Qt::Key>, earlierGame);
        QFETCH(QList<Qt::Key>, bets);
        QFETCH(int, wager);
        if (!earlierGame.isEmpty()) {
            LosingGame(earlierGame);
            QCOMPARE(Status(), 0);
        }
        const std::int32_t coinBefore = basIniProc::lngCoin;
        const std::int32_t totalBefore = basIniProc::lngTotalGet;
        const std::int16_t gameBefore = form->intGameNo;
        Deal(kNothing);
        Press(bets);
        QCOMPARE(Status(), 1);
        QCOMPARE(form->intGameNo, static_cast<std::int16_t>(gameBefore + 1));
        QCOMPARE(form->lngWager, wager);
        QCOMPARE(basIniProc::lngCoin, coinBefore - wager);
        QCOMPARE(basIniProc::lngTotalGet, totalBefore + wager);
        QCOMPARE(Texts({form->lblWager, form->lblCredits}),
                 (QStringList{QString::number(wager), QString::number(coinBefore - wager)}));
    }

    void dealShowsAllBacksBeforeTheFirstFace() {
        QList<QStringList> atCardPauses;
        onPause = [&](int ms) {
            if (ms == basIniProc::intGameSpeed) {
                atCardPauses.push_back(Table());
            }
        };
        DealWithMaxBet(kNothing);
        QCOMPARE(atCardPauses.size(), 10);
        for (int shown = 0; shown < 5; ++shown) {
            QCOMPARE(atCardPauses[shown][shown], QString("back"));
        }
        for (int faces = 0; faces < 5; ++faces) {
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(atCardPauses[5 + faces][i],
                         i <= faces ? Face(kNothing[static_cast<std::size_t>(i)]) : "back");
            }
        }
        QCOMPARE(Heard("CARD"), 10);
    }

    void holdsToggleByLabelImageAndKey_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("hold label") << "label";
        QTest::newRow("card image") << "image";
        QTest::newRow("key") << "key";
    }

    void holdsToggleByLabelImageAndKey() {
        QFETCH(QString, way);
        DealWithMaxBet(kNothing);
        for (const std::size_t i : {1, 3, 4, 4}) {
            if (way == "label") {
                Click(form->lblHold[i]);
            } else if (way == "image") {
                Click(form->imgTable[i]);
            } else {
                Press(PositionKey(static_cast<int>(i)));
            }
        }
        QCOMPARE(form->strHold, (std::array<std::string, 5>{"0", "1", "0", "1", "0"}));
        QCOMPARE(ForeColor(form->lblHold[1]), tablecolor::kYellow);
        QCOMPARE(ForeColor(form->lblHold[4]), tablecolor::kDimOlive);
        QCOMPARE(Heard("HOLD"), 4);

        Deal({kMissAgain[0], kMissAgain[1], kMissAgain[2]});
        Press(Qt::Key_Return);
        QCOMPARE(Table(),
                 Faces({kMissAgain[0], kNothing[1], kMissAgain[1], kNothing[3], kMissAgain[2]}));
    }

    void holdClickWhileTheDrawDealsChangesNothing() {
        DealWithMaxBet(kTwoPair);
        Press({Qt::Key_G, Qt::Key_H});
        bool clicked = false;
        onEvents = [&] {
            if (Status() == 1 && !clicked) {
                clicked = true;
                Click(form->lblHold[2]);
                Click(form->imgTable[3]);
                Press(Qt::Key_H);
            }
        };
        Deal({C(2, 12), C(1, 11), C(3, 3)});
        Press(Qt::Key_Return);
        QVERIFY(clicked);
        QCOMPARE(form->lblResult->text(), QString("PLAYER LOSE!"));
        QCOMPARE(Table(), (QStringList{"1,1", "2,1", "2,12", "1,11", "3,3"}));
        QCOMPARE(Heard("HOLD"), 2);
    }

    void payingDrawOffersTheWinAndCollectPaysIt_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("COLLECT clicked") << false;
        QTest::newRow("Space") << true;
    }

    void payingDrawOffersTheWinAndCollectPaysIt() {
        QFETCH(bool, byKey);
        DealWithMaxBet(kTwoPair);
        QCOMPARE(Texts({form->lblResult, form->lblMsg}),
                 (QStringList{"TWO PAIR", "ＳＥＬＥＣＴ　ＣＡＲＤ"}));
        QCOMPARE(BackColor(form->lbl1Win[8]), tablecolor::kRed);
        QCOMPARE(Heard("WIN0"), 1);
        QCOMPARE(basIniProc::lngCoin, 40);
        HoldAll();
        ClearRecords();
        Press(Qt::Key_Return);

        // No card is dealt; the hand's name is typed again letter by letter.
        QCOMPARE(Count("Pause 200"), 0);
        QCOMPARE(Count("Pause 10"), static_cast<int>(QString("TWO PAIR").size()));
        QCOMPARE(State(), "state 2, win 10, coins 40");
        QCOMPARE(basIniProc::lngPlayData[8], 1);
        QCOMPARE(Texts({form->lblMsg, form->lblWinCoinTitle, form->lblDoubleCollect,
                        form->lblTryYourLuck}),
                 (QStringList{"ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ", "TWO PAIR", "10", "20"}));
        QVERIFY(!form->lblWinCoinTitle->isHidden() && !form->lblDblStyleName[2]->isHidden());
        QVERIFY(form->lblHold[0]->isHidden());
        QCOMPARE(Buttons(), QString("COLLECT, HALF DOUBLE, DUAL/DOUBLE"));
        QCOMPARE(form->focusWidget(), static_cast<QWidget*>(form->cmdDual));

        byKey ? Press(Qt::Key_Space) : Click(form->cmdCollect);
        QCOMPARE(State(), "state 0, win 0, coins 50");
        QCOMPARE(basIniProc::lngTotalPut, 10);
        QCOMPARE(form->lngLastWager, 10);
        QCOMPARE(Texts({form->lblPaid, form->lblCredits, form->lblMsg, form->lbl1Win[8]}),
                 (QStringList{"10", "50", kGameOver, "1"}));
        QCOMPARE(BackColor(form->lbl1Win[8]), tablecolor::kDarkBlue);
        QCOMPARE(Buttons(), kBetButtons);
    }

    void losingDrawEndsTheGame() {
        DealWithMaxBet(kNothing);
        QVERIFY(form->lblResult->text().isEmpty());
        Deal(kMissAgain);
        Press(Qt::Key_Return);
        QCOMPARE(State(), "state 0, win 0, coins 40");
        QCOMPARE(Texts({form->lblResult, form->lblMsg}), (QStringList{"PLAYER LOSE!", kGameOver}));
        QCOMPARE(basIniProc::lngTotalPut, 0);
        QVERIFY(form->lblWinCoinTitle->isHidden());
        QVERIFY(form->lblDblStyleName[0]->isHidden());
        QCOMPARE(basIniProc::lngPlayData, (std::array<std::int32_t, 9>{}));
        QCOMPARE(Buttons(), kBetButtons);
    }

    void winSoundFollowsTheWin_data() {
        Columns<int, QString>("win", "sound");
        QTest::newRow("59") << 59 << "WIN1";
        QTest::newRow("60") << 60 << "WIN2";
    }

    // The game takes the win from the amount the pay table shows, so the threshold is
    // reached through that label; four of a kind at 10 coins shows 60.
    void winSoundFollowsTheWin() {
        QFETCH(int, win);
        QFETCH(QString, sound);
        DealWithMaxBet(kFourSixes);
        form->lbl1Win[3]->setText(QString::number(win));
        HoldAll();
        ClearRecords();
        Press(Qt::Key_Return);
        QCOMPARE(form->lngWin, win);
        QCOMPARE(Heard(sound), 1);
        QCOMPARE(Heard(sound == "WIN1" ? "WIN2" : "WIN1"), 0);
    }

    void countersWrap_data() {
        Columns<int, int, int, int>("handsBefore", "handsAfter", "gameBefore", "gameAfter");
        QTest::newRow("hands at the limit, first deal") << 99999999 << 100000000 << 1 << 2;
        QTest::newRow("hands above the limit, game up to 1000") << 100000000 << 1 << 999 << 1000;
        QTest::newRow("game after 1000") << 0 << 1 << 1000 << 1;
    }

    // A full house, so the count of full houses and the game number move on.
    void countersWrap() {
        QFETCH(int, handsBefore);
        QFETCH(int, gameBefore);
        basIniProc::lngPlayData[4] = handsBefore;
        form->intGameNo = static_cast<std::int16_t>(gameBefore);
        ReachOffer(kFullHouse);
        QTEST(basIniProc::lngPlayData[4], "handsAfter");
        QTEST(int{form->intGameNo}, "gameAfter");
        QCOMPARE(form->lngWin, 50);
    }

    // The ticks are driven by hand: ten ticks of 100 ms flip the message, and ShowMsg
    // shows it again at once without restarting the count.
    void messageBlinksEverySecond() {
        QVERIFY(form->tmrMsg->isActive());
        QCOMPARE(form->tmrMsg->interval(), 100);
        form->tmrMsg->stop();
        form->intMsgBlink = 0;
        const auto tick = [this](int ticks) {
            for (int i = 0; i < ticks; ++i) {
                form->tmrMsg_Timer();
            }
            return form->lblMsg->isHidden();
        };
        QVERIFY(!tick(9));
        QVERIFY(tick(1));
        tick(4);
        form->ShowMsg("ＧＯＯＤ　ＬＵＣＫ");
        QVERIFY(!form->lblMsg->isHidden());
        QCOMPARE(form->intMsgBlink, std::int16_t{4});
        QVERIFY(tick(6));
    }
};

QTEST_MAIN(TestGameFlow)
#include "tst_game_flow.moc"
