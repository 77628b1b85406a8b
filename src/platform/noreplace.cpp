#include "platform/noreplace.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace noreplace {

const FileSystem &realFileSystem()
{
    static const FileSystem fs{
        [](const char *from, const char *to) {
            return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
        },
        [](const char *from, const char *to) { return ::link(from, to); },
    };
    return fs;
}

int rename(const QString &from, const QString &to, const FileSystem &fs)
{
    const QByteArray f = QFile::encodeName(from);
    const QByteArray t = QFile::encodeName(to);
    if (fs.renameNoReplace(f.constData(), t.constData()) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // A file system without the flag: a hard link takes a name only when it is free.
    if (fs.link(f.constData(), t.constData()) == 0) {
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
