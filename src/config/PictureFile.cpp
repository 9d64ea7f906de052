#include "config/PictureFile.h"

#include "config/PackBitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace basIniProc {
namespace {

// The whole file, from its start.
QByteArray ReadAll(int fd, qint64 size) {
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::pread(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done), done);
        if (got <= 0) {
            break;
        }
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}

// What the reader may allocate for one picture, whatever its header claims: the
// pixels of the largest picture taken, in the widest format (eight bytes each).
void LimitReaderMemory() {
    constexpr qint64 kMegabyte = 1024 * 1024;
    [[maybe_unused]] static const bool limited = [] {
        QImageReader::setAllocationLimit(static_cast<int>(kMaxPicturePixels * 8 / kMegabyte));
        return true;
    }();
}

// A bitmap stored top down gives its height negative, and the reader reports it
// so: the size is judged by its magnitude.
QSize StoredSize(const QImageReader& reader) {
    const QSize size = reader.size();
    return size == QSize() ? size : QSize(std::abs(size.width()), std::abs(size.height()));
}

QImage ReadAnyPicture(int fd, qint64 size) {
    LimitReaderMemory();
    QByteArray bytes = ReadAll(fd, size);
    QBuffer buffer(&bytes); // the reader opens it
    QImageReader reader(&buffer);
    const QSize pictureSize = StoredSize(reader);
    if (qint64{pictureSize.width()} * pictureSize.height() > kMaxPicturePixels) {
        return {};
    }
    if (pictureSize.width() > kLargestCard.width() ||
        pictureSize.height() > kLargestCard.height()) {
        reader.setScaledSize(pictureSize.scaled(kLargestCard, Qt::KeepAspectRatio));
    }
    return reader.read();
}

} // namespace

// Opened without blocking and checked on the open file, so a pipe or a device
// (or a file swapped for one after a check) can neither hang nor flood the start.
QImage ReadPictureFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    QImage picture;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kMaxPictureBytes) {
        picture = ReadPackBitmap(fd);
        if (picture.isNull()) {
            picture = ReadAnyPicture(fd, info.st_size);
        }
    }
    ::close(fd);
    return picture;
}

} // namespace basIniProc
