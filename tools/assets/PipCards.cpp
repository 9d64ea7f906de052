#include "CardArt.h"
#include "CardFrame.h"

#include <vector>

namespace assets {
namespace {

// Pip positions as on real cards: columns left, centre, right; rows from 0 at the
// top of the pip field to 1 at its bottom.
struct Pip {
    double column;
    double row;
};

constexpr double L = 0;
constexpr double C = 0.5;
constexpr double R = 1;

std::vector<Pip> PipLayout(int rank) {
    const std::vector<Pip> sides4{{L, 0}, {R, 0}, {L, 1}, {R, 1}};
    const std::vector<Pip> sides6{{L, 0}, {R, 0}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}};
    const std::vector<Pip> sides8{{L, 0},       {R, 0},       {L, 1.0 / 3}, {R, 1.0 / 3},
                                  {L, 2.0 / 3}, {R, 2.0 / 3}, {L, 1},       {R, 1}};
    const auto with = [](std::vector<Pip> base, std::initializer_list<Pip> more) {
        base.insert(base.end(), more);
        return base;
    };
    switch (rank) {
    case 2:
        return {{C, 0}, {C, 1}};
    case 3:
        return {{C, 0}, {C, 0.5}, {C, 1}};
    case 4:
        return sides4;
    case 5:
        return with(sides4, {{C, 0.5}});
    case 6:
        return sides6;
    case 7:
        return with(sides6, {{C, 0.25}});
    case 8:
        return with(sides6, {{C, 0.25}, {C, 0.75}});
    case 9:
        return with(sides8, {{C, 0.5}});
    default:
        return with(sides8, {{C, 1.0 / 6}, {C, 5.0 / 6}});
    }
}

constexpr QRectF kPipField(80, 68, 90, 197);

void DrawPips(QPainter& painter, Suit suit, int rank) {
    const double size = rank <= 3 ? 50 : 44;
    for (const Pip& pip : PipLayout(rank)) {
        const QPointF centre(kPipField.left() + pip.column * kPipField.width(),
                             kPipField.top() + pip.row * kPipField.height());
        DrawSuit(painter, suit, centre, size, pip.row > 0.5);
    }
}

// One large pip, ringed so the ace reads as the card of highest rank.
void DrawAce(QPainter& painter, Suit suit) {
    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    painter.setPen(
        QPen(SuitColour(suit).lighter(suit == Suit::Club || suit == Suit::Spade ? 400 : 150), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 72, 72);
    painter.drawEllipse(centre, 66, 66);
    DrawSuit(painter, suit, centre, suit == Suit::Spade ? 118 : 104);
}

} // namespace

QString RankText(int rank) {
    switch (rank) {
    case 1:
        return "A";
    case 11:
        return "J";
    case 12:
        return "Q";
    case 13:
        return "K";
    default:
        return QString::number(rank);
    }
}

QImage DrawPipCard(Suit suit, int rank) {
    QImage card = BlankCard();
    QPainter painter(&card);
    PreparePainter(painter);
    DrawCornerIndices(painter, RankText(rank), suit);
    if (rank == 1) {
        DrawAce(painter, suit);
    } else {
        DrawPips(painter, suit, rank);
    }
    return card;
}

QImage DrawFace(Suit suit, int rank) {
    return rank > 10 ? DrawCourtCard(suit, rank) : DrawPipCard(suit, rank);
}

} // namespace assets
