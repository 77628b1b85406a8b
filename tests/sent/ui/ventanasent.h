#pragma once
// Driving the modal windows of the sent declarations in a test.
#include <QApplication>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace ventanasent {

// The texts of one grid row, column by column.
inline QStringList fila(const QTableWidget *g, int f)
{
    QStringList t;
    for (int c = 0; c < g->columnCount(); ++c)
        t << (g->item(f, c) ? g->item(f, c)->text() : QString());
    return t;
}

// Runs f on the modal window that the next call opens, once it is up.
inline void alAbrirse(std::function<void(QWidget *)> f)
{
    QTimer::singleShot(0, qApp, [f] {
        QWidget *w = QApplication::activeModalWidget();
        QVERIFY(w);
        f(w);
    });
}

} // namespace ventanasent
