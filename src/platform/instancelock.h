#pragma once
// One running copy per program: an exclusive flock held while the process lives.
#include <QString>

class InstanceLock {
public:
    explicit InstanceLock(const QString &programName);
    ~InstanceLock();
    // False when another process holds the lock.
    bool acquire();
    void release();
    QString path() const { return m_path; }
private:
    QString m_path;
    int m_fd = -1;
};
