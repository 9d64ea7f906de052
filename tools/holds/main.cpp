// vesk-holds: the exact value of every hold, and the game's return under best play.
#include "DealLine.h"
#include "GameReturn.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

int PrintHoldValues() {
    std::string line;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        std::string error;
        const std::optional<advisor::Deal> deal = ParseDealLine(line, error);
        if (!deal) {
            std::fprintf(stderr, "vesk-holds: line %ld: %s\n", number, error.c_str());
            return 1;
        }
        const advisor::HoldValues values = advisor::ValueHolds(*deal);
        for (std::size_t mask = 0; mask < values.size(); ++mask) {
            std::printf(mask == 0 ? "%.12f" : " %.12f", values[mask]);
        }
        std::printf("\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string option = argc > 1 ? argv[1] : "";
    if (argc == 2 && option == "--return") {
        PrintGameReturn();
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "usage: vesk-holds [--return] < lines of five cards suit:rank\n");
        return 2;
    }
    return PrintHoldValues();
}
