#pragma once
// Update factors of the 1998 payments on account.
#include "shell/ui/frmconsultagrilla.h"

class FrmConsFac : public FrmConsultaGrilla {
    Q_OBJECT
public:
    explicit FrmConsFac(QWidget *parent = nullptr);
protected:
    QList<QStringList> filas() override;
};
