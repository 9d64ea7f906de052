#pragma once

#include <string>

namespace basIniProc {

// The pictures and sounds that come with the game stay where they were
// installed, one copy for every player; each player's card/ and sound/ hold a
// link to each of them, so the settings dialog lists them beside the player's
// own files and Poker.ini names them as it names any file there ("\ura.bmp").
// A name that is missing gets its link, as does a link of ours left dangling by
// a moved game; whatever else the player keeps there is never touched.
void LinkShippedAssets(const std::string& gameFolder, const std::string& shippedFolder);

} // namespace basIniProc
