#pragma once
// Giving a finished file its name without ever replacing another file of
// that name, which a plain rename (and QFile::rename's copying fallback) does
// when someone takes the name between the check and the rename.
#include <QString>

namespace noreplace {

// Renames from onto to only while no entry at all (file, folder, link, a
// dangling one included) is named to. Returns 0, or the errno of the failure:
// EEXIST when the name is taken; then from is still where it was.
int rename(const QString &from, const QString &to);

} // namespace noreplace
