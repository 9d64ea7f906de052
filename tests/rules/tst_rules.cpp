#include "platform/Events.h"
#include "platform/Random.h"
#include "rules/basPokerProc.h"
#include "support/Columns.h"
#include "support/ScriptedCards.h"

#include <QtTest>
#include <algorithm>
#include <array>
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

struct Card {
    int suit;
    int rank;
};
using Hand = std::array<Card, 5>;

constexpr int kNone = 9; // no paying hand, worse than every code

bool AllOnes(const std::array<int, 14>& perRank, int from) {
    return std::all_of(perRank.begin() + from, perRank.begin() + from + 5,
                       [](int n) { return n == 1; });
}

// The hands as the pay table defines them, on five real cards (a repeated card
// allowed, since the joker may copy one), knowing nothing of the evaluator's
// sorting and gap walking.
int NaturalHand(const Hand& cards) {
    std::array<int, 14> perRank{}; // the ace counted again above the king
    bool flush = true;
    for (const Card& c : cards) {
        ++perRank[static_cast<std::size_t>(c.rank)];
        flush = flush && c.suit == cards[0].suit;
    }
    perRank[13] = perRank[0];
    std::array<int, 13> groups{};
    std::copy_n(perRank.begin(), 13, groups.begin());
    std::sort(groups.rbegin(), groups.rend());
    bool straight = false;
    for (int low = 0; low <= 9; ++low) {
        straight = straight || AllOnes(perRank, low);
    }
    const std::pair<int, int> top{groups[0], groups[1]};
    if (flush && AllOnes(perRank, 9)) {
        return 0;
    }
    if (top.first == 5) {
        return 1;
    }
    if (flush && straight) {
        return 2;
    }
    if (top.first == 4) {
        return 3;
    }
    if (top == std::pair{3, 2}) {
        return 4;
    }
    if (flush || straight) {
        return flush ? 5 : 6;
    }
    if (top.first == 3) {
        return 7;
    }
    return top == std::pair{2, 2} ? 8 : kNone;
}

// The joker is worth the best of the 52 cards it could stand for.
int ReferenceHand(Hand cards) {
    auto joker =
        std::find_if(cards.begin(), cards.end(), [](const Card& c) { return c.suit == 9; });
    if (joker == cards.end()) {
        return NaturalHand(cards);
    }
    int best = kNone;
    for (int card = 0; card < 52; ++card) {
        *joker = Card{card / 13 + 1, card % 13};
        best = std::min(best, NaturalHand(cards));
    }
    return best;
}

// Every hand of five from the 53 cards, each card once.
template <typename Visit> void ForEachHand(Hand& hand, int from, std::size_t at, Visit& visit) {
    for (int card = from; card < 53; ++card) {
        hand[at] = card == 52 ? Card{9, 99} : Card{card / 13 + 1, card % 13};
        if (at == 4) {
            visit();
        } else {
            ForEachHand(hand, card + 1, at + 1, visit);
        }
    }
}

} // namespace

class TestRules : public QObject {
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
        Row("poker draw, red/black", 1, 1, true);
        Row("red/black dealer", 1, 2, false);
        Row("red/black player", 1, 3, false);
        Row("hi/low dealer", 2, 2, false);
        Row("hi/low next card", 2, 3, true);
    }

    void jokerRules() {
        QFETCH(int, style);
        QFETCH(int, status);
        intDoubleStyle = static_cast<std::int16_t>(style);
        intGameStatus = static_cast<std::int16_t>(status);
        ScriptCards({kJoker, {2, 9}});
        QTEST(Deal().first == 9, "jokerAllowed");
    }

    // Every hand the pack can deal, judged against the definitions; the code names
    // the pay-table row the player is paid by.
    void everyHandIsJudgedAsDefined() {
        int hands = 0;
        QString firstMismatch;
        Hand hand{};
        auto judge = [&] {
            ++hands;
            for (std::size_t i = 0; i < 5; ++i) {
                strCardMark[i] = std::to_string(hand[i].suit);
                strCardNo[i] = std::to_string(hand[i].rank);
            }
            const std::string judged = JudgeHand();
            const int code = judged.empty() ? kNone : std::stoi(judged);
            const int expected = ReferenceHand(hand);
            if (code != expected && firstMismatch.isEmpty()) {
                for (const Card& c : hand) {
                    firstMismatch += QString("%1/%2 ").arg(c.suit).arg(c.rank);
                }
                firstMismatch += QString("judged %1, expected %2").arg(code).arg(expected);
            }
        };
        ForEachHand(hand, 0, 0, judge);
        QCOMPARE(hands, 2869685);
        QVERIFY2(firstMismatch.isEmpty(), qPrintable(firstMismatch));
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
