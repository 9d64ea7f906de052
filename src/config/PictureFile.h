#pragma once

#include <QImage>
#include <string>

// One card picture from its file, safe against whatever the player names: only an
// ordinary file of at most kMaxPictureBytes is read, a picture of more than
// kMaxPicturePixels is refused, and one larger than the largest card is scaled
// down as it is decoded. Anything else is a null image, as for a missing file.
namespace basIniProc {

inline constexpr qint64 kMaxPictureBytes = 64LL * 1024 * 1024;
inline constexpr qint64 kMaxPicturePixels = 2048LL * 2048;
inline constexpr QSize kLargestCard(768, 1024);

// The path is taken as the bytes the profile holds, never re-encoded, so a name
// that is not UTF-8 opens the file it names. Safe to call from any thread.
QImage ReadPictureFile(const std::string& path);

} // namespace basIniProc
