#pragma once

#include "advisor/HoldValues.h"

#include <QString>
#include <QStringList>

// Cards written as rank and suit ("TS" the ten of spades, "JK" the joker).
inline advisor::Card CardOf(const QString& text) {
    if (text == "JK") {
        return {advisor::kJokerSuit, advisor::kJokerRank};
    }
    return {static_cast<int>(QString("CDHS").indexOf(text[1])) + 1,
            static_cast<int>(QString("A23456789TJQK").indexOf(text[0]))};
}

inline advisor::Deal DealOf(const QString& text) {
    const QStringList cards = text.split(' ');
    advisor::Deal deal;
    for (std::size_t i = 0; i < deal.size(); ++i) {
        deal[i] = CardOf(cards[static_cast<qsizetype>(i)]);
    }
    return deal;
}
