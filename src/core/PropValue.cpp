#include "PropValue.h"

#include "NumberText.h"

#include <cmath>
#include <limits>

QString PropValue::toText() const
{
    switch (kind()) {
    case Kind::Empty:
        return {};
    case Kind::Integer:
        return integerToText(std::get<qint32>(m_v));
    case Kind::Real:
        return realToText(std::get<double>(m_v));
    case Kind::Boolean:
        return booleanToText(std::get<bool>(m_v));
    case Kind::Text:
        return std::get<QString>(m_v);
    }
    return {};
}

std::optional<double> PropValue::toReal() const
{
    switch (kind()) {
    case Kind::Empty:
        return 0.0;
    case Kind::Integer:
        return static_cast<double>(std::get<qint32>(m_v));
    case Kind::Real:
        return std::get<double>(m_v);
    case Kind::Boolean:
        return std::nullopt;
    case Kind::Text:
        return textToReal(std::get<QString>(m_v));
    }
    return std::nullopt;
}

std::optional<qint32> PropValue::toInteger() const
{
    switch (kind()) {
    case Kind::Empty:
        return 0;
    case Kind::Integer:
        return std::get<qint32>(m_v);
    case Kind::Real: {
        const double r = roundHalfEven(std::get<double>(m_v));
        if (!std::isfinite(r) || r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max()) {
            return std::nullopt;
        }
        return static_cast<qint32>(r);
    }
    case Kind::Boolean:
        return std::nullopt;
    case Kind::Text:
        return textToInteger(std::get<QString>(m_v));
    }
    return std::nullopt;
}

std::optional<bool> PropValue::toBoolean() const
{
    switch (kind()) {
    case Kind::Empty:
        return false;
    case Kind::Integer:
        return std::get<qint32>(m_v) != 0;
    case Kind::Real:
        return std::get<double>(m_v) != 0.0;
    case Kind::Boolean:
        return std::get<bool>(m_v);
    case Kind::Text:
        return textToBoolean(std::get<QString>(m_v));
    }
    return std::nullopt;
}
