#pragma once
// Giving a finished file its name without ever replacing another file of
// that name, which a plain rename (and QFile::rename's copying fallback) does
// when someone takes the name between the check and the rename.
#include <QString>

namespace noreplace {

// What rename() asks of the file system, each call as the system's (0, or -1
// with errno set). Tests stand in for a file system that refuses the
// no-replace rename, or hard links too.
struct FileSystem {
    int (*renameNoReplace)(const char *from, const char *to);
    int (*link)(const char *from, const char *to);
};
// The system's own calls.
const FileSystem &realFileSystem();

// Renames from onto to only while no entry at all (file, folder, link, a
// dangling one included) is named to. Returns 0, or the errno of the failure:
// EEXIST when the name is taken; then from is still where it was.
// Where the file system has no no-replace rename, a hard link takes the name
// (then from goes); where it has no hard links either, an empty file of our
// own reserves the name and the rename replaces only that.
int rename(const QString &from, const QString &to, const FileSystem &fs = realFileSystem());

} // namespace noreplace
