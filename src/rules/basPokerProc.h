#pragma once

#include <array>
#include <cstdint>
#include <string>

// Cards, the deal by redrawing, the hand evaluator and the pay table.
//
// A card is a suit code (1 club, 2 diamond, 3 heart, 4 spade, 9 joker) and a rank
// code (0 ace ... 12 king, 99 joker), kept as decimal text per table position;
// "0" in both marks an empty slot.
namespace basPokerProc {

using CardArray = std::array<std::string, 5>;

inline CardArray strCardMark{"0", "0", "0", "0", "0"};
inline CardArray strCardNo{"0", "0", "0", "0", "0"};
inline CardArray strDropMark{"0", "0", "0", "0", "0"};
inline CardArray strDropNo{"0", "0", "0", "0", "0"};
inline CardArray strSortMark{"0", "0", "0", "0", "0"};
inline CardArray strSortNo{"0", "0", "0", "0", "0"};

inline std::int16_t intDealMark = 0;
inline std::int16_t intDealNo = 0;

inline constexpr int kHandCount = 9;
// Times the wager, by hand code; also the pay table's captions before any bet.
inline constexpr std::array<std::int32_t, kHandCount> kPayRates{500, 100, 20, 6, 5, 4, 3, 2, 1};
// HI/LOW's special bonus pays this many times the hand's normal payout.
inline constexpr std::int32_t kSpecialBonusFactor = 10;
inline std::array<std::int32_t, kHandCount> lngPayRate{};

// Owned by the game window, kept here because the deal's joker rules read them.
inline std::int16_t intGameStatus = 0;
inline std::int16_t intDoubleStyle = 3;

inline constexpr std::int16_t kSuitJoker = 9;
inline constexpr std::int16_t kRankJoker = 99;

inline constexpr std::int16_t kStyleRedBlack = 1;
inline constexpr std::int16_t kStyleHighLow = 2;
inline constexpr std::int16_t kStyleStandard = 3;

// How the double-up compares two cards: the ace ranks above the king (98) and below
// the joker, whose rank code 99 already tops every other.
constexpr int DoubleUpValue(int rank) {
    return rank == 0 ? 98 : rank;
}

void ClearArray(CardArray& values);

// One attempt: the joker with probability 1/52, else suit and rank by two more draws.
void RandomCard(std::int16_t& suit, std::int16_t& rank);

// Redraws until the card is allowed now: not on the table, not thrown away, and no
// joker where the double-up style forbids it. Lets window events run per attempt.
void DealCard(std::int16_t& suit, std::int16_t& rank);

void SortCards(std::int16_t& joker);

// The hand code of the five table cards, "0" (royal) to "8" (two pair), or "".
std::string JudgeHand();

// The same judgement of any five cards, touching no module state, so the coach may
// call it from a worker while a game is on the table.
std::string JudgeCards(const CardArray& mark, const CardArray& no);

std::string HandName(std::int16_t code);

void SetPayRate();

} // namespace basPokerProc
