#include "platform/noreplace.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace noreplace {

int rename(const QString &from, const QString &to)
{
    const QByteArray f = QFile::encodeName(from);
    const QByteArray t = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // A file system without the flag: a hard link takes a name only when it is free.
    if (::link(f.constData(), t.constData()) == 0) {
        ::unlink(f.constData());   // should this fail, the file has both names; the new one counts
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    // Nor hard links: take the name with an empty file of our own, then
    // rename over it (only that reservation is ever replaced).
    const int fd = ::open(t.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (::rename(f.constData(), t.constData()) == 0)
        return 0;
    const int error = errno;
    ::unlink(t.constData());
    return error;
}

} // namespace noreplace
