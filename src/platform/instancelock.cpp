#include "platform/instancelock.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::InstanceLock(const QString &programName)
{
    QString name = programName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QFileInfo(runtimeDir).isDir())
        m_path = QDir(runtimeDir).filePath(name + QStringLiteral(".lock"));
    else
        // /tmp is shared by every user: the user id keeps the locks apart.
        m_path = QStringLiteral("/tmp/%1-%2.lock").arg(name).arg(::getuid());
}

InstanceLock::~InstanceLock()
{
    release();
}

bool InstanceLock::acquire()
{
    if (m_fd >= 0)
        return true;
    const QByteArray p = QFile::encodeName(m_path);
    const int fd = ::open(p.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::release()
{
    if (m_fd < 0)
        return;
    // The file stays: removing it would let a third process lock a new file
    // while a second one still holds the old one.
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}
