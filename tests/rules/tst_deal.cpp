#include "platform/Events.h"
#include "platform/Random.h"
#include "rules/basPokerProc.h"
#include "support/Columns.h"
#include "support/ScriptedCards.h"

#include <QtTest>
#include <cmath>

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
    DealCard(suit, rank);
    return {suit, rank};
}

const float kLargest = std::nextafter(1.0f, 0.0f);

} // namespace

class TestDeal : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        platform::ClearRandomScript();
        for (CardArray* cards : {&strCardMark, &strCardNo, &strDropMark, &strDropNo}) {
            ClearArray(*cards);
        }
        intGameStatus = 0;
        intDoubleStyle = kStyleStandard;
    }

    // The joker takes the lowest 52nd of the first value; suit and rank then split
    // theirs evenly, up to the largest value the source gives.
    void randomValuesSpreadEvenlyOverThePack_data() {
        Columns<QList<float>, int, int>("values", "suit", "rank");
        QTest::newRow("joker, top of its share") << QList<float>{0.0192f} << 9 << 99;
        QTest::newRow("club ace, tops") << QList<float>{0.0193f, 0.2499f, 0.0769f} << 1 << 0;
        QTest::newRow("diamond two, bottoms") << QList<float>{0.5f, 0.2501f, 0.077f} << 2 << 1;
        QTest::newRow("largest values") << QList<float>{0.5f, kLargest, kLargest} << 4 << 12;
    }

    void randomValuesSpreadEvenlyOverThePack() {
        QFETCH(QList<float>, values);
        QFETCH(int, suit);
        QFETCH(int, rank);
        platform::ScriptRandom({values.begin(), values.end()});
        QCOMPARE(Deal(), std::make_pair(suit, rank));
    }

    // A card on the table or thrown away is drawn again, and events run once per
    // attempt; another suit of a dealt rank and the "0"/"0" of an empty slot block nothing.
    void usedCardsAreDrawnAgain() {
        Place(false, 2, {3, 11});
        Place(true, 4, {1, 0});
        Place(false, 0, kJoker);
        Place(true, 1, {4, 7});
        ScriptCards({{3, 11}, {1, 0}, kJoker, {1, 7}, {1, 0}});
        int attempts = 0;
        platform::SetEventsHook([&] { ++attempts; });
        QCOMPARE(Deal(), std::make_pair(1, 7));
        platform::SetEventsHook({});
        QCOMPARE(attempts, 4);
        ClearArray(strDropMark);
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
        intDoubleStyle = static_cast<std::int16_t>(style);
        intGameStatus = static_cast<std::int16_t>(status);
        ScriptCards({kJoker, {2, 9}});
        QTEST(Deal().first == 9, "jokerAllowed");
    }
};

QTEST_APPLESS_MAIN(TestDeal)
#include "tst_deal.moc"
