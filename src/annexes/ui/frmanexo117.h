#pragma once
// Box 117: the IEAN instalments paid from April to December 1998 (annex type
// "2", column pago_iean), and its read-only twin for a sent declaration.
#include "annexes/ui/frmanexo.h"

DisenoAnexo fDisenoAnexo117(bool enviada);

class FrmAnexo117 : public FrmAnexo {
    Q_OBJECT
public:
    explicit FrmAnexo117(QWidget *parent = nullptr)
        : FrmAnexo(DefinicionAsistente::anexo117(), fDisenoAnexo117(false), nullptr, parent) {}
};

class FrmAnexo117E : public FrmAnexo {
    Q_OBJECT
public:
    explicit FrmAnexo117E(ModeloCasillas &origen, QWidget *parent = nullptr)
        : FrmAnexo(DefinicionAsistente::anexo117(), fDisenoAnexo117(true), &origen, parent) {}
};
