#pragma once

#include <QString>
#include <optional>
#include <variant>

// The value of one property-list entry: empty, a 32-bit integer, a real, a boolean or a text. Conversions follow
// the text forms of NumberText.h, which is what project files and update.ini contain.
class PropValue
{
public:
    enum class Kind { Empty, Integer, Real, Boolean, Text };

    PropValue() = default;
    PropValue(qint32 v)
        : m_v(v)
    { }
    PropValue(double v)
        : m_v(v)
    { }
    PropValue(bool v)
        : m_v(v)
    { }
    PropValue(const QString& v)
        : m_v(v)
    { }
    PropValue(const char*) = delete; // say QStringLiteral so the kind is never a surprise

    Kind kind() const { return static_cast<Kind>(m_v.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }

    // The text form, also what files receive.
    QString toText() const;
    // The conversions of a reader; std::nullopt is the conversion error.
    std::optional<double> toReal() const;
    std::optional<qint32> toInteger() const;
    std::optional<bool> toBoolean() const;

    bool operator==(const PropValue&) const = default;

private:
    std::variant<std::monostate, qint32, double, bool, QString> m_v;
};
