#include "Messages.h"

#include <cstdio>

namespace {

Messages* g_installed = nullptr;

Messages& fallback()
{
    static ScriptedMessages messages(
        [](const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); });
    return messages;
}

} // namespace

Messages& Messages::instance()
{
    return g_installed ? *g_installed : fallback();
}

void Messages::install(Messages* messages)
{
    g_installed = messages;
}

void ShowWarning(const QString& text)
{
    Messages::instance().showWarning(text);
}

Messages::Answer AskYesNo(const QString& text)
{
    return Messages::instance().askYesNo(text);
}

Messages::Answer AskYesNoCancel(const QString& text)
{
    return Messages::instance().askYesNoCancel(text);
}

void ScriptedMessages::record(Shown::Kind kind, const QString& title, const QString& text)
{
    m_shown.push_back(Shown{kind, title, text});
    if (m_echo) {
        m_echo(text);
    }
}

Messages::Answer ScriptedMessages::next()
{
    if (m_answers.empty()) {
        return m_defaultAnswer;
    }
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

void ScriptedMessages::showWarning(const QString& text)
{
    record(Shown::Kind::Warning, kWarningTitle, text);
}

void ScriptedMessages::showInformation(const QString& title, const QString& text)
{
    record(Shown::Kind::Information, title, text);
}

Messages::Answer ScriptedMessages::askYesNo(const QString& text)
{
    record(Shown::Kind::YesNo, kQuestionTitle, text);
    const Answer a = next();
    return a == Answer::Cancel ? Answer::No : a;
}

Messages::Answer ScriptedMessages::askYesNoCancel(const QString& text)
{
    record(Shown::Kind::YesNoCancel, kQuestionTitle, text);
    return next();
}

std::optional<QString> ScriptedMessages::askPassword(const QString& title, const QString& prompt)
{
    m_shown.push_back(Shown{Shown::Kind::Password, title, prompt});
    return m_password;
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Shown& s : m_shown) {
        out << s.text;
    }
    return out;
}
