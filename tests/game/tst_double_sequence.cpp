#include "DoubleKit.h"

#include <QtTest>
#include <limits>

using namespace doublekit;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// A dealer's card and a pick that lose in STANDARD and in RED/BLACK alike.
const Card kLosingDealer = C(3, 12);
const Card kLosingPick = C(4, 4);
// And a pair that wins in both.
const Card kWinningDealer = C(3, 4);
const Card kWinningPick = C(2, 12);

QColor ForeColor(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

bool MenuShown(const frmPoker& form) {
    for (const ClickLabel* entry : form.lblDblStyleName) {
        if (entry->isHidden()) {
            return false;
        }
    }
    return !form.lblSelectGame->isHidden();
}

// Wins `rounds` STANDARD double-ups in a row with Enter; the win is then on offer.
void WinRounds(GameFixture& game, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        DealRound(game, Qt::Key_Return, kWinningDealer);
        Pick(game, 1, kFillers, kWinningPick);
        QCOMPARE(GameFixture::Status(), 2);
    }
}

void LoseRound(GameFixture& game) {
    DealRound(game, Qt::Key_Return, kLosingDealer);
    Pick(game, 1, kFillers, kLosingPick);
    QCOMPARE(GameFixture::Status(), 0);
}

// Every position key and every click on a card, hold label or style entry.
void PressEverything(GameFixture& game) {
    frmPoker& form = *game.form;
    for (int position = 0; position < 5; ++position) {
        const auto i = static_cast<std::size_t>(position);
        game.Press(PositionKey(position));
        game.Click(form.lblHold[i]);
        game.Click(form.imgTable[i]);
        game.Click(form.lblDblStyleName[i]);
        form.lblDblStyleName_Click(position);
        form.PickDouble(position);
    }
}

} // namespace

class TestDoubleSequence : public QObject {
    Q_OBJECT

  private slots:
    void menuIsShownOncePerSequence();
    void panelFollowsTheSequence();
    void halfDoubleSetsHalfAside_data();
    void halfDoubleSetsHalfAside();
    void coinsSetAsideAreAlwaysPaid_data();
    void coinsSetAsideAreAlwaysPaid();
    void recordsKeepTheLongestAndLargest();
    void roundIsOfferedOnlyWhileItsCountsFit_data();
    void roundIsOfferedOnlyWhileItsCountsFit();
    void buttonsOfferOnlyWhatFitsAfterADoubling_data();
    void buttonsOfferOnlyWhatFitsAfterADoubling();
    void inputDuringAPayoutStartsNothing();
    void inputDuringARoundChangesNothing_data();
    void inputDuringARoundChangesNothing();
};

void TestDoubleSequence::menuIsShownOncePerSequence() {
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    QVERIFY(MenuShown(form));
    QCOMPARE(ForeColor(form.lblDblStyleName[3]), tablecolor::kSilver);

    DealRound(game, Qt::Key_K, kWinningDealer);
    QCOMPARE(ForeColor(form.lblDblStyleName[3]), tablecolor::kWhite);
    QVERIFY(form.lblSelectGame->isHidden());
    Pick(game, 1, kFillers, kWinningPick);
    QCOMPARE(GameFixture::Status(), 2);
    QVERIFY(form.lblDblStyleName[0]->isHidden());

    game.ClearRecords();
    for (int position = 0; position < 5; ++position) {
        game.Press(PositionKey(position));
        game.Click(form.lblDblStyleName[static_cast<std::size_t>(position)]);
    }
    QCOMPARE(GameFixture::Status(), 2);
    QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleStandard);
    QCOMPARE(form.lngWin, 20);
    QVERIFY(game.sounds.empty());

    LoseRound(game); // Enter keeps STANDARD
    QCOMPARE(GameFixture::Text(form.lblHold[0]), QString("DEALER"));

    ReachOffer(game, kTwoPair); // a new sequence offers the menu again
    QVERIFY(MenuShown(form));
}

