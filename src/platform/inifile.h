#pragma once
// The settings file, read and written as the legacy profile functions do.
#include <QByteArray>
#include <QString>

namespace ini {

// The folder standing in for the Windows folder: $QX_WINDIR when set,
// else ~/.config/velantis/ (always with a trailing "/").
QString windowsFolder();

// Full path of a settings file named without folder: looked up in
// windowsFolder() with its name matched case-insensitively; when none exists,
// the path it would be created under (the name as given).
QString resolve(const QString &fileName);

// Section and key case-insensitive, first match wins, blanks around the value
// removed, one pair of enclosing quotes removed, ';' lines are comments; a
// missing file, section or key gives defaultValue.
QString GetPrivateProfileString(const QString &section, const QString &key,
                                const QString &defaultValue, const QString &fileName);

// The settings file read once, for a program that reads several keys: each
// value as GetPrivateProfileString gives it, from one reading of the file.
class ProfileFile {
public:
    explicit ProfileFile(const QString &fileName);
    QString value(const QString &section, const QString &key, const QString &defaultValue) const;
    QString path() const { return m_path; }   // as resolve() found it
private:
    QString m_path;
    QByteArray m_data;
    bool m_read = false;   // false when the file could not be read
};

// The key's line replaced in place or added at the end of its section (section
// and file created when missing); every other byte of the file stays as it was;
// the file is replaced whole, every byte on disk first (wholefile.h). False
// when the file could not be read or written, with the system's error in
// *errnum; then the file is as it was.
bool WritePrivateProfileString(const QString &section, const QString &key,
                               const QString &value, const QString &fileName, int *errnum = nullptr);

} // namespace ini
