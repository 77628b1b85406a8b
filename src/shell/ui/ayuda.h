#pragma once
// The system's help. The legacy help file has no viewer on Linux: the HTML
// page of the same base name beside it stands in, opened with the desktop's
// browser, at a topic's anchor ("Qx951.html#300") when one is asked for.
// The Help command and F1 go through pMostrarAyuda alike.
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// Opens the page beside archivoAyuda, at topic tema when it is above 0;
// without the page says that the help is not available, and when no browser
// could be started, that the help could not be opened.
void pMostrarAyuda(const QString &archivoAyuda, int tema = 0);

// F1's topic for a control: its "HelpContextID" when above 0, else that of
// the nearest container that has one, up to its window; 0 when none has.
int fTemaAyuda(const QWidget *control);

// F1 anywhere in the program shows the topic of the control that has the
// focus; where no topic is found the key goes on as any other, except in the
// window the filter belongs to (its parent), where it shows the contents.
// archivo gives the help file at the moment of the key.
class TeclaAyuda : public QObject {
public:
    explicit TeclaAyuda(std::function<QString()> archivo, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    std::function<QString()> m_archivo;
};
