#pragma once
// A throw-away host folder for the whole-process benchmarks, made as the host
// stand-in makes it on its first start with its sample (settings file,
// folders, database with its reference rows, sample taxpayers and the sample
// declaration, whose receipt the benchmarks print).
#include <QString>
#include <QTemporaryDir>

namespace banco {

class CarpetaHost {
public:
    // Sets $QX_WINDIR (and $XDG_RUNTIME_DIR, for the programs' instance locks)
    // to folders of its own; the programs started later inherit them.
    CarpetaHost();
    bool valida() const { return m_ok; }
    QString error() const { return m_error; }

    QString windir;     // holds QX000.INI, ends with "/"
    QString sysPath;    // SysPath, ends with "/"
    QString base;       // DBPath & DBName
    QString usuario;    // SysUser
    QString original;   // the database as made, copied over `base` before each run

    // The receipt program's command line for the declaration it holds.
    static QString lineaConstancia();
    // Brings the database back as it was made: RPT/ and TMP/ emptied, no Trace.txt.
    bool restaurar() const;

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_error;
};

} // namespace banco
