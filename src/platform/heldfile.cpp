#include "platform/heldfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The descriptor still names the file at path (a cleaner may have removed it
// between the open and the lock).
bool sameFile(int fd, const QByteArray &path)
{
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && open.st_nlink > 0 && ::lstat(path.constData(), &named) == 0
           && open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// A new random name "<prefix><hex><suffix>" in dir.
QString candidateIn(const QDir &dir, const QString &prefix, const QString &suffix)
{
    return dir.absoluteFilePath(prefix + QString::number(QRandomGenerator::system()->generate64(), 16) + suffix);
}

} // namespace

namespace heldfile {

Held::Held(Held &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path)), m_error(other.m_error)
{
}

Held &Held::operator=(Held &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
        m_error = other.m_error;
    }
    return *this;
}

void Held::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool Held::names(const QString &path) const
{
    return m_fd >= 0 && sameFile(m_fd, QFile::encodeName(path));
}

Held Held::failed(int errnum)
{
    Held h;
    h.m_error = errnum;
    return h;
}

Held create(const QString &folder, const QString &prefix, const QString &suffix)
{
    const QDir dir(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = candidateIn(dir, prefix, suffix);
        const QByteArray native = QFile::encodeName(candidate);
        const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST || errno == EINTR)
                continue;
            return Held::failed(errno);
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !sameFile(fd, native)) {
            ::close(fd);
            continue;
        }
        Held h;
        h.m_fd = fd;
        h.m_path = candidate;
        return h;
    }
    return Held::failed(EEXIST);
}

Held createLink(const QString &existing, const QString &folder, const QString &prefix, const QString &suffix)
{
    const QDir dir(folder);
    const QByteArray from = QFile::encodeName(existing);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = candidateIn(dir, prefix, suffix);
        const QByteArray native = QFile::encodeName(candidate);
        if (::link(from.constData(), native.constData()) != 0) {
            if (errno == EEXIST || errno == EINTR)
                continue;
            return Held::failed(errno);
        }
        // Until it is held, a cleaner may take the new name for an orphan
        // and remove it: then try again.
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int e = errno;
            ::close(fd);
            if (e == EWOULDBLOCK) {
                // The file itself is held (by its writer, or by a cleaner just now).
                ::unlink(native.constData());
                return Held::failed(EWOULDBLOCK);
            }
            continue;
        }
        if (!sameFile(fd, native)) {
            ::close(fd);
            continue;
        }
        Held h;
        h.m_fd = fd;
        h.m_path = candidate;
        return h;
    }
    return Held::failed(EEXIST);
}

int removeOrphans(const QString &folder, const QString &prefix, const QString &suffix)
{
    int removed = 0;
    // The names read straight from the folder: a name filter would compile
    // a regular expression, costlier than the whole listing.
    const QByteArray base = QFile::encodeName(QDir(folder).absolutePath()) + '/';
    const QByteArray pre = QFile::encodeName(prefix), suf = QFile::encodeName(suffix);
    QList<QByteArray> names;
    if (DIR *d = ::opendir(base.constData())) {
        while (const dirent *e = ::readdir(d)) {
            if (e->d_type != DT_REG && e->d_type != DT_UNKNOWN)
                continue;
            const QByteArray name(e->d_name);
            if (name.size() >= pre.size() + suf.size() && name.startsWith(pre) && name.endsWith(suf))
                names << name;
        }
        ::closedir(d);
    }
    for (const QByteArray &name : names) {
        const QByteArray native = base + name;
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, native) && ::unlink(native.constData()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

} // namespace heldfile
