#include "host/constancia.h"
#include "host/envio.h"
#include "platform/textfile.h"
#include "platform/utilitario.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace host {

namespace {

// 0951REP names its files after these values: a "." would cut the name of
// its text rendering short and a "/" would lead out of its folders.
bool fSirveParaNombre(const QString &s)
{
    return !s.contains(QLatin1Char('.')) && !s.contains(QLatin1Char('/')) && !s.contains(QChar(0));
}

QString fFalla(QString *error, const QString &texto)
{
    if (error)
        *error = texto;
    return QString();
}

const int kEsperaInicio = 10000;
const int kEsperaFin = 120000;

}

QString fLineaConstancia(int tipDoc, const QString &docId, const QString &formulario, const QString &periodo,
                         const QString &marca, const QString &control, QString *error)
{
    const QString numero = docId.trimmed();
    if (tipDoc < 0 || tipDoc > 99)
        return fFalla(error, QStringLiteral("El tipo de documento %1 no cabe en la constancia.").arg(tipDoc));
    if (numero.isEmpty() || numero.size() > 15)
        return fFalla(error, QStringLiteral("El número de documento \"%1\" no cabe en la constancia"
                                            " (de 1 a 15 caracteres).").arg(numero));
    if (formulario.size() != 4 || periodo.size() != 6 || marca.size() != 1 || control.size() != 8)
        return fFalla(error, QStringLiteral("Los datos de la constancia no tienen el largo de sus columnas"
                                            " (formulario 4, periodo 6, marca 1 y número de control 8 caracteres)."));
    if (!fSirveParaNombre(formulario + periodo + marca + control))
        return fFalla(error, QStringLiteral("El nombre de la constancia \"%1\" no es válido.")
                                 .arg(formulario + periodo + marca + control));
    return QStringLiteral("%1").arg(tipDoc, 2, 10, QLatin1Char('0')) + cUtilitario().fCompletarTexto(numero, 15)
           + formulario + periodo + marca + control;
}

QString fBaseConstancia(const QString &linea)
{
    return linea.mid(17);
}

Constancia fEjecutarConstancia(const QString &programa, const QString &linea, const QString &carpetaDatos)
{
    Constancia c;
    c.archivo = carpetaDatos + QStringLiteral("TMP/") + fBaseConstancia(linea) + QStringLiteral(".TXT");
    // A receipt left by an earlier run must never pass for this run's.
    QFile::remove(c.archivo);

    QProcess p;
    p.setProgram(programa);
    p.setArguments({linea});
    p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    p.start();
    if (!p.waitForStarted(kEsperaInicio)) {
        c.error = QStringLiteral("No se pudo iniciar el programa %1.").arg(programa);
        return c;
    }
    if (!p.waitForFinished(kEsperaFin)) {
        p.kill();
        p.waitForFinished();
        c.error = QStringLiteral("El programa %1 no terminó en el tiempo esperado.").arg(programa);
        return c;
    }
    if (p.exitStatus() != QProcess::NormalExit) {
        c.error = QStringLiteral("El programa %1 terminó de forma anormal.").arg(programa);
        return c;
    }
    if (p.exitCode() != 0) {
        const QString mensaje = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        c.error = mensaje.isEmpty()
                      ? QStringLiteral("El programa %1 terminó con el código %2.").arg(programa).arg(p.exitCode())
                      : mensaje;
        return c;
    }
    if (!textfile::readLines(c.archivo, &c.lineas)) {
        c.error = QStringLiteral("No se encontró la constancia %1.").arg(c.archivo);
        return c;
    }
    c.ok = true;
    return c;
}

Constancia fConstanciaDeclaracion(const Database &db, const QString &ruc, const QString &programa,
                                  const QString &carpetaDatos)
{
    Constancia c;
    Envio envio;
    try {
        envio = fUltimoEnvio(db, ruc);
    } catch (const DbError &e) {
        c.error = e.description;
        return c;
    }
    if (envio.correl.isEmpty()) {
        c.error = QStringLiteral("La declaración del contribuyente %1 no ha sido enviada.").arg(ruc.trimmed());
        return c;
    }
    // The receipt is of the whole year: month "00".
    const QString linea = fLineaConstancia(kTipDocRuc, ruc, kFormulario, kPeriodo + QStringLiteral("00"),
                                           kMarcaArchivo, envio.control, &c.error);
    if (linea.isEmpty())
        return c;
    return fEjecutarConstancia(programa, linea, carpetaDatos);
}

}
