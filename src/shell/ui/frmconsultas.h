#pragma once
// The bank codes of the payment form.
#include "shell/ui/frmconsultagrilla.h"

class FrmConsultas : public FrmConsultaGrilla {
    Q_OBJECT
public:
    explicit FrmConsultas(QWidget *parent = nullptr);
protected:
    QList<QStringList> filas() override;
};
