#pragma once
#include <QString>
#include <QVariant>
#include "platform/database.h"

QString fTipoUsuario();
QString fDescError(int codigo);
bool fValidaDocumento(const QString &sTipo, const QString &sNumero);
// The taxpayer list: the statement and the values it binds.
struct Consulta { QString sql; QVariantList params; };
Consulta fSqlContribuyentes(const QString &formulario);
QVariant fValorCasilla(const QString &sCasilla, const QString &sRuc, const QString &sPeriodo,
                       const QString &sFormulario);
