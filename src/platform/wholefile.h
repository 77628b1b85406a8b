#pragma once
// Files replaced whole or not at all (the settings file, Mens.txt, ...).
#include <QByteArray>
#include <QString>

namespace wholefile {

// Replaces the file at path with bytes: composed under a temporary name beside
// it, every byte written and synced to disk, then renamed over it (the old
// file's permissions kept). Returns 0, or the system's error number (errno)
// of the step that failed; then the old file, or its absence, is as it was.
// QSaveFile alone is not enough: its commit() renames a file whose buffered
// write failed on a full disk, and passes over a failed sync.
int replace(const QString &path, const QByteArray &bytes);

} // namespace wholefile
