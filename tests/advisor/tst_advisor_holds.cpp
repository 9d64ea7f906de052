#include "Cards.h"
#include "advisor/HoldValues.h"
#include "rules/basPokerProc.h"
#include "support/Columns.h"

#include <QProcess>
#include <QtTest>
#include <bit>
#include <cmath>
#include <map>
#include <vector>

using advisor::Card;
using advisor::Deal;

namespace {

constexpr int kAllHeld = 31;

int Pay(const std::array<Card, 5>& hand) {
    for (std::size_t i = 0; i < hand.size(); ++i) {
        basPokerProc::strCardMark[i] = std::to_string(hand[i].suit);
        basPokerProc::strCardNo[i] = std::to_string(hand[i].rank);
    }
    const std::string code = basPokerProc::JudgeHand();
    return code.empty() ? 0 : basPokerProc::kPayRates[static_cast<std::size_t>(std::stoi(code))];
}

// The chance that the next draws yield these cards, in any order: each accepted card
// is one of those still allowed, weighted 52 for the joker and 51 for any other.
double ChanceOverOrders(const std::vector<double>& weights, double total) {
    if (weights.empty()) {
        return 1.0;
    }
    double chance = 0.0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        std::vector<double> rest = weights;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
        chance += weights[i] / total * ChanceOverOrders(rest, total - weights[i]);
    }
    return chance;
}

// Judges every set of replacements for the hold, each weighted by its chance.
class Enumeration {
  public:
    explicit Enumeration(const Deal& deal) : deal_(deal) {
        for (int suit : {1, 2, 3, 4, 9}) {
            for (int rank = 0; rank < (suit == 9 ? 1 : 13); ++rank) {
                const Card card{suit, suit == 9 ? 99 : rank};
                if (std::none_of(deal.begin(), deal.end(), [card](Card d) {
                        return d.suit == card.suit && d.rank == card.rank;
                    })) {
                    free_.push_back(card);
                }
            }
        }
        for (const Card& card : free_) {
            total_ += card.suit == 9 ? 52.0 : 51.0;
        }
    }

    double Value(int mask) {
        hand_ = deal_;
        open_.clear();
        for (std::size_t i = 0; i < 5; ++i) {
            if ((mask & (1 << i)) == 0) {
                open_.push_back(i);
            }
        }
        return Sum(0, 0, false);
    }

  private:
    double Sum(std::size_t filled, std::size_t from, bool joker) {
        if (filled == open_.size()) {
            return Chance(filled, joker) * (filled >= 4 ? PayOfPattern() : Pay(hand_));
        }
        double value = 0.0;
        for (std::size_t c = from; c < free_.size(); ++c) {
            hand_[open_[filled]] = free_[c];
            value += Sum(filled + 1, c + 1, joker || free_[c].suit == 9);
        }
        return value;
    }

    // Every set of one size, with or without the joker, has one chance: summed once.
    double Chance(std::size_t size, bool joker) {
        const auto key = std::make_pair(size, joker);
        if (chances_.count(key) == 0) {
            std::vector<double> weights(size, 51.0);
            if (joker) {
                weights[0] = 52.0;
            }
            chances_[key] = ChanceOverOrders(weights, total_);
        }
        return chances_[key];
    }

    // The long draws (1.7 million for the hold of none) ask the judge once per pattern
    // of ranks and one suit or not, which is all a hand's pay depends on.
    int PayOfPattern() {
        std::array<int, 5> ranks{};
        int suit = 0;
        bool oneSuit = true;
        for (std::size_t i = 0; i < 5; ++i) {
            const bool joker = hand_[i].suit == 9;
            ranks[i] = joker ? 13 : hand_[i].rank;
            if (!joker) {
                oneSuit = oneSuit && (suit == 0 || suit == hand_[i].suit);
                suit = hand_[i].suit;
            }
        }
        std::sort(ranks.begin(), ranks.end());
        std::size_t pattern = oneSuit ? 1 : 0;
        for (const int rank : ranks) {
            pattern = pattern * 14 + static_cast<std::size_t>(rank);
        }
        int& pay = patterns_[pattern];
        if (pay < 0) {
            pay = Pay(hand_);
        }
        return pay;
    }

