#include "settings/SettingKeys.h"

#include <algorithm>
#include <map>

namespace settings {
namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

std::string SoundDescription(const std::string& key) {
    static const std::map<std::string, std::string> descriptions{
        {"CARD", "カードが回るときの音"},
        {"COININ", "コインを１枚ＢＥＴするときの音"},
        {"COINOUT", "コインを１枚払い出すとき音"},
        {"HOLD", "ＨＯＬＤを押したときの音"},
        {"BOO", "ダブルアップ引き分けのときの音"},
        {"WIN0", "最初のカードが配られたときに役が揃っていたときの音"},
        {"WIN1", "コインを獲得したときの音　６０枚未満"},
        {"WIN2", "コインを獲得したときの音　６０枚以上"},
        {"FANFARE", "コイン払い出しのときになるファンファーレ　６０枚以上"},
        {"BONUS", "いいことが起こるかもしれないときの音"},
    };
    const auto found = descriptions.find(key);
    return found == descriptions.end() ? "" : found->second;
}

std::string CardDescription(const std::string& key) {
    static const std::map<std::string, std::string> suits{
        {"C_", "クラブの"}, {"H_", "ハートの"}, {"D_", "ダイヤの"}, {"S_", "スペードの"}};
    if (key == "URA") {
        return "カードの裏の絵";
    }
    if (key == "JOKER") {
        return "ジョーカーの絵";
    }
    const auto suit = suits.find(key.substr(0, 2));
    if (suit == suits.end()) {
        return "";
    }
    return suit->second + key.substr(key.size() - 2) + "の絵";
}

} // namespace

std::vector<std::string> CardKeys() {
    std::vector<std::string> keys{"URA"};
    for (const char* suit : {"C_", "H_", "D_", "S_"}) {
        for (int n = 1; n <= 13; ++n) {
            keys.push_back(suit + std::string(n < 10 ? "0" : "") + std::to_string(n));
        }
    }
    keys.push_back("JOKER");
    return keys;
}

std::string GetDescription(const std::string& section, const std::string& key) {
    const std::string upper = Upper(key);
    const std::string text = Upper(section) == "SOUND"  ? SoundDescription(upper)
                             : Upper(section) == "CARD" ? CardDescription(upper)
                                                        : "";
    return "説明：" + text;
}

} // namespace settings
