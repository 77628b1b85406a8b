#pragma once
// The inconsistency list of a validation: shows Mens.txt, prints it as a
// framed listing and lets the user accept saving with inconsistencies.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Printer;

// 1 while the window is loaded, 0 after it unloads.
extern int giConsistAbierto;

class FrmConsist : public QDialog {
    Q_OBJECT
public:
    explicit FrmConsist(QWidget *parent = nullptr);
    ~FrmConsist() override;

    QLabel *Label1;
    QPlainTextEdit *TxtPreliminar;
    QPushButton *CmdImprimir;
    QPushButton *CmdGrabar;

public slots:
    void CmdImprimir_Click();
    // "&Aceptar": save although inconsistent.
    void CmdGrabar_Click();
};

// Prints the message file gsArchivoMensajes; failures are shown titled "Impresión".
void pImprimirInconsistencias();
void pImprimeLinea(Printer &p, int x, int y, const QString &texto, bool negrita, int tamano);
void pImprimeCuadro(Printer &p, int x1, int y1, int x2, int y2);
