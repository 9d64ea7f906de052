#include "GameFixture.h"

#include <QTimer>
#include <QtTest>
#include <algorithm>

using testsupport::Card;

// Whole games through the real buttons, labels, card images and keys.
namespace {

const std::vector<Card> kNothing{{1, 1}, {2, 4}, {3, 8}, {4, 10}, {1, 12}};
const std::vector<Card> kTwoPair{{1, 0}, {2, 0}, {3, 12}, {4, 12}, {1, 2}};
const std::vector<Card> kFourSixes{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {1, 9}};
const std::vector<Card> kFullHouse{{1, 5}, {2, 5}, {3, 5}, {4, 9}, {1, 9}};
const std::vector<Card> kMissAgain{{2, 6}, {3, 11}, {4, 3}, {2, 2}, {3, 0}};

std::string Code(const Card& card) {
    return std::to_string(card.suit) + "," + std::to_string(card.rank);
}

void HoldAll(GameFixture& game) {
    for (Qt::Key key : {Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L}) {
        game.Press(key);
    }
}

int Count(const std::vector<std::string>& records, const std::string& record) {
    return static_cast<int>(std::count(records.begin(), records.end(), record));
}

// A game of a losing hand, bet with the given keys and drawn with Enter if it was dealt.
void LosingGame(GameFixture& game, const QList<Qt::Key>& betKeys) {
    GameFixture::Cards(kNothing);
    for (Qt::Key key : betKeys) {
        game.Press(key);
    }
    if (GameFixture::Status() == 0) {
        game.Press(Qt::Key_Return);
    }
    GameFixture::Cards(kMissAgain);
    game.Press(Qt::Key_Return);
}

} // namespace

class TestGameFlow : public QObject {
    Q_OBJECT

  private slots:
    void startUpWaitsForABet();
    void betPaths_data();
    void betPaths();
    void dealShowsAllBacksBeforeTheFirstFace();
    void holdsToggleByLabelImageAndKey_data();
    void holdsToggleByLabelImageAndKey();
    void holdClickWhileTheDrawDealsChangesNothing();
    void payingDrawOffersTheWinAndCollectPaysIt_data();
    void payingDrawOffersTheWinAndCollectPaysIt();
    void losingDrawEndsTheGame();
    void winSoundFollowsTheWin_data();
    void winSoundFollowsTheWin();
    void handCountWraps_data();
    void handCountWraps();
    void gameNumberWraps_data();
    void gameNumberWraps();
    void messageBlinksEverySecond();
};

void TestGameFlow::startUpWaitsForABet() {
    GameFixture game;
    frmPoker& form = *game.form;
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＧＡＭＥ　ＯＶＥＲ"));
    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(GameFixture::Text(form.lblCredits), QString("50"));
    QVERIFY(form.cmdOneBet->isEnabled() && form.cmdMaxBet->isEnabled() &&
            form.cmdRepBet->isEnabled());
    QVERIFY(!form.cmdDual->isEnabled() && !form.cmdCollect->isEnabled() &&
            !form.cmdHalf->isEnabled());
    const QStringList bareRates{"500", "100", "20", "6", "5", "4", "3", "2", "1"};
    for (std::size_t row = 0; row < 9; ++row) {
        QCOMPARE(form.lbl1Win[row]->text(), bareRates[static_cast<int>(row)]);
        QCOMPARE(form.lbl1Win[row]->palette().color(QPalette::Window), tablecolor::kDarkBlue);
        QCOMPARE(form.lblWinName[row]->palette().color(QPalette::Window), tablecolor::kDarkBlue);
    }
    QVERIFY(form.lblWinCoinTitle->isHidden());
    QVERIFY(form.lblDblStyleName[0]->isHidden());
}

void TestGameFlow::betPaths_data() {
    QTest::addColumn<QList<Qt::Key>>("earlierGame");
    QTest::addColumn<QList<Qt::Key>>("bets");
    QTest::addColumn<int>("wager");
    QTest::addColumn<int>("coinsTaken");

    const Qt::Key d = Qt::Key_D;
    QTest::newRow("ten 1 BETs deal once") << QList<Qt::Key>{} << QList<Qt::Key>(10, d) << 10 << 10;
    QTest::newRow("MAX BET after three 1 BETs")
        << QList<Qt::Key>{} << QList<Qt::Key>{d, d, d, Qt::Key_S} << 10 << 10;
    QTest::newRow("REP BET after start-up")
        << QList<Qt::Key>{} << QList<Qt::Key>{Qt::Key_F} << 1 << 1;
    QTest::newRow("REP BET after a game of 4")
        << QList<Qt::Key>{d, d, d, d} << QList<Qt::Key>{Qt::Key_F} << 4 << 4;
    QTest::newRow("REP BET tops two 1 BETs up to the last wager")
        << QList<Qt::Key>{d, d, d, d} << QList<Qt::Key>{d, d, Qt::Key_F} << 4 << 4;
    QTest::newRow("REP BET after 1 BETs beyond the last wager takes nothing")
        << QList<Qt::Key>{d, d, d, d} << QList<Qt::Key>{d, d, d, d, d, d, Qt::Key_F} << 6 << 6;
}

