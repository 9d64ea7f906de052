#include "rules/basPokerProc.h"

#include "platform/Events.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace basPokerProc {
namespace {

constexpr std::array<const char*, kHandCount> kHandNames{"ROYAL STRAIGHT FLUSH",
                                                         "FIVE OF A KIND",
                                                         "STRAIGHT FLUSH",
                                                         "FOUR OF A KIND",
                                                         "FULL HOUSE",
                                                         "FLUSH",
                                                         "STRAIGHT",
                                                         "THREE OF A KIND",
                                                         "TWO PAIR"};

constexpr int kAce = 0;
constexpr int kTen = 9;
constexpr int kKing = 12;

// Codes are short decimal text; parsed by hand because the evaluator runs millions
// of times in the exhaustive test and must never throw on a stray value.
int Number(const std::string& text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool JokerForbidden() {
    if (intDoubleStyle == kStyleRedBlack) {
        return intGameStatus == 2 || intGameStatus == 3;
    }
    if (intDoubleStyle == kStyleHighLow) {
        return intGameStatus == 2;
    }
    return false;
}

bool Matches(const std::string& mark, const std::string& no, std::int16_t suit, std::int16_t rank) {
    return Number(mark) == suit && Number(no) == rank;
}

bool AlreadyUsed(std::int16_t suit, std::int16_t rank) {
    for (std::size_t i = 0; i < 5; ++i) {
        if (Matches(strCardMark[i], strCardNo[i], suit, rank) ||
            Matches(strDropMark[i], strDropNo[i], suit, rank)) {
            return true;
        }
    }
    return false;
}

// The evaluator's working copy, sorted by rank.
struct Sorted {
    const CardArray& mark;
    const CardArray& no;
    int Rank(std::size_t i) const { return Number(no[i]); }
};

bool IsFlush(const Sorted& cards) {
    for (std::size_t i = 1; i < 5; ++i) {
        if (cards.mark[i] != cards.mark[0] && cards.mark[i] != "9") {
            return false;
        }
    }
    return true;
}

// Walks the sorted ranks with the joker free to fill one gap of a single rank.
bool IsStraight(const Sorted& cards, bool joker) {
    bool gapFree = joker;
    int count = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const int rank = cards.Rank(i);
        const int next = cards.Rank(i + 1);
        const int d = next - rank;
        if (d == 0) {
            break;
        }
        if (d == 1) {
            ++count;
        } else if (d == 2) {
            if (!gapFree) {
                break;
            }
            gapFree = false;
            ++count;
        } else if (d == kTen) { // the ace, rank 0, below a ten plays high
            if (rank != kAce) {
                break;
            }
            ++count;
        } else if (d == kTen + 1) {
            // The ten is the gap; only the jack, queen and king can follow the ace
            // here, so no second gap can come.
            if (rank != kAce || !gapFree) {
                break;
            }
            ++count;
        } else {
            if (next != kRankJoker) {
                break;
            }
            ++count;
        }
    }
    return count == 4;
}

bool IsRoyal(const Sorted& cards, bool joker) {
    const int highest = cards.Rank(4);
    if (cards.Rank(0) == kAce && cards.Rank(1) >= kTen &&
        (highest == kKing || highest == kRankJoker)) {
        return true;
    }
    return joker && cards.Rank(0) >= kTen;
}

struct Groups {
    int top = 0;
    int pairs = 0;
};

// A group's counter is its size minus one; the joker always stands alone here and
// is added to the largest group afterwards.
Groups CountGroups(const Sorted& cards) {
    std::array<int, 5> counters{};
    std::size_t group = 0;
    for (std::size_t i = 1; i < 5; ++i) {
        if (cards.Rank(i) == cards.Rank(i - 1)) {
            ++counters[group];
        } else {
            ++group;
        }
    }
    Groups result;
    for (std::size_t g = 0; g <= group; ++g) {
        result.top = std::max(result.top, counters[g]);
        if (counters[g] >= 1) {
            ++result.pairs;
        }
    }
    return result;
}

std::int16_t SortInto(const CardArray& mark, const CardArray& no, CardArray& sortMark,
                      CardArray& sortNo) {
    sortMark = mark;
    sortNo = no;
    for (std::size_t i = 0; i < 5; ++i) {
        for (std::size_t j = i; j < 5; ++j) {
            if (Number(sortNo[i]) > Number(sortNo[j])) {
                std::swap(sortNo[i], sortNo[j]);
                std::swap(sortMark[i], sortMark[j]);
            }
        }
    }
    return sortNo[4] == "99" ? -1 : 0;
}

std::string JudgeSorted(const Sorted& cards, bool joker) {
    const bool flush = IsFlush(cards);
    const bool straight = IsStraight(cards, joker);
    Groups groups = CountGroups(cards);
    if (joker) {
        ++groups.top;
    }

    switch (groups.top) {
    case 2:
        return groups.pairs == 2 ? "4" : "7";
    case 3:
        return "3";
    case 4:
        return "1";
    default:
        break;
    }
    if (flush) {
        if (straight) {
            return IsRoyal(cards, joker) ? "0" : "2";
        }
        return "5";
    }
    if (straight) {
        return "6";
    }
    return groups.pairs == 2 ? "8" : "";
}

} // namespace

void ClearArray(CardArray& values) {
    values.fill("0");
}

// In double, because in float u * 4 + 1 rounds up to 5 for the largest u.
void RandomCard(std::int16_t& suit, std::int16_t& rank) {
    if (static_cast<int>(std::floor(double{platform::Rnd()} * 52.0)) == 0) {
        suit = kSuitJoker;
        rank = kRankJoker;
        return;
    }
    suit = static_cast<std::int16_t>(std::floor(double{platform::Rnd()} * 4.0 + 1.0));
    rank = static_cast<std::int16_t>(std::floor(double{platform::Rnd()} * 13.0));
}

void DealCard(std::int16_t& suit, std::int16_t& rank) {
    for (;;) {
        platform::DoEvents();
        RandomCard(suit, rank);
        if (suit == kSuitJoker && JokerForbidden()) {
            continue;
        }
        if (!AlreadyUsed(suit, rank)) {
            return;
        }
    }
}

void SortCards(std::int16_t& joker) {
    joker = SortInto(strCardMark, strCardNo, strSortMark, strSortNo);
}

std::string JudgeHand() {
    std::int16_t joker = 0;
    SortCards(joker);
    return JudgeSorted({strSortMark, strSortNo}, joker != 0);
}

std::string JudgeCards(const CardArray& mark, const CardArray& no) {
    CardArray sortMark;
    CardArray sortNo;
    const bool joker = SortInto(mark, no, sortMark, sortNo) != 0;
    return JudgeSorted({sortMark, sortNo}, joker);
}

std::string HandName(std::int16_t code) {
    if (code < 0 || code >= kHandCount) {
        return "";
    }
    return kHandNames[static_cast<std::size_t>(code)];
}

void SetPayRate() {
    lngPayRate = kPayRates;
}

} // namespace basPokerProc
