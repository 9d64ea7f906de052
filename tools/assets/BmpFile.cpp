#include "BmpFile.h"

#include <QFile>
#include <QtEndian>

namespace assets {
namespace {

constexpr quint32 kFileHeaderSize = 14;
constexpr quint32 kInfoHeaderSize = 108;
constexpr quint32 kBitFields = 3;
constexpr quint32 kPixelsPerMetre = 2835; // 72 dots per inch
constexpr quint32 kSrgb = 0x73524742;     // 'sRGB'

class LittleEndianBytes {
  public:
    void U16(quint16 value) { Append(value); }
    void U32(quint32 value) { Append(value); }
    void Zeros(int count) { bytes_.append(count, '\0'); }
    QByteArray& Bytes() { return bytes_; }

  private:
    template <typename T> void Append(T value) {
        const T little = qToLittleEndian(value);
        bytes_.append(reinterpret_cast<const char*>(&little), sizeof little);
    }
    QByteArray bytes_;
};

} // namespace

bool SaveBmpWithAlpha(const QImage& image, const QString& path) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const auto width = static_cast<quint32>(argb.width());
    const auto height = static_cast<quint32>(argb.height());
    const quint32 pixelBytes = width * height * 4;
    LittleEndianBytes out;
    out.U16(0x4D42); // "BM"
    out.U32(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
    out.U32(0);
    out.U32(kFileHeaderSize + kInfoHeaderSize);
    out.U32(kInfoHeaderSize);
    out.U32(width);
    out.U32(height); // positive: rows run bottom up
    out.U16(1);
    out.U16(32);
    out.U32(kBitFields);
    out.U32(pixelBytes);
    out.U32(kPixelsPerMetre);
    out.U32(kPixelsPerMetre);
    out.U32(0);
    out.U32(0);
    for (const quint32 mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) {
        out.U32(mask);
    }
    out.U32(kSrgb);
    out.Zeros(36 + 12); // colour end points and gammas, unused for sRGB
    for (int y = argb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (quint32 x = 0; x < width; ++x) {
            out.U32(row[x]);
        }
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out.Bytes()) == out.Bytes().size();
}

} // namespace assets
