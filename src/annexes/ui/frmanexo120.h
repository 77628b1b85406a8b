#pragma once
// Box 120: the IEAN paid from April to December 1998 with the payments on
// account (annex type "1", column pago_iean_r), and its read-only twin.
#include "annexes/ui/frmanexo.h"

DisenoAnexo fDisenoAnexo120(bool enviada);

class FrmAnexo120 : public FrmAnexo {
    Q_OBJECT
public:
    explicit FrmAnexo120(QWidget *parent = nullptr)
        : FrmAnexo(DefinicionAsistente::anexo120(), fDisenoAnexo120(false), nullptr, parent) {}
};

class FrmAnexo120E : public FrmAnexo {
    Q_OBJECT
public:
    explicit FrmAnexo120E(ModeloCasillas &origen, QWidget *parent = nullptr)
        : FrmAnexo(DefinicionAsistente::anexo120(), fDisenoAnexo120(true), &origen, parent) {}
};
