#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Everything the program says to or asks of the user goes through this seam. The desktop program answers with
// message boxes; the command line and the tests with scripted answers and a record of every text shown.
class Messages
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Messages() = default;
    // Title "提示信息", OK button, warning icon.
    virtual void showWarning(const QString& text) = 0;
    virtual void showInformation(const QString& title, const QString& text) = 0;
    // Title "请选择下一步操作", Yes and No, question icon.
    virtual Answer askYesNo(const QString& text) = 0;
    // Title "请选择下一步操作", Yes, No and Cancel.
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // A masked one-line prompt; std::nullopt when the user cancels.
    virtual std::optional<QString> askPassword(const QString& title, const QString& prompt) = 0;

    // The instance the program talks through; a scripted one that writes to standard error until one is set.
    static Messages& instance();
    // Installs `messages` (not owned); nullptr restores the default.
    static void install(Messages* messages);
};

inline const QString kWarningTitle = QStringLiteral("提示信息");
inline const QString kQuestionTitle = QStringLiteral("请选择下一步操作");

void ShowWarning(const QString& text);
Messages::Answer AskYesNo(const QString& text);
Messages::Answer AskYesNoCancel(const QString& text);

// Scripted answers and a record of every text shown: the command line's and the tests' implementation.
class ScriptedMessages : public Messages
{
public:
    struct Shown
    {
        enum class Kind { Warning, Information, YesNo, YesNoCancel, Password } kind;
        QString title;
        QString text;
    };

    // When `echo` is set, every text shown is also handed to it (the command line prints it on standard error).
    explicit ScriptedMessages(std::function<void(const QString&)> echo = {})
        : m_echo(std::move(echo))
    { }

    void showWarning(const QString& text) override;
    void showInformation(const QString& title, const QString& text) override;
    Answer askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<QString> askPassword(const QString& title, const QString& prompt) override;

    // Answers are taken in order; when none is left, questions get `defaultAnswer` (No unless set).
    void queueAnswer(Answer a) { m_answers.push_back(a); }
    void setDefaultAnswer(Answer a) { m_defaultAnswer = a; }
    // The password typed at every prompt; without one every prompt is cancelled.
    void setPassword(std::optional<QString> password) { m_password = std::move(password); }

    const std::vector<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    void record(Shown::Kind kind, const QString& title, const QString& text);
    Answer next();

    std::function<void(const QString&)> m_echo;
    std::deque<Answer> m_answers;
    Answer m_defaultAnswer = Answer::No;
    std::optional<QString> m_password;
    std::vector<Shown> m_shown;
};

// Installs a Messages for the lifetime of the guard (tests, command line).
class MessagesGuard
{
public:
    explicit MessagesGuard(Messages& m) { Messages::install(&m); }
    ~MessagesGuard() { Messages::install(nullptr); }
    MessagesGuard(const MessagesGuard&) = delete;
    MessagesGuard& operator=(const MessagesGuard&) = delete;
};
