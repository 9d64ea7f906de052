#include "GameFixture.h"

#include <QFile>
#include <QtTest>
#include <limits>

using testsupport::Card;

// The coin accounting and the keyboard: payouts, limits, button states and keys.
namespace {

const std::vector<Card> kNothing{{1, 1}, {2, 4}, {3, 8}, {4, 10}, {1, 12}};
const std::vector<Card> kMissAgain{{2, 6}, {3, 11}, {4, 3}, {2, 2}, {3, 0}};

// A win on offer as a paying draw leaves it: state 2, COLLECT enabled.
void OfferWin(GameFixture& game, std::int32_t win, std::int32_t setAside) {
    basPokerProc::intGameStatus = 2;
    game.form->lngWager = 10;
    game.form->lngWin = win;
    game.form->lngPaid = setAside;
    game.form->SetButtons(3);
}

// One value of Poker.ini as the file on disk holds it.
QString IniValue(const QString& folder, const QString& section, const QString& key) {
    QFile file(folder + "/Poker.ini");
    if (!file.open(QIODevice::ReadOnly)) {
        return "(no file)";
    }
    bool inSection = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith('[')) {
            inSection = line == "[" + section + "]";
        } else if (inSection && line.section('=', 0, 0) == key) {
            return line.section('=', 1);
        }
    }
    return "(no key)";
}

} // namespace

class TestGameCoins : public QObject {
    Q_OBJECT

  private slots:
    void collectPaysTheWinAndTheCoinsSetAside();
    void payoutIsCappedAtTheBalanceLimit_data();
    void payoutIsCappedAtTheBalanceLimit();
    void runningTotalsRestartPastTheLimit_data();
    void runningTotalsRestartPastTheLimit();
    void betMayTakeTheBalanceBelowZero();
    void keysOfDisabledButtonsDoNothing_data();
    void keysOfDisabledButtonsDoNothing();
    void spaceAndEnterNeverPressTheFocusedButton();
    void inputDuringThePayoutCountStartsNothing();
    void escapeSavesTheCoins();
    void escapeWhileCountingWaitsForTheCredit();
};

void TestGameCoins::collectPaysTheWinAndTheCoinsSetAside() {
    GameFixture game;
    const std::int32_t coinBefore = basIniProc::lngCoin;
    OfferWin(game, 12, 5);
    game.Click(game.form->cmdCollect);
    QCOMPARE(basIniProc::lngCoin, coinBefore + 17);
    QCOMPARE(basIniProc::lngTotalPut, 17);
    QCOMPARE(GameFixture::Text(game.form->lblPaid), QString("17"));
    QCOMPARE(GameFixture::Text(game.form->lblWin), QString("17"));
    QCOMPARE(game.form->lngWin, 0);
    QCOMPARE(game.form->lngPaid, 0);
    QCOMPARE(game.form->lngWager, 0);
    QCOMPARE(game.form->lngLastWager, 10);
}

void TestGameCoins::payoutIsCappedAtTheBalanceLimit_data() {
    QTest::addColumn<int>("coin");
    QTest::addColumn<int>("win");
    QTest::addColumn<int>("expected");
    QTest::newRow("below the limit") << 100 << 10 << 110;
    QTest::newRow("reaching it exactly") << 99999989 << 10 << 99999999;
    QTest::newRow("passing it") << 99999990 << 60 << 99999999;
    QTest::newRow("past 32 bits") << std::numeric_limits<std::int32_t>::max() - 5 << 10 << 99999999;
}

void TestGameCoins::payoutIsCappedAtTheBalanceLimit() {
    QFETCH(int, coin);
    QFETCH(int, win);
    QFETCH(int, expected);
    GameFixture game;
    basIniProc::lngCoin = coin;
    OfferWin(game, win, 0);
    game.Press(Qt::Key_Space);
    QCOMPARE(basIniProc::lngCoin, expected);
    QCOMPARE(GameFixture::Text(game.form->lblCredits), QString::number(expected));
}

void TestGameCoins::runningTotalsRestartPastTheLimit_data() {
    QTest::addColumn<int>("totalGet");
    QTest::addColumn<int>("totalPut");
    QTest::addColumn<int>("expectedGet");
    QTest::addColumn<int>("expectedPut");
    QTest::newRow("up to the limit") << 99999998 << 99999990 << 99999999 << 99999999;
    QTest::newRow("past the limit") << 99999999 << 99999995 << 0 << 0;
}

// One coin bet with 1 BET, the game lost, then a payout of 9 counted into the totals.
void TestGameCoins::runningTotalsRestartPastTheLimit() {
    QFETCH(int, totalGet);
    QFETCH(int, totalPut);
    QFETCH(int, expectedGet);
    QFETCH(int, expectedPut);
    GameFixture game;
    basIniProc::lngTotalGet = totalGet;
    game.Press(Qt::Key_D);
    QCOMPARE(basIniProc::lngTotalGet, expectedGet);
    basIniProc::lngTotalPut = totalPut;
    OfferWin(game, 9, 0);
    game.Press(Qt::Key_Space);
    QCOMPARE(basIniProc::lngTotalPut, expectedPut);
}

void TestGameCoins::betMayTakeTheBalanceBelowZero() {
    GameFixture game;
    basIniProc::lngCoin = 3;
    GameFixture::Cards(kNothing);
    game.Press(Qt::Key_S);
    QCOMPARE(basIniProc::lngCoin, -7);
    QCOMPARE(GameFixture::Text(game.form->lblCredits), QString("-7"));
}

