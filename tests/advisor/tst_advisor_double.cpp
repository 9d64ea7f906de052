#include "Cards.h"
#include "advisor/DoubleOdds.h"
#include "support/Columns.h"

#include <QtTest>

using advisor::DoubleStyle;

namespace {

// Weights of an accepted card: 52 the joker, 51 any other card still in the pack.
double PackWeight(int ordinary) {
    return 51.0 * ordinary + 52.0;
}

// STANDARD's pick is the fourth card drawn after the dealer's, from 51 cards and the joker.
double JokerAsPick() {
    double chance = 1.0;
    for (int i = 0; i < 3; ++i) {
        chance *= 51.0 * (51 - i) / PackWeight(51 - i);
    }
    return chance * 52.0 / PackWeight(48);
}

double StandardPick(int higher) {
    return JokerAsPick() + higher * (1.0 - JokerAsPick()) / 51.0;
}

double StandardTie() {
    return 3.0 * (1.0 - JokerAsPick()) / 51.0;
}

// Next HI/LOW card with `shown` cards face up: the joker wins, and `right` other cards.
double HighLowRight(int shown, int right) {
    return (52.0 + 51.0 * right) / PackWeight(52 - shown);
}

// The twelve other cards of the dealer's suit as the four player cards.
const double kFlush = 12.0 * 11 * 10 * 9 / (51.0 * 50 * 49 * 48);
const double kRedBlackMultiple = 2.0 * 25 / 51 + 8.0 * kFlush;

std::vector<advisor::Card> CardsOf(const QString& text) {
    std::vector<advisor::Card> cards;
    for (const QString& card : text.split(' ')) {
        cards.push_back(CardOf(card));
    }
    return cards;
}

advisor::Odds OddsOf(int style, const QString& shown, bool high) {
    const advisor::Card dealer = CardOf(shown.left(2));
    switch (static_cast<DoubleStyle>(style)) {
    case DoubleStyle::Standard:
        return advisor::StandardOdds(dealer);
    case DoubleStyle::RedBlack:
        return advisor::RedBlackOdds();
    case DoubleStyle::HighLow:
        break;
    }
    return advisor::HighLowOdds(CardsOf(shown), high);
}

} // namespace

class TestDouble : public QObject {
    Q_OBJECT

  private slots:
    void oddsOfEachChoice_data() {
        Columns<int, QString, bool, double, double, double, double>("style", "shown", "high", "win",
                                                                    "tie", "flush", "bonusWagers");
        const int standard = 3;
        Row("standard ace", standard, "AC", false, StandardPick(0), StandardTie(), 0.0, 0.0);
        Row("standard king", standard, "KD", false, StandardPick(4), StandardTie(), 0.0, 0.0);
        Row("standard two", standard, "2H", false, StandardPick(48), StandardTie(), 0.0, 0.0);
        Row("standard seven", standard, "7S", false, StandardPick(28), StandardTie(), 0.0, 0.0);
        Row("standard, dealer's joker", standard, "JK", false, 0.0, 0.0, 0.0, 0.0);
        const int redBlack = 1;
        Row("red/black heart", redBlack, "5H", false, 25.0 / 51, 0.0, kFlush, 0.0);
        Row("red/black club", redBlack, "QC", false, 25.0 / 51, 0.0, kFlush, 0.0);
        const int highLow = 2;
        Row("high on seven", highLow, "7S", true, HighLowRight(1, 28), 0.0, 0.0, 0.0);
        Row("low on seven", highLow, "7S", false, HighLowRight(1, 20), 0.0, 0.0, 0.0);
        Row("high on ace: only the joker", highLow, "AC", true, HighLowRight(1, 0), 0.0, 0.0, 0.0);
        Row("low on two: only the joker", highLow, "2C", false, HighLowRight(1, 0), 0.0, 0.0, 0.0);
        Row("low after a won guess", highLow, "9D 5C", false, HighLowRight(2, 12), 0.0, 0.0, 0.0);
        // Aces: a royal in hearts, straights otherwise; the joker makes a royal.
        Row("fourth guess high", highLow, "TH JH QH KH", true, HighLowRight(4, 4), 0.0, 0.0,
            10 * (51.0 * 500 + 51.0 * 3 * 3 + 52.0 * 500) / PackWeight(48));
        // 9H a straight flush, other nines straights, hearts 2 to 8 flushes, the rest
        // (ten, jack, queen of other suits) one pair.
        Row("fourth guess low", highLow, "TH JH QH KH", false, HighLowRight(4, 41), 0.0, 0.0,
            10 * (51.0 * 20 + 51.0 * 3 * 3 + 51.0 * 7 * 4 + 52.0 * 500) / PackWeight(48));
    }
    void oddsOfEachChoice() {
        QFETCH(int, style);
        QFETCH(QString, shown);
        QFETCH(bool, high);
        QFETCH(double, win);
        QFETCH(double, tie);
        QFETCH(double, flush);
        QFETCH(double, bonusWagers);
        const advisor::Odds odds = OddsOf(style, shown, high);
        QCOMPARE(odds.win, win);
        QCOMPARE(odds.tie, tie);
        QCOMPARE(odds.lose, 1.0 - win - tie);
        QCOMPARE(odds.flush, flush);
        QCOMPARE(odds.bonusWagers + 1.0, bonusWagers + 1.0);
    }
};

QTEST_GUILESS_MAIN(TestDouble)
#include "tst_advisor_double.moc"
