#include "annexes/core/asistenteanexo.h"
#include "declaration/core/casillas/filtroteclas.h"
#include "declaration/core/casillas/importepegado.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include "shell/core/servicios.h"
#include <cmath>

namespace {
const QString kLectura = QStringLiteral("#########0");
const QString kCelda = QStringLiteral("#,###,###,##0");
} // namespace

bool fFactoresAplican(const QString &casilla332, const QString &casilla333)
{
    return AsistenteAnexo::fNumero(casilla332) > 0 || std::fabs(AsistenteAnexo::fNumero(casilla333)) != 0;
}

double fIzquierdaMarcoDeslizante(int valor, double anchoInterior)
{
    const int p = valor == 0 ? -14 : valor;
    return -(p / 100.0) * anchoInterior;
}

AsistenteAnexo::AsistenteAnexo(const DefinicionAsistente &definicion, std::shared_ptr<FuenteAnexos> fuente,
                               bool guarda, QObject *parent)
    : QObject(parent), m_def(definicion), m_fuente(std::move(fuente)), m_guarda(guarda)
{
    const int n = m_def.meses();
    m_celdas = QVector<QVector<QString>>(n, QVector<QString>(m_def.columnas.size()));
    m_factor = m_factorActa = m_iean = QVector<double>(n, 0.0);
}

double AsistenteAnexo::fNumero(const QString &texto)
{
    return vb::Val(vb::Format(texto, kLectura));
}

QString AsistenteAnexo::fMostrar(double valor)
{
    return vb::Format(valor, kCelda);
}

QString AsistenteAnexo::casilla() const
{
    if (!m_def.casilla.isEmpty())
        return m_def.casilla;
    if (m_tipo == QLatin1String("2"))
        return QStringLiteral("128");
    if (m_tipo == QLatin1String("3"))
        return QStringLiteral("131");
    return QString();
}

QString AsistenteAnexo::caption() const
{
    const QString c = QStringLiteral("Asistente de Cálculo de Casilla");
    return casilla().isEmpty() ? c : c + QLatin1Char(' ') + casilla();
}

QString AsistenteAnexo::celda(int mes, int columna) const
{
    return m_celdas.value(pos(mes)).value(columna);
}

void AsistenteAnexo::setCelda(int mes, int columna, const QString &texto)
{
    const int p = pos(mes);
    if (p < 0 || p >= m_celdas.size() || columna < 0 || columna >= m_def.columnas.size())
        return;
    QString &actual = m_celdas[p][columna];
    if (actual == texto)
        return;
    actual = texto;
    emit celdaCambiada(mes, columna);
    if (m_def.columnas.at(columna).tecleada)
        pCadena(mes);
    if (columna == m_def.columnaActual)
        pTotal();
}

void AsistenteAnexo::pCadena(int mes)
{
    for (const DerivadaAsistente &d : m_def.cadena)
        pEvaluar(d, mes, nullptr);
}

void AsistenteAnexo::pEvaluar(const DerivadaAsistente &d, int mes, const FilaAnexo *fila)
{
    double valor = 0;
    for (const TerminoAsistente &t : d.terminos) {
        double n = 0;
        switch (t.origen) {
        case TerminoAsistente::Celda: n = fNumero(celda(mes, t.indice)); break;
        case TerminoAsistente::Guardado: n = fila ? fNumero(fila->montos[t.indice]) : 0; break;
        case TerminoAsistente::Iean: n = aMontoIEAN(mes); break;
        }
        valor += t.signo * n;
    }
    if (d.porFactor)
        valor *= aFactor(mes);
    setCelda(mes, d.columna, fMostrar(valor));
}

void AsistenteAnexo::pTotal()
{
    double total = 0;
    for (int mes = m_def.primerMes; mes <= m_def.ultimoMes; ++mes)
        total += fNumero(celda(mes, m_def.columnaActual));
    if (m_def.totalNegativoACero && total < 0)
        total = 0;
    const QString t = fMostrar(total);
    if (t == m_total)
        return;
    m_total = t;
    emit totalCambiado();
}

