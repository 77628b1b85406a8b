#include "testdb.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <chrono>

namespace testdb {

QStringList sentenciasEsquema()
{
    QFile f(QStringLiteral(QX_SCHEMA_FILE));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            text += line + QLatin1Char('\n');
    }
    QStringList out;
    for (const QString &s : text.split(QLatin1Char(';'))) {
        if (!s.trimmed().isEmpty())
            out << s.trimmed();
    }
    return out;
}

bool crearBase(const QString &path, QString *error)
{
    static int counter = 0;
    const QString name = QStringLiteral("qxtest-create-%1").arg(++counter);
    bool ok = true;
    {
        QSqlDatabase h = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        h.setDatabaseName(path);
        if (!h.open()) {
            ok = false;
            if (error)
                *error = h.lastError().text();
        }
        const QStringList stmts = sentenciasEsquema();
        if (ok && stmts.isEmpty()) {
            ok = false;
            if (error)
                *error = QStringLiteral("schema not readable: ") + QStringLiteral(QX_SCHEMA_FILE);
        }
        // One transaction: a commit (and its syncs) per statement made every
        // test's fresh database cost most of a second on a busy disk.
        if (ok && !QSqlQuery(h).exec(QStringLiteral("BEGIN"))) {
            ok = false;
            if (error)
                *error = h.lastError().text();
        }
        for (const QString &s : stmts) {
            if (!ok)
                break;
            QSqlQuery q(h);
            if (!q.exec(s)) {
                ok = false;
                if (error)
                    *error = q.lastError().text() + QStringLiteral(" in: ") + s;
            }
        }
        if (ok && !QSqlQuery(h).exec(QStringLiteral("COMMIT"))) {
            ok = false;
            if (error)
                *error = h.lastError().text();
        }
        h.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QStringList sentenciasDe(Database &db, const std::function<void()> &llamada)
{
    QStringList l;
    db.setFaultHook([&l](const QString &sql) { l << sql; });
    llamada();
    db.setFaultHook({});
    return l;
}

QStringList plan(Database &db, const QString &sql)
{
    const QVariantList nulos(sql.count(QLatin1Char('?')), QVariant());
    QStringList pasos;
    for (const QSqlRecord &r : db.select(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, nulos))
        pasos << r.value(QStringLiteral("detail")).toString();
    return pasos;
}

QStringList archivos(const QString &carpeta)
{
    QStringList l = QDir(carpeta).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    const QString sub = QStringLiteral(".qx-temporales");
    for (const QString &t : QDir(QDir(carpeta).filePath(sub)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        l << sub + QLatin1Char('/') + t;
    return l;
}

QString carpetaDeLargo(const QString &base, int largo)
{
    // Names of at most 200 characters, the last one filling up to largo.
    QString ruta = QDir(base).absolutePath();
    while (largo - ruta.size() > 201)
        ruta += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    const int resto = largo - ruta.size() - 2;
    if (resto < 1)
        return QString();
    ruta += QLatin1Char('/') + QString(resto, QLatin1Char('e')) + QLatin1Char('/');
    for (const char *sub : {"RPT", "TMP", "0951"}) {
        if (!QDir().mkpath(ruta + QLatin1String(sub)))
            return QString();
    }
    return ruta.size() == largo ? ruta : QString();
}

bool escribirIni(const QString &path, const QString &sysPath, const QString &dbPath,
                 const QString &dbName, const QString &sysUser)
{
    const QStringList lines = {
        QStringLiteral("[Options]"),
        QStringLiteral("SysPath=") + sysPath,
        QStringLiteral("SysVersion=1.0"),
        QStringLiteral("DBPath=") + dbPath,
        QStringLiteral("DBName=") + dbName,
        QStringLiteral("SysMenu=1"),
        QStringLiteral("SysUser=") + sysUser,
    };
    return textfile::writeLines(path, lines);
}

BloqueoExclusivo::BloqueoExclusivo(const QString &path)
{
    static int counter = 0;
    m_connection = QStringLiteral("qxtest-lock-%1").arg(++counter);
    QSqlDatabase h = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    h.setDatabaseName(path);
    m_ok = h.open();
    QSqlQuery q(h);
    m_ok = m_ok && q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"))
        && q.exec(QStringLiteral("BEGIN EXCLUSIVE"));
}

BloqueoExclusivo::~BloqueoExclusivo()
{
    {
        QSqlDatabase h = QSqlDatabase::database(m_connection, false);
        if (h.isOpen()) {
            QSqlQuery(h).exec(QStringLiteral("ROLLBACK"));
            h.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connection);
}

EscrituraAjena::EscrituraAjena(const QString &path, int ms)
{
    m_hilo = std::thread([this, path, ms] { correr(path, ms); });
    std::unique_lock<std::mutex> l(m_mutex);
    m_cambio.wait(l, [this] { return m_listo; });
}

EscrituraAjena::~EscrituraAjena()
{
    soltar();
    m_hilo.join();
}

void EscrituraAjena::soltar()
{
    {
        const std::lock_guard<std::mutex> l(m_mutex);
        m_soltar = true;
    }
    m_cambio.notify_all();
}

void EscrituraAjena::correr(const QString &path, int ms)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("qxtest-writer-%1").arg(++counter);
    {
        QSqlDatabase h = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        h.setDatabaseName(path);
        // Its commit waits for the readers of the program under test.
        h.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=20000"));
        const bool ok = h.open() && QSqlQuery(h).exec(QStringLiteral("BEGIN IMMEDIATE"));
        {
            const std::lock_guard<std::mutex> l(m_mutex);
            m_activa = ok;
            m_listo = true;
        }
        m_cambio.notify_all();
        if (ok) {
            std::unique_lock<std::mutex> l(m_mutex);
            const auto soltado = [this] { return m_soltar; };
            if (ms < 0)
                m_cambio.wait(l, soltado);
            else
                m_cambio.wait_for(l, std::chrono::milliseconds(ms), soltado);
            l.unlock();
            QSqlQuery(h).exec(QStringLiteral("COMMIT"));
        }
        h.close();
    }
    QSqlDatabase::removeDatabase(name);
}

Entorno::Entorno(bool withDatabase, const QString &u) : usuario(u)
{
    m_oldCwd = QDir::currentPath();
    m_hadWindir = qEnvironmentVariableIsSet("QX_WINDIR");
    m_oldWindir = qgetenv("QX_WINDIR");
    if (!m_dir.isValid())
        return;
    const QString root = m_dir.path();
    sysPath = root + QStringLiteral("/sistema/");
    windir = root + QStringLiteral("/windows/");
    dbPath = sysPath;
    dbName = QStringLiteral("QX000.MDB");
    rutaBase = dbPath + dbName;
    rutaIni = windir + QStringLiteral("QX000.INI");
    QDir d;
    m_ok = d.mkpath(sysPath + QStringLiteral("RPT")) && d.mkpath(sysPath + QStringLiteral("TMP"))
        && d.mkpath(sysPath + QStringLiteral("0951")) && d.mkpath(windir);
    qputenv("QX_WINDIR", windir.toLocal8Bit());
    if (m_ok && withDatabase)
        m_ok = crearBase(rutaBase);
    if (m_ok)
        m_ok = escribirIni(rutaIni, sysPath, dbPath, dbName, usuario);
}

Entorno::~Entorno()
{
    QDir::setCurrent(m_oldCwd);
    if (m_hadWindir)
        qputenv("QX_WINDIR", m_oldWindir);
    else
        qunsetenv("QX_WINDIR");
}

std::shared_ptr<Database> Entorno::abrir() const
{
    return Database::open(rutaBase);
}

} // namespace testdb
