#pragma once
// Shows the text receipt that 0951REP left for the host, as it stands.
#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class FrmConstancia : public QDialog {
    Q_OBJECT
public:
    FrmConstancia(const QString &archivo, const QStringList &lineas, QWidget *parent = nullptr);
    QPlainTextEdit *TxtConstancia;
    QPushButton *CmdCerrar;
};
