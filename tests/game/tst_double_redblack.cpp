#include "DoubleKit.h"

#include <QtTest>

using namespace doublekit;

class TestDoubleRedBlack : public QObject {
    Q_OBJECT

  private slots:
    void menuEntryDealsRedBlack();
    void pickWinsOnTheDealersColour_data();
    void pickWinsOnTheDealersColour();
    void flushPaysFiveTimesBeforeDoubling();
    void jokerIsNeverDealt();
};

void TestDoubleRedBlack::menuEntryDealsRedBlack() {
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    DealRound(game, Qt::Key_H, C(3, 4));

    QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleRedBlack);
    QCOMPARE(GameFixture::Status(), 3);
    QCOMPARE(form.lngWin, 10);
    QCOMPARE(GameFixture::Text(form.lblDoubleStyle),
             QString("■■■■■　ＲＥＤ　ＢＬＡＣＫ　ＤＯＵＢＬＥ　■■■■■"));
    QCOMPARE(form.lblDoubleStyle->palette().color(QPalette::WindowText), tablecolor::kRed);
    QCOMPARE(GameFixture::Text(form.lblDoubleManual),
             QString("IT WILL BE A WIN IF THE CARD OF THE SAME COLOR AS A DEALER."));
    QCOMPARE(GameFixture::Text(form.lblHold[0]), QString("DEALER"));
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＳＥＬＥＣＴ　ＣＡＲＤ"));
}

void TestDoubleRedBlack::pickWinsOnTheDealersColour_data() {
    QTest::addColumn<Card>("dealer");
    QTest::addColumn<Card>("picked");
    QTest::addColumn<bool>("won");

    QTest::newRow("diamond matches heart") << C(3, 4) << C(2, 8) << true;
    QTest::newRow("heart matches diamond") << C(2, 4) << C(3, 0) << true;
    QTest::newRow("spade matches club") << C(1, 4) << C(4, 12) << true;
    QTest::newRow("club matches spade") << C(4, 6) << C(1, 2) << true;
    QTest::newRow("spade against heart") << C(3, 4) << C(4, 8) << false;
    QTest::newRow("diamond against club") << C(1, 4) << C(2, 8) << false;
    QTest::newRow("lower card of the colour still wins") << C(3, 12) << C(2, 1) << true;
}

void TestDoubleRedBlack::pickWinsOnTheDealersColour() {
    QFETCH(Card, dealer);
    QFETCH(Card, picked);
    QFETCH(bool, won);
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    const std::int32_t coins = basIniProc::lngCoin;
    DealRound(game, Qt::Key_H, dealer);
    Pick(game, 3, kFillers, picked);

    QCOMPARE(GameFixture::Status(), won ? 2 : 0);
    QCOMPARE(form.lngWin, won ? 20 : 0);
    QCOMPARE(GameFixture::Text(form.lblResult), QString(won ? "PLAYER WIN!" : "PLAYER LOSE!"));
    QCOMPARE(basIniProc::lngCoin, coins);
}

void TestDoubleRedBlack::flushPaysFiveTimesBeforeDoubling() {
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    basIniProc::lngMaxDoubleWin = 0;
    DealRound(game, Qt::Key_H, C(3, 1));
    QStringList results;
    std::vector<QColor> flashes;
    game.onPause = [&](int ms) {
        results << GameFixture::Text(form.lblResult);
        if (ms == 100) {
            flashes.push_back(TableColor(form));
        }
    };
    game.ClearRecords();
    Pick(game, 2, {C(3, 2), C(3, 3), C(3, 4)}, C(3, 8));

    QVERIFY(results.contains("FLUSH"));
    QVERIFY(flashes.size() >= 4);
    QCOMPARE(flashes[0], tablecolor::kWhite);
    QCOMPARE(flashes[1], tablecolor::kBlack);
    QCOMPARE(flashes[2], tablecolor::kWhite);
    QCOMPARE(flashes[3], tablecolor::kGreen); // the configured table colour is back
    QCOMPARE(form.lngWin, 100);
    QCOMPARE(basIniProc::lngMaxDoubleWin, 100);
    QCOMPARE(GameFixture::Text(form.lblDoubleCollect), QString("100"));
    QCOMPARE(GameFixture::Text(form.lblTryYourLuck), QString("200"));
    QCOMPARE(GameFixture::Status(), 2);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped WIN2"), 1);
}

void TestDoubleRedBlack::jokerIsNeverDealt() {
    GameFixture game;
    ReachOffer(game, kTwoPair);
    // Each refused joker is drawn again, here into the next scripted card.
    GameFixture::Cards({testsupport::kJoker, C(3, 4)});
    game.Press(Qt::Key_H);
    QCOMPARE(game.TableCard(0), std::string("3,4"));

    GameFixture::Cards({C(4, 10), testsupport::kJoker, C(4, 11), C(4, 1), C(2, 9)});
    game.Press(PositionKey(4));
    QCOMPARE(game.TableCard(2), std::string("4,11"));
    QCOMPARE(game.TableCard(4), std::string("2,9"));
    QCOMPARE(GameFixture::Status(), 2);
}

QTEST_MAIN(TestDoubleRedBlack)
#include "tst_double_redblack.moc"