    Deal deal_;
    std::vector<int> patterns_ = std::vector<int>(2 * 14 * 14 * 14 * 14 * 14, -1);
    std::array<Card, 5> hand_{};
    std::vector<Card> free_;
    std::vector<std::size_t> open_;
    double total_ = 0.0;
    std::map<std::pair<std::size_t, bool>, double> chances_;
};

int HeldCount(int mask) {
    return std::popcount(static_cast<unsigned>(mask));
}

struct Run {
    int exitCode = 0;
    QString out;
    QString err;
};

Run RunHolds(const QByteArray& input) {
    QProcess process;
    process.start(VESK_HOLDS, {});
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestHolds : public QObject {
    Q_OBJECT

  private slots:
    // The tables are built on first use, not before.
    void initTestCase() { QVERIFY(!advisor::Ready()); }

    // Every hold drawing up to two cards, and the longer draws listed.
    void valuesAgreeWithEveryDraw_data() {
        Columns<QString, QList<int>, int>("deal", "longDraws", "best");
        Row("joker held to a royal, and thrown away", "JK AH KH QH 5C", QList<int>{1, 3, 12}, 15);
        Row("joker dealt with nothing", "JK 2C 7D 9H 4S", QList<int>{2, 9}, 9);
        Row("four to a royal and the hold of none", "TS JS QS KS 3D", QList<int>{0, 3}, 15);
        Row("four of a kind drawing five", "KC KD KH KS 4C", QList<int>{3}, 15);
        Row("royal dealt", "AH KH QH JH TH", QList<int>{}, kAllHeld);
        Row("nothing worth keeping", "2H 6C AD 9D 7H", QList<int>{}, 0);
        Row("five of a kind dealt", "JK 8C 8D 8H 8S", QList<int>{}, kAllHeld);
    }
    void valuesAgreeWithEveryDraw() {
        QFETCH(QString, deal);
        QFETCH(QList<int>, longDraws);
        QFETCH(int, best);
        const Deal dealt = DealOf(deal);
        const advisor::HoldValues values = advisor::ValueHolds(dealt);
        Enumeration every(dealt);
        for (int mask = 0; mask < 32; ++mask) {
            if (HeldCount(mask) >= 3 || longDraws.contains(mask)) {
                QVERIFY2(std::abs(values[static_cast<std::size_t>(mask)] - every.Value(mask)) <
                             1e-12,
                         qPrintable(QString("hold %1").arg(mask)));
            }
        }
        QCOMPARE(advisor::BestHold(values), best);
    }

    void toolRefusesBadLines_data() {
        Columns<QString, QString>("input", "message");
        Row("four cards", "1:0 1:1 1:2 1:3\n", "line 1: expected five cards suit:rank, found 4");
        Row("suit out of range", "1:0 1:1 1:2 1:3 5:4\n", "'5:4' is not a card");
        Row("huge number", "1:0 1:1 1:2 1:3 1:99999999999999\n", "is not a card");
        Row("duplicate", "1:0 1:1 1:2 1:3 1:0\n", "the card 1:0 appears twice");
        Row("two jokers", "9:99 1:1 1:2 1:3 9:99\n", "two jokers");
    }
    void toolRefusesBadLines() {
        QFETCH(QString, input);
        QFETCH(QString, message);
        const Run run = RunHolds(input.toUtf8());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void toolPrintsEachLineUntilABadOne() {
        const Run run = RunHolds("1:0 2:12 9:99 3:5 4:10\n\n1:0 2:12 9:99 3:5 4:10\n");
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("line 2: expected five cards"), qPrintable(run.err));
        QCOMPARE(run.out.count('\n'), 1);
        const QStringList fields = run.out.trimmed().split(' ');
        QCOMPARE(fields.size(), 32);
        const advisor::HoldValues values = advisor::ValueHolds(DealOf("AC KD JK 6H JS"));
        for (std::size_t mask = 0; mask < values.size(); ++mask) {
            QCOMPARE(fields[static_cast<qsizetype>(mask)], QString::number(values[mask], 'f', 12));
        }
    }
};

QTEST_GUILESS_MAIN(TestHolds)
#include "tst_advisor_holds.moc"
