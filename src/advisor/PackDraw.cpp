#include "advisor/PackDraw.h"

namespace advisor {
namespace {

double Weight(const Pack& pack) {
    return kOrdinaryWeight * pack.ordinary + (pack.joker ? kJokerWeight : 0.0);
}

// The chance of `size` draws in one order, the joker at draw `jokerAt` (-1: none).
double ChanceOfOrder(Pack pack, int size, int jokerAt) {
    double chance = 1.0;
    double weight = Weight(pack);
    for (int draw = 0; draw < size; ++draw) {
        const double w = draw == jokerAt ? kJokerWeight : kOrdinaryWeight;
        chance *= w / weight;
        weight -= w;
    }
    return chance;
}

double Factorial(int n) {
    double product = 1.0;
    for (int i = 2; i <= n; ++i) {
        product *= i;
    }
    return product;
}

} // namespace

double ChanceOfSet(Pack pack, int size, bool withJoker) {
    if (!withJoker) {
        return Factorial(size) * ChanceOfOrder(pack, size, -1);
    }
    if (!pack.joker || size == 0) {
        return 0.0;
    }
    double chance = 0.0;
    for (int jokerAt = 0; jokerAt < size; ++jokerAt) {
        chance += ChanceOfOrder(pack, size, jokerAt);
    }
    return Factorial(size - 1) * chance;
}

double ChanceOfJokerAt(Pack pack, int draw) {
    if (!pack.joker) {
        return 0.0;
    }
    double before = 1.0;
    double weight = Weight(pack);
    for (int i = 0; i < draw; ++i) {
        before *= kOrdinaryWeight * (pack.ordinary - i) / weight;
        weight -= kOrdinaryWeight;
    }
    return before * kJokerWeight / weight;
}

} // namespace advisor
