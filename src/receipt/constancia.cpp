#include "receipt/constancia.h"
#include "receipt/errorvb.h"
#include "receipt/main000.h"
#include "receipt/salidatexto.h"

#include "common/campoguion.h"
#include "platform/textfile.h"
#include "platform/vbruntime.h"

#include <QDateTime>
#include <QDir>
#include <QSqlRecord>

namespace {

struct MotivoRechazo { const char *codigo; const char *descripcion; };
const MotivoRechazo kMotivosRechazo[9] = {
    {"01", "El disquete contiene virus informático"},
    {"02", "El disquete presenta defectos de lectura"},
    {"03", "El número de control no corresponde al disquete presentado"},
    {"04", "Los Archivos no fueron generados por el programa de captura"},
    {"05", "Falta archivo o su tamaño no corresponde al generado por programa de captura"},
    {"06", "La información del disquete presenta modificaciones de contenido"},
    {"07", "El contribuyente no pertenece a la dependencia donde está presentando"},
    {"08", "La declaración ha sido presentada más de una vez"},
    {"09", "La declaración que se desea rectificar no existe"},
};

// Where the rows of one copy of the graphic receipt stand (x is always 300).
struct FilasCopia {
    int documento, razonSocial, formulario, periodo;
    int formaPago, importe1, importe2, rectifica, control;
    int selloY1, selloY2;
};
constexpr FilasCopia kPrimeraCopia{1350, 1600, 1850, 2100, 2350, 2600, 2850, 2850, 3100, 3850, 5350};
constexpr FilasCopia kSegundaCopia{10900, 11150, 11400, 11650, 11900, 12150, 12400, 12650, 12900, 13150, 14650};

// The rejection table's grid, drawn after its reasons.
struct Cuadro { int x1, y1, x2, y2; };
constexpr Cuadro kRejillaRechazo[] = {
    {300, 6500, 600, 10100},   // empty first column
    {600, 6500, 1000, 10100},  // code column
    {300, 6500, 10500, 6900},  // odd-row bands
    {300, 7300, 10500, 7700},
    {300, 8100, 10500, 8500},
    {300, 8900, 10500, 9300},
    {300, 9700, 10500, 10100},
    {300, 10500, 10500, 10500}, // cut between the two copies
};

// The text is a field of the host's script: what a name or a cheque number
// holds never splits the line or opens a tag.
void pPos(int x, int y, const QString &texto, bool negrita = false)
{
    pSalidaLinea(QStringLiteral("pPos|%1|%2|").arg(x).arg(y) + fCampoGuion(texto)
                 + (negrita ? QStringLiteral("|True|10|0|") : QStringLiteral("|False|10|0|")));
}

void pCuadro(int x1, int y1, int x2, int y2)
{
    pSalidaLinea(QStringLiteral("pCuadro|%1|%2|%3|%4|0|").arg(x1).arg(y1).arg(x2).arg(y2));
}

// A Null column reads as blank.
QString fColumna(const QSqlRecord &r, const char *nombre)
{
    const int i = r.indexOf(QLatin1String(nombre));
    if (i < 0)
        throw ErrorVB(3265, QStringLiteral("No se encontró el elemento en esta colección: ") + QLatin1String(nombre));
    const QVariant v = r.value(i);
    return v.isNull() ? QString() : vb::CStr(v);
}

QVariant fValorTipo(const QString &sTipDoc)
{
    const double v = vb::Val(sTipDoc);
    if (v == vb::Int(v) && qAbs(v) < 1e15)
        return QVariant(qint64(v));
    return QVariant(v);
}

void pCopia(const DatosConstancia &d, const FilasCopia &f)
{
    pPos(300, f.documento, QStringLiteral("DOCUMENTO       : ") + d.documento);
    pPos(300, f.razonSocial, QStringLiteral("RAZON SOCIAL    : ") + d.razonSocial);
    pPos(300, f.formulario, QStringLiteral("FORMULARIO      : ") + d.formulario);
    pPos(300, f.periodo, QStringLiteral("PERIODO         : ") + d.periodo);
    for (const DatosConstancia::Linea &l : d.bloques) {
        int y = f.formaPago;
        switch (l.fila) {
        case DatosConstancia::FormaPago: y = f.formaPago; break;
        case DatosConstancia::Importe1:  y = f.importe1; break;
        case DatosConstancia::Importe2:  y = f.importe2; break;
        case DatosConstancia::Rectifica: y = f.rectifica; break;
        }
        pPos(300, y, l.texto);
    }
    pPos(300, f.control, d.control);
    pCuadro(7500, f.selloY1, 10500, f.selloY2);
}

void pTablaRechazo()
{
    pPos(4000, 5850, QStringLiteral("MOTIVOS DE RECHAZO"));
    pCuadro(300, 6100, 10500, 10100);
    pPos(400, 6200, QStringLiteral("CODIGO                           DESCRIPCION"));
    int y = 6550;
    for (const MotivoRechazo &m : kMotivosRechazo) {
        pPos(700, y, QLatin1String(m.codigo) + QStringLiteral("  ") + QString::fromUtf8(m.descripcion));
        y += 400;
    }
    for (const Cuadro &c : kRejillaRechazo)
        pCuadro(c.x1, c.y1, c.x2, c.y2);
}

} // namespace

