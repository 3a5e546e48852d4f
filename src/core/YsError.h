#pragma once

#include <QString>
#include <stdexcept>

// An unexpected failure carrying the Chinese text the user is shown (or the command line prints).
class YsError : public std::runtime_error
{
public:
    explicit YsError(const QString& text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    { }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};
