#pragma once

// Prints the game's return under best play, over every deal weighted by its chance
// under the game's draw, and how often each hand is then made.
void PrintGameReturn();
