#include "rules/basPokerProc.h"

#include <QtTest>
#include <algorithm>
#include <array>

namespace {

struct Card {
    int suit;
    int rank;
};

constexpr int kNone = 9; // "no paying hand", worse than every code

// The reference works from the definition of each hand on five real cards (a
// repeated card allowed, since the joker may copy one) and knows nothing of the
// evaluator's sorting and gap walking.
int NaturalHand(const std::array<Card, 5>& cards) {
    std::array<int, 13> perRank{};
    bool flush = true;
    for (const Card& c : cards) {
        ++perRank[static_cast<std::size_t>(c.rank)];
        flush = flush && c.suit == cards[0].suit;
    }
    int most = 0;
    int pairs = 0;
    int distinct = 0;
    for (int n : perRank) {
        most = std::max(most, n);
        pairs += n == 2 ? 1 : 0;
        distinct += n > 0 ? 1 : 0;
    }
    bool straight = false;
    bool aceHigh = false;
    if (distinct == 5) {
        for (int low = 0; low + 4 < 13; ++low) {
            bool run = true;
            for (int r = low; r < low + 5; ++r) {
                run = run && perRank[static_cast<std::size_t>(r)] == 1;
            }
            straight = straight || run;
        }
        aceHigh = perRank[0] && perRank[9] && perRank[10] && perRank[11] && perRank[12];
        straight = straight || aceHigh;
    }
    if (flush && aceHigh) {
        return 0;
    }
    if (most == 5) {
        return 1;
    }
    if (flush && straight) {
        return 2;
    }
    if (most == 4) {
        return 3;
    }
    if (most == 3 && pairs == 1) {
        return 4;
    }
    if (flush) {
        return 5;
    }
    if (straight) {
        return 6;
    }
    if (most == 3) {
        return 7;
    }
    if (pairs == 2) {
        return 8;
    }
    return kNone;
}

int ReferenceHand(std::array<Card, 5> cards) {
    auto joker = std::find_if(cards.begin(), cards.end(), [](const Card& c) { return c.suit == 9; });
    if (joker == cards.end()) {
        return NaturalHand(cards);
    }
    int best = kNone;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            *joker = Card{suit, rank};
            best = std::min(best, NaturalHand(cards));
        }
    }
    return best;
}

Card CardOfIndex(int index) {
    if (index == 52) {
        return {9, 99};
    }
    return {index / 13 + 1, index % 13};
}

const std::array<std::string, 100>& Texts() {
    static const auto texts = [] {
        std::array<std::string, 100> t;
        for (std::size_t i = 0; i < t.size(); ++i) {
            t[i] = std::to_string(i);
        }
        return t;
    }();
    return texts;
}

void PutOnTable(const std::array<Card, 5>& cards) {
    for (std::size_t i = 0; i < 5; ++i) {
        basPokerProc::strCardMark[i] = Texts()[static_cast<std::size_t>(cards[i].suit)];
        basPokerProc::strCardNo[i] = Texts()[static_cast<std::size_t>(cards[i].rank)];
    }
}

int Code(const std::string& judged) { return judged.empty() ? kNone : std::stoi(judged); }

Card Parse(const QString& text) {
    if (text == "JK") {
        return {9, 99};
    }
    static const QString ranks = "A23456789TJQK";
    static const QString suits = "CDHS";
    return {static_cast<int>(suits.indexOf(text[1])) + 1, static_cast<int>(ranks.indexOf(text[0]))};
}

} // namespace

class TestJudgeHand : public QObject {
    Q_OBJECT

private slots:
    void everyHandMatchesTheDefinition() {
        int hands = 0;
        int mismatches = 0;
        QString firstMismatch;
        std::array<Card, 5> cards{};
        for (int a = 0; a < 53; ++a) {
            cards[0] = CardOfIndex(a);
            for (int b = a + 1; b < 53; ++b) {
                cards[1] = CardOfIndex(b);
                for (int c = b + 1; c < 53; ++c) {
                    cards[2] = CardOfIndex(c);
                    for (int d = c + 1; d < 53; ++d) {
                        cards[3] = CardOfIndex(d);
                        for (int e = d + 1; e < 53; ++e) {
                            cards[4] = CardOfIndex(e);
                            PutOnTable(cards);
                            const int judged = Code(basPokerProc::JudgeHand());
                            const int expected = ReferenceHand(cards);
                            ++hands;
                            if (judged != expected && mismatches++ == 0) {
                                firstMismatch = QString("%1 %2 %3 %4 %5: judged %6, expected %7")
                                                    .arg(a).arg(b).arg(c).arg(d).arg(e)
                                                    .arg(judged).arg(expected);
                            }
                        }
                    }
                }
            }
        }
        QCOMPARE(hands, 2869685);
        QVERIFY2(mismatches == 0, qPrintable(firstMismatch));
    }

