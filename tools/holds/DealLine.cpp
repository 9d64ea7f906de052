#include "DealLine.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

constexpr std::size_t kLongestCode = 2;

std::optional<int> Code(const std::string& text) {
    if (text.empty() || text.size() > kLongestCode ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoi(text);
}

std::optional<advisor::Card> ParseCard(const std::string& word) {
    const std::size_t colon = word.find(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<int> suit = Code(word.substr(0, colon));
    const std::optional<int> rank = Code(word.substr(colon + 1));
    if (!suit || !rank) {
        return std::nullopt;
    }
    const bool joker = *suit == advisor::kJokerSuit && *rank == advisor::kJokerRank;
    const bool ordinary = *suit >= 1 && *suit <= 4 && *rank <= 12;
    if (!joker && !ordinary) {
        return std::nullopt;
    }
    return advisor::Card{*suit, *rank};
}

} // namespace

std::optional<advisor::Deal> ParseDealLine(const std::string& line, std::string& error) {
    std::istringstream words(line);
    std::vector<std::string> cards;
    for (std::string word; words >> word;) {
        cards.push_back(word);
    }
    if (cards.size() != 5) {
        error = "expected five cards suit:rank, found " + std::to_string(cards.size());
        return std::nullopt;
    }
    advisor::Deal deal;
    for (std::size_t i = 0; i < 5; ++i) {
        const std::optional<advisor::Card> card = ParseCard(cards[i]);
        if (!card) {
            error = "'" + cards[i] +
                    "' is not a card: suit 1 to 4 with rank 0 to 12, or 9:99 for the joker";
            return std::nullopt;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (advisor::CardIndex(deal[j]) == advisor::CardIndex(*card)) {
                error = advisor::IsJoker(*card) ? "two jokers; the pack has one"
                                                : "the card " + cards[i] + " appears twice";
                return std::nullopt;
            }
        }
        deal[i] = *card;
    }
    return deal;
}