int fTipoNumerico(const QString &sTipDoc)
{
    const double v = vb::Val(sTipDoc);
    if (v < -32768.5 || v > 32767.5)
        errvb::lanzar(errvb::Desbordamiento);
    return vb::CInt(v);
}

QString fFechaHoy()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

QString fHoraAhora()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

QString fTextoMoneda(const QString &columna)
{
    if (vb::Trim(columna) == QLatin1String("0"))
        return QStringLiteral("0");
    if (!vb::IsNumeric(columna))
        return vb::Trim(columna);
    // "###,###,###,###" writes nothing for a zero
    const double v = vb::RoundHalfAway(vb::CDbl(columna));
    if (v == 0)
        return QString();
    return vb::Trim(vb::Format(v, QStringLiteral("###,###,###,##0")));
}

QString fTextoPeriodo(const QString &sPeriodo)
{
    if (vb::Right(sPeriodo, 2) == QLatin1String("00"))
        return vb::Left(sPeriodo, 4);
    return vb::Right(sPeriodo, 2) + QStringLiteral("/") + vb::Left(sPeriodo, 4);
}

ConsultaCab fConsultaCab(const QString &sTipDoc, const QString &sDocId, const QString &sFormulario,
                         const QString &sPeriodo)
{
    const QString clave = vb::Right(sPeriodo, 2) == QLatin1String("00") ? vb::Left(sPeriodo, 4) : sPeriodo;
    const QString docId = vb::Trim(sDocId);
    ConsultaCab c;
    c.traza = QStringLiteral("SELECT * FROM CAB WHERE ") + QStringLiteral("Tip_doc_d=")
              + vb::Str(vb::Val(sTipDoc)) + QStringLiteral(" AND Doc_id_d='") + docId
              + QStringLiteral("' ") + QStringLiteral(" AND PERIODO='") + clave
              + QStringLiteral("' AND Formulario='") + sFormulario + QStringLiteral("'");
    c.sql = QStringLiteral("SELECT * FROM CAB WHERE Tip_doc_d=? AND Doc_id_d=? COLLATE NOCASE"
                           " AND PERIODO=? COLLATE NOCASE AND Formulario=? COLLATE NOCASE");
    c.params = {fValorTipo(sTipDoc), docId, clave, sFormulario};
    return c;
}

QList<QSqlRecord> fFilasCab(const QString &sTipDoc, const QString &sDocId, const QString &sFormulario,
                            const QString &sPeriodo)
{
    const ConsultaCab consulta = fConsultaCab(sTipDoc, sDocId, sFormulario, sPeriodo);
    gsSql = consulta.traza;
    pTrace(gsSql);
    return gdbBase->select(consulta.sql, consulta.params);
}

QString fNombreContribuyente(int iTipDoc, const QString &sDocId)
{
    const QString docId = vb::Trim(sDocId);
    gsSql = QStringLiteral("SELECT * FROM CONT") + QStringLiteral(" WHERE Tip_doc_d=") + QString::number(iTipDoc)
            + QStringLiteral(" AND Doc_id_d='") + docId + QStringLiteral("'");
    const QList<QSqlRecord> filas = gdbBase->select(
        QStringLiteral("SELECT * FROM CONT WHERE Tip_doc_d=? AND Doc_id_d=? COLLATE NOCASE"),
        {iTipDoc, docId});
    if (filas.isEmpty())
        return QString();
    return vb::Trim(fColumna(filas.first(), "Nombre"));
}

QString fTipoDocumento(int iTipDoc)
{
    const QString tipo = QString::number(iTipDoc);
    gsSql = QStringLiteral("SELECT * FROM PARAM WHERE Numero='044' AND Argumento='") + tipo + QStringLiteral("'");
    const QList<QSqlRecord> filas = gdbBase->select(
        QStringLiteral("SELECT * FROM PARAM WHERE Numero=? COLLATE NOCASE AND Argumento=? COLLATE NOCASE"),
        {QStringLiteral("044"), tipo});
    if (filas.isEmpty())
        return QStringLiteral("RUC");
    return vb::Trim(vb::Mid(fColumna(filas.first(), "Funcion"), 32, 12));
}

void pTrace(const QString &sSql)
{
    QString error;
    if (!textfile::appendLine(QDir::current().filePath(QStringLiteral("Trace.txt")), sSql, &error))
        throw ErrorVB(errvb::AccesoRuta, error.isEmpty() ? errvb::descripcion(errvb::AccesoRuta) : error);
}

