// Hands judged per second over every five-card hand of the 53-card pack.
#include "rules/basPokerProc.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

std::string SuitOf(int index) {
    return index == 52 ? "9" : std::to_string(index / 13 + 1);
}
std::string RankOf(int index) {
    return index == 52 ? "99" : std::to_string(index % 13);
}

} // namespace

int main() {
    std::array<std::string, 53> suits;
    std::array<std::string, 53> ranks;
    for (int i = 0; i < 53; ++i) {
        suits[static_cast<std::size_t>(i)] = SuitOf(i);
        ranks[static_cast<std::size_t>(i)] = RankOf(i);
    }
    long hands = 0;
    long paying = 0;
    std::array<int, 5> at{};
    const auto start = std::chrono::steady_clock::now();
    for (at[0] = 0; at[0] < 53; ++at[0]) {
        for (at[1] = at[0] + 1; at[1] < 53; ++at[1]) {
            for (at[2] = at[1] + 1; at[2] < 53; ++at[2]) {
                for (at[3] = at[2] + 1; at[3] < 53; ++at[3]) {
                    for (at[4] = at[3] + 1; at[4] < 53; ++at[4]) {
                        for (std::size_t i = 0; i < 5; ++i) {
                            const auto card = static_cast<std::size_t>(at[i]);
                            basPokerProc::strCardMark[i] = suits[card];
                            basPokerProc::strCardNo[i] = ranks[card];
                        }
                        paying += basPokerProc::JudgeHand().empty() ? 0 : 1;
                        ++hands;
                    }
                }
            }
        }
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%ld hands (%ld paying) in %.3f s: %.0f hands per second\n", hands, paying,
                seconds.count(), static_cast<double>(hands) / seconds.count());
    return 0;
}
