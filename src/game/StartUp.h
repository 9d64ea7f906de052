#pragma once

// What the start can do before the game window is built, begun as soon as the
// application exists, so that the slow parts overlap instead of following one
// another. The window's own load still does all of it where nobody began it.
void BeginStartUp();