void pCabeceraConstancia(const QString &sPagina)
{
    pSalidaLinea(QStringLiteral("<!font!>Courier New<!/font!>"));
    pSalidaLinea(QStringLiteral("<!nHojas!>1<!/nHojas!>"));
    pSalidaLinea(QStringLiteral("<!Orientacion!>V<!/Orientacion!>"));
    pSalidaLinea(QStringLiteral("<!Color!>&H80000005&<!/Color!>"));
    pPos(300, 350, fFechaHoy(), true);
    pPos(9300, 350, QStringLiteral("Pag . ") + sPagina, true);
    pPos(300, 600, fHoraAhora(), true);
    pPos(4000, 850, QStringLiteral("CONSTANCIA DE PRESENTACION"), true);
}

DatosConstancia fDatosConstancia(const QSqlRecord &cab, const QString &sTipDoc, const QString &sDocId,
                                 const QString &sFormulario, const QString &sPeriodo,
                                 const QString &sControl)
{
    const int tipo = fTipoNumerico(sTipDoc);
    DatosConstancia d;
    d.documento = fTipoDocumento(tipo) + QStringLiteral("  ") + vb::Trim(sDocId);
    d.razonSocial = fNombreContribuyente(tipo, sDocId);
    d.formulario = sFormulario;
    d.periodo = fTextoPeriodo(sPeriodo);
    d.control = QStringLiteral("Numero de Control: ") + sControl + QStringLiteral(" Fec.Generación: ")
                + fFechaHoy() + QStringLiteral(" -----SELLO DEL BANCO----- ");

    const QString efectivo = fColumna(cab, "Efectivo");
    const QString cheque = fColumna(cab, "Cheque");
    const QString nroCheque = fColumna(cab, "nrocheque");
    const QString rectifica = fColumna(cab, "Rectifica");
    const bool hayEfectivo = !vb::Trim(efectivo).isEmpty();
    const bool hayCheque = !vb::Trim(cheque).isEmpty();

    using D = DatosConstancia;
    if (hayEfectivo) {
        d.bloques << D::Linea{D::FormaPago, QStringLiteral("FORMA DE PAGO   : EFECTIVO")}
                  << D::Linea{D::Importe1, QStringLiteral("IMPORTE A PAGAR : S/. ") + fTextoMoneda(efectivo)};
    }
    if (hayCheque) {
        d.bloques << D::Linea{D::FormaPago, QStringLiteral("FORMA DE PAGO   : CHEQUE")}
                  << D::Linea{D::Importe1, QStringLiteral("NUMERO CHEQUE   : ") + vb::Trim(nroCheque)}
                  << D::Linea{D::Importe2, QStringLiteral("IMPORTE A PAGAR : S/. ") + fTextoMoneda(cheque)};
    }
    if (!hayEfectivo && !hayCheque) {
        d.bloques << D::Linea{D::FormaPago, QStringLiteral("FORMA DE PAGO   : EFECTIVO")}
                  << D::Linea{D::Importe1, QStringLiteral("IMPORTE A PAGAR : S/. ") + fTextoMoneda(efectivo)};
    }
    if (!vb::Trim(rectifica).isEmpty()) {
        if (!vb::IsNumeric(rectifica))
            errvb::lanzar(errvb::TiposNoCoinciden);
        if (vb::CDbl(rectifica) != 0)
            d.bloques << D::Linea{D::Rectifica, QStringLiteral("RECTIFICA A     : ") + rectifica};
    }
    return d;
}

Constancia GenerarConstancia(const QString &sTipDoc, const QString &sDocId, const QString &sFormulario,
                             const QString &sPeriodo, const QString &sControl, const QString &sMarcaArchivo)
{
    Constancia c;
    // Both passes read CAB, PARAM and CONT in one read transaction, so that
    // both receipts show one state of the database; it ends before the
    // registration takes the write lock.
    Transaction lectura(*gdbBase, false);
    gsDestino = QStringLiteral("ARCHIVO");
    c.grafica = std::make_shared<ArchivoSalida>(gsRutaRpt);
    giArchivoSalida = c.grafica;

    const QList<QSqlRecord> filas = fFilasCab(sTipDoc, sDocId, sFormulario, sPeriodo);
    int pagina = 0;
    for (const QSqlRecord &cab : filas) {
        ++pagina;
        pCabeceraConstancia(vb::Format(double(pagina), QStringLiteral("0000")) + QStringLiteral("/0001"));
        const DatosConstancia d = fDatosConstancia(cab, sTipDoc, sDocId, sFormulario, sPeriodo, sControl);
        pCopia(d, kPrimeraCopia);
        pTablaRechazo();
        pCopia(d, kSegundaCopia);
    }
    c.grafica->cerrar();

    c.texto = fConstanciaTexto(sTipDoc, sDocId, sFormulario, sPeriodo, sControl);
    lectura.commit();
    c.base = sFormulario + sPeriodo + sMarcaArchivo + sControl;
    return c;
}
