#include "ContactSheet.h"

#include "CardFrame.h"

namespace assets {

QImage ContactSheet(const std::vector<CardFile>& cards) {
    constexpr int kColumns = 13;
    constexpr int kGap = 12;
    const int rows = (static_cast<int>(cards.size()) - 2) / kColumns + 1;
    QImage sheet(kGap + kColumns * (kCardWidth + kGap), kGap + rows * (kCardHeight + kGap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0, 128, 0));
    QPainter painter(&sheet);
    const auto place = [&](int index, const QImage& picture) {
        const int x = kGap + (index % kColumns) * (kCardWidth + kGap);
        const int y = kGap + (index / kColumns) * (kCardHeight + kGap);
        painter.drawImage(x, y, picture);
    };
    for (std::size_t i = 1; i + 1 < cards.size(); ++i) {
        place(static_cast<int>(i) - 1, cards[i].picture);
    }
    place((rows - 1) * kColumns, cards.front().picture);
    place((rows - 1) * kColumns + 1, cards.back().picture);
    return sheet;
}

} // namespace assets
