#pragma once
// Files that a running process holds: created under a random name with an
// exclusive flock that the kernel releases when the process dies, so that a
// later run can tell the files a killed run left behind from those still in use.
#include <QString>

namespace heldfile {

// Creates "<prefix><random><suffix>" in folder (mode 0666 less the umask) and
// holds it. Returns the open descriptor (closing it releases the file) and
// the path in *path; -1 with the failure's errno in *errnum.
int create(const QString &folder, const QString &prefix, const QString &suffix, QString *path, int *errnum);

// Gives the existing file a second name "<prefix><random><suffix>" in folder
// (a hard link: nothing is copied; folder must be on the file's file system)
// and holds it as create() does. Returns the descriptor and the new name in
// *path; -1 with the failure's errno in *errnum (EWOULDBLOCK when another
// process holds the file; then no name was added).
int createLink(const QString &existing, const QString &folder, const QString &prefix, const QString &suffix,
               QString *path, int *errnum);

// Removes the files "<prefix>*<suffix>" of folder that no process holds, each
// while holding it, so that nobody takes it up in between. Returns how many.
int removeOrphans(const QString &folder, const QString &prefix, const QString &suffix);

// True while path names the very file that the descriptor has open (not one
// put in its place since).
bool names(int fd, const QString &path);

} // namespace heldfile
