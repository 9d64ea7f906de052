#include "platform/Events.h"
#include "platform/Random.h"
#include "rules/basPokerProc.h"
#include "support/Columns.h"
#include "support/ScriptedCards.h"

#include <QtTest>
#include <cmath>

using namespace basPokerProc;
using testsupport::kJoker;
using testsupport::ScriptCards;

namespace {

std::pair<int, int> Deal() {
    std::int16_t suit = 0;
    std::int16_t rank = 0;
    DealCard(suit, rank);
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
        intGameStatus = 0;
        intDoubleStyle = kStyleStandard;
    }

    // The joker takes the lowest 52nd of the first value; suit and rank then split
    // theirs evenly, up to the largest value the source gives (no fifth suit there).
    void randomValuesSpreadEvenlyOverThePack_data() {
        Columns<QList<float>, int, int>("values", "suit", "rank");
        const float largest = std::nextafter(1.0f, 0.0f);
        Row("joker, top of its share", QList<float>{0.0192f}, 9, 99);
        Row("club ace, tops", QList<float>{0.0193f, 0.2499f, 0.0769f}, 1, 0);
        Row("diamond two, bottoms", QList<float>{0.5f, 0.2501f, 0.077f}, 2, 1);
        Row("largest values", QList<float>{0.5f, largest, largest}, 4, 12);
    }

    void randomValuesSpreadEvenlyOverThePack() {
        QFETCH(QList<float>, values);
        QFETCH(int, suit);
        QFETCH(int, rank);
        platform::ScriptRandom({values.begin(), values.end()});
        QCOMPARE(Deal(), std::make_pair(suit, rank));
    }

    // A card on the table or thrown away is drawn again, with events run once per
    // attempt; another suit of a dealt rank and an empty slot's "0"/"0" block nothing.
    void usedCardsAreDrawnAgain() {
        strCardMark = {"9", "0", "3", "0", "0"};
        strCardNo = {"99", "0", "11", "0", "0"};
        strDropMark = {"0", "4", "0", "0", "1"};
        strDropNo = {"0", "7", "0", "0", "0"};
        ScriptCards({{3, 11}, {1, 0}, kJoker, {1, 7}, {1, 0}});
        int attempts = 0;
        platform::SetEventsHook([&] { ++attempts; });
        QCOMPARE(Deal(), std::make_pair(1, 7));
        platform::SetEventsHook({});
        QCOMPARE(attempts, 4);
        ClearArray(strDropMark);
        QCOMPARE(Deal(), std::make_pair(1, 0));
    }

    // Styles 1 red/black, 2 high/low, 3 standard; states 2 and 3 deal in double-up.
    void jokerRules_data() {
        Columns<int, int, bool>("style", "status", "jokerAllowed");
        Row("poker deal, standard", 3, 0, true);
        Row("poker draw, red/black", 1, 1, true);
        Row("red/black dealer", 1, 2, false);
        Row("red/black player", 1, 3, false);
        Row("hi/low dealer", 2, 2, false);
        Row("hi/low next card", 2, 3, true);
        Row("standard player", 3, 3, true);
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
