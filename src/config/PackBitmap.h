#pragma once

#include <QByteArray>
#include <QImage>

namespace basIniProc {

// The generated pack's layout (32 bits, alpha mask, uncompressed) is a plain copy
// of rows into an ARGB32 image, where the general reader takes a pixel at a time
// and kept the start waiting on it. Any other layout, or a file that does not
// add up, gives a null image and is left to the general reader.
QImage DecodePackBitmap(const QByteArray& bytes);

} // namespace basIniProc
