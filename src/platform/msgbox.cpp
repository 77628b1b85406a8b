#include "platform/msgbox.h"

#include <cstdio>

namespace msg {
namespace {

Handler &installed()
{
    static Handler h;
    return h;
}

} // namespace

QList<int> buttonsOf(int style)
{
    switch (style & 7) {
    case 1: return {OK, Cancel};
    case 2: return {Abort, Retry, Ignore};
    case 3: return {Yes, No, Cancel};
    case 4: return {Yes, No};
    case 5: return {Retry, Cancel};
    default: return {OK};
    }
}

int defaultAnswer(int style)
{
    const QList<int> buttons = buttonsOf(style);
    const int index = (style >> 8) & 3;   // 256 second button, 512 third, 768 fourth
    // A default beyond the last button falls back to the first one.
    return index < buttons.size() ? buttons[index] : buttons.first();
}

int MsgBox(const QString &text, int style, const QString &title)
{
    const Handler &h = installed();
    if (h)
        return h(text, style, title);
    const QByteArray line = (title.isEmpty() ? text : title + QStringLiteral(": ") + text).toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
    return defaultAnswer(style);
}

Handler setHandler(Handler h)
{
    Handler previous = installed();
    installed() = std::move(h);
    return previous;
}

ScriptedAnswerer::ScriptedAnswerer(QList<int> answers)
    : m_answers(std::move(answers))
{
    m_previous = setHandler([this](const QString &text, int style, const QString &title) {
        m_shown.append({text, style, title});
        if (m_answers.isEmpty())
            return defaultAnswer(style);
        return m_answers.takeFirst();
    });
}

ScriptedAnswerer::~ScriptedAnswerer()
{
    setHandler(m_previous);
}

} // namespace msg
