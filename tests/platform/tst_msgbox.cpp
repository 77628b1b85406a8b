#include <QtTest>

#include "platform/msgbox.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

class TstMsgBox : public QObject {
    Q_OBJECT
private slots:
    void defaultAnswer_data();
    void defaultAnswer();
    void withoutHandlerWritesStderr_data();
    void withoutHandlerWritesStderr();
    void scripted();
    void handlerReplacedAndRestored();
};

void TstMsgBox::defaultAnswer_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("answer");
    QTest::newRow("0 ok") << 0 << int(msg::OK);
    QTest::newRow("16 critical ok") << 16 << int(msg::OK);
    QTest::newRow("64 information ok") << 64 << int(msg::OK);
    QTest::newRow("49 ok/cancel") << 49 << int(msg::OK);
    QTest::newRow("305 ok/cancel second") << 305 << int(msg::Cancel);
    QTest::newRow("2 abort/retry/ignore") << 2 << int(msg::Abort);
    QTest::newRow("258 second") << 258 << int(msg::Retry);
    QTest::newRow("514 third") << 514 << int(msg::Ignore);
    QTest::newRow("3 yes/no/cancel") << 3 << int(msg::Yes);
    QTest::newRow("259 second") << 259 << int(msg::No);
    QTest::newRow("547 third") << 547 << int(msg::Cancel);
    QTest::newRow("36 yes/no") << 36 << int(msg::Yes);
    QTest::newRow("292 yes/no second") << 292 << int(msg::No);
    QTest::newRow("5 retry/cancel") << 5 << int(msg::Retry);
    QTest::newRow("261 second") << 261 << int(msg::Cancel);
    // A default beyond the buttons shown falls back to the first.
    QTest::newRow("548 yes/no third") << 548 << int(msg::Yes);
    QTest::newRow("256 ok second") << 256 << int(msg::OK);
}

void TstMsgBox::defaultAnswer()
{
    QFETCH(int, style);
    QFETCH(int, answer);
    QCOMPARE(msg::defaultAnswer(style), answer);
}

void TstMsgBox::withoutHandlerWritesStderr_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("style");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<int>("answer");
    QTest::newRow("titled") << "Error de Conección" << 16
                            << QByteArray("Error de Conección: No hay base\n") << int(msg::OK);
    QTest::newRow("yes/no second") << "Aviso" << 292 << QByteArray("Aviso: No hay base\n") << int(msg::No);
    QTest::newRow("untitled") << QString() << 0 << QByteArray("No hay base\n") << int(msg::OK);
}

void TstMsgBox::withoutHandlerWritesStderr()
{
    QFETCH(QString, title);
    QFETCH(int, style);
    QFETCH(QByteArray, written);
    QFETCH(int, answer);

    QTemporaryFile capture;
    QVERIFY(capture.open());
    std::fflush(stderr);
    const int saved = dup(2);
    QVERIFY(saved >= 0);
    QVERIFY(dup2(capture.handle(), 2) >= 0);
    const int got = msg::MsgBox(QStringLiteral("No hay base"), style, title);
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);

    QCOMPARE(got, answer);
    capture.seek(0);
    QCOMPARE(capture.readAll(), written);
}

void TstMsgBox::scripted()
{
    msg::ScriptedAnswerer answers({msg::No});
    QCOMPARE(msg::MsgBox("¿Desea grabar?", 36, "Grabar"), int(msg::No));
    // The queue is dry: the default button answers.
    QCOMPARE(msg::MsgBox("¿Desea salir?", 292, "Salir"), int(msg::No));
    QCOMPARE(msg::MsgBox("Listo", 64), int(msg::OK));
    answers.push(msg::Yes);
    QCOMPARE(msg::MsgBox("Otra", 292, "T"), int(msg::Yes));

    QCOMPARE(answers.shown().size(), 4);
    QCOMPARE(answers.shown().at(0).text, QStringLiteral("¿Desea grabar?"));
    QCOMPARE(answers.shown().at(0).style, 36);
    QCOMPARE(answers.shown().at(0).title, QStringLiteral("Grabar"));
    QCOMPARE(answers.shown().at(2).title, QString());
    answers.clear();
    QVERIFY(answers.shown().isEmpty());
}

void TstMsgBox::handlerReplacedAndRestored()
{
    int outerCalls = 0;
    msg::Handler before = msg::setHandler([&](const QString &, int, const QString &) {
        ++outerCalls;
        return int(msg::Cancel);
    });
    {
        msg::ScriptedAnswerer inner({msg::Yes});
        QCOMPARE(msg::MsgBox("a", 4), int(msg::Yes));
        QCOMPARE(outerCalls, 0);
    }
    // The answerer put the previous handler back when it ended.
    QCOMPARE(msg::MsgBox("b", 4), int(msg::Cancel));
    QCOMPARE(outerCalls, 1);
    msg::setHandler(before);
}

QTEST_APPLESS_MAIN(TstMsgBox)
#include "tst_msgbox.moc"