void TestGameFlow::betPaths() {
    QFETCH(QList<Qt::Key>, earlierGame);
    QFETCH(QList<Qt::Key>, bets);
    QFETCH(int, wager);
    QFETCH(int, coinsTaken);
    GameFixture game;
    if (!earlierGame.isEmpty()) {
        LosingGame(game, earlierGame);
        QCOMPARE(GameFixture::Status(), 0);
    }
    const std::int32_t coinBefore = basIniProc::lngCoin;
    const std::int32_t totalBefore = basIniProc::lngTotalGet;
    const std::int16_t gameBefore = game.form->intGameNo;
    GameFixture::Cards(kNothing);
    for (Qt::Key key : bets) {
        game.Press(key);
    }
    QCOMPARE(GameFixture::Status(), 1);
    QCOMPARE(game.form->intGameNo, static_cast<std::int16_t>(gameBefore + 1));
    QCOMPARE(game.form->lngWager, wager);
    QCOMPARE(basIniProc::lngCoin, coinBefore - coinsTaken);
    QCOMPARE(basIniProc::lngTotalGet, totalBefore + coinsTaken);
    QCOMPARE(GameFixture::Text(game.form->lblWager), QString::number(wager));
    QCOMPARE(GameFixture::Text(game.form->lblCredits), QString::number(coinBefore - coinsTaken));
}

void TestGameFlow::dealShowsAllBacksBeforeTheFirstFace() {
    GameFixture game;
    std::vector<std::vector<std::string>> atCardPauses;
    game.onPause = [&](int ms) {
        if (ms == basIniProc::intGameSpeed) {
            std::vector<std::string> table;
            for (int i = 0; i < 5; ++i) {
                table.push_back(game.TableCard(i));
            }
            atCardPauses.push_back(table);
        }
    };
    game.DealWithMaxBet(kNothing);
    QCOMPARE(atCardPauses.size(), std::size_t{10});
    for (std::size_t shown = 0; shown < 5; ++shown) {
        QCOMPARE(atCardPauses[shown][shown], std::string("back"));
    }
    for (std::size_t faces = 0; faces < 5; ++faces) {
        for (std::size_t i = 0; i < 5; ++i) {
            const std::string expected = i <= faces ? Code(kNothing[i]) : "back";
            QCOMPARE(atCardPauses[5 + faces][i], expected);
        }
    }
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped CARD"), 10);
}

void TestGameFlow::holdsToggleByLabelImageAndKey_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("hold label") << "label";
    QTest::newRow("card image") << "image";
    QTest::newRow("key") << "key";
}

void TestGameFlow::holdsToggleByLabelImageAndKey() {
    QFETCH(QString, way);
    GameFixture game;
    frmPoker& form = *game.form;
    auto hold = [&](int index) {
        const auto i = static_cast<std::size_t>(index);
        if (way == "label") {
            game.Click(form.lblHold[i]);
        } else if (way == "image") {
            game.Click(form.imgTable[i]);
        } else {
            game.Press(std::array{Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L}[i]);
        }
    };
    game.DealWithMaxBet(kNothing);
    for (int index : {1, 3, 4, 4}) {
        hold(index);
    }
    QCOMPARE(form.strHold, (std::array<std::string, 5>{"0", "1", "0", "1", "0"}));
    QCOMPARE(form.lblHold[1]->palette().color(QPalette::WindowText), tablecolor::kYellow);
    QCOMPARE(form.lblHold[4]->palette().color(QPalette::WindowText), tablecolor::kDimOlive);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped HOLD"), 4);

    GameFixture::Cards({kMissAgain[0], kMissAgain[1], kMissAgain[2]});
    game.Press(Qt::Key_Return);
    const std::vector<std::string> expected{Code(kMissAgain[0]), Code(kNothing[1]),
                                            Code(kMissAgain[1]), Code(kNothing[3]),
                                            Code(kMissAgain[2])};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(game.TableCard(i), expected[static_cast<std::size_t>(i)]);
    }
}

