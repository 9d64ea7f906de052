#include "advisor/Judge.h"

#include "rules/basPokerProc.h"

#include <string>

namespace advisor {

int HandCode(const std::array<Card, 5>& hand) {
    basPokerProc::CardArray mark;
    basPokerProc::CardArray no;
    for (std::size_t i = 0; i < hand.size(); ++i) {
        mark[i] = std::to_string(hand[i].suit);
        no[i] = std::to_string(hand[i].rank);
    }
    const std::string code = basPokerProc::JudgeCards(mark, no);
    return code.empty() ? kNoHand : std::stoi(code);
}

int PayRate(int code) {
    return code == kNoHand ? 0 : basPokerProc::kPayRates[static_cast<std::size_t>(code)];
}

} // namespace advisor
