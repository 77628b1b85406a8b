#include "declaration/core/persistencia/grabacion.h"
#include "common/codigocontrol.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include "shell/core/servicios.h"
#include <QDate>
#include <QSet>
#include <QSqlField>
#include <QSqlRecord>
#include <cmath>

namespace {

// Boxes of the credit chains that do not apply to the answers given.
const QSet<int> &sinIEAN()
{
    static const QSet<int> s{114, 506, 115, 116, 507, 117, 119, 120, 508, 122, 509,
                             123, 124, 125, 510, 127, 128, 129};
    return s;
}
const QSet<int> &ieanConAnexo()
{
    static const QSet<int> s{114, 506, 115, 116, 507, 117, 119, 130, 511, 131, 512,
                             132, 513, 133, 134};
    return s;
}
const QSet<int> &ieanSinAnexo()
{
    static const QSet<int> s{120, 508, 122, 130, 511, 131, 512, 132, 513, 133, 134};
    return s;
}

// Codes stored exactly as passed: names, registration texts, the dates and answers
// kept as typed.
const QSet<QString> &codigosTexto()
{
    static const QSet<QString> s{QStringLiteral("212"), QStringLiteral("211"), QStringLiteral("200"),
                                 QStringLiteral("208"), QStringLiteral("225"), QStringLiteral("028"),
                                 QStringLiteral("995"), QStringLiteral("005"), QStringLiteral("002"),
                                 QStringLiteral("721")};
    return s;
}

bool esFecha(const QString &columna)
{
    return columna.compare(QLatin1String("fec_pro"), Qt::CaseInsensitive) == 0
        || columna.compare(QLatin1String("fec_pago"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool fCasillaExcluida(int casilla, const SituacionAnexo &s)
{
    if (s.ieAN == QLatin1String("0"))
        return sinIEAN().contains(casilla);
    if (s.ieAN == QLatin1String("1") && s.anexo == QLatin1String("1"))
        return ieanConAnexo().contains(casilla);
    if (s.ieAN == QLatin1String("1") && s.anexo == QLatin1String("0"))
        return ieanSinAnexo().contains(casilla);
    return false;
}

QString fValorDet(const QString &codigo, const QString &valor)
{
    if (codigosTexto().contains(codigo))
        return valor;
    return vb::Format(valor, QStringLiteral("###########0"));
}

QString fCodigoCasilla(int casilla)
{
    return QStringLiteral("%1").arg(casilla, 3, 10, QLatin1Char('0'));
}

QString fFecha200(const QString &t)
{
    return vb::Trim(vb::Right(t, 4)) + vb::Mid(t, 4, 2) + vb::Trim(vb::Left(t, 2));
}

double fImporteCasilla(const QString &texto)
{
    return vb::Val(vb::Format(texto, QStringLiteral("###########0")));
}

QList<ValorDet> fValoresDet(VentanaDeclaracion &v)
{
    QList<ValorDet> l;
    const QList<int> casillas = v.aCasillas();
    l.reserve(casillas.size() + 18);
    for (int n : casillas)
        l.append({fCodigoCasilla(n), vb::Trim(v.modelo().texto(n))});

    for (const CodigosDeclaracion::CodigoEspecial &e : CodigosDeclaracion::CodigosCasillaEspecial()) {
        const int c = e.codigo.toInt();
        QString valor;
        switch (c) {
        case 2: valor = v.sRuc(); break;
        case 200: valor = fFecha200(v.control(Campos::MkePeriodo)); break;
        case 28: case 5: valor = vb::Trim(v.control(e.fuente)); break;
        case 996: case 997: case 998: case 999: valor = vb::Left(v.control(e.fuente), CodigosDeclaracion::kLargoNombre); break;
        case 992:
            valor = CodigosDeclaracion::fCodigoTasa(v.respuesta(Campos::OptTipoCont),
                                                    v.respuesta(Campos::OptConvEstab),
                                                    v.respuesta(Campos::OptAgraria), gsTasa);
            break;
        case 721: valor = CodigosDeclaracion::VersionPrograma; break;
        case 987: valor = v.control(Campos::FormaPago); break;
        default: valor = v.respuesta(e.fuente); break;   // the yes/no answers
        }
        l.append({e.codigo, valor});
    }
    return l;
}

QList<double> fFactoresMensuales(const Database &db, const QString &casilla332,
                                 const QString &casilla333)
{
    QList<double> f;
    const bool aplica = fImporteCasilla(casilla332) > 0 || std::fabs(fImporteCasilla(casilla333)) != 0;
    for (int i = 1; i <= 15; ++i) {
        if (!aplica) {
            f.append(1.0);
            continue;
        }
        const QString anio = i > 12 ? QStringLiteral("99") : QStringLiteral("98");
        const int mes = i > 12 ? i - 12 : i;
        const QVariant factor = db.scalar(
            QStringLiteral("SELECT FACTOR FROM FAC WHERE FORMULARIO=? AND PERIODO=? AND CODTRI='030301'"),
            {gsFormulario, anio + QStringLiteral("%1").arg(mes, 2, 10, QLatin1Char('0'))});
        f.append(factor.isNull() ? 0.0 : factor.toDouble());
    }
    return f;
}

QString fLlaveSql()
{
    return QStringLiteral(" WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO=? AND FORMULARIO=?");
}

QVariantList fLlave(const QString &ruc)
{
    return {ruc, gsPeriodo, gsFormulario};
}

EscrituraDeclaracion::EscrituraDeclaracion(Database &db, const QString &ruc) : m_db(db), m_ruc(ruc) {}

// The control code reads the whole record by position, as it stands when it is
// updated: the columns of the table in their order, stored values kept where
// the writer assigns nothing.
Registro EscrituraDeclaracion::fCompleto(const QString &tabla, const QSqlRecord *guardado,
                                         const Registro &asignados) const
{
    return fRegistroCompleto(m_db, tabla, guardado, asignados);
}

Registro fRegistroCompleto(const Database &db, const QString &tabla, const QSqlRecord *guardado,
                           const Registro &asignados)
{
    // The tables do not change while the program runs.
    static QHash<QString, QStringList> columnas;
    const QString clave = db.path() + QChar(0x1f) + tabla;
    auto it = columnas.constFind(clave);
    if (it == columnas.constEnd()) {
        const QSqlRecord estructura = db.handle().record(tabla);
        QStringList nombres;
        for (int i = 0; i < estructura.count(); ++i)
            nombres << estructura.fieldName(i);
        it = columnas.insert(clave, nombres);
    }
    Registro r;
    r.reserve(it->size());
    for (int k = 0; k < it->size(); ++k) {
        const QString &nombre = it->at(k);
        QVariant valor;
        bool asignado = false;
        for (const Campo &c : asignados) {
            if (c.nombre.compare(nombre, Qt::CaseInsensitive) == 0) {
                valor = c.valor;
                asignado = true;
                break;
            }
        }
        if (!asignado && guardado) {
            // A stored row read with "SELECT *" has the table's columns in order.
            const int j = k < guardado->count() && guardado->fieldName(k) == nombre ? k : guardado->indexOf(nombre);
            if (j >= 0)
                valor = guardado->value(j);
            // Dates come back as ISO text; the code reads them as dates.
            if (esFecha(nombre) && valor.typeId() == QMetaType::QString && !valor.toString().isEmpty())
                valor = Database::toDate(valor);
        }
        r.append({nombre, valor});
    }
    return r;
}

namespace {

// Several rows of one table in one INSERT (same columns in each), followed
// by the clause given: one statement to prepare instead of one per row.
void pInsertarFilas(Database &db, const QString &tabla, const QList<Registro> &filas, const QString &alFinal)
{
    if (filas.isEmpty())
        return;
    QStringList columnas;
    for (const Campo &c : filas.first())
        columnas << c.nombre;
    const QString grupo = QLatin1Char('(') + QStringList(QList<QString>(columnas.size(), QStringLiteral("?"))).join(QLatin1Char(','))
        + QLatin1Char(')');
    QStringList grupos;
    QVariantList valores;
    valores.reserve(filas.size() * columnas.size());
    for (const Registro &f : filas) {
        grupos << grupo;
        for (const Campo &c : f)
            valores << c.valor;
    }
    db.exec(QStringLiteral("INSERT INTO ") + tabla + QStringLiteral(" (") + columnas.join(QStringLiteral(", "))
                + QStringLiteral(") VALUES ") + grupos.join(QLatin1Char(',')) + alFinal,
            valores);
}

} // namespace

void EscrituraDeclaracion::pGrabarActa(const QString &tipo, const QList<double> &factores)
{
    const QVariantList p = fLlave(m_ruc);
    m_db.exec(QStringLiteral("DELETE FROM ACTA") + fLlaveSql() + QStringLiteral(" AND TIPO_ASIST<>?"),
              p + QVariantList{tipo});

    // The rows of this type already there keep what the calculators stored.
    QHash<QString, QSqlRecord> guardadas;
    for (const QSqlRecord &r : m_db.select(QStringLiteral("SELECT * FROM ACTA") + fLlaveSql() + QStringLiteral(" AND TIPO_ASIST=?"),
                                           p + QVariantList{tipo})) {
        const QString per = vb::Trim(vb::CStr(r.value(QStringLiteral("per_pag"))));
        if (!guardadas.contains(per))
            guardadas.insert(per, r);
    }

    QList<Registro> filas;
    for (int i = 1; i <= 15; ++i) {
        const QString anio = i > 12 ? QStringLiteral("1999") : gsPeriodo;
        const int mes = i > 12 ? i - 12 : i;
        const QString perPag = anio + QStringLiteral("%1").arg(mes, 2, 10, QLatin1Char('0'));
        Registro fila{{QStringLiteral("Doc_id_d"), m_ruc},
                      {QStringLiteral("tip_doc_d"), 6},
                      {QStringLiteral("periodo"), gsPeriodo},
                      {QStringLiteral("Formulario"), gsFormulario},
                      {QStringLiteral("per_pag"), perPag},
                      {QStringLiteral("tipo_asist"), tipo},
                      {QStringLiteral("FACTOR"), factores.value(i - 1)}};
        const auto g = guardadas.constFind(perPag);
        // An existing row is edited: its key and amounts stay as stored.
        const Registro completo = fCompleto(QStringLiteral("ACTA"), g == guardadas.constEnd() ? nullptr : &*g,
                                            g == guardadas.constEnd() ? fila : fila.mid(5));
        fila.append({QStringLiteral("cNumero"), fCodigoControl(completo, 5)});
        filas << fila;
    }
    // A month that has its row gets only the type, the factor and the code.
    pInsertarFilas(m_db, QStringLiteral("ACTA"), filas,
                   QStringLiteral(" ON CONFLICT (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist) DO UPDATE SET"
                                  " tipo_asist=excluded.tipo_asist, FACTOR=excluded.FACTOR, cNumero=excluded.cNumero"));
}

void EscrituraDeclaracion::pGrabarCabecera(const Cabecera &c)
{
    const bool cheque = c.formapago == QLatin1String("C");
    const QString c180 = vb::Trim(c.casilla180);
    const QString importe = vb::Format(c180, QStringLiteral("###########0"));
    const QString blanco = QStringLiteral(" ");
    Registro fila{{QStringLiteral("Doc_id_d"), m_ruc},
                  {QStringLiteral("tip_doc_d"), 6},
                  {QStringLiteral("periodo"), gsPeriodo},
                  {QStringLiteral("Formulario"), gsFormulario},
                  {QStringLiteral("fec_pro"), c.fecPro},
                  {QStringLiteral("bcolibrad"), cheque ? c.banco : blanco},
                  {QStringLiteral("nrocheque"), cheque ? c.numcheque : blanco},
                  {QStringLiteral("cheque"), cheque ? (c180.isEmpty() ? QString(QLatin1String("")) : importe) : blanco},
                  {QStringLiteral("efectivo"), cheque ? blanco : (c180.isEmpty() ? blanco : importe)},
                  {QStringLiteral("rectifica"), c.rectifica ? 1 : 0},
                  {QStringLiteral("estado"), c.estado}};
    // Every column but the key is assigned, and an existing row's key is this
    // one: the record the code reads is the same whether the row is new or not.
    fila.append({QStringLiteral("cNumero"), fCodigoControl(fCompleto(QStringLiteral("CAB"), nullptr, fila), 5)});
    QStringList cambios;
    for (const Campo &f : fila.mid(4))
        cambios << f.nombre + QStringLiteral("=excluded.") + f.nombre;
    // Added when missing, edited when there: one statement.
    pInsertarFilas(m_db, QStringLiteral("CAB"), {fila},
                   QStringLiteral(" ON CONFLICT (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO) DO UPDATE SET ")
                       + cambios.join(QStringLiteral(", ")));
}

Registro EscrituraDeclaracion::fFilaDet(const QString &codigo, const QString &valor) const
{
    Registro fila{{QStringLiteral("Doc_id_d"), vb::Trim(m_ruc)},
                  {QStringLiteral("tip_doc_d"), 6},
                  {QStringLiteral("periodo"), vb::Trim(gsPeriodo)},
                  {QStringLiteral("Formulario"), gsFormulario},
                  {QStringLiteral("Casilla"), codigo},
                  {QStringLiteral("i_valor"), fValorDet(codigo, valor)},
                  {QStringLiteral("idcasilla"), codigo == QLatin1String("180") ? QStringLiteral("05")
                                                                               : QStringLiteral("01")},
                  {QStringLiteral("cNumero"), QString()}};
    fila.last().valor = fCodigoControl(fila, 6);
    return fila;
}

int EscrituraDeclaracion::pGrabarDetalle(const QList<ValorDet> &valores, const SituacionAnexo &s)
{
    m_db.exec(QStringLiteral("DELETE FROM DET") + fLlaveSql(), fLlave(m_ruc));
    QList<Registro> filas;
    for (const ValorDet &d : valores) {
        const QString t = vb::Trim(d.valor);
        if (t.isEmpty() || t == QLatin1String("________"))
            continue;
        if (fCasillaExcluida(d.codigo.toInt(), s))
            continue;
        filas << fFilaDet(d.codigo, d.valor);
    }
    // The delete above leaves no row of the declaration to replace.
    m_db.addNewAll(QStringLiteral("DET"), filas);
    return filas.size();
}

void pMostrarError(const DbError &e)
{
    msg::MsgBox(e.description + QLatin1Char('\n') + vb::Str(e.number), 0, QStringLiteral("Error"));
}

namespace {

void pEscribirFilas(VentanaDeclaracion &v, Database &db, const QString &ruc, const SituacionAnexo &s, int estado)
{
    EscrituraDeclaracion w(db, ruc);
    w.pGrabarActa(CodigosDeclaracion::fTipoAsistente(s.ieAN, s.anexo),
                  fFactoresMensuales(db, v.modelo().texto(332), v.modelo().texto(333)));
    EscrituraDeclaracion::Cabecera c;
    // The "dd/mm/yyyy" text of today goes into a date column: stored as the date.
    c.fecPro = QDate::currentDate();
    c.formapago = v.control(Campos::FormaPago);
    c.banco = v.control(Campos::Banco);
    c.numcheque = v.control(Campos::NumCheque);
    c.casilla180 = v.modelo().texto(180);
    c.rectifica = v.respuesta(Campos::OptRectifica) == QLatin1String("1");
    c.estado = estado;
    w.pGrabarCabecera(c);
    w.pGrabarDetalle(fValoresDet(v), s);
}

} // namespace

bool fEscribirDeclaracion(VentanaDeclaracion &v, Database &db, const QString &ruc,
                          const SituacionAnexo &s, int estado)
{
    QString ajeno;
    try {
        Transaction t(db, true);
        // Looked at under the write lock: no other save can come in between.
        ajeno = fCambioAjeno(db, ruc, v.leida());
        if (ajeno.isEmpty()) {
            pEscribirFilas(v, db, ruc, s, estado);
            const QByteArray escrita = fHuellaDeclaracion(db, ruc);
            t.commit();
            v.leida() = {ruc, escrita};
        }
    } catch (const DbError &e) {
        v.pPuntero(0);
        pMostrarError(e);
        return false;
    }
    if (!ajeno.isEmpty()) {
        // Shown once the write lock is let go.
        v.pPuntero(0);
        msg::MsgBox(ajeno, 48, v.caption());
        return false;
    }
    return true;
}

namespace {

// Steps 1 to 4 of the save, shared with the validation's taxpayer checks.
bool fRucDeOcho(VentanaDeclaracion &v)
{
    if (vb::Trim(v.sRuc()).size() != 8)
        return false;
    msg::MsgBox(QStringLiteral("No puede grabar declaraciones con RUC de 8, modifique el RUC de 8 a 11 en el Modulo de Registro de Declarantes."),
                64, v.caption());
    v.pPuntero(0);
    return true;
}

} // namespace

bool fContribuyenteAceptado(VentanaDeclaracion &v)
{
    if (v.iAccion() != 0)
        return true;
    if (vb::Trim(vb::Left(v.control(Campos::CmbRuc), 11)).isEmpty()) {
        v.pMostrarPagina(0);
        msg::MsgBox(QStringLiteral("Debe seleccionar un Contribuyente."), 16, v.caption());
        v.pEnfocar(QStringLiteral("CmbRuc"));
        v.pPuntero(0);
        return false;
    }
    if (v.sPuedeRegistrar() == QLatin1String("N")) {
        v.pMostrarPagina(0);
        msg::MsgBox(QStringLiteral("La declaración que desea registrar ya existe, elija la opción modificar declaración o elija otro contribuyente."),
                    16, v.caption());
        v.pEnfocar(QStringLiteral("CmbRuc"));
        v.pPuntero(0);
        return false;
    }
    return true;
}

bool CmdGrabar_Click(VentanaDeclaracion &v, Database &db)
{
    if (fRucDeOcho(v))
        return false;
    v.pPuntero(11);
    if (!fContribuyenteAceptado(v))
        return false;

    const QString fecha = v.control(Campos::MkePeriodo);
    if (fecha != Campos::MascaraVacia && (!vb::IsDate(fecha) || !v.ValidaPeriodo(fecha))) {
        v.pMostrarPagina(0);
        msg::MsgBox(QStringLiteral("La Fecha no es Válida."), 16, v.caption());
        v.pEnfocar(QStringLiteral("MkePeriodo"));
        v.pPuntero(0);
        return false;
    }

    const SituacionAnexo s{v.respuesta(Campos::OptIEAN), v.respuesta(Campos::OptAnexo)};
    // The silent run only reads the window: its answer is taken before the
    // writes so that the transaction stays short.
    const bool completa = v.DeclaracionCompleta();

    if (!fEscribirDeclaracion(v, db, v.sRuc(), s, completa ? 0 : 9))
        return false;

    giEstadoGrabacion = completa ? 1 : 3;
    v.pPuntero(0);
    v.modelo().bModificado = false;
    try {
        if (giEstadoGrabacion != 3)
            msg::MsgBox(fDescError(151), 64, v.caption());
        else
            msg::MsgBox(fDescError(152), 48, v.caption());
    } catch (const DbError &e) {
        pMostrarError(e);
    }
    giEstadoGrabacion = 1;
    return true;
}
