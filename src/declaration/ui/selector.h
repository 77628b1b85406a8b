#pragma once
// What the two chooser windows (stored and sent declarations) are made of:
// the instruction label over the list of declarations in its frame, and the
// operation and "&Salir" buttons under it.
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The controls of a chooser, as its window names them.
struct ControlesSelector {
    QLabel *&Label1;
    QGroupBox *&Frame1;
    QTableWidget *&grdContrib;      // whole rows, one at a time, read-only
    QPushButton *(&CmdOpciones)[2]; // 0 the operation, 1 "&Salir"
};

// Builds them on the window: column 1 (the name) takes the width the others
// leave. alPulsar gets the button's index; alCambiarFila runs when the
// current row changes.
void pCrearSelector(QDialog *ventana, const ControlesSelector &c, const QString &marco, const QStringList &columnas,
                    std::function<void(int)> alPulsar, std::function<void()> alDobleClic,
                    std::function<void()> alCambiarFila);