void TestDoubleSequence::panelFollowsTheSequence() {
    GameFixture game;
    frmPoker& form = *game.form;
    const auto row = [&form] {
        return QStringList{
            GameFixture::Text(form.lblWinCoinTitle), GameFixture::Text(form.lblWinCoin),
            GameFixture::Text(form.lblDoubleCollect), GameFixture::Text(form.lblTryYourLuck),
            GameFixture::Text(form.lblLuckNo)};
    };
    ReachOffer(game, kTwoPair);
    QCOMPARE(row(), (QStringList{"TWO PAIR", "10", "10", "20", "1"}));

    WinRounds(game, 1);
    QCOMPARE(row(), (QStringList{"TWO PAIR", "10", "20", "40", "2"}));

    DealRound(game, Qt::Key_Return, C(1, 8));
    GameFixture::Cards({kFillers[0], kFillers[1], kFillers[2], C(2, 8), kWinningDealer});
    game.Press(PositionKey(1)); // a tie: the same double-up again
    QCOMPARE(row(), (QStringList{"TWO PAIR", "10", "20", "40", "2"}));
    Pick(game, 1, kFillers, kWinningPick);
    QCOMPARE(row(), (QStringList{"TWO PAIR", "10", "40", "80", "3"}));

    DealRound(game, Qt::Key_A, kLosingDealer);
    QCOMPARE(row(), (QStringList{"TWO PAIR", "10", "20", "40", "3"}));
    QCOMPARE(GameFixture::Text(form.lblWin), QString("20"));
    const std::int32_t coins = basIniProc::lngCoin;
    Pick(game, 1, kFillers, kLosingPick);
    QCOMPARE(basIniProc::lngCoin, coins + 20);
}

void TestDoubleSequence::halfDoubleSetsHalfAside_data() {
    QTest::addColumn<int>("wager");
    QTest::addColumn<QList<Card>>("hand");
    QTest::addColumn<Qt::Key>("start");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("stake");
    QTest::addColumn<int>("aside");

    const QList<Card> twoPair(kTwoPair.begin(), kTwoPair.end());
    const QList<Card> straight(kStraight.begin(), kStraight.end());
    QTest::newRow("1 is staked whole") << 1 << twoPair << Qt::Key_A << 3 << 1 << 0;
    QTest::newRow("10 by STANDARD(1/2)") << 10 << twoPair << Qt::Key_L << 3 << 5 << 5;
    QTest::newRow("15 by RED/BLACK(1/2)") << 5 << straight << Qt::Key_G << 1 << 8 << 8;
    QTest::newRow("15 by HALF DOUBLE") << 5 << straight << Qt::Key_A << 3 << 8 << 8;
}

void TestDoubleSequence::halfDoubleSetsHalfAside() {
    QFETCH(int, wager);
    QFETCH(QList<Card>, hand);
    QFETCH(Qt::Key, start);
    QFETCH(int, style);
    QFETCH(int, stake);
    QFETCH(int, aside);
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, std::vector<Card>(hand.begin(), hand.end()), wager);
    DealRound(game, start, kLosingDealer);

    QCOMPARE(GameFixture::Status(), 3);
    QCOMPARE(basPokerProc::intDoubleStyle, style);
    QCOMPARE(form.lngWin, stake);
    QCOMPARE(form.lngPaid, aside);
    QCOMPARE(GameFixture::Text(form.lblWin), QString::number(aside));
    QCOMPARE(GameFixture::Text(form.lblDoubleCollect), QString::number(stake));
    QCOMPARE(GameFixture::Text(form.lblTryYourLuck), QString::number(2 * stake));
    QCOMPARE(GameFixture::Text(form.lblLuckNo), QString("1"));

    const std::int32_t coins = basIniProc::lngCoin;
    Pick(game, 2, kFillers, kLosingPick);
    QCOMPARE(basIniProc::lngCoin, coins + aside);
}

void TestDoubleSequence::coinsSetAsideAreAlwaysPaid_data() {
    QTest::addColumn<QList<Card>>("round");
    QTest::addColumn<int>("paid");

    QTest::newRow("lost pick") << QList<Card>{kLosingDealer, kFillers[0], kFillers[1], kFillers[2],
                                              kLosingPick}
                               << 5;
    QTest::newRow("dealer's joker")
        << QList<Card>{testsupport::kJoker, C(1, 2), C(2, 3), C(3, 4), C(4, 5)} << 5;
    QTest::newRow("won, then collected")
        << QList<Card>{kWinningDealer, kFillers[0], kFillers[1], kFillers[2], kWinningPick}
        << 5 + 10;
}

void TestDoubleSequence::coinsSetAsideAreAlwaysPaid() {
    QFETCH(QList<Card>, round);
    QFETCH(int, paid);
    GameFixture game;
    ReachOffer(game, kTwoPair);
    const std::int32_t coins = basIniProc::lngCoin;
    GameFixture::Cards(std::vector<Card>(round.begin(), round.end()));
    game.Press(Qt::Key_A);
    if (GameFixture::Status() == 3) {
        game.Press(PositionKey(4));
    }
    if (GameFixture::Status() == 2) {
        game.Press(Qt::Key_Space);
    }
    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(basIniProc::lngCoin, coins + paid);
}

