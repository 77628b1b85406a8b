#pragma once
// Text files for the host: Windows-1252 with CR LF line ends.
#include <QString>
#include <QStringList>

namespace textfile {

QByteArray toCp1252(const QString &text);     // characters outside cp1252 become '?'
QString fromCp1252(const QByteArray &bytes);

// Writes every line followed by CR LF, the whole file at once (QSaveFile).
// On failure returns false and sets *error to a Spanish description.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);
// Writes the text as it stands (no line ends added), atomically.
bool writeText(const QString &path, const QString &text, QString *error = nullptr);
// Appends one line with CR LF (creating the file when missing).
bool appendLine(const QString &path, const QString &line, QString *error = nullptr);
// Reads the lines (CR LF or LF), without their line ends; false when unreadable.
bool readLines(const QString &path, QStringList *lines, QString *error = nullptr);

} // namespace textfile
