#include "DoubleKit.h"

#include <QtTest>

using namespace doublekit;
using tablecolor::kWhite;
using tablecolor::kYellow;

namespace {

std::string Face(Card card) {
    return card.suit == 9 ? "joker" : std::to_string(card.suit) + "," + std::to_string(card.rank);
}

QColor ForeColor(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestDoubleStandard : public QObject {
    Q_OBJECT

  private slots:
    void dealShowsTheDealerCard();
    void pickSettles_data();
    void pickSettles();
    void tieDealsAgainForTheSameStake();
    void dealersJokerLosesAtOnce();
    void pausesFollowTheSpeed_data();
    void pausesFollowTheSpeed();
    void winSoundFollowsTheNewStake_data();
    void winSoundFollowsTheNewStake();
};

void TestDoubleStandard::dealShowsTheDealerCard() {
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    DealRound(game, Qt::Key_Return, C(1, 4));

    QCOMPARE(GameFixture::Status(), 3);
    QCOMPARE(game.TableCard(0), std::string("1,4"));
    for (int position = 1; position < 5; ++position) {
        QCOMPARE(game.TableCard(position), std::string("back"));
    }
    QCOMPARE(GameFixture::Text(form.lblHold[0]), QString("DEALER"));
    QCOMPARE(ForeColor(form.lblHold[0]), kWhite);
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＳＥＬＥＣＴ　ＣＡＲＤ"));
    QCOMPARE(GameFixture::Text(form.lblDoubleManual),
             QString("IT WILL BE A WIN IF A HIGH CARD THAN A DEALER."));
    QVERIFY(form.lblDblStyleName[3]->isHidden());
    for (QPushButton* button : {form.cmdCollect, form.cmdHalf, form.cmdMaxBet, form.cmdOneBet,
                                form.cmdRepBet, form.cmdDual}) {
        QVERIFY(!button->isEnabled());
    }

    game.ClearRecords();
    game.Press(Qt::Key_G); // the dealer's card is not the player's to pick
    QCOMPARE(GameFixture::Status(), 3);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped HOLD"), 0);
    QCOMPARE(form.intDoubleSelect, std::int16_t{0});
}

void TestDoubleStandard::pickSettles_data() {
    QTest::addColumn<Card>("dealer");
    QTest::addColumn<int>("position");
    QTest::addColumn<Card>("picked");
    QTest::addColumn<bool>("won");

    QTest::newRow("king beats five") << C(1, 4) << 2 << C(2, 12) << true;
    QTest::newRow("five loses to king") << C(1, 12) << 1 << C(2, 4) << false;
    QTest::newRow("ace beats king") << C(1, 12) << 4 << C(2, 0) << true;
    QTest::newRow("king loses to ace") << C(1, 0) << 3 << C(2, 12) << false;
    QTest::newRow("two loses to three") << C(3, 2) << 2 << C(2, 1) << false;
    QTest::newRow("joker beats ace") << C(1, 0) << 4 << testsupport::kJoker << true;
    QTest::newRow("joker beats two") << C(3, 1) << 1 << testsupport::kJoker << true;
}

void TestDoubleStandard::pickSettles() {
    QFETCH(Card, dealer);
    QFETCH(int, position);
    QFETCH(Card, picked);
    QFETCH(bool, won);
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    const std::int32_t coins = basIniProc::lngCoin;
    DealRound(game, Qt::Key_Return, dealer);
    Pick(game, position, kFillers, picked);

    QCOMPARE(game.TableCard(position), Face(picked));
    QCOMPARE(GameFixture::Text(form.lblHold[static_cast<std::size_t>(position)]),
             QString("PLAYER"));
    QCOMPARE(ForeColor(form.lblHold[static_cast<std::size_t>(position)]), kYellow);
    int filler = 0;
    for (int other = 1; other < 5; ++other) {
        if (other != position) {
            QCOMPARE(game.TableCard(other), Face(kFillers.at(filler++)));
        }
    }
    if (won) {
        QCOMPARE(GameFixture::Status(), 2);
        QCOMPARE(form.lngWin, 20);
        QCOMPARE(GameFixture::Text(form.lblResult), QString("PLAYER WIN!"));
        QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ"));
        QVERIFY(form.cmdDual->isEnabled());
        QVERIFY(form.cmdHalf->isEnabled());
        QVERIFY(form.cmdCollect->isEnabled());
        QCOMPARE(basIniProc::lngCoin, coins);
    } else {
        QCOMPARE(GameFixture::Status(), 0);
        QCOMPARE(form.lngWin, 0);
        QCOMPARE(GameFixture::Text(form.lblResult), QString("PLAYER LOSE!"));
        QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＧＡＭＥ　ＯＶＥＲ"));
        QCOMPARE(basIniProc::lngCoin, coins);
        QVERIFY(form.cmdMaxBet->isEnabled());
    }
}

void TestDoubleStandard::tieDealsAgainForTheSameStake() {
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    DealRound(game, Qt::Key_Return, C(1, 8));
    const std::int32_t countRecord = basIniProc::lngMaxDoubleCnt;
    const std::int32_t winRecord = basIniProc::lngMaxDoubleWin;
    QStringList results;
    game.onPause = [&](int) { results << GameFixture::Text(form.lblResult); };
    game.ClearRecords();
    // The tie deals the next dealer's card by itself.
    GameFixture::Cards({kFillers[0], kFillers[1], kFillers[2], C(2, 8), C(3, 2)});
    game.Press(PositionKey(1));

    QVERIFY(results.contains("ONE MORE!!"));
    const auto boo =
        std::find(game.timeline.begin(), game.timeline.end(), "SoundPlayIfStopped BOO");
    QVERIFY(game.timeline.end() - boo >= 4);
    QCOMPARE(*(boo + 1), std::string("Pause 1000"));
    QCOMPARE(*(boo + 2), std::string("SoundPlayIfStopped BOO"));
    QCOMPARE(*(boo + 3), std::string("Pause 500"));
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped BOO"), 2);
    QCOMPARE(GameFixture::Status(), 3);
    QCOMPARE(form.lngWin, 10);
    QCOMPARE(GameFixture::Text(form.lblLuckNo), QString("1"));
    QCOMPARE(GameFixture::Text(form.lblDoubleCollect), QString("10"));
    QCOMPARE(basIniProc::lngMaxDoubleCnt, countRecord);
    QCOMPARE(basIniProc::lngMaxDoubleWin, winRecord);
    QCOMPARE(game.TableCard(0), std::string("3,2"));
    QCOMPARE(game.TableCard(1), std::string("back"));
    QCOMPARE(form.intDoubleSelect, std::int16_t{0});

    Pick(game, 1, kFillers, C(2, 8));
    QCOMPARE(GameFixture::Status(), 2);
    QCOMPARE(form.lngWin, 20);
    QCOMPARE(GameFixture::Text(form.lblLuckNo), QString("2"));
}

void TestDoubleStandard::dealersJokerLosesAtOnce() {
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    const std::int32_t coins = basIniProc::lngCoin;
    GameFixture::Cards({testsupport::kJoker, C(1, 2), C(2, 3), C(3, 4), C(4, 5)});
    game.ClearRecords();
    game.Press(Qt::Key_Return);

    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(game.TableCard(0), std::string("joker"));
    QCOMPARE(game.TableCard(1), std::string("1,2"));
    QCOMPARE(game.TableCard(4), std::string("4,5"));
    QCOMPARE(GameFixture::Text(form.lblResult), QString("PLAYER LOSE!"));
    QCOMPARE(form.lngWin, 0);
    QCOMPARE(basIniProc::lngCoin, coins);
    // One and a half card pauses before the loss is shown.
    QVERIFY(std::find(game.timeline.begin(), game.timeline.end(), "Pause 300") !=
            game.timeline.end());
}

void TestDoubleStandard::pausesFollowTheSpeed_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<QList<int>>("slow");

    // The picked card, the two BOOs of the tie, then the dealer's joker of the round
    // dealt again; fractions of the speed round to the nearest, halves to even.
    QTest::newRow("200") << 200 << QList<int>{1000, 1000, 500, 300};
    QTest::newRow("201") << 201 << QList<int>{1005, 1005, 502, 302};
    QTest::newRow("203") << 203 << QList<int>{1015, 1015, 508, 304};
}

void TestDoubleStandard::pausesFollowTheSpeed() {
    QFETCH(int, speed);
    QFETCH(QList<int>, slow);
    GameFixture game;
    ReachOffer(game, kTwoPair);
    basIniProc::intGameSpeed = static_cast<std::int16_t>(speed);
    DealRound(game, Qt::Key_Return, C(1, 8));
    GameFixture::Cards({kFillers[0], kFillers[1], kFillers[2], C(2, 8), testsupport::kJoker,
                        C(1, 2), C(2, 3), C(3, 4), C(4, 5)});
    game.ClearRecords();
    game.Press(PositionKey(1));

    QList<int> longer;
    std::copy_if(game.pauses.begin(), game.pauses.end(), std::back_inserter(longer),
                 [speed](int ms) { return ms > speed; });
    QCOMPARE(longer, slow);
    QCOMPARE(GameFixture::Status(), 0);
}

void TestDoubleStandard::winSoundFollowsTheNewStake_data() {
    QTest::addColumn<int>("stake");
    QTest::addColumn<QString>("sound");
    QTest::newRow("58 is below the loud win") << 29 << "WIN1";
    QTest::newRow("60 is loud") << 30 << "WIN2";
}

void TestDoubleStandard::winSoundFollowsTheNewStake() {
    QFETCH(int, stake);
    QFETCH(QString, sound);
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    DealRound(game, Qt::Key_Return, C(1, 4));
    form.lngWin = stake;
    game.ClearRecords();
    Pick(game, 1, kFillers, C(2, 12));

    QCOMPARE(form.lngWin, stake * 2);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped " + sound.toStdString()), 1);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped WIN1") +
                 Count(game.sounds, "SoundPlayIfStopped WIN2"),
             1);
}

QTEST_MAIN(TestDoubleStandard)
#include "tst_double_standard.moc"