void TestDoubleSequence::recordsKeepTheLongestAndLargest() {
    GameFixture game;
    basIniProc::lngMaxDoubleCnt = 0;
    basIniProc::lngMaxDoubleWin = 0;
    const auto sequence = [&game](int wins, bool collect) {
        ReachOffer(game, kTwoPair);
        WinRounds(game, wins);
        if (collect) {
            game.Press(Qt::Key_Space);
        } else {
            LoseRound(game);
        }
        return std::pair{basIniProc::lngMaxDoubleCnt, basIniProc::lngMaxDoubleWin};
    };
    QCOMPARE(sequence(3, false), std::pair(3, 80));
    QCOMPARE(sequence(1, false), std::pair(3, 80));
    QCOMPARE(sequence(3, true), std::pair(3, 80));
    QCOMPARE(sequence(4, true), std::pair(4, 160));
    QCOMPARE(sequence(0, false), std::pair(4, 160));
}

void TestDoubleSequence::roundIsOfferedOnlyWhileItsCountsFit_data() {
    QTest::addColumn<Qt::Key>("entry");
    QTest::addColumn<int>("win");
    QTest::addColumn<int>("aside");
    QTest::addColumn<bool>("offered");

    // Offered while twice the best the round can end with still fits.
    QTest::newRow("STANDARD, doubled") << Qt::Key_K << 536870911 << 0 << true;
    QTest::newRow("STANDARD, one more") << Qt::Key_K << 536870912 << 0 << false;
    QTest::newRow("RED/BLACK, flush") << Qt::Key_H << 107374182 << 0 << true;
    QTest::newRow("RED/BLACK, one more") << Qt::Key_H << 107374183 << 0 << false;
    QTest::newRow("RED/BLACK(1/2), one more") << Qt::Key_G << 107374183 << 0 << false;
    QTest::newRow("STANDARD(1/2), doubled") << Qt::Key_L << 536870911 << 0 << true;
    QTest::newRow("HI/LOW, run and royal") << Qt::Key_J << 67105738 << 0 << true;
    QTest::newRow("HI/LOW, one more") << Qt::Key_J << 67105739 << 0 << false;
    QTest::newRow("payout with coins aside") << Qt::Key_K << 10 << kMax - 20 << true;
    QTest::newRow("payout one coin beyond") << Qt::Key_K << 10 << kMax - 19 << false;
}

void TestDoubleSequence::roundIsOfferedOnlyWhileItsCountsFit() {
    QFETCH(Qt::Key, entry);
    QFETCH(int, win);
    QFETCH(int, aside);
    QFETCH(bool, offered);
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    form.lngWin = win;
    form.lngPaid = aside;
    game.ClearRecords();
    DealRound(game, entry, C(1, 6));

    QCOMPARE(GameFixture::Status(), offered ? 3 : 2);
    QCOMPARE(MenuShown(form), !offered);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped CARD") > 0, offered);
    if (!offered) {
        QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleStandard);
        QCOMPARE(form.lngWin, win);
    }
}

void TestDoubleSequence::buttonsOfferOnlyWhatFitsAfterADoubling_data() {
    QTest::addColumn<Qt::Key>("entry");
    QTest::addColumn<int>("stake");
    QTest::addColumn<QList<Card>>("round");
    QTest::addColumn<int>("won");
    QTest::addColumn<bool>("offered");

    const QList<Card> plain{kWinningDealer, kFillers[0], kFillers[1], kFillers[2], kWinningPick};
    const QList<Card> flush{C(3, 1), C(3, 2), C(3, 3), C(3, 4), C(3, 8)};
    QTest::newRow("STANDARD, next still fits")
        << Qt::Key_K << 268435455 << plain << 536870910 << true;
    QTest::newRow("STANDARD, next would not")
        << Qt::Key_K << 268435456 << plain << 536870912 << false;
    QTest::newRow("RED/BLACK, next still fits")
        << Qt::Key_H << 53687091 << plain << 107374182 << true;
    QTest::newRow("RED/BLACK, next would not")
        << Qt::Key_H << 53687092 << plain << 107374184 << false;
    QTest::newRow("largest RED/BLACK stake makes a flush")
        << Qt::Key_H << 107374182 << flush << 1073741820 << false;
}

