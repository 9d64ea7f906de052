#pragma once

#include <QImage>
#include <QString>

namespace assets {

// A 32-bit BMP that keeps the alpha channel (a version 4 header with an alpha
// mask), so the rounded corners show the table through them. Qt's own BMP
// writer drops alpha.
bool SaveBmpWithAlpha(const QImage& image, const QString& path);

} // namespace assets
