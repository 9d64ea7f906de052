#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace assets {

struct CardFile {
    QString name; // as the default Poker.ini names it, without the backslash
    QImage picture;
};

// All 54: the back, the four suits ace to king, the joker.
std::vector<CardFile> AllCards();

} // namespace assets
