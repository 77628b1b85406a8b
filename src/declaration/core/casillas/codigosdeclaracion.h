#pragma once
// The DET codes beside the numbered boxes, the yes/no answers, the rate code
// of 992 and the annex type, and the names under which the store keeps the
// identification and the answers.
#include <QList>
#include <QString>

class ModeloCasillas;

// Named fields of the store. Answers are named after their option pairs and
// hold "1" (option 1 selected), "0" (option 0) or "" (none); identification
// fields after their controls; the answer texts loaded from DET after the
// window's variables.
namespace Campos {
// Answers (option pairs)
inline const QString OptTipoCont    = QStringLiteral("OptTipoCont");
inline const QString OptConvEstab   = QStringLiteral("OptConvEstab");
inline const QString OptIEAN        = QStringLiteral("OptIEAN");
inline const QString OptAnexo       = QStringLiteral("OptAnexo");
inline const QString OptAgraria     = QStringLiteral("OptAgraria");
inline const QString OptRectifica   = QStringLiteral("OptRectifica");
inline const QString OptDomiciliado = QStringLiteral("OptDomiciliado");
// Identification
inline const QString sRuc        = QStringLiteral("sRuc");        // the declaration's RUC
inline const QString CmbRuc      = QStringLiteral("CmbRuc");      // text of the taxpayer combo
inline const QString TxtNumRuc   = QStringLiteral("TxtNumRuc");
inline const QString TxtRazon    = QStringLiteral("TxtRazon");
inline const QString TxtTelefono = QStringLiteral("TxtTelefono");
inline const QString TxtNombreA  = QStringLiteral("TxtNombreA");  // accountant's surnames
inline const QString TxtNombreN  = QStringLiteral("TxtNombreN");  // accountant's names
inline const QString TxtNombre1A = QStringLiteral("TxtNombre1A"); // representative's surnames
inline const QString TxtNombre1N = QStringLiteral("TxtNombre1N"); // representative's names
inline const QString TxtNumOrden = QStringLiteral("TxtNumOrden");
inline const QString MkePeriodo  = QStringLiteral("MkePeriodo");  // "dd/mm/yyyy", empty mask "__/__/____"
// Answer texts as loaded from a stored declaration ("1", "0" or "")
inline const QString sExonerado   = QStringLiteral("sExonerado");
inline const QString sConvenio    = QStringLiteral("sConvenio");
inline const QString sIEAN        = QStringLiteral("sIEAN");
inline const QString sAgraria     = QStringLiteral("sAgraria");
inline const QString sAnexo       = QStringLiteral("sAnexo");
inline const QString sRectifica   = QStringLiteral("sRectifica");
inline const QString sDomiciliado = QStringLiteral("sDomiciliado");
inline const QString sCasilla113  = QStringLiteral("sCasilla113");
inline const QString sCasilla140  = QStringLiteral("sCasilla140");
inline const QString sValor113    = QStringLiteral("sValor113");    // 113 as stored, unformatted
// Payment-form control
inline const QString FormaPago  = QStringLiteral("FormaDePagoZRV1.formapago");  // "C", "E", "X"
inline const QString Banco      = QStringLiteral("FormaDePagoZRV1.banco");
inline const QString NumCheque  = QStringLiteral("FormaDePagoZRV1.numcheque");
inline const QString Importe    = QStringLiteral("FormaDePagoZRV1.importe");
inline const QString Habilitado = QStringLiteral("FormaDePagoZRV1.habilitado"); // "1" / "0"

inline const QString MascaraVacia = QStringLiteral("__/__/____");
} // namespace Campos

namespace CodigosDeclaracion {

// A yes/no answer: its option pair, DET code, the window's answer text and
// the captions of the pair.
struct Respuesta {
    QString opcion;        // option pair, also the store field
    QString codigo;        // DET code
    QString variable;      // answer text loaded from DET
    QString marco;         // frame caption ("" when none)
    QString pregunta;      // question ("" when none)
    QString opcion1;       // caption of index 1
    QString opcion0;       // caption of index 0
};
const QList<Respuesta> &RespuestaOpcion();
const Respuesta *fRespuesta(const QString &opcion);

// "1" when option 1 is selected, "0" when option 0, "" when neither.
QString fTextoRespuesta(bool opcion1, bool opcion0);

// The rows written after the 97 boxes, in order. fuente names the store
// field the value comes from ("" for the rate code and the version).
struct CodigoEspecial { QString codigo; QString fuente; };
const QList<CodigoEspecial> &CodigosCasillaEspecial();

inline const QString VersionPrograma = QStringLiteral("2.0");   // code 721
// The characters a surname or a name (codes 996 to 999) keeps when saved:
// their boxes take no more.
constexpr int kLargoNombre = 15;

// Rate code of 992, first match wins: exonerated "0", stability agreement
// the current rate text, agrarian law "15", else "30".
QString fCodigoTasa(const QString &optTipoCont, const QString &optConvEstab,
                    const QString &optAgraria, const QString &gsTasa);
QString fCodigoTasa(const ModeloCasillas &m, const QString &gsTasa);

// Annex type (ACTA.TIPO_ASIST): IEAN yes and annex yes "1", IEAN yes and
// annex no "2", IEAN no "3", else "".
QString fTipoAsistente(const QString &optIEAN, const QString &optAnexo);
QString fTipoAsistente(const ModeloCasillas &m);

} // namespace CodigosDeclaracion
