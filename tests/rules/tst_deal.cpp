#include "platform/Events.h"
#include "platform/Random.h"
#include "rules/basPokerProc.h"
#include "support/Columns.h"
#include "support/ScriptedCards.h"

#include <QtTest>
#include <map>

using testsupport::Card;
using testsupport::kJoker;
using testsupport::ScriptCards;

namespace {

using namespace basPokerProc;

void Place(bool thrownAway, std::size_t at, const Card& card) {
    (thrownAway ? strDropMark : strCardMark)[at] = std::to_string(card.suit);
    (thrownAway ? strDropNo : strCardNo)[at] = std::to_string(card.rank);
}

std::pair<int, int> Deal() {
    std::int16_t suit = 0;
    std::int16_t rank = 0;
    basPokerProc::DealCard(suit, rank);
    return {suit, rank};
}

} // namespace

class TestDeal : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        platform::ClearRandomScript();
        for (CardArray* cards : {&strCardMark, &strCardNo, &strDropMark, &strDropNo}) {
            ClearArray(*cards);
        }
        basPokerProc::intGameStatus = 0;
        basPokerProc::intDoubleStyle = basPokerProc::kStyleStandard;
    }

    void clearArraySetsEveryElementToZero() {
        basPokerProc::CardArray values{"4", "12", "99", "", "x"};
        basPokerProc::ClearArray(values);
        QCOMPARE(values, (basPokerProc::CardArray{"0", "0", "0", "0", "0"}));
    }

    void tableAndThrownAwayCardsAreRedrawn() {
        Place(false, 2, {3, 11});
        Place(true, 4, {1, 0});
        Place(false, 0, kJoker);
        ScriptCards({{3, 11}, {1, 0}, kJoker, {2, 5}});
        int attempts = 0;
        platform::SetEventsHook([&] { ++attempts; });
        QCOMPARE(Deal(), std::make_pair(2, 5));
        platform::SetEventsHook({});
        QCOMPARE(attempts, 4); // events run once per attempt
    }

    // Neither another suit of a dealt rank nor the "0"/"0" of an empty slot blocks a card.
    void onlyTheSameCardBlocks() {
        Place(false, 1, {4, 7});
        ScriptCards({{1, 7}, {1, 0}});
        QCOMPARE(Deal(), std::make_pair(1, 7));
        QCOMPARE(Deal(), std::make_pair(1, 0));
    }

    void jokerRules_data() {
        Columns<int, int, bool>("style", "status", "jokerAllowed");
        QTest::newRow("poker deal, standard") << 3 << 0 << true;
        QTest::newRow("poker draw, red/black") << 1 << 1 << true;
        QTest::newRow("red/black dealer") << 1 << 2 << false;
        QTest::newRow("red/black player") << 1 << 3 << false;
        QTest::newRow("hi/low dealer") << 2 << 2 << false;
        QTest::newRow("hi/low next card") << 2 << 3 << true;
        QTest::newRow("standard dealer") << 3 << 2 << true;
        QTest::newRow("standard player") << 3 << 3 << true;
    }

    void jokerRules() {
        QFETCH(int, style);
        QFETCH(int, status);
        basPokerProc::intDoubleStyle = static_cast<std::int16_t>(style);
        basPokerProc::intGameStatus = static_cast<std::int16_t>(status);
        ScriptCards({kJoker, {2, 9}});
        QTEST(Deal().first == 9, "jokerAllowed");
    }

    void jokerNeverTwiceInAGame() {
        Place(true, 3, kJoker);
        ScriptCards({kJoker, {4, 12}});
        QCOMPARE(Deal().first, 4);
    }

    void randomCardFrequencies() {
        platform::SeedRandom(20261206u);
        constexpr int kDraws = 5'000'000;
        std::map<std::pair<int, int>, int> seen;
        for (int i = 0; i < kDraws; ++i) {
            std::int16_t suit = 0;
            std::int16_t rank = 0;
            basPokerProc::RandomCard(suit, rank);
            ++seen[{suit, rank}];
        }
        QCOMPARE(seen.size(), std::size_t{53});
        // Expected counts: joker 1/52 of the draws (96154), each other card 51/2704
        // (94305); one standard deviation is about 310. The seed is fixed, so the
        // check cannot flake, and ±900 still tells the joker's share from a card's.
        const double joker = seen[{9, 99}];
        QVERIFY2(std::abs(joker - kDraws / 52.0) < 900, qPrintable(QString::number(joker)));
        for (const auto& [card, count] : seen) {
            QVERIFY(card.first == 9 || (card.first >= 1 && card.first <= 4));
            if (card.first != 9) {
                QVERIFY2(
                    std::abs(count - kDraws * 51.0 / 2704.0) < 900,
                    qPrintable(QString("%1/%2: %3").arg(card.first).arg(card.second).arg(count)));
            }
        }
    }

    void largestRandomValueStaysInRange() {
        const float largest = 1.0f - 1.0f / 16777216.0f;
        platform::ScriptRandom({0.5f, largest, largest});
        QCOMPARE(Deal(), std::make_pair(4, 12));
    }
};

QTEST_APPLESS_MAIN(TestDeal)
#include "tst_deal.moc"
