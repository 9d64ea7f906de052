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

void LoadCardPictures();

} // namespace basIniProc
