#include "config/PackBitmap.h"

#include "config/PictureFile.h"

#include <QtEndian>
#include <array>
#include <atomic>
#include <climits>
#include <cstdint>
#include <sys/mman.h>
#include <sys/uio.h>
#include <vector>

namespace basIniProc {
namespace {

// The pack's pixels are kept for the whole game, so they go into one reservation
// that the kernel may back with huge pages: a fresh 4 KiB page costs a trap and a
// table walk of its own, and for the 18 MB of the pack that doubled the work of
// reading it. Pictures loaded once the reservation is spent get memory as usual.
class PixelArena {
  public:
    PixelArena() {
        void* reserved = ::mmap(nullptr, kReserve + kHugePage, PROT_READ | PROT_WRITE,
                                MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (reserved == MAP_FAILED) {
            return;
        }
        const auto at = reinterpret_cast<std::uintptr_t>(reserved);
        base_ = reinterpret_cast<uchar*>((at + kHugePage - 1) & ~(kHugePage - 1));
        ::madvise(base_, kReserve, MADV_HUGEPAGE);
    }

    // Null once the reservation is spent.
    uchar* Take(std::size_t bytes) {
        const std::size_t rounded = (bytes + kAlign - 1) & ~(kAlign - 1);
        const std::size_t at = used_.fetch_add(rounded);
        return base_ != nullptr && at + rounded <= kReserve ? base_ + at : nullptr;
    }

  private:
    static constexpr std::size_t kHugePage = 2 * 1024 * 1024;
    // The default pack is 9 huge pages; room for a pack twice its size in pixels.
    static constexpr std::size_t kReserve = 24 * kHugePage;
    static constexpr std::size_t kAlign = 64;
    uchar* base_ = nullptr;
    std::atomic<std::size_t> used_{0};
};

QImage NewPicture(int width, int height) {
    static PixelArena arena;
    const auto bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    if (uchar* pixels = arena.Take(bytes)) {
        return QImage(pixels, width, height, width * 4, QImage::Format_ARGB32);
    }
    return QImage(width, height, QImage::Format_ARGB32);
}

constexpr qint64 kInfoAt = 14;
constexpr qint64 kMasksAt = kInfoAt + 40;
constexpr qint64 kHeaderBytes = kMasksAt + 16;

std::uint32_t Little32(const std::array<uchar, kHeaderBytes>& header, qint64 at) {
    return qFromLittleEndian<std::uint32_t>(header.data() + at);
}

bool IsPackLayout(const std::array<uchar, kHeaderBytes>& header) {
    constexpr std::uint32_t kVersion4Header = 108;
    constexpr std::uint32_t kBitFields = 3;
    return Q_BYTE_ORDER == Q_LITTLE_ENDIAN && header[0] == 'B' && header[1] == 'M' &&
           Little32(header, kInfoAt) >= kVersion4Header &&
           qFromLittleEndian<std::uint16_t>(header.data() + kInfoAt + 14) == 32 &&
           Little32(header, kInfoAt + 16) == kBitFields &&
           Little32(header, kMasksAt) == 0x00FF0000 &&
           Little32(header, kMasksAt + 4) == 0x0000FF00 &&
           Little32(header, kMasksAt + 8) == 0x000000FF &&
           Little32(header, kMasksAt + 12) == 0xFF000000;
}

// The file's rows, bottom up or top down, land each on its own row of the
// picture in one pass of the kernel's copy.
bool ReadRows(int fd, qint64 at, QImage& image, bool bottomUp) {
    static_assert(kLargestCard.height() <= IOV_MAX, "one call reads every row");
    const auto rowBytes = static_cast<std::size_t>(image.bytesPerLine());
    std::vector<iovec> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const int row = bottomUp ? image.height() - 1 - y : y;
        rows[static_cast<std::size_t>(y)] = {image.scanLine(row), rowBytes};
    }
    const auto wanted = static_cast<ssize_t>(rows.size() * rowBytes);
    return ::preadv(fd, rows.data(), static_cast<int>(rows.size()), at) == wanted;
}

} // namespace

QImage ReadPackBitmap(int fd) {
    std::array<uchar, kHeaderBytes> header{};
    if (::pread(fd, header.data(), header.size(), 0) != kHeaderBytes || !IsPackLayout(header)) {
        return {};
    }
    const auto width = static_cast<std::int32_t>(Little32(header, kInfoAt + 4));
    const auto storedHeight = static_cast<std::int32_t>(Little32(header, kInfoAt + 8));
    const bool bottomUp = storedHeight > 0;
    const qint64 height = bottomUp ? qint64{storedHeight} : -qint64{storedHeight};
    const qint64 pixelsAt = Little32(header, 10);
    if (width < 1 || width > kLargestCard.width() || height < 1 || height > kLargestCard.height()) {
        return {};
    }
    QImage image = NewPicture(width, static_cast<int>(height));
    return ReadRows(fd, pixelsAt, image, bottomUp) ? image : QImage();
}

} // namespace basIniProc
