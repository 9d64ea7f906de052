#include "DoubleKit.h"

#include <QtTest>

using namespace doublekit;
using tablecolor::kDimOlive;

namespace {

QColor ForeColor(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}
QColor BackColor(const QLabel* label) {
    return label->palette().color(QPalette::Window);
}

// Starts a HI/LOW run from the style menu on the dealer's card.
void DealHighLow(GameFixture& game, Card dealer) {
    ReachOffer(game, kTwoPair);
    DealRound(game, Qt::Key_J, dealer);
    QCOMPARE(GameFixture::Status(), 3);
}

} // namespace

class TestDoubleHighLow : public QObject {
    Q_OBJECT

  private slots:
    void dealOffersLowAndHigh();
    void guessSettles_data();
    void guessSettles();
    void rightGuessOffersTheNextOrCollect();
    void fourRightGuessesEndTheRun_data();
    void fourRightGuessesEndTheRun();
    void halfDoubleIsOffWhileHighLowIsTheStyle();
    void buttonsStayOffThroughTheSpecialBonus();
};

void TestDoubleHighLow::dealOffersLowAndHigh() {
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    GameFixture::Cards({testsupport::kJoker, C(1, 6)}); // never the dealer's joker
    game.Press(Qt::Key_J);

    QCOMPARE(GameFixture::Status(), 3);
    QCOMPARE(game.TableCard(0), std::string("1,6"));
    QCOMPARE(GameFixture::Text(form.lblHold[0]), QString("LOW"));
    QCOMPARE(GameFixture::Text(form.lblHold[4]), QString("HIGH"));
    QCOMPARE(ForeColor(form.lblHold[0]), kDimOlive);
    QCOMPARE(ForeColor(form.lblHold[4]), kDimOlive);
    for (std::size_t i = 1; i < 4; ++i) {
        QCOMPARE(GameFixture::Text(form.lblHold[i]), QString(""));
    }
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ"));
    QCOMPARE(GameFixture::Text(form.lblDoubleStyle),
             QString("■■■■■　ＨＩＧＨ　ＬＯＷ　ＤＯＵＢＬＥ　■■■■■"));
    QCOMPARE(GameFixture::Text(form.lblDoubleManual),
             QString("NEXT CARD HIGH OR LOW? 4 TIMES WIN WITH POKER HAND PAYS SPECIAL BONUS"));
    QCOMPARE(GameFixture::Text(form.lbl1Win[0]), QString("50000"));
    QCOMPARE(GameFixture::Text(form.lbl1Win[8]), QString("100"));
    QVERIFY(!form.cmdCollect->isEnabled());

    game.ClearRecords();
    for (int position = 1; position < 4; ++position) {
        game.Press(PositionKey(position));
        game.Click(form.imgTable[static_cast<std::size_t>(position)]);
    }
    QCOMPARE(GameFixture::Status(), 3);
    QVERIFY(game.sounds.empty());
}

void TestDoubleHighLow::guessSettles_data() {
    QTest::addColumn<Card>("dealer");
    QTest::addColumn<bool>("high");
    QTest::addColumn<Card>("next");
    QTest::addColumn<int>("status");

    QTest::newRow("higher on HIGH") << C(1, 6) << true << C(2, 8) << 3;
    QTest::newRow("lower on LOW") << C(1, 6) << false << C(2, 2) << 3;
    QTest::newRow("lower on HIGH") << C(1, 6) << true << C(2, 2) << 0;
    QTest::newRow("higher on LOW") << C(1, 6) << false << C(2, 8) << 0;
    QTest::newRow("tie on HIGH") << C(1, 6) << true << C(2, 6) << 0;
    QTest::newRow("tie on LOW") << C(1, 6) << false << C(2, 6) << 0;
    QTest::newRow("ace above king") << C(1, 12) << true << C(2, 0) << 3;
    QTest::newRow("king below ace") << C(1, 0) << false << C(2, 12) << 3;
    QTest::newRow("joker on LOW") << C(1, 1) << false << testsupport::kJoker << 0;
    QTest::newRow("joker on HIGH") << C(1, 0) << true << testsupport::kJoker << 0;
}

void TestDoubleHighLow::guessSettles() {
    QFETCH(Card, dealer);
    QFETCH(bool, high);
    QFETCH(Card, next);
    QFETCH(int, status);
    GameFixture game;
    frmPoker& form = *game.form;
    DealHighLow(game, dealer);
    const std::int32_t coins = basIniProc::lngCoin;
    const bool joker = next.suit == testsupport::kJoker.suit;
    const bool won = status == 3 || joker;
    game.ClearRecords();
    Guess(game, high, next);

    QCOMPARE(GameFixture::Status(), status);
    QCOMPARE(game.TableCard(1), joker
                                    ? std::string("joker")
                                    : std::to_string(next.suit) + "," + std::to_string(next.rank));
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped HOLD"), 1);
    if (status == 3) {
        QCOMPARE(form.lngWin, 20);
        QCOMPARE(GameFixture::Text(form.lblLuckNo), QString("2"));
    } else {
        // A loss, or the joker's win, ends the run with the payout.
        QCOMPARE(form.lngWin, 0);
        QCOMPARE(basIniProc::lngCoin, coins + (won ? 20 : 0));
        QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＧＡＭＥ　ＯＶＥＲ"));
    }
}

