#pragma once

#include <string>

namespace platform {

// One game per game folder: two games in one folder would each save the coins
// they started with, and the log would interleave their records. The first game
// holds a lock on the folder for as long as it runs (the kernel drops it with the
// process, so a killed game never blocks the next start) and listens for later
// starts. A later start asks the running game to bring its window to the front
// and gets false: it must end without touching the folder.
bool ClaimGameFolder(const std::string& folder);

} // namespace platform
