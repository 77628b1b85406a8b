#include <QtTest>

#include <QCoreApplication>
#include <QProcess>

#include "platform/instancelock.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

// The test binary doubles as the second process:
//   --try NAME   exits 0 when it gets the lock, 1 when it does not;
//   --hold NAME  takes the lock, says "held" and keeps it until killed.
static int childMain(const char *mode, const char *name)
{
    InstanceLock lock(QString::fromLocal8Bit(name));
    if (std::strcmp(mode, "--try") == 0)
        return lock.acquire() ? 0 : 1;
    if (!lock.acquire())
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    for (;;)
        ::pause();
}

class TstInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pathInRuntimeDir();
    void pathInTmpWithoutRuntimeDir();
    void secondProcessRefused();
    void sameProcessSecondLockRefused();
    void releasedWhenHolderDies();
private:
    int tryInChild(const QString &name);
    QString m_name;
    QTemporaryDir m_runtime;
};

void TstInstanceLock::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    m_name = QStringLiteral("qxtest-%1").arg(QCoreApplication::applicationPid());
}

int TstInstanceLock::tryInChild(const QString &name)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {"--try", name});
    if (!p.waitForFinished(10000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void TstInstanceLock::pathInRuntimeDir()
{
    InstanceLock lock("Qx381");
    QCOMPARE(lock.path(), QDir(m_runtime.path()).filePath("Qx381.lock"));
}

void TstInstanceLock::pathInTmpWithoutRuntimeDir()
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    InstanceLock lock("0951REP");
    qputenv("XDG_RUNTIME_DIR", saved);
    QCOMPARE(lock.path(), QStringLiteral("/tmp/0951REP-%1.lock").arg(::getuid()));
}

void TstInstanceLock::secondProcessRefused()
{
    InstanceLock lock(m_name);
    QCOMPARE(tryInChild(m_name), 0);      // free: the child gets it and ends
    QVERIFY(lock.acquire());
    QVERIFY(lock.acquire());              // already ours
    QCOMPARE(tryInChild(m_name), 1);
    lock.release();
    QCOMPARE(tryInChild(m_name), 0);
}

void TstInstanceLock::sameProcessSecondLockRefused()
{
    InstanceLock first(m_name);
    InstanceLock second(m_name);
    QVERIFY(first.acquire());
    QVERIFY(!second.acquire());
    first.release();
    QVERIFY(second.acquire());
}

void TstInstanceLock::releasedWhenHolderDies()
{
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {"--hold", m_name});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

    InstanceLock lock(m_name);
    QVERIFY(!lock.acquire());
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    QVERIFY(lock.acquire());
}

int main(int argc, char **argv)
{
    if (argc == 3 && (std::strcmp(argv[1], "--try") == 0 || std::strcmp(argv[1], "--hold") == 0))
        return childMain(argv[1], argv[2]);
    QCoreApplication app(argc, argv);
    TstInstanceLock t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_instancelock.moc"
