#pragma once

#include "CardFiles.h"

namespace assets {

// Every card on one sheet on the table's green, a suit per row, back and joker
// last, for judging the pack as a whole.
QImage ContactSheet(const std::vector<CardFile>& cards);

} // namespace assets