void TestDoubleSequence::buttonsOfferOnlyWhatFitsAfterADoubling() {
    QFETCH(Qt::Key, entry);
    QFETCH(int, stake);
    QFETCH(QList<Card>, round);
    QFETCH(int, won);
    QFETCH(bool, offered);
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    DealRound(game, entry, round.front());
    form.lngWin = stake;
    Pick(game, 4, {round[1], round[2], round[3]}, round[4]);

    QCOMPARE(GameFixture::Status(), 2);
    QCOMPARE(form.lngWin, won);
    QCOMPARE(GameFixture::Text(form.lblTryYourLuck), QString::number(2 * std::int64_t{won}));
    QVERIFY(form.cmdCollect->isEnabled());
    QCOMPARE(form.cmdDual->isEnabled(), offered);
    QCOMPARE(form.cmdHalf->isEnabled(), offered);
    GameFixture::Cards({C(1, 6)});
    game.Press(Qt::Key_Return);
    game.Press(Qt::Key_A);
    QCOMPARE(GameFixture::Status() == 3, offered);
}

void TestDoubleSequence::inputDuringAPayoutStartsNothing() {
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    std::int32_t coins = basIniProc::lngCoin;
    bool fired = false;
    game.onEvents = [&] {
        if (form.blnPaying && !fired) {
            fired = true;
            PressEverything(game);
        }
    };
    game.ClearRecords();
    game.Press(Qt::Key_Space); // collect while the style menu is still shown

    QVERIFY(fired);
    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(basIniProc::lngCoin, coins + 10);
    QCOMPARE(basPokerProc::intDoubleStyle, basPokerProc::kStyleStandard);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped CARD"), 0);
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped HOLD"), 0);

    // A HI/LOW run collected after a right guess: its LOW and HIGH stay dead too.
    ReachOffer(game, kTwoPair);
    DealRound(game, Qt::Key_J, C(1, 6));
    Guess(game, true, C(2, 8));
    coins = basIniProc::lngCoin;
    fired = false;
    game.ClearRecords();
    game.Press(Qt::Key_Space);

    QVERIFY(fired);
    QCOMPARE(GameFixture::Status(), 0);
    QCOMPARE(basIniProc::lngCoin, coins + 20);
    QCOMPARE(form.intDoubleCount, std::int16_t{1});
    QCOMPARE(Count(game.sounds, "SoundPlayIfStopped CARD"), 0);
}

void TestDoubleSequence::inputDuringARoundChangesNothing_data() {
    QTest::addColumn<Qt::Key>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<Card>>("cards");

    QTest::newRow("STANDARD") << Qt::Key_K << 2
                              << QList<Card>{kWinningDealer, kFillers[0], kFillers[1], kFillers[2],
                                             kWinningPick};
    QTest::newRow("RED/BLACK") << Qt::Key_H << 3
                               << QList<Card>{kWinningDealer, kFillers[0], kFillers[1], kFillers[2],
                                              kWinningPick};
    QTest::newRow("HI/LOW") << Qt::Key_J << 4 << QList<Card>{C(1, 6), C(2, 8)};
}

void TestDoubleSequence::inputDuringARoundChangesNothing() {
    QFETCH(Qt::Key, entry);
    QFETCH(int, position);
    QFETCH(QList<Card>, cards);
    GameFixture game;
    frmPoker& form = *game.form;
    ReachOffer(game, kTwoPair);
    int fired = 0;
    game.onEvents = [&] {
        if (form.blnDealing) {
            ++fired;
            PressEverything(game);
        }
    };
    GameFixture::Cards(std::vector<Card>(cards.begin(), cards.end()));
    game.Press(entry);
    QCOMPARE(GameFixture::Status(), 3);
    game.Press(PositionKey(position));

    QVERIFY(fired > 0);
    QCOMPARE(GameFixture::Status(), entry == Qt::Key_J ? 3 : 2);
    QCOMPARE(form.lngWin, 20);
    QCOMPARE(GameFixture::Text(form.lblLuckNo), QString("2"));
    QCOMPARE(form.lngPaid, 0);
    const Card last = cards.back();
    QCOMPARE(game.TableCard(entry == Qt::Key_J ? 1 : position),
             std::to_string(last.suit) + "," + std::to_string(last.rank));
}

QTEST_MAIN(TestDoubleSequence)
#include "tst_double_sequence.moc"
