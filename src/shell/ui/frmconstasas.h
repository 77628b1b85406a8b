#pragma once
// The income-tax rates by kind of taxpayer: a fixed table of labels.
#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

class FrmConsTasas : public QDialog {
    Q_OBJECT
public:
    explicit FrmConsTasas(QWidget *parent = nullptr);
    // Headers first, then kind and rate of each row.
    QList<QLabel *> lblTasas;
    QPushButton *Command1;
protected:
    void closeEvent(QCloseEvent *e) override;
private slots:
    void Command1_Click();
};
