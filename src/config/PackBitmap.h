#pragma once

#include <QImage>

namespace basIniProc {

// The generated pack's layout (a version 4 or later header, 32 bits with an
// alpha mask, uncompressed) is read
// straight from the file into the picture's rows, where the general reader takes
// a pixel at a time and kept the start waiting on it. Any other layout, or a file
// that does not add up, gives a null image and is left to the general reader.
// The file is an open ordinary file; its offset is not used.
QImage ReadPackBitmap(int fd);

} // namespace basIniProc
