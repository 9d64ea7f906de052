#include "config/PackBitmap.h"

#include "config/PictureFile.h"

#include <QtEndian>
#include <cstring>
#include <sys/mman.h>

namespace basIniProc {
namespace {

std::uint32_t Little32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

struct Mapping {
    void* pixels;
    std::size_t bytes;
};

void Unmap(void* mapping) {
    const auto* picture = static_cast<Mapping*>(mapping);
    ::munmap(picture->pixels, picture->bytes);
    delete picture;
}

// Fresh pages taken one fault at a time cost more than the copy into them; a
// mapping the kernel fills in one call halves the time of the whole pack.
QImage NewPicture(int width, int height) {
    const auto bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    void* pixels = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (pixels == MAP_FAILED) {
        return QImage(width, height, QImage::Format_ARGB32);
    }
    return QImage(static_cast<uchar*>(pixels), width, height, width * 4, QImage::Format_ARGB32,
                  Unmap, new Mapping{pixels, bytes});
}

} // namespace

QImage DecodePackBitmap(const QByteArray& bytes) {
    constexpr qsizetype kInfoAt = 14;
    constexpr qsizetype kMasksAt = kInfoAt + 40;
    constexpr std::uint32_t kWithAlphaMask = 56;
    constexpr std::uint32_t kBitFields = 3;
    if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN || bytes.size() < kMasksAt + 16 ||
        !bytes.startsWith("BM") || Little32(bytes, kInfoAt) < kWithAlphaMask ||
        qFromLittleEndian<std::uint16_t>(bytes.constData() + kInfoAt + 14) != 32 ||
        Little32(bytes, kInfoAt + 16) != kBitFields || Little32(bytes, kMasksAt) != 0x00FF0000 ||
        Little32(bytes, kMasksAt + 4) != 0x0000FF00 ||
        Little32(bytes, kMasksAt + 8) != 0x000000FF ||
        Little32(bytes, kMasksAt + 12) != 0xFF000000) {
        return {};
    }
    const auto width = static_cast<std::int32_t>(Little32(bytes, kInfoAt + 4));
    const auto storedHeight = static_cast<std::int32_t>(Little32(bytes, kInfoAt + 8));
    const bool bottomUp = storedHeight > 0;
    const qint64 height = bottomUp ? qint64{storedHeight} : -qint64{storedHeight};
    const qint64 pixelsAt = Little32(bytes, 10);
    if (width < 1 || width > kLargestCard.width() || height < 1 || height > kLargestCard.height() ||
        pixelsAt + width * height * 4 > bytes.size()) {
        return {};
    }
    QImage image = NewPicture(width, static_cast<int>(height));
    const qsizetype rowBytes = qsizetype{width} * 4;
    for (int y = 0; y < image.height(); ++y) {
        const qsizetype row = bottomUp ? image.height() - 1 - y : y;
        std::memcpy(image.scanLine(y), bytes.constData() + pixelsAt + row * rowBytes,
                    static_cast<std::size_t>(rowBytes));
    }
    return image;
}

} // namespace basIniProc
