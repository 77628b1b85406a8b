#pragma once
// One annex table at work, free of widgets: the cells of every month, the
// two factor arrays, the row calculations and the grand total, the load and
// the save. A calculator window and its read-only twin bind to the same
// class; what differs is where the rows come from (ACTA of the declaration,
// or HACTA of the send on view) and that the twin never stores.
//
// A cell's change handling runs only when its text really changes, as the
// window's Change events do: a typed cell runs the month's chain, the
// updated amount the grand total.
#include "annexes/core/definicionesasistente.h"
#include "platform/database.h"
#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>
#include <memory>
#include <optional>

class AsistenteAnexo : public QObject {
    Q_OBJECT
public:
    // What the load reads besides the rows.
    struct Entrada {
        QString ruc;            // taxpayer key (trimmed here)
        int iAccion = 0;        // 0: the declaration may have no CAB header yet
        QString casilla332;     // boxes 332 and 333 as shown: the shown factors
        QString casilla333;
        QString optIEAN;        // answers "1", "0", "": the type of FrmAnexo131
        QString optAnexo;
    };

    // guarda: a calculator, which reads the stored factors and can store its
    // rows; false: a read-only viewer.
    AsistenteAnexo(const DefinicionAsistente &definicion, std::shared_ptr<FuenteAnexos> fuente,
                   bool guarda, QObject *parent = nullptr);

    const DefinicionAsistente &definicion() const { return m_def; }
    bool guarda() const { return m_guarda; }

    // Form_Load: annex type, stored boxes 332 and 333 (calculators), both
    // factor arrays, the stored rows. A database failure raises DbError.
    void pCargar(const Entrada &e);

    QString ruc() const { return m_ruc; }
    QString sTipoAsist() const { return m_tipo; }
    // Box the table feeds ("117", "120", "128", "131"), "" when none applies.
    QString casilla() const;
    // "Asistente de Cálculo de Casilla " and the box; without one the bare caption.
    QString caption() const;

    // Month m is primerMes..ultimoMes; column c indexes the definition's columns.
    QString celda(int mes, int columna) const;
    // Sets a cell as typing or code does; the change handling runs when the
    // text changes.
    void setCelda(int mes, int columna, const QString &texto);
    QString total() const { return m_total; }           // grand total as shown
    double aFactor(int mes) const { return m_factor.value(mes - m_def.primerMes); }
    double aFactorActa(int mes) const { return m_factorActa.value(mes - m_def.primerMes); }
    double aMontoIEAN(int mes) const { return m_iean.value(mes - m_def.primerMes); }

    // Numeric value of the grand total as shown (12,345 gives 12345; empty 0).
    double fTotal() const;
    // The same, as the window showed it once loaded: what closing without
    // "&Aceptar" hands back, so the box agrees with the rows left as they were.
    double totalAlAbrir() const { return m_totalAlAbrir; }

    // Entry rules of a typed cell: digits only while it has the focus, the
    // thousands separators once it is left.
    static constexpr int kLargoEnFoco = 10;
    static constexpr int kLargoFuera = 13;
    void pAlEntrar(int mes, int columna);
    void pAlSalir(int mes, int columna);
    // The key a typed cell keeps (after ENTER has moved the focus): digits
    // and Backspace, anything else dropped (0).
    static int fTeclaImporte(int tecla);
    // A text pasted into a typed cell: the amount's digits, nullopt refused
    // (no amount, or a negative one, which no typed cell holds).
    static std::optional<QString> fPegadoImporte(const QString &texto);

    // "&Aceptar": the header of a new declaration, the removal of the other
    // annex types and the month rows, in one transaction. A failure raises
    // DbError and leaves every row as it was.
    void pGrabar(Database &db);
    // The assigned columns of month m's row as the save writes them (key,
    // typed amounts, type, factor), before the control code.
    Registro fFilaActa(int mes) const;

    // Number of an amount text, as the cells are read: Val(Format(t, "#########0")).
    static double fNumero(const QString &texto);
    // An amount shown in a cell: "#,###,###,##0".
    static QString fMostrar(double valor);

signals:
    void celdaCambiada(int mes, int columna);
    void totalCambiado();

private:
    int pos(int mes) const { return mes - m_def.primerMes; }
    void pCargarFila(int mes, const FilaAnexo &fila);
    void pEvaluar(const DerivadaAsistente &d, int mes, const FilaAnexo *fila);
    void pCadena(int mes);
    void pTotal();
    QVector<double> fFactores(bool aplica, const QHash<QString, double> &fac) const;

    const DefinicionAsistente &m_def;
    std::shared_ptr<FuenteAnexos> m_fuente;
    bool m_guarda;
    QString m_ruc;
    int m_iAccion = 0;
    QString m_tipo;
    QVector<QVector<QString>> m_celdas;   // [month position][column]
    QVector<double> m_factor, m_factorActa, m_iean;
    QString m_total;
    double m_totalAlAbrir = 0;
};

// Whether the update factors apply, from boxes 332 and 333 as shown: 332
// positive or 333 not zero.
bool fFactoresAplican(const QString &casilla332, const QString &casilla333);

// Left edge of the sliding frame of FrmAnexo131A for the scroll bar's value,
// in twips: 14 % of the inner width at 0, then -1 % per step.
double fIzquierdaMarcoDeslizante(int valor, double anchoInterior);
