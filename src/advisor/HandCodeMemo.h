#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The game's judge, asked once per pattern: a hand's code depends only on its ranks
// and on whether its ordinary cards share one suit, so the millions of hands a table
// is built from need only a few thousand judgements. One owner at a time: it fills
// itself as it goes.
namespace advisor {

class HandCodeMemo {
  public:
    HandCodeMemo();

    // The hand code (or kNoHand) of five different cards given by index 0..52.
    int operator()(const std::array<int, 5>& cards);

  private:
    std::vector<std::int8_t> codes_;
};

} // namespace advisor
