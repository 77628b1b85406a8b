#include "platform/utilitario.h"

bool fSoloDigitos(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool cUtilitario::ValidaRuc(const QString &ruc) const
{
    if (ruc.size() != 11 || !fSoloDigitos(ruc))
        return false;
    static const int weights[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += (ruc[i].unicode() - '0') * weights[i];
    int check = 11 - sum % 11;
    if (check == 10)
        check = 0;
    else if (check == 11)
        check = 1;
    return ruc[10].unicode() - '0' == check;
}

bool cUtilitario::ValidaNumDoc(const QString &numero, int &salida1, int &salida2) const
{
    salida1 = 0;
    salida2 = 0;
    return fSoloDigitos(numero);
}

bool cUtilitario::ValidaNumDocMarcado(const QString &numero, int &salida1, int &salida2) const
{
    salida1 = 0;
    salida2 = 0;
    return ValidaRuc(numero);
}

QString cUtilitario::fRellenarTexto(const QString &texto, int ancho) const
{
    if (texto.size() >= ancho)
        return texto;
    return texto.rightJustified(ancho, QLatin1Char(' '));
}

QString cUtilitario::fCompletarTexto(const QString &texto, int ancho) const
{
    if (texto.size() >= ancho)
        return texto;
    return texto.leftJustified(ancho, QLatin1Char(' '));
}
