#pragma once
// Whether a PDF file was written whole: a writer that lost bytes to a full
// disk leaves no "%%EOF", or a cross-reference table that points beside its
// objects. Checked on the bytes that reached the file, not on the writer's word.
#include <QByteArray>

// True when b starts as a PDF, ends with "%%EOF" after "startxref" and the
// offset of its "xref" table, and every object in use that the table lists
// starts where the table says ("<number> <generation> obj").
bool pdfWhole(const QByteArray &b);
