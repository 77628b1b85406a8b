// "&Aceptar" of a calculator: its month rows into ACTA.
#include "annexes/core/asistenteanexo.h"
#include "common/codigocontrol.h"
#include "declaration/core/persistencia/grabacion.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include <QSqlRecord>

Registro AsistenteAnexo::fFilaActa(int mes) const
{
    Registro r{{QStringLiteral("Doc_id_d"), m_ruc},
               {QStringLiteral("tip_doc_d"), 6},
               {QStringLiteral("periodo"), gsPeriodo},
               {QStringLiteral("Formulario"), gsFormulario},
               {QStringLiteral("per_pag"), anexos::perPag(mes, gsPeriodo)}};
    for (int c = 0; c < m_def.columnas.size(); ++c) {
        const ColumnaAsistente &col = m_def.columnas.at(c);
        if (!col.tecleada)
            continue;
        const QString t = celda(mes, c);
        // An empty cell is stored as one blank, never as 0.
        r.append({anexos::columna(ColumnaAnexo(col.acta)),
                  vb::Trim(t).isEmpty() ? QStringLiteral(" ") : vb::Format(t, QStringLiteral("#########0"))});
    }
    r.append({QStringLiteral("tipo_asist"), m_tipo});
    r.append({QStringLiteral("FACTOR"), aFactorActa(mes)});
    return r;
}

void AsistenteAnexo::pGrabar(Database &db)
{
    const QVariantList llave = fLlave(m_ruc);
    Transaction t(db, true);
    // A new declaration gets the bare header that marks it as not saved yet
    // by the declaration window, whose cancel removes it with the annex rows.
    // A header already there (the window's own save) keeps its state and code.
    if (m_iAccion == 0 && db.select(QStringLiteral("SELECT cNumero FROM CAB") + fLlaveSql(), llave).isEmpty())
        db.addNew(QStringLiteral("CAB"), {{QStringLiteral("Doc_id_d"), m_ruc},
                                          {QStringLiteral("tip_doc_d"), 6},
                                          {QStringLiteral("periodo"), gsPeriodo},
                                          {QStringLiteral("Formulario"), gsFormulario},
                                          {QStringLiteral("cNumero"), QStringLiteral("0")}});

    db.exec(QStringLiteral("DELETE FROM ACTA") + fLlaveSql() + QStringLiteral(" AND TIPO_ASIST<>?"),
            llave + QVariantList{m_tipo});

    // The rows of this type keep the columns of the other calculator of the type.
    QHash<QString, QSqlRecord> guardadas;
    for (const QSqlRecord &r : db.select(QStringLiteral("SELECT * FROM ACTA") + fLlaveSql()
                                             + QStringLiteral(" AND TIPO_ASIST=? ORDER BY rowid"),
                                         llave + QVariantList{m_tipo})) {
        const QString per = vb::CStr(r.value(QStringLiteral("per_pag")));
        if (!guardadas.contains(per))
            guardadas.insert(per, r);
    }

    // One statement for the months: a row already there keeps its key and
    // every column not written here.
    const QString acta = QStringLiteral("ACTA");
    QList<Registro> filas;
    QStringList cambios;
    for (int mes = m_def.primerMes; mes <= m_def.ultimoMes; ++mes) {
        Registro fila = fFilaActa(mes);
        const auto g = guardadas.constFind(anexos::perPag(mes, gsPeriodo));
        const Registro completo = g == guardadas.constEnd() ? fRegistroCompleto(db, acta, nullptr, fila)
                                                            : fRegistroCompleto(db, acta, &*g, fila.mid(5));
        fila.append({QStringLiteral("cNumero"), fCodigoControl(completo, 5)});
        filas << fila;
    }
    for (const Campo &c : filas.first().mid(5))
        cambios << c.nombre + QStringLiteral("=excluded.") + c.nombre;
    db.addNewAll(acta, filas,
                 QStringLiteral(" ON CONFLICT (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist)"
                                " DO UPDATE SET ")
                     + cambios.join(QStringLiteral(", ")));
    t.commit();
}
