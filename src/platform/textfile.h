#pragma once
// Text files for the host: Windows-1252 with CR LF line ends.
#include <QString>
#include <QStringList>

namespace textfile {

QByteArray toCp1252(const QString &text);     // characters outside cp1252 become '?'
QString fromCp1252(const QByteArray &bytes);

// Writes every line followed by CR LF, the whole file at once, every byte on
// disk before it takes the old file's place (wholefile.h). On failure the old
// file stays as it was; returns false and sets *error to a Spanish
// description that names the file and the cause, *errnum to the system's error.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr, int *errnum = nullptr);
// Writes the text as it stands (no line ends added), in the same way.
bool writeText(const QString &path, const QString &text, QString *error = nullptr, int *errnum = nullptr);
// Appends one line with CR LF (creating the file when missing).
bool appendLine(const QString &path, const QString &line, QString *error = nullptr);
// Reads the lines (CR LF or LF), without their line ends; false when unreadable.
bool readLines(const QString &path, QStringList *lines, QString *error = nullptr);

} // namespace textfile
