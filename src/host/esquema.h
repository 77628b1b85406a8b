#pragma once
// The tables of the host's database, carried inside the program.
#include <QStringList>

namespace host {
// The statements of the schema embedded in the program, one per element.
QStringList sentenciasEsquema();
// The CREATE INDEX statements among them (each IF NOT EXISTS), which the host
// also runs on a database made before they were added.
QStringList sentenciasIndices();
// Splits SQL text into statements: "--" comments dropped, ';' inside quotes
// kept, a trigger's body kept whole up to its END.
QStringList dividirSentencias(const QString &sql);
}
