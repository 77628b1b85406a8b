#pragma once
// A declaration window without widgets for the persistence tests: the box
// store with its 97 boxes, the window variables, the rule runs as flags and
// a record of the screen effects asked for.
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/persistencia/grabacion.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "platform/database.h"
#include "shell/core/modglobal.h"
#include <QSqlRecord>
#include <QStringList>
#include <functional>

class VentanaPrueba : public VentanaDeclaracion {
public:
    VentanaPrueba()
    {
        ListaCasillas::pInicializar(m);
        m.setCampo(Campos::MkePeriodo, Campos::MascaraVacia);
        m.setCampo(Campos::FormaPago, QStringLiteral("X"));
    }

    ModeloCasillas &modelo() override { return m; }
    QList<int> aCasillas() const override { return ListaCasillas::aCasillas(); }
    int iAccion() const override { return accion; }
    QString sRuc() const override { return ruc; }
    QString sPuedeRegistrar() const override { return puede; }
    QString caption() const override { return QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta"); }
    DeclaracionLeida &leida() override { return declaracionLeida; }

    bool DeclaracionCompleta() override { return completa; }
    bool ValidaDeclaracion() override
    {
        ++validaciones;
        giHayInconsistencias = hayInconsistencias ? 1 : 0;
        return valida;
    }
    bool ValidaPeriodo(const QString &) override { return periodoValido; }

    void pPuntero(int p) override { puntero = p; }
    void pMostrarPagina(int p) override { pagina = p; paginas << p; }
    int paginaActual() const override { return pagina; }
    void pEnfocar(const QString &c) override { focos << c; }
    void pMostrarFrame(int e) override { frames << e; }
    void pMostrarInconsistencias() override { ++listasMostradas; if (alMostrarLista) alMostrarLista(); }
    void pBarraEstado(const QString &r, const QString &n) override { barra << r + QLatin1Char('|') + n; }

    // A modify-mode window on ruc, as the chooser opens it.
    void modificar(const QString &r)
    {
        accion = 1;
        ruc = r;
        m.setCampo(Campos::TxtNumRuc, r);
    }
    // A new-mode window whose taxpayer was accepted.
    void nueva(const QString &r, const QString &nombre = QStringLiteral("EMPRESA"))
    {
        accion = 0;
        ruc = r;
        puede = QStringLiteral("S");
        m.setCampo(Campos::CmbRuc, r.leftJustified(11, QLatin1Char(' ')) + QStringLiteral("       ") + nombre);
    }

    ModeloCasillas m;
    DeclaracionLeida declaracionLeida;
    int accion = 1;
    QString ruc;
    QString puede = QStringLiteral("S");
    bool completa = true;
    bool valida = true;
    bool hayInconsistencias = false;
    bool periodoValido = true;
    int validaciones = 0;

    int puntero = 0;
    int pagina = 0;
    QList<int> paginas;
    QStringList focos;
    QList<int> frames;
    int listasMostradas = 0;
    std::function<void()> alMostrarLista;
    QStringList barra;
};

// The stored DET rows of a declaration as "casilla=i_valor=idcasilla=cNumero", by casilla.
inline QStringList filasDet(const Database &db, const QString &ruc)
{
    QStringList l;
    for (const QSqlRecord &r : db.select(QStringLiteral("SELECT Casilla, i_valor, idcasilla, cNumero FROM DET"
                                                        " WHERE DOC_ID_D=? ORDER BY Casilla"),
                                         {ruc}))
        l << QStringList{r.value(0).toString(), r.value(1).toString(), r.value(2).toString(),
                         r.value(3).toString()}
                 .join(QLatin1Char('='));
    return l;
}

inline int contar(const Database &db, const QString &tabla, const QString &ruc)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla + QStringLiteral(" WHERE DOC_ID_D=?"), {ruc})
        .toInt();
}
