#pragma once
// The window of an annex table, laid out from its design table (positions in
// twips as the legacy windows have them) and bound to its AsistenteAnexo.
// A calculator (FrmAnexo117, FrmAnexo120, FrmAnexo131, FrmAnexo131A) reads
// the rows of the declaration in ACTA and stores them on "&Aceptar"; its
// read-only twin (the same windows with an "E") is the same window over the
// HACTA rows of the send on view, every cell disabled and no accept button.
#include "annexes/core/asistenteanexo.h"
#include <QDialog>
#include <QHash>
#include <QString>
#include <QVector>

class CeldaAnexo;
class ModeloCasillas;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// A control of the window other than the cells and the grand total.
struct ElementoAnexo {
    enum Tipo { Etiqueta, Encabezado, Marco, Aceptar, Cancelar, Barra };
    Tipo tipo;
    QString nombre;         // "Label1", "lbl117", "Frame2", "CmdGrabar", ...
    int indice;             // element of its control array, -1 for none
    QString texto;
    int x, y, ancho, alto;  // twips, inside its container
    QString contenedor;     // a Marco's name, "" for the window
};

struct DisenoAnexo {
    DisenoAnexo() = default;
    // A calculator's window ("FrmAnexo117") or its twin's (the name with an "E").
    DisenoAnexo(const QString &ventana, bool enviada, int ancho, int alto);
    // The cells: the left edge of each column, the top of each month's row.
    void pCeldas(const QVector<int> &izquierdas, const QVector<int> &arribas, int ancho, int alto,
                 const QString &contenedor = QString());
    void pTotal(const QString &control, int x, int y, const QString &contenedor = QString());

    QString nombre;                 // the window's name ("FrmAnexo117E")
    int anchoInterior = 0;          // inner area, twips
    int altoInterior = 0;
    int ayuda = 0;                  // help topic; -1: the box chosen at load
    bool escCierra = true;          // ESC closes as the cancel button does
    // FrmAnexo131 keeps its first cell last in the tab order (the focus
    // starts in the second one).
    bool primeraCeldaAlFinal = false;
    // Created in this order (a later one lies in front); the buttons and the
    // scroll bar follow the cells in the tab order in this order.
    QVector<ElementoAnexo> elementos;
    // Cell of column c, month position p: (izquierda[c], arriba[p]).
    QString contenedorCeldas;
    QVector<int> izquierda;
    QVector<int> arriba;
    int anchoCelda = 0;
    int altoCelda = 0;
    // The grand total.
    QString nombreTotal;
    int xTotal = 0, yTotal = 0;
    QString contenedorTotal;
};

class FrmAnexo : public QDialog {
    Q_OBJECT
public:
    ~FrmAnexo() override;

    // Public variables of a calculator: set by the opener, dTotal read back.
    QString sRuc;
    int iAccion = 0;
    QString sCasilla332;
    QString sCasilla333;
    // The total handed back: the one shown when "&Aceptar" stored the rows,
    // else the one the window opened with. Not a number when the rows could
    // not be read (the box keeps its value).
    double dTotal = 0;

    bool enviada() const { return m_origen != nullptr; }
    AsistenteAnexo *asistente() const { return m_asistente; }
    const DisenoAnexo &diseno() const { return m_diseno; }

    // Controls under their legacy names.
    CeldaAnexo *celda(const QString &control, int mes) const;
    QLineEdit *total() const { return m_total; }
    QLabel *etiqueta(const QString &nombre, int indice = -1) const;
    QWidget *marco(const QString &nombre) const { return m_marcos.value(nombre); }
    QPushButton *CmdGrabar = nullptr;   // none in a viewer
    QPushButton *botonCancelar = nullptr;
    QScrollBar *HScroll1 = nullptr;     // FrmAnexo131A and its twin

    // Loads the table first; shows nothing when it cannot be read.
    int exec() override;
    void done(int r) override;

    void CmdGrabar_Click();
    void cmdCancelar_Click();
    void HScroll1_Change(int valor);

protected:
    // origen: the box store of the sent-declaration window the viewer reads;
    // null for a calculator.
    FrmAnexo(const DefinicionAsistente &definicion, const DisenoAnexo &diseno, ModeloCasillas *origen,
             QWidget *parent);
    void keyPressEvent(QKeyEvent *e) override;

private:
    bool Form_Load();
    void pCrearControles();
    void pOrdenTab();
    QWidget *contenedor(const QString &nombre);

    DisenoAnexo m_diseno;
    ModeloCasillas *m_origen;
    AsistenteAnexo *m_asistente;
    QHash<QString, CeldaAnexo *> m_celdas;   // "control_mes"
    QHash<QString, QLabel *> m_etiquetas;    // "nombre_indice"
    QHash<QString, QWidget *> m_marcos;
    QLineEdit *m_total = nullptr;
    bool m_aceptado = false;
};

// Twips of the designs to pixels of the screen.
int fPixeles(double twips);

// A calculator of one table and its read-only twin: the same window, the
// second over the send on view.
template <const DefinicionAsistente &(*fDefinicion)(), DisenoAnexo (*fDiseno)(bool enviada)>
class CalculadoraAnexo : public FrmAnexo {
public:
    explicit CalculadoraAnexo(QWidget *parent = nullptr) : FrmAnexo(fDefinicion(), fDiseno(false), nullptr, parent) {}
};

template <const DefinicionAsistente &(*fDefinicion)(), DisenoAnexo (*fDiseno)(bool enviada)>
class VisorAnexo : public FrmAnexo {
public:
    explicit VisorAnexo(ModeloCasillas &origen, QWidget *parent = nullptr)
        : FrmAnexo(fDefinicion(), fDiseno(true), &origen, parent) {}
};
