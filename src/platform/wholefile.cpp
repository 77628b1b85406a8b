#include "platform/wholefile.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace wholefile {
namespace {

// The cause of a failed open or commit: errno when the failing call left one,
// else what Qt says in its terms.
int cause(const QFileDevice &f)
{
    if (errno != 0)
        return errno;
    switch (f.error()) {
    case QFileDevice::PermissionsError:
        return EACCES;
    case QFileDevice::ResourceError:
        return ENOSPC;
    default:
        return EIO;
    }
}

} // namespace

int replace(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly))
        return cause(f);
    // Written through the descriptor, past QSaveFile's buffer: a write that
    // fails is seen here, with its cause, before anything is renamed.
    const int fd = f.handle();
    if (fd < 0) {
        f.cancelWriting();
        return EIO;
    }
    const char *p = bytes.constData();
    qint64 rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, size_t(rest));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            f.cancelWriting();   // the temporary file goes with f
            return e;
        }
        p += n;
        rest -= n;
    }
    if (::fsync(fd) != 0) {
        const int e = errno;
        f.cancelWriting();
        return e;
    }
    errno = 0;
    if (!f.commit())
        return cause(f);
    return 0;
}

} // namespace wholefile
