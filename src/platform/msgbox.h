#pragma once
// Message boxes with the legacy style numbers and button codes.
#include <QList>
#include <QString>
#include <functional>

namespace msg {

enum Boton { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

using Handler = std::function<int(const QString &text, int style, const QString &title)>;

// Shows (text, style, title) through the installed handler and returns the
// button code. Without a handler: writes "title: text" to standard error and
// answers as the default button would.
int MsgBox(const QString &text, int style = 0, const QString &title = QString());

// Installs a handler; returns the previous one.
Handler setHandler(Handler h);

// The button code the style's default button gives (OK, Yes, No, Cancel...).
int defaultAnswer(int style);

// The button codes the style shows, left to right (style & 7).
QList<int> buttonsOf(int style);

// For tests: answers from a queue (default button when it runs dry) and
// records every message shown. Installs itself while it lives.
class ScriptedAnswerer {
public:
    struct Shown { QString text; int style; QString title; };
    explicit ScriptedAnswerer(QList<int> answers = {});
    ~ScriptedAnswerer();
    void push(int answer) { m_answers.append(answer); }
    const QList<Shown> &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }
private:
    QList<int> m_answers;
    QList<Shown> m_shown;
    Handler m_previous;
};

} // namespace msg
