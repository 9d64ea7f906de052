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

// Lays out a hand written as rank and suit ("TS" the ten of spades, "JK" the joker).
void Lay(const QString& hand) {
    const QStringList cards = hand.split(' ');
    for (std::size_t i = 0; i < 5; ++i) {
        const QString card = cards[static_cast<qsizetype>(i)];
        const bool joker = card == "JK";
        strCardMark[i] = joker ? "9" : std::to_string(QString("CDHS").indexOf(card[1]) + 1);
        strCardNo[i] = joker ? "99" : std::to_string(QString("A23456789TJQK").indexOf(card[0]));
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

    // The hand's code names the pay-table row; "" pays nothing.
    void judgesEveryKindOfHand_data() {
        Columns<QString, QString>("hand", "code");
        Row("royal straight flush", "TS JS QS KS AS", "0");
        Row("royal, the joker as the ace", "TS JS QS KS JK", "0");
        Row("royal, the joker as the ten", "AS JS QS KS JK", "0");
        Row("royal, unsorted", "KH JK TH AH QH", "0");
        Row("five of a kind", "AC AD AH AS JK", "1");
        Row("straight flush below the royal", "9S TS JS QS JK", "2");
        Row("straight flush from the ace", "AH 2H 3H 4H 5H", "2");
        Row("four of a kind", "7D 7C 7H 7S 2C", "3");
        Row("four with the joker", "7D 7C 7H JK 2C", "3");
        Row("full house", "7D 7C 7H 2S 2C", "4");
        Row("full house with the joker", "7D 7C 2H 2S JK", "4");
        Row("flush", "2D 5D 9D JD KD", "5");
        Row("flush, the joker makes no straight over the king", "QS KS AS 2S JK", "5");
        Row("straight to the ace", "TC JD QH KS AC", "6");
        Row("straight from the ace", "AC 2D 3H 4S 5C", "6");
        Row("straight, the joker in the gap", "9C TD JH KS JK", "6");
        Row("straight, the joker at the end", "2C 3D 4H 5S JK", "6");
        Row("straight from the ace, the joker in the gap", "AC 3D 4H 5S JK", "6");
        Row("no straight over the king", "JC QD KH AS 2C", "");
        Row("three of a kind", "7D 7C 7H 2S 9C", "7");
        Row("three with the joker", "7D 7C 2H 9S JK", "7");
        Row("two pair", "7D 7C 2H 2S 9C", "8");
        Row("one pair pays nothing", "7D 7C 2H 3S 9C", "");
        Row("nothing", "2C 5D 9H JS KD", "");
    }

    void judgesEveryKindOfHand() {
        QFETCH(QString, hand);
        Lay(hand);
        QTEST(QString::fromStdString(JudgeHand()), "code");
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