void TestGameFlow::holdClickWhileTheDrawDealsChangesNothing() {
    GameFixture game;
    frmPoker& form = *game.form;
    game.DealWithMaxBet(kTwoPair);
    game.Press(Qt::Key_G);
    game.Press(Qt::Key_H);
    bool clicked = false;
    game.onEvents = [&] {
        if (GameFixture::Status() == 1 && !clicked) {
            clicked = true;
            game.Click(form.lblHold[2]);
            game.Click(form.imgTable[3]);
            game.Press(Qt::Key_H);
        }
    };
    GameFixture::Cards({{2, 12}, {1, 11}, {3, 3}});
    game.Press(Qt::Key_Return);
    QVERIFY(clicked);
    QCOMPARE(GameFixture::Text(form.lblResult), QString("PLAYER LOSE!"));
    QCOMPARE(basPokerProc::strCardNo, (basPokerProc::CardArray{"0", "0", "12", "11", "3"}));
    QCOMPARE(game.TableCard(1), Code(kTwoPair[1]));
    QCOMPARE(game.TableCard(2), std::string("2,12"));
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped HOLD"), 2);
}

void TestGameFlow::payingDrawOffersTheWinAndCollectPaysIt_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("COLLECT clicked") << false;
    QTest::newRow("Space") << true;
}

void TestGameFlow::payingDrawOffersTheWinAndCollectPaysIt() {
    QFETCH(bool, byKey);
    GameFixture game;
    frmPoker& form = *game.form;
    game.DealWithMaxBet(kTwoPair);
    QCOMPARE(GameFixture::Text(form.lblResult), QString("TWO PAIR"));
    QCOMPARE(form.lbl1Win[8]->palette().color(QPalette::Window), tablecolor::kRed);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped WIN0"), 1);
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＳＥＬＥＣＴ　ＣＡＲＤ"));
    QCOMPARE(basIniProc::lngCoin, 40);
    HoldAll(game);
    game.ClearRecords();
    game.Press(Qt::Key_Return);

    QCOMPARE(Count(game.timeline, "Pause 200"), 0);
    QCOMPARE(Count(game.timeline, "Pause 10"), static_cast<int>(std::string("TWO PAIR").size()));
    QCOMPARE(GameFixture::Status(), 2);
    QCOMPARE(form.lngWin, 10);
    QCOMPARE(basIniProc::lngPlayData[8], 1);
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ"));
    QCOMPARE(GameFixture::Text(form.lblWinCoinTitle), QString("TWO PAIR"));
    QCOMPARE(GameFixture::Text(form.lblDoubleCollect), QString("10"));
    QCOMPARE(GameFixture::Text(form.lblTryYourLuck), QString("20"));
    QVERIFY(!form.lblWinCoinTitle->isHidden() && !form.lblDblStyleName[2]->isHidden());
    QVERIFY(form.lblHold[0]->isHidden());
    QVERIFY(form.cmdCollect->isEnabled() && form.cmdDual->isEnabled() && form.cmdHalf->isEnabled());
    QVERIFY(!form.cmdOneBet->isEnabled());
    QCOMPARE(form.focusWidget(), static_cast<QWidget*>(form.cmdDual));

    if (byKey) {
        game.Press(Qt::Key_Space);
    } else {
        game.Click(form.cmdCollect);
    }
    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(basIniProc::lngCoin, 50);
    QCOMPARE(basIniProc::lngTotalPut, 10);
    QCOMPARE(form.lngLastWager, 10);
    QCOMPARE(GameFixture::Text(form.lblPaid), QString("10"));
    QCOMPARE(GameFixture::Text(form.lblCredits), QString("50"));
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＧＡＭＥ　ＯＶＥＲ"));
    QCOMPARE(form.lbl1Win[8]->text(), QString("1"));
    QCOMPARE(form.lbl1Win[8]->palette().color(QPalette::Window), tablecolor::kDarkBlue);
    QVERIFY(form.cmdMaxBet->isEnabled() && !form.cmdCollect->isEnabled());
}