void TestDoubleHighLow::rightGuessOffersTheNextOrCollect() {
    GameFixture game;
    frmPoker& form = *game.form;
    DealHighLow(game, C(1, 6));
    Guess(game, true, C(2, 8));

    QCOMPARE(GameFixture::Status(), 3);
    QCOMPARE(form.intDoubleCount, std::int16_t{1});
    QCOMPARE(form.intDoubleSelect, std::int16_t{0});
    QCOMPARE(ForeColor(form.lblHold[4]), kDimOlive);
    QCOMPARE(form.strHold[4], std::string("0"));
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ"));
    QVERIFY(form.cmdCollect->isEnabled());
    QVERIFY(!form.cmdDual->isEnabled());
    QVERIFY(!form.cmdHalf->isEnabled());

    // The next guess compares with the card just dealt, not the dealer's.
    Guess(game, false, C(3, 7));
    QCOMPARE(GameFixture::Status(), 3);
    QCOMPARE(form.lngWin, 40);
    QCOMPARE(game.TableCard(2), std::string("3,7"));

    const std::int32_t coins = basIniProc::lngCoin;
    game.Press(Qt::Key_Space);
    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(basIniProc::lngCoin, coins + 40);
}

void TestDoubleHighLow::fourRightGuessesEndTheRun_data() {
    QTest::addColumn<Card>("dealer");
    QTest::addColumn<QString>("guesses");
    QTest::addColumn<QList<Card>>("cards");
    QTest::addColumn<int>("hand");
    QTest::addColumn<int>("paid");

    QTest::newRow("flush pays its bonus")
        << C(1, 1) << "HLHL" << QList<Card>{C(1, 4), C(1, 2), C(1, 8), C(1, 3)} << 5 << 160 + 400;
    QTest::newRow("joker last makes a full house")
        << C(1, 12) << "LHLH" << QList<Card>{C(2, 1), C(3, 12), C(4, 1), testsupport::kJoker} << 4
        << 160 + 500;
    QTest::newRow("no paying hand, no bonus")
        << C(1, 1) << "HLHL" << QList<Card>{C(2, 4), C(3, 2), C(4, 8), C(2, 3)} << -1 << 160;
}

void TestDoubleHighLow::fourRightGuessesEndTheRun() {
    QFETCH(Card, dealer);
    QFETCH(QString, guesses);
    QFETCH(QList<Card>, cards);
    QFETCH(int, hand);
    QFETCH(int, paid);
    GameFixture game;
    frmPoker& form = *game.form;
    DealHighLow(game, dealer);
    basIniProc::lngMaxDoubleWin = 0;
    const std::int32_t coins = basIniProc::lngCoin;
    QStringList results;
    std::vector<QColor> tables;
    QColor bonusRow;
    game.onPause = [&](int ms) {
        results << GameFixture::Text(form.lblResult);
        tables.push_back(TableColor(form));
        if (ms == 1000 && hand >= 0) {
            bonusRow = BackColor(form.lbl1Win[static_cast<std::size_t>(hand)]);
        }
    };
    for (int guess = 0; guess < 4; ++guess) {
        Guess(game, guesses[guess] == 'H', cards[guess]);
    }

    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(basIniProc::lngCoin, coins + paid);
    QCOMPARE(basIniProc::lngMaxDoubleWin, paid);
    const bool flashed =
        std::find(tables.begin(), tables.end(), tablecolor::kWhite) != tables.end();
    QCOMPARE(flashed, hand >= 0);
    if (hand >= 0) {
        const auto name = QString::fromStdString(basPokerProc::HandName(std::int16_t(hand)));
        QVERIFY(results.contains(name));
        QCOMPARE(bonusRow, tablecolor::kRed);
    }
    QCOMPARE(GameFixture::Text(form.lbl1Win[0]), QString("500")); // the pay table is back
}

void TestDoubleHighLow::halfDoubleIsOffWhileHighLowIsTheStyle() {
    GameFixture game;
    frmPoker& form = *game.form;
    DealHighLow(game, C(1, 6));
    Guess(game, true, C(2, 2));
    QCOMPARE(GameFixture::Status(), 0);

    ReachOffer(game, kTwoPair); // the style is kept for the next game
    QVERIFY(!form.cmdHalf->isEnabled());
    QVERIFY(form.cmdDual->isEnabled());
    game.Press(Qt::Key_A);
    QCOMPARE(GameFixture::Status(), 2);
    QCOMPARE(form.lngPaid, 0);
    QCOMPARE(form.lngWin, 10);

    DealRound(game, Qt::Key_Return, C(1, 6));
    QCOMPARE(GameFixture::Text(form.lblHold[4]), QString("HIGH"));
}

// The bonus hand's name is typed while events run; the win just doubled must not be
// collected or staked again before the bonus is added and the run collects itself.
void TestDoubleHighLow::buttonsStayOffThroughTheSpecialBonus() {
    GameFixture game;
    frmPoker& form = *game.form;
    DealHighLow(game, C(1, 1));
    Guess(game, true, C(1, 4));
    Guess(game, false, C(1, 2));
    Guess(game, true, C(1, 8));
    const std::int32_t coins = basIniProc::lngCoin;
    game.onEvents = [&] {
        if (form.blnDealing) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_A}) {
                game.Press(key);
            }
        }
    };
    Guess(game, false, C(1, 3));

    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(basIniProc::lngCoin, coins + 160 + 400);
    QCOMPARE(form.lngLastWager, 10);
    QCOMPARE(game.TableCard(0), std::string("1,1"));
    QCOMPARE(game.TableCard(4), std::string("1,3"));
}

QTEST_MAIN(TestDoubleHighLow)
#include "tst_double_highlow.moc"
