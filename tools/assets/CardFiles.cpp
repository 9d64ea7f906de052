#include "CardFiles.h"

#include "CardArt.h"

#include <array>

namespace assets {

std::vector<CardFile> AllCards() {
    const std::array<std::pair<Suit, QString>, 4> suits{{
        {Suit::Club, "clb_"},
        {Suit::Diamond, "dia_"},
        {Suit::Heart, "her_"},
        {Suit::Spade, "spd_"},
    }};
    std::vector<CardFile> cards{{"ura.bmp", DrawBack()}};
    for (const auto& [suit, prefix] : suits) {
        for (int rank = 1; rank <= 13; ++rank) {
            cards.push_back({prefix + QString::number(rank) + ".bmp", DrawFace(suit, rank)});
        }
    }
    cards.push_back({"joker.bmp", DrawJoker()});
    return cards;
}

} // namespace assets
