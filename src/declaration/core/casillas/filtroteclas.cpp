#include "declaration/core/casillas/filtroteclas.h"
#include "declaration/core/casillas/importepegado.h"
#include "declaration/core/casillas/listacasillas.h"

namespace FiltroTeclas {

namespace {

bool esDigito(int t) { return t >= '0' && t <= '9'; }
bool esMayuscula(int t) { return t >= 'A' && t <= 'Z'; }
bool esMinuscula(int t) { return t >= 'a' && t <= 'z'; }

// Upper case of the plain letters only; accented letters and "ñ" stay as they
// are and are refused by the box filters.
int mayuscula(int t) { return esMinuscula(t) ? t - 'a' + 'A' : t; }

// The plain letter under an accented one or "ñ" ("é" -> "e", "Ñ" -> "N",
// "ü" -> "u"); any other key as it is.
int letraBase(int t)
{
    if (t < 0x80 || t > 0xFFFF)
        return t;
    const QString d = QString(QChar(t)).normalized(QString::NormalizationForm_D);
    return d.size() > 1 && d.at(0).unicode() < 0x80 ? d.at(0).unicode() : t;
}

bool si(const QString &r) { return r == QLatin1String("1"); }
bool no(const QString &r) { return r == QLatin1String("0"); }

} // namespace

int fFiltroCasilla(int n, int tecla)
{
    if (tecla == Retroceso)
        return tecla;
    switch (n) {
    case 137:
        return (tecla == '1' || tecla == '2') ? tecla : 0;
    case 211: case 212: case 225: {
        const int t = mayuscula(tecla);
        if (t == ' ' || esMayuscula(t) || esMinuscula(t) || esDigito(t)
            || t == '-' || t == '.' || t == '/')
            return t;
        return 0;
    }
    default:
        return esDigito(tecla) ? tecla : 0;
    }
}

int fFiltroNombre(int tecla)
{
    // A name typed with accents keeps its letters: the stored names are
    // plain A-Z, so "PÉREZ" goes in as "PEREZ", not as "PREZ".
    const int t = mayuscula(letraBase(tecla));
    if (t == ' ' || esMayuscula(t) || esDigito(t) || t == Retroceso)
        return t;
    return 0;
}

int fFiltroDigitos(int tecla)
{
    return (esDigito(tecla) || tecla == Retroceso) ? tecla : 0;
}

std::optional<QString> fPegadoDigitos(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty() || fFiltrarTexto(t, fFiltroDigitos) != t)
        return std::nullopt;
    return t;
}

QString fFiltrarTexto(const QString &texto, int (*filtro)(int))
{
    QString r;
    for (QChar c : texto) {
        const int t = filtro(c.unicode());
        if (t != 0 && t != Retroceso)
            r.append(QChar(t));
    }
    return r;
}

QString fFiltrarTextoCasilla(int n, const QString &texto)
{
    QString r;
    for (QChar c : texto) {
        const int t = fFiltroCasilla(n, c.unicode());
        if (t != 0 && t != Retroceso)
            r.append(QChar(t));
    }
    return r;
}

std::optional<QString> fPegadoCasilla(int n, const QString &texto)
{
    using ImportePegado::Negativo;
    using ListaCasillas::Clase;
    switch (ListaCasillas::fClase(n)) {
    case Clase::Importe:
    case Clase::Tasa113:
        return ImportePegado::fEntrada(texto, Negativo::Rechazado);
    case Clase::RestaDigitada:
    case Clase::RestaCalculada:
        return ImportePegado::fEntrada(texto, Negativo::Absoluto);
    case Clase::Codigo:
        // A RUC or a registration number.
        return fPegadoDigitos(texto);
    case Clase::TextoLibre:
    case Clase::Respuesta137:
        break;
    }
    const QString r = fFiltrarTextoCasilla(n, texto);
    return r.isEmpty() ? std::nullopt : std::optional<QString>(r);
}

namespace {

// The annex windows, tested in this order: boxes, the answers that open it,
// the entry window's calculator and the viewer's read-only window.
enum class Condicion { IeanSiAnexoNo, IeanSiAnexoSi, IeanNoOSinAnexo };
struct FilaAnexo {
    int casilla1, casilla2;
    Condicion cuando;
    const char *calculadora;
    const char *enviada;
};
const FilaAnexo kAnexos[] = {
    {117, 117, Condicion::IeanSiAnexoNo, "frmAnexo117", "FrmAnexo117E"},
    {120, 120, Condicion::IeanSiAnexoSi, "FrmAnexo120", "FrmAnexo120E"},
    {128, 131, Condicion::IeanNoOSinAnexo, "frmanexo131", "FrmAnexo131E"},
    {128, 128, Condicion::IeanSiAnexoSi, "frmanexo131A", "FrmAnexo131AE"},
};

bool cumple(Condicion r, const QString &optIEAN, const QString &optAnexo)
{
    switch (r) {
    case Condicion::IeanSiAnexoNo: return si(optIEAN) && no(optAnexo);
    case Condicion::IeanSiAnexoSi: return si(optIEAN) && si(optAnexo);
    case Condicion::IeanNoOSinAnexo: return (no(optAnexo) && si(optIEAN)) || no(optIEAN);
    }
    return false;
}

} // namespace

QString fAnexoDeTecla(int n, int tecla, const QString &optIEAN, const QString &optAnexo, const Teclado &t)
{
    const bool abre = tecla == Enter || (t.abreConDigitos && (esDigito(tecla) || tecla == Retroceso));
    if (!abre)
        return QString();
    for (const FilaAnexo &f : kAnexos)
        if ((n == f.casilla1 || n == f.casilla2) && cumple(f.cuando, optIEAN, optAnexo))
            return QString::fromLatin1(t.anexosEnviados ? f.enviada : f.calculadora);
    return QString();
}

int fDestinoEnter(int n, bool habilitada113)
{
    if (n == 113 || ListaCasillas::esAnexo(n))
        return Quieto;
    if (n == 340)
        return 300;
    if (n == 108 && !habilitada113)
        return 103;
    return Tabular;
}

AccionTecla fTeclaCasilla(int n, int tecla, const QString &optIEAN, const QString &optAnexo,
                          bool habilitada113, const Teclado &t)
{
    AccionTecla a;
    a.sAnexo = fAnexoDeTecla(n, tecla, optIEAN, optAnexo, t);
    if (tecla == Enter)
        a.iDestino = fDestinoEnter(n, habilitada113);
    if (!t.filtrar)
        a.tecla = tecla;
    else
        // The calculator's total is what the box holds: the key that opened it
        // is not typed after it (it would be glued to the total).
        a.tecla = a.sAnexo.isEmpty() ? fFiltroCasilla(n, tecla) : 0;
    return a;
}

} // namespace FiltroTeclas
