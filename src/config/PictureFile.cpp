#include "config/PictureFile.h"

#include "config/PackBitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace basIniProc {
namespace {

// Opened without blocking and checked on the open file, so a pipe or a device
// (or a file swapped for one after a check) can neither hang nor flood the start.
QByteArray ReadOrdinaryFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    QByteArray bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kMaxPictureBytes) {
        bytes.resize(static_cast<qsizetype>(info.st_size));
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t got =
                ::read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
            if (got <= 0) {
                break;
            }
            done += got;
        }
        bytes.truncate(done);
    }
    ::close(fd);
    return bytes;
}

} // namespace

QImage ReadPictureFile(const std::string& path) {
    QByteArray bytes = ReadOrdinaryFile(path);
    if (QImage packed = DecodePackBitmap(bytes); !packed.isNull()) {
        return packed;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && qint64{size.width()} * size.height() > kMaxPicturePixels) {
        return {};
    }
    if (size.width() > kLargestCard.width() || size.height() > kLargestCard.height()) {
        reader.setScaledSize(size.scaled(kLargestCard, Qt::KeepAspectRatio));
    }
    return reader.read();
}

} // namespace basIniProc
