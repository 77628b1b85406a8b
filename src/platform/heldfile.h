#pragma once
// Files that a running process holds: created under a random name with an
// exclusive flock that the kernel releases when the process dies, so that a
// later run can tell the files a killed run left behind from those still in use.
#include <QString>

namespace heldfile {

// A held file: its open descriptor, closed (and so released) with the
// object, and the name it was held under. An object that failed to hold a
// file holds nothing and keeps the failure's errno.
class Held {
public:
    Held() = default;
    ~Held() { close(); }
    Held(Held &&other) noexcept;
    Held &operator=(Held &&other) noexcept;
    Held(const Held &) = delete;
    Held &operator=(const Held &) = delete;

    bool isHeld() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    QString path() const { return m_path; }
    int error() const { return m_error; }

    // True while path names the very file this holds open (not one put in
    // its place since).
    bool names(const QString &path) const;
    // Releases the file now (it stays where it is).
    void close();

private:
    friend Held create(const QString &, const QString &, const QString &);
    friend Held createLink(const QString &, const QString &, const QString &, const QString &);
    static Held failed(int errnum);
    int m_fd = -1;
    QString m_path;
    int m_error = 0;
};

// Creates "<prefix><random><suffix>" in folder (mode 0666 less the umask) and
// holds it.
Held create(const QString &folder, const QString &prefix, const QString &suffix);

// Gives the existing file a second name "<prefix><random><suffix>" in folder
// (a hard link: nothing is copied; folder must be on the file's file system)
// and holds it as create() does. Fails with EWOULDBLOCK when another process
// holds the file; then no name was added.
Held createLink(const QString &existing, const QString &folder, const QString &prefix, const QString &suffix);

// Removes the files "<prefix>*<suffix>" of folder that no process holds, each
// while holding it, so that nobody takes it up in between. Returns how many.
int removeOrphans(const QString &folder, const QString &prefix, const QString &suffix);

} // namespace heldfile
