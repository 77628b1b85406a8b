#include "comunpersist.h"
#include "platform/utilitario.h"
#include "shell/core/modglobal.h"
#include <QFile>
#include <QSqlRecord>

namespace comunpersist {

QStringList filasDeclaracion(const Database &db, const QString &ruc)
{
    QStringList l;
    for (const char *tabla : {"CAB", "DET", "ACTA"}) {
        for (const QSqlRecord &r : db.select(QStringLiteral("SELECT * FROM ") + QLatin1String(tabla)
                                                 + QStringLiteral(" WHERE DOC_ID_D=? ORDER BY rowid"),
                                             {ruc})) {
            QStringList c{QLatin1String(tabla)};
            for (int i = 0; i < r.count(); ++i)
                c << r.value(i).toString();
            l << c.join(QLatin1Char('|'));
        }
    }
    return l;
}

QList<QPair<QString, QString>> leerFixture(const QString &nombre)
{
    QList<QPair<QString, QString>> l;
    QFile f(QStringLiteral(QX_FIXTURES "/persist/") + nombre);
    if (!f.open(QIODevice::ReadOnly))
        return l;
    for (const QString &linea : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (linea.trimmed().isEmpty() || linea.startsWith(QLatin1Char('#')))
            continue;
        l.append({linea.section(QLatin1Char(' '), 0, 0), linea.section(QLatin1Char(' '), 1)});
    }
    return l;
}

bool iniciar(std::unique_ptr<testdb::Entorno> &env, std::shared_ptr<Database> &db)
{
    env = std::make_unique<testdb::Entorno>();
    if (!env->valido())
        return false;
    db = env->abrir();
    gdbBase = db;
    gsPeriodo = QStringLiteral("1998");
    gsFormulario = QStringLiteral("0951");
    return true;
}

void terminar(std::unique_ptr<testdb::Entorno> &env, std::shared_ptr<Database> &db)
{
    gdbBase.reset();
    db.reset();
    env.reset();
}

bool iniciarVentana(std::unique_ptr<testdb::Entorno> &env, cUtilitario &util, const QString &ruc,
                    const QString &nombre)
{
    std::shared_ptr<Database> base;
    if (!iniciar(env, base))
        return false;
    goUtilitario = &util;
    gsSysPath = env->sysPath;
    gsUsuario = QStringLiteral("USUARIO1");
    gsTasa.clear();
    Database &db = *base;
    db.exec("INSERT INTO CLAVES (Usuario, Tipo) VALUES (?, ?)", {"USUARIO1", "1"});
    db.exec("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre, Tipo_Ingreso) VALUES (6, ?, ?, ?, 1)",
            {ruc, "USUARIO1", nombre});
    db.exec("INSERT INTO ERROR (CodError, DescError) VALUES ('0151', 'Grabada')");
    db.exec("INSERT INTO ERROR (CodError, DescError) VALUES ('0152', 'Grabada con inconsistencias')");
    db.exec("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES ('004', '02', 'BANCO DOS')");
    // The RUC as PARAM '044' describes it: eleven characters.
    QString funcion = QString(130, ' ');
    funcion.replace(45, 2, "11");
    funcion[127] = '0';
    funcion[129] = '1';
    db.exec("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES ('044', '6', ?)", {funcion});
    return true;
}

void terminarVentana(std::unique_ptr<testdb::Entorno> &env)
{
    gdbBase.reset();
    goUtilitario = nullptr;
    env.reset();
}

} // namespace comunpersist
