#pragma once

// What a start settles before any game: a request for the version, which needs
// no window, and whether this start may have the game folder at all.

// True after printing the version for a "--version" argument; every other
// argument is ignored, as the game always has.
bool AnswerVersionRequest(int argc, char* argv[]);

// Names the application for the desktop and claims the game folder; false when
// a game already runs there (it is brought to the front instead).
bool StartAsTheOnlyGame();
