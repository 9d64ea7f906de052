#pragma once

class QKeyEvent;

// The game's keys are named by their Windows virtual-key codes, as players of the
// original table know them; the toolkit's key codes are mapped once, here.
inline constexpr int kVkEnter = 13;
inline constexpr int kVkEscape = 27;
inline constexpr int kVkSpace = 32;

// The virtual-key code of a key press, or 0 for keys the game has no code for.
int VirtualKeyCode(const QKeyEvent& event);
