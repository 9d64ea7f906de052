#include "config/DefaultIni.h"

#include <array>

namespace basIniProc {
namespace {

constexpr const char* kHead[] = {
    "[SOUND]",
    "CARD=\\CARD.wav",
    "COININ=\\MEDALIN.wav",
    "COINOUT=\\MEDALOUT.wav",
    "HOLD=\\HOLD.wav",
    "BOO=\\BOO.wav",
    "WIN0=\\win0.wav",
    "WIN1=\\win1.wav",
    "WIN2=\\win2.wav",
    "BONUS=\\BONUS.wav",
    "FANFARE=\\ragtimedance.wav",
    "[CARD]",
    "URA=\\ura.bmp",
};

constexpr const char* kTail[] = {
    "JOKER=\\joker.bmp",
    "[COIN]",
    "TOTAL=50",
    "TOTAL_GET=0",
    "TOTAL_PUT=0",
    "[PLAYDATA]",
    "0=0",
    "1=0",
    "2=0",
    "3=0",
    "4=0",
    "5=0",
    "6=0",
    "7=0",
    "8=0",
    "MAX_DOUBLE_CNT=0",
    "MAX_DOUBLE_WIN=0",
    "[SETTING]",
    "GAME=200",
    "BACKCOLOR=32768",
};

struct SuitNames {
    const char* keyPrefix;
    const char* filePrefix;
};

// The file lists the suits in this order, unlike the order pictures are loaded in.
constexpr std::array<SuitNames, 4> kFileSuits{{
    {"C_", "clb_"},
    {"H_", "her_"},
    {"D_", "dia_"},
    {"S_", "spd_"},
}};

std::string CardLine(const SuitNames& suit, int n) {
    const std::string number = std::to_string(n);
    const std::string twoDigits = n < 10 ? "0" + number : number;
    return suit.keyPrefix + twoDigits + "=\\" + suit.filePrefix + number + ".bmp";
}

} // namespace

std::string DefaultIniText() {
    std::string text;
    const auto add = [&text](const std::string& line) { text += line + "\r\n"; };
    for (const char* line : kHead) {
        add(line);
    }
    for (const SuitNames& suit : kFileSuits) {
        for (int n = 1; n <= 13; ++n) {
            add(CardLine(suit, n));
        }
    }
    for (const char* line : kTail) {
        add(line);
    }
    return text;
}

} // namespace basIniProc
