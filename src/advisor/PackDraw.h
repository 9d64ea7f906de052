#pragma once

// The game's draw, modelled once for the holds and the double-up. Each attempt yields
// the joker with chance 1/52 and each ordinary card with 51/2704, and a card that is
// refused is drawn again; so every accepted card is chosen among the cards still
// allowed with weights 52 (joker) to 51 (ordinary card), without putting cards back.
namespace advisor {

inline constexpr double kJokerWeight = 52.0;
inline constexpr double kOrdinaryWeight = 51.0;

// The cards a draw may still yield.
struct Pack {
    int ordinary = 0;
    bool joker = false;
};

// The chance that the next `size` accepted cards are one given set, which holds the
// joker or not. All sets alike in size and joker have the same chance.
double ChanceOfSet(Pack pack, int size, bool withJoker);

// The chance that accepted card number `draw` (0 = the next one) is the joker.
double ChanceOfJokerAt(Pack pack, int draw);

} // namespace advisor
