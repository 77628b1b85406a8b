#include "declaration/core/persistencia/carga.h"
#include "declaration/core/casillas/listacasillas.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include <QSet>
#include <QSqlRecord>
#include <cmath>

namespace {

const QString kPantalla = QStringLiteral("###,###,###,##0");
const QString kRestada = QStringLiteral("(###,###,###,##0)");
const QString kConSigno = QStringLiteral("###,###,###,##0;(###,###,###,##0)");

QSet<int> conFormato(ListaCasillas::Formato f, bool visor)
{
    const QList<int> l = ListaCasillas::fCasillasConFormato(f, visor);
    return QSet<int>(l.begin(), l.end());
}

// The code and text formats are the same in every window: the row's own.
bool esCodigo(int n)
{
    const ListaCasillas::FilaCasilla *f = ListaCasillas::fFila(n);
    return f && f->carga == ListaCasillas::Formato::Codigo;
}

QString texto(const QSqlRecord &r, const char *columna)
{
    return vb::Trim(vb::CStr(r.value(QLatin1String(columna))));
}

} // namespace

const FormatosCarga &FormatosCarga::declaracion()
{
    // Each box's load format is its row's (tablacasillas.cpp). A zero
    // balance is a tax to pay of 0: its calculation leaves 138 at "0", and
    // the box 137 rule reads 138 and 139 both "0" as no balance at all.
    static const FormatosCarga f{conFormato(ListaCasillas::Formato::Parentesis, false),
                                 conFormato(ListaCasillas::Formato::ConSigno, false), true};
    return f;
}

const FormatosCarga &FormatosCarga::enviada()
{
    // The viewer's column of the table; it never saves, so a zero code shows empty.
    static const FormatosCarga f{conFormato(ListaCasillas::Formato::Parentesis, true),
                                 conFormato(ListaCasillas::Formato::ConSigno, true), false, true};
    return f;
}

OrigenCarga OrigenCarga::enviada(const QString &correl)
{
    OrigenCarga o;
    o.detalle = QStringLiteral("HDET");
    o.cabecera = QStringLiteral("HCAB");
    o.porCorrel = true;
    o.correl = correl;
    o.formatos = &FormatosCarga::enviada();
    return o;
}

QString fTextoCargado(int n, const QString &valor, const FormatosCarga &f)
{
    if (ListaCasillas::esTextoSinFormato(n))
        return valor;
    const double x = fImporteCasilla(valor);
    if (esCodigo(n)) {
        // "########" shows a zero as nothing: the entry window keeps a
        // stored "0" as stored, or the next save would drop its row.
        const QString texto = vb::Format(std::fabs(x), QStringLiteral("########"));
        if (texto.isEmpty() && !(f.codigoCeroVacio && vb::IsNumeric(valor)))
            return valor;
        return texto;
    }
    if (f.cero138 && n == 138 && x == 0)
        return QStringLiteral("0");
    if (f.parentesis.contains(n))
        return vb::Format(std::fabs(x), kRestada);
    if (f.conSigno.contains(n))
        return vb::Format(x, kConSigno);
    return vb::Format(valor, kPantalla);
}

void pMostrarCasilla(VentanaDeclaracion &v, const QString &codigo, const QString &valor, const FormatosCarga &f)
{
    const int n = static_cast<int>(vb::Val(vb::Trim(codigo)));
    switch (n) {
    case 2:
    case 721:
        return;
    case 5: v.setControl(Campos::TxtNumOrden, valor); return;
    case 28: v.setControl(Campos::TxtTelefono, valor); return;
    case 200:
        v.setControl(Campos::MkePeriodo, vb::Right(valor, 2) + QLatin1Char('/') + vb::Mid(valor, 5, 2)
                                             + QLatin1Char('/') + vb::Left(valor, 4));
        return;
    case 987: v.setControl(Campos::FormaPago, valor); return;
    case 988: v.setControl(Campos::sDomiciliado, valor); return;
    case 989: v.setControl(Campos::sRectifica, valor); return;
    case 990: v.setControl(Campos::sAnexo, valor); return;
    case 991: v.setControl(Campos::sIEAN, valor); return;
    case 992: gsTasa = valor; return;
    case 993: v.setControl(Campos::sAgraria, valor); return;
    case 994: v.setControl(Campos::sConvenio, valor); return;
    case 995: v.setControl(Campos::sExonerado, valor); return;
    case 996: v.setControl(Campos::TxtNombre1A, valor); return;
    case 997: v.setControl(Campos::TxtNombre1N, valor); return;
    case 998: v.setControl(Campos::TxtNombreA, valor); return;
    case 999: v.setControl(Campos::TxtNombreN, valor); return;
    default:
        break;
    }
    // A code of no box of this declaration has nowhere to go.
    if (!v.modelo().existe(n))
        return;
    const QString texto = fTextoCargado(n, valor, f);
    v.modelo().setTexto(n, texto);
    // The modify set-up writes these back last: in the form the box shows,
    // not as the digits stored (the viewer keeps 113 as stored).
    if (n == 140) {
        v.setControl(Campos::sCasilla140, texto);
    } else if (n == 113) {
        v.setControl(Campos::sCasilla113, texto);
        v.setControl(Campos::sValor113, valor);
    }
}