    void namedHands_data() {
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<QString>("code");
        QTest::newRow("royal") << QStringList{"AS", "KS", "QS", "JS", "TS"} << "0";
        QTest::newRow("royal, joker as ace") << QStringList{"TH", "JH", "QH", "KH", "JK"} << "0";
        QTest::newRow("royal, joker as ten") << QStringList{"AD", "JD", "QD", "KD", "JK"} << "0";
        QTest::newRow("nine-high run to queen with joker") << QStringList{"9C", "TC", "JC", "QC", "JK"} << "2";
        QTest::newRow("steel wheel") << QStringList{"AC", "2C", "3C", "4C", "5C"} << "2";
        QTest::newRow("wheel flush with joker") << QStringList{"AC", "2C", "3C", "4C", "JK"} << "2";
        QTest::newRow("broadway mixed") << QStringList{"TC", "JD", "QH", "KS", "AC"} << "6";
        QTest::newRow("no wrap") << QStringList{"QC", "KD", "AH", "2S", "3C"} << "";
        QTest::newRow("joker fills a gap") << QStringList{"2C", "3D", "5H", "6S", "JK"} << "6";
        QTest::newRow("gap too wide") << QStringList{"2C", "5D", "6H", "7S", "JK"} << "";
        QTest::newRow("quads and joker") << QStringList{"7C", "7D", "7H", "7S", "JK"} << "1";
        QTest::newRow("two pair and joker") << QStringList{"7C", "7D", "9H", "9S", "JK"} << "4";
        QTest::newRow("pair and joker") << QStringList{"7C", "7D", "9H", "KS", "JK"} << "7";
        QTest::newRow("joker and rags") << QStringList{"2C", "7D", "9H", "KS", "JK"} << "";
        QTest::newRow("four suited and joker") << QStringList{"2C", "7C", "9C", "KC", "JK"} << "5";
        QTest::newRow("two pair") << QStringList{"4C", "4D", "8H", "8S", "KC"} << "8";
        QTest::newRow("one pair") << QStringList{"4C", "4D", "8H", "9S", "KC"} << "";
    }

    void namedHands() {
        QFETCH(QStringList, cards);
        QFETCH(QString, code);
        std::array<Card, 5> hand{};
        for (std::size_t i = 0; i < 5; ++i) {
            hand[i] = Parse(cards[static_cast<qsizetype>(i)]);
        }
        PutOnTable(hand);
        QCOMPARE(QString::fromStdString(basPokerProc::JudgeHand()), code);
    }

    void payTable_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rate");
        const char* names[] = {"ROYAL STRAIGHT FLUSH", "FIVE OF A KIND", "STRAIGHT FLUSH",
                               "FOUR OF A KIND", "FULL HOUSE", "FLUSH", "STRAIGHT",
                               "THREE OF A KIND", "TWO PAIR"};
        const int rates[] = {500, 100, 20, 6, 5, 4, 3, 2, 1};
        for (int code = 0; code < 9; ++code) {
            QTest::newRow(names[code]) << code << names[code] << rates[code];
        }
        QTest::newRow("below range") << -1 << "" << 0;
        QTest::newRow("above range") << 9 << "" << 0;
    }

    void payTable() {
        QFETCH(int, code);
        QFETCH(QString, name);
        QFETCH(int, rate);
        basPokerProc::SetPayRate();
        QCOMPARE(QString::fromStdString(basPokerProc::HandName(static_cast<std::int16_t>(code))), name);
        if (code >= 0 && code < 9) {
            QCOMPARE(basPokerProc::lngPayRate[static_cast<std::size_t>(code)], rate);
        }
    }
};

QTEST_APPLESS_MAIN(TestJudgeHand)
#include "tst_judgehand.moc"
