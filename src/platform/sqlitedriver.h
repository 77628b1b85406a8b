#pragma once
// The database driver: SQLite through its own library, linked into the
// programs, under Qt's QSqlDatabase/QSqlQuery.
//
// Qt's own SQLite driver is a plugin: finding and loading it cost the receipt
// program a quarter of its run. This one is linked in and answers as that
// plugin does (the values' types, the records, the error codes, the
// connection options "QSQLITE_OPEN_URI", "QSQLITE_OPEN_READONLY" and
// "QSQLITE_BUSY_TIMEOUT=<ms>", 5000 ms when not given), so that the code
// above it cannot tell them apart.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>
#include <QString>

namespace sqlite {

// A new connection of that name on this driver (QSqlDatabase::addDatabase).
QSqlDatabase addConnection(const QString &connectionName);

// Runs the prepared query with these values for its placeholders, in order,
// as bindValue(0..) and exec() would. On this driver the values go straight
// to SQLite: Qt's bindValue names every position anew, which cost a quarter
// of a declaration's save.
bool execWith(QSqlQuery &query, const QVariantList &values);

} // namespace sqlite