bool pCargarCasillas(VentanaDeclaracion &v, Database &db, const OrigenCarga &o)
{
    if (v.iAccion() == 0)
        return false;

    // A send is one CORREL among the sends of the declaration.
    const auto llave = [&o](const QString &ruc) {
        QVariantList p = fLlave(ruc);
        if (o.porCorrel)
            p << o.correl;
        return p;
    };
    const QString condicion = fLlaveSql() + (o.porCorrel ? QStringLiteral(" AND CORREL=?") : QString());

    // All read in one read transaction before the boxes take their values:
    // what is shown, and what a later save of the window must still find
    // stored, are one state of the declaration.
    Transaction lectura(db, false);
    const QList<QSqlRecord> filas =
        db.select(QStringLiteral("SELECT * FROM ") + o.detalle + condicion, llave(v.sRuc()));
    const QString rucCabecera = vb::Trim(v.control(Campos::TxtNumRuc));
    const QList<QSqlRecord> cab =
        db.select(QStringLiteral("SELECT * FROM ") + o.cabecera + condicion, llave(rucCabecera));
    if (!o.porCorrel)
        v.leida() = {v.sRuc(), fHuellaDeclaracion(db, v.sRuc())};
    lectura.commit();

    for (const QSqlRecord &r : filas)
        pMostrarCasilla(v, texto(r, "Casilla"), texto(r, "i_valor"), *o.formatos);
    if (!cab.isEmpty()) {
        v.setControl(Campos::Banco, vb::CStr(cab.first().value(QStringLiteral("bcolibrad"))));
        v.setControl(Campos::NumCheque, texto(cab.first(), "nrocheque"));
    }
    return !filas.isEmpty();
}

QList<DeclaracionRegistrada> fDeclaracionesRegistradas(const Database &db)
{
    const QList<QSqlRecord> filas = db.select(
        QStringLiteral("SELECT A.DOC_ID_D, B.NOMBRE, A.PERIODO, A.FORMULARIO, A.ESTADO FROM CAB AS A, CONT AS B"
                       " WHERE A.DOC_ID_D=B.DOC_ID_D AND A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND"
                       " A.PERIODO=? AND A.FORMULARIO=? AND B.USUARIO=?"
                       " ORDER BY A.DOC_ID_D ASC"),
        {gsPeriodo, gsFormulario, gsUsuario});
    QList<DeclaracionRegistrada> l;
    l.reserve(filas.size());
    for (const QSqlRecord &r : filas)
        l.append({vb::CStr(r.value(0)), vb::CStr(r.value(1)), vb::CStr(r.value(2)), vb::CStr(r.value(3)),
                  r.value(4)});
    return l;
}

void pEliminarDeclaracion(Database &db, const QString &docIdD)
{
    Transaction t(db, true);
    const QVariantList p = fLlave(docIdD);
    db.exec(QStringLiteral("DELETE FROM ACTA") + fLlaveSql(), p);
    db.exec(QStringLiteral("DELETE FROM DET") + fLlaveSql(), p);
    db.exec(QStringLiteral("DELETE FROM CAB") + fLlaveSql(), p);
    t.commit();
}
