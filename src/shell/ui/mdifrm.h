#pragma once
// Qx381's main window: menus, toolbar and status bar. Every command opens its
// window modally from here. Commands whose windows belong to other
// subsystems stay disabled until those windows register (registroventanas.h).
#include <QList>
#include <QMainWindow>

class BarradeEstadoZRV;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

class MDIFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIFrm(QWidget *parent = nullptr);
    ~MDIFrm() override;

    // The main window while it exists (the utilities centre over it and write
    // its status bar).
    static MDIFrm *instancia();

    // The window's load: period and form code, position, shown, settings
    // read, database opened, help file, status bar. False when the database
    // could not be opened (the message has been shown): the program must end.
    bool MDIForm_Load();

    // The help contents: the HTML page beside the help file, or a message
    // (pMostrarAyuda, which F1 also uses).
    void MostrarHelp();

    // Enables the commands whose windows are registered.
    void pActualizarComandos();

    // Toolbar button by its index, 1 to 10 (6, 8 and 9 are separators).
    QAction *boton(int indice) const;

    QString sArchivoAyuda;   // the application's help file
    BarradeEstadoZRV *BarradeEstadoZRV1;
    QLabel *Picture2;
    QLabel *imgFondo;
    QToolBar *tlbMenu;

    QMenu *mnuDeclara, *mnuDeclarEnv, *mnuConsultas, *mnuayuda;
    QAction *mnuNueva, *mnuModificar, *mnuEliminar, *rayita1, *mnuImprimir, *rayita, *mnuSalir;
    QAction *mnuRegistrar, *mnuEliminar1, *Raya, *mnuImprimir1;
    QAction *mnutasas, *mnuFactores, *mnuDocIdent;
    QAction *mnuContenido, *rayita2, *mnuAcercaDe;

public slots:
    void mnuNueva_Click();
    void mnuModificar_Click();
    void mnuEliminar_Click();
    void mnuImprimir_Click();
    void mnuSalir_Click();
    void mnuRegistrar_Click();
    void mnuEliminar1_Click();
    void mnuImprimir1_Click();
    void mnutasas_Click();
    void mnuFactores_Click();
    void mnuDocIdent_Click();
    void mnuContenido_Click();
    void mnuAcercaDe_Click();
    void tlbMenu_ButtonClick(int indice);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void mouseMoveEvent(class QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void crearMenus();
    void crearBarra();
    void vigilarMovimiento(QWidget *w);
    void limpiarRazonSocial();
    QList<QAction *> m_botones;   // toolbar buttons 1..10
    bool m_activada = false;      // activated once: its frame is known
};