void TestGameFlow::losingDrawEndsTheGame() {
    GameFixture game;
    frmPoker& form = *game.form;
    game.DealWithMaxBet(kNothing);
    QVERIFY(GameFixture::Text(form.lblResult).isEmpty());
    GameFixture::Cards(kMissAgain);
    game.Press(Qt::Key_Return);
    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(GameFixture::Text(form.lblResult), QString("PLAYER LOSE!"));
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＧＡＭＥ　ＯＶＥＲ"));
    QCOMPARE(basIniProc::lngCoin, 40);
    QCOMPARE(basIniProc::lngTotalPut, 0);
    QVERIFY(form.lblWinCoinTitle->isHidden());
    QVERIFY(form.lblDblStyleName[0]->isHidden());
    QCOMPARE(basIniProc::lngPlayData, (std::array<std::int32_t, 9>{}));
    QVERIFY(form.cmdRepBet->isEnabled() && !form.cmdCollect->isEnabled());
}

void TestGameFlow::winSoundFollowsTheWin_data() {
    QTest::addColumn<QString>("shownAmount");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<int>("win");
    QTest::newRow("four of a kind at 10 coins") << ""
                                                << "WIN2" << 60;
    QTest::newRow("59 shown") << "59"
                              << "WIN1" << 59;
    QTest::newRow("60 shown") << "60"
                              << "WIN2" << 60;
}

// The game takes the win from the amount the pay table shows, so the threshold is
// reached through that label.
void TestGameFlow::winSoundFollowsTheWin() {
    QFETCH(QString, shownAmount);
    QFETCH(QString, sound);
    QFETCH(int, win);
    GameFixture game;
    game.DealWithMaxBet(kFourSixes);
    if (!shownAmount.isEmpty()) {
        game.form->lbl1Win[3]->setText(shownAmount);
    }
    HoldAll(game);
    game.ClearRecords();
    game.Press(Qt::Key_Return);
    QCOMPARE(game.form->lngWin, win);
    const std::string other = sound == "WIN1" ? "WIN2" : "WIN1";
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped " + sound.toStdString()), 1);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped " + other), 0);
}

void TestGameFlow::handCountWraps_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("at the limit") << 99999999 << 100000000;
    QTest::newRow("above the limit") << 100000000 << 1;
}

void TestGameFlow::handCountWraps() {
    QFETCH(int, before);
    QFETCH(int, after);
    GameFixture game;
    basIniProc::lngPlayData[4] = before;
    game.DealWithMaxBet(kFullHouse);
    HoldAll(game);
    game.Press(Qt::Key_Return);
    QCOMPARE(basIniProc::lngPlayData[4], after);
    QCOMPARE(game.form->lngWin, 50);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped WIN1"), 1);
}

void TestGameFlow::gameNumberWraps_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("first deal after start-up") << 1 << 2;
    QTest::newRow("up to 1000") << 999 << 1000;
    QTest::newRow("after 1000") << 1000 << 1;
}

void TestGameFlow::gameNumberWraps() {
    QFETCH(int, before);
    QFETCH(int, after);
    GameFixture game;
    QCOMPARE(game.form->intGameNo, std::int16_t{1});
    game.form->intGameNo = static_cast<std::int16_t>(before);
    game.DealWithMaxBet(kNothing);
    QCOMPARE(game.form->intGameNo, static_cast<std::int16_t>(after));
}

// The ticks are driven by hand: ten ticks of 100 ms flip the message, and ShowMsg
// shows it again at once without restarting the count.
void TestGameFlow::messageBlinksEverySecond() {
    GameFixture game;
    frmPoker& form = *game.form;
    QVERIFY(form.tmrMsg->isActive());
    QCOMPARE(form.tmrMsg->interval(), 100);
    form.tmrMsg->stop();
    form.intMsgBlink = 0;
    for (int tick = 1; tick < 10; ++tick) {
        form.tmrMsg_Timer();
    }
    QVERIFY(!form.lblMsg->isHidden());
    form.tmrMsg_Timer();
    QVERIFY(form.lblMsg->isHidden());
    for (int tick = 0; tick < 4; ++tick) {
        form.tmrMsg_Timer();
    }
    form.ShowMsg("ＧＯＯＤ　ＬＵＣＫ");
    QVERIFY(!form.lblMsg->isHidden());
    QCOMPARE(form.intMsgBlink, std::int16_t{4});
    for (int tick = 0; tick < 6; ++tick) {
        form.tmrMsg_Timer();
    }
    QVERIFY(form.lblMsg->isHidden());
}

QTEST_MAIN(TestGameFlow)
#include "tst_game_flow.moc"
