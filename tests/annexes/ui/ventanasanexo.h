#pragma once
// Driving an annex window while its opener holds it modally.
#include "annexes/ui/celdaanexo.h"
#include "annexes/ui/frmanexo.h"
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace ventanasanexo {

// Runs f on the annex window as soon as it is shown modally; a window f
// leaves open is closed after it, so the opener always returns.
inline void alAbrirse(std::function<void(FrmAnexo &)> f, bool *abierta = nullptr)
{
    QTimer::singleShot(0, qApp, [f, abierta] {
        auto *w = qobject_cast<FrmAnexo *>(QApplication::activeModalWidget());
        if (abierta)
            *abierta = w != nullptr;
        if (!w)
            return;
        QVERIFY(QTest::qWaitForWindowActive(w));
        f(*w);
        if (w->isVisible() && QApplication::activeModalWidget() == w)
            w->done(QDialog::Rejected);
    });
}

// A cell clicked, typed into as a user types (keys filtered) and left with
// the tab key.
inline void teclear(FrmAnexo &w, const QString &control, int mes, const QString &texto)
{
    CeldaAnexo *c = w.celda(control, mes);
    QVERIFY(c && c->isEnabled());
    QTest::mouseClick(c, Qt::LeftButton);
    c->selectAll();
    QTest::keyClicks(c, texto);
    QTest::keyClick(c, Qt::Key_Tab);
}

inline QString texto(FrmAnexo &w, const QString &control, int mes)
{
    CeldaAnexo *c = w.celda(control, mes);
    return c ? c->text() : QStringLiteral("<no existe>");
}

} // namespace ventanasanexo
