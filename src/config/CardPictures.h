#pragma once

#include <QImage>
#include <array>

// The 54 card pictures, loaded once at start-up behind the wait window. A slot
// whose file is missing or unreadable stays a null image.
namespace basIniProc {

inline QImage picBack;
inline QImage picJoker;
inline std::array<QImage, 13> picClub;
inline std::array<QImage, 13> picDiamond;
inline std::array<QImage, 13> picHeart;
inline std::array<QImage, 13> picSpade;

// Reads the stored names (after InitIniFile) and starts decoding the pictures on
// worker threads, so that the start-up goes on meanwhile; LoadCardPictures then
// shows the wait window and collects them. Without a start it starts them itself.
void StartCardPictures();
void LoadCardPictures();

} // namespace basIniProc