void TestGameCoins::keysOfDisabledButtonsDoNothing_data() {
    QTest::addColumn<bool>("dealt");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("waiting: Space") << false << Qt::Key_Space;
    QTest::newRow("waiting: A") << false << Qt::Key_A;
    QTest::newRow("waiting: Enter") << false << Qt::Key_Return;
    QTest::newRow("waiting: keypad Enter") << false << Qt::Key_Enter;
    QTest::newRow("waiting: G") << false << Qt::Key_G;
    QTest::newRow("waiting: Z") << false << Qt::Key_Z;
    QTest::newRow("waiting: X") << false << Qt::Key_X;
    QTest::newRow("dealt: S") << true << Qt::Key_S;
    QTest::newRow("dealt: D") << true << Qt::Key_D;
    QTest::newRow("dealt: F") << true << Qt::Key_F;
    QTest::newRow("dealt: Space") << true << Qt::Key_Space;
    QTest::newRow("dealt: A") << true << Qt::Key_A;
}

void TestGameCoins::keysOfDisabledButtonsDoNothing() {
    QFETCH(bool, dealt);
    QFETCH(Qt::Key, key);
    GameFixture game;
    if (dealt) {
        game.DealWithMaxBet(kNothing);
    }
    const int status = GameFixture::Status();
    const std::int32_t coin = basIniProc::lngCoin;
    const auto holds = game.form->strHold;
    game.ClearRecords();
    game.Press(key);
    QCOMPARE(GameFixture::Status(), status);
    QCOMPARE(basIniProc::lngCoin, coin);
    QCOMPARE(game.form->strHold, holds);
    QVERIFY(game.timeline.empty());
}

// The window takes Space and Enter before the focused button: the key acts as
// COLLECT or DUAL/DOUBLE, never as a press of the button that has the focus.
void TestGameCoins::spaceAndEnterNeverPressTheFocusedButton() {
    GameFixture game;
    frmPoker& form = *game.form;
    form.activateWindow();
    form.cmdOneBet->setFocus();
    game.Press(Qt::Key_Space, form.cmdOneBet);
    game.Press(Qt::Key_Return, form.cmdOneBet);
    QCOMPARE(form.lngWager, 0);
    QCOMPARE(GameFixture::Status(), 0);

    game.Click(form.cmdOneBet);
    GameFixture::Cards(kNothing);
    form.cmdMaxBet->setFocus();
    game.Press(Qt::Key_Return, form.cmdMaxBet);
    QCOMPARE(GameFixture::Status(), 1);
    QCOMPARE(form.lngWager, 1);
}

// Until the payout is credited, cards, hold labels, style entries and their keys
// start nothing: the win is counted once and the game ends at state 0.
void TestGameCoins::inputDuringThePayoutCountStartsNothing() {
    GameFixture game;
    frmPoker& form = *game.form;
    const std::int32_t coinBefore = basIniProc::lngCoin;
    OfferWin(game, 20, 0);
    int counted = 0;
    game.onEvents = [&] {
        if (form.blnPaying && ++counted == 3) {
            game.Press(Qt::Key_K);
            game.Click(form.lblDblStyleName[3]);
            game.Click(form.imgTable[2]);
            game.Press(Qt::Key_Return);
            game.Press(Qt::Key_Space);
        }
    };
    game.Click(form.cmdCollect);
    QVERIFY(counted >= 3);
    QCOMPARE(basIniProc::lngCoin, coinBefore + 20);
    QCOMPARE(basIniProc::lngTotalPut, 20);
    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(form.strHold, (std::array<std::string, 5>{"0", "0", "0", "0", "0"}));
    QVERIFY(!form.blnPaying && !form.blnDealing);
}

void TestGameCoins::escapeSavesTheCoins() {
    GameFixture game;
    GameFixture::Cards(kNothing);
    game.Press(Qt::Key_S);
    GameFixture::Cards(kMissAgain);
    game.Press(Qt::Key_Return);
    QCOMPARE(basIniProc::lngCoin, 40);
    game.Press(Qt::Key_Escape);
    QVERIFY(!game.form->isVisible());
    QCOMPARE(IniValue(game.folder.path(), "COIN", "TOTAL"), QString("40"));
    QCOMPARE(IniValue(game.folder.path(), "COIN", "TOTAL_GET"), QString("10"));
    QCOMPARE(IniValue(game.folder.path(), "COIN", "TOTAL_PUT"), QString("0"));
}

// Closing mid-count would save the game with its payout missing.
void TestGameCoins::escapeWhileCountingWaitsForTheCredit() {
    GameFixture game;
    OfferWin(game, 30, 0);
    bool pressed = false;
    game.onEvents = [&] {
        if (game.form->blnPaying && !pressed) {
            pressed = true;
            game.Press(Qt::Key_Escape);
        }
    };
    game.Click(game.form->cmdCollect);
    QVERIFY(pressed);
    QVERIFY(game.form->isVisible());
    QCOMPARE(basIniProc::lngCoin, 80);
    game.Press(Qt::Key_Escape);
    QVERIFY(!game.form->isVisible());
    QCOMPARE(IniValue(game.folder.path(), "COIN", "TOTAL"), QString("80"));
}

QTEST_MAIN(TestGameCoins)
#include "tst_game_coins.moc"