double AsistenteAnexo::fTotal() const
{
    return fNumero(m_total);
}

QVector<double> AsistenteAnexo::fFactores(bool aplica, const QHash<QString, double> &fac) const
{
    QVector<double> f(m_def.meses(), 0.0);
    for (int mes = m_def.primerMes; mes <= m_def.ultimoMes; ++mes)
        // While the factors apply, a month without a FAC row keeps 0.
        f[pos(mes)] = aplica ? fac.value(anexos::periodoFac(mes), 0.0) : 1.0;
    return f;
}

void AsistenteAnexo::pCargar(const Entrada &e)
{
    m_ruc = vb::Trim(e.ruc);
    m_iAccion = e.iAccion;
    m_tipo = m_def.tipoAsist.isEmpty() ? fTipoAsistPorRespuestas(e.optIEAN, e.optAnexo) : m_def.tipoAsist;
    for (QVector<QString> &fila : m_celdas)
        fila.fill(QString());
    m_iean.fill(0.0);
    m_total.clear();

    const bool aplica = fFactoresAplican(e.casilla332, e.casilla333);
    bool aplicaActa = false;
    if (m_guarda) {
        // The boxes as the declaration last stored them (no row reads "0").
        auto guardada = [this](const char *n) {
            return vb::Val(vb::CStr(fValorCasilla(QString::fromLatin1(n), m_ruc, gsPeriodo, gsFormulario)));
        };
        aplicaActa = guardada("332") > 0 || guardada("333") != 0;
    }
    QHash<QString, double> fac;
    if (aplica || aplicaActa)
        fac = m_fuente->factores(m_def.codTri);
    m_factorActa = m_guarda ? fFactores(aplicaActa, fac) : QVector<double>(m_def.meses(), 0.0);
    m_factor = fFactores(aplica, fac);

    QHash<QString, FilaAnexo> primera;
    for (const FilaAnexo &f : m_fuente->filas(m_ruc, m_tipo))
        if (!primera.contains(f.perPag))
            primera.insert(f.perPag, f);
    for (int mes = m_def.primerMes; mes <= m_def.ultimoMes; ++mes) {
        const auto f = primera.constFind(anexos::perPag(mes, gsPeriodo));
        if (f != primera.constEnd())
            pCargarFila(mes, *f);
    }
    m_totalAlAbrir = fTotal();
}

void AsistenteAnexo::pCargarFila(int mes, const FilaAnexo &fila)
{
    // A column without a value (a row another writer added) is an empty cell.
    for (int c = 0; c < m_def.columnas.size(); ++c)
        if (m_def.columnas.at(c).acta >= 0)
            setCelda(mes, c, vb::Format(fila.montos[m_def.columnas.at(c).acta], kCelda));
    if (m_def.primerMesIean > 0)
        m_iean[pos(mes)] = mes < m_def.primerMesIean ? 0.0 : fNumero(fila.monto(ColumnaAnexo::PagoIeanR));
    for (const DerivadaAsistente &d : m_def.alCargar)
        pEvaluar(d, mes, &fila);
}

void AsistenteAnexo::pAlEntrar(int mes, int columna)
{
    setCelda(mes, columna, vb::Format(celda(mes, columna), kLectura));
}

void AsistenteAnexo::pAlSalir(int mes, int columna)
{
    setCelda(mes, columna, vb::Format(celda(mes, columna), kCelda));
}

int AsistenteAnexo::fTeclaImporte(int tecla)
{
    return FiltroTeclas::fFiltroDigitos(tecla);
}

std::optional<QString> AsistenteAnexo::fPegadoImporte(const QString &texto)
{
    return ImportePegado::fEntrada(texto, ImportePegado::Negativo::Rechazado);
}
