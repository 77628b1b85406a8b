// The text receipt: the same data as the graphic one, as fixed-pitch lines.
#include "receipt/constancia.h"
#include "receipt/main000.h"
#include "receipt/salidatexto.h"

#include "platform/vbruntime.h"

#include <QSqlRecord>

namespace {

const QString kLadoSello = QString(53, QLatin1Char(' ')) + QStringLiteral("|") + QString(25, QLatin1Char(' ')) + QStringLiteral("|");
const QString kPieSello = QString(54, QLatin1Char(' ')) + QString(25, QLatin1Char('-')) + QStringLiteral(" ");
const QString kTablaArriba = QStringLiteral(" ") + QString(30, QLatin1Char('-')) + QStringLiteral("RECHAZO")
                             + QString(41, QLatin1Char('-')) + QStringLiteral(" ");
const QString kTablaCabeza = QStringLiteral("|CODIGO|") + QString(26, QLatin1Char(' ')) + QStringLiteral("DESCRIPCION")
                             + QString(34, QLatin1Char(' ')) + QStringLiteral("|");
const QString kRegla = QStringLiteral(" ") + QString(78, QLatin1Char('-')) + QStringLiteral(" ");

void pVacias(int n)
{
    for (int i = 0; i < n; ++i)
        pSalidaLinea(QString());
}

// Lines 11 to 18 of a receipt: the data, the control line and the stamp
// frame. The data lines render as they stand, whatever a name or a cheque
// number holds.
void pCopiaTexto(const DatosConstancia &d)
{
    pSalidaLinea(fLineaDato(QStringLiteral("DOCUMENTO       : ") + d.documento));
    pSalidaLinea(fLineaDato(QStringLiteral("RAZON SOCIAL    : ") + d.razonSocial));
    pSalidaLinea(fLineaDato(QStringLiteral("FORMULARIO      : ") + d.formulario));
    pSalidaLinea(fLineaDato(QStringLiteral("PERIODO         : ") + d.periodo));
    for (const DatosConstancia::Linea &l : d.bloques)
        pSalidaLinea(fLineaDato(l.texto));
    pVacias(1);
    pSalidaLinea(fLineaDato(d.control));
    for (int i = 0; i < 6; ++i)
        pSalidaLinea(kLadoSello);
    pSalidaLinea(kPieSello);
}

// The reasons' rows as the host has always received them (row 05 sticks out
// of the frame).
const char *const kFilasRechazo[9] = {
    "|   |01| El disquete contiene virus informático                                |",
    "|   |02| El disquete presenta defectos de lectura                              |",
    "|   |03| El número de control no corresponde al disquete presentado            |",
    "|   |04| Los Archivos no fueron generados por el programa de captura           |",
    "|   |05| Falta archivo o su tamaño no corresponde al generado por programa de captura |",
    "|   |06| La información del disquete presenta modificaciones de contenido      |",
    "|   |07| El contribuyente no pertenece a la dependencia donde está presentando |",
    "|   |08| La declaración ha sido presentada más de una vez                      |",
    "|   |09| La declaración que se desea rectificar no existe                      |",
};

void pTablaRechazoTexto()
{
    pSalidaLinea(kTablaArriba);
    pSalidaLinea(kTablaCabeza);
    pSalidaLinea(kRegla);
    for (const char *fila : kFilasRechazo) {
        pSalidaLinea(QString::fromUtf8(fila));
        pSalidaLinea(kRegla);
    }
}

} // namespace

std::shared_ptr<ArchivoSalida> fConstanciaTexto(const QString &sTipDoc, const QString &sDocId,
                                                const QString &sFormulario, const QString &sPeriodo,
                                                const QString &sControl)
{
    gsDestino = QStringLiteral("ARCHIVO");
    const auto texto = std::make_shared<ArchivoSalida>(gsRutaRpt);
    giArchivoSalida = texto;

    const QList<QSqlRecord> filas = fFilasCab(sTipDoc, sDocId, sFormulario, sPeriodo);
    int pagina = 0;
    for (const QSqlRecord &cab : filas) {
        ++pagina;
        const DatosConstancia d = fDatosConstancia(cab, sTipDoc, sDocId, sFormulario, sPeriodo, sControl);
        pSalidaLinea(QStringLiteral("<!font!>Courier New<!/font!>"));
        pSalidaLinea(QStringLiteral("<!fontsize!>10<!/fontsize!>"));
        pSalidaLinea(QStringLiteral("<!bold!>"));
        pSalidaLinea(fFechaHoy() + QString(54, QLatin1Char(' ')) + QStringLiteral("Pag . ")
                     + vb::Format(double(pagina), QStringLiteral("0000")) + QStringLiteral("/0001"));
        pSalidaLinea(fHoraAhora());
        pSalidaLinea(QStringLiteral("<!underline!>"));
        pSalidaLinea(QString(26, QLatin1Char(' ')) + QStringLiteral("CONSTANCIA DE PRESENTACION")
                     + QString(26, QLatin1Char(' ')));
        pSalidaLinea(QStringLiteral("<!/underline!>"));
        pVacias(2);
        pSalidaLinea(QStringLiteral("<!/bold!>"));
        pCopiaTexto(d);
        pVacias(3);
        pTablaRechazoTexto();
        pVacias(4);
        pSalidaLinea(kRegla);
        pVacias(1);
        pCopiaTexto(d);
        pSalidaLinea(QStringLiteral("<!np!>"));
    }
    texto->cerrar();
    return texto;
}
