#pragma once

#include "PropValue.h"
#include "TMyList.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <optional>
#include <type_traits>
#include <vector>

// The declarative table of an object's persisted parameters: key, field and type, written once. Storing to and
// loading from the property list, the per-kind defaults and the command line's get/set all walk the same table.

enum class ValueType { Text, Integer, Byte, Real, Boolean };

template<class T> struct FieldCodec;

template<> struct FieldCodec<QString>
{
    static constexpr ValueType type = ValueType::Text;
    static PropValue toValue(const QString& v) { return PropValue(v); }
    static std::optional<QString> fromValue(const PropValue& v) { return v.toText(); }
};

template<> struct FieldCodec<qint32>
{
    static constexpr ValueType type = ValueType::Integer;
    static PropValue toValue(qint32 v) { return PropValue(v); }
    static std::optional<qint32> fromValue(const PropValue& v) { return v.toInteger(); }
};

// Bytes (option indexes) are stored as integers and accept 0 .. 255 only.
template<> struct FieldCodec<quint8>
{
    static constexpr ValueType type = ValueType::Byte;
    static PropValue toValue(quint8 v) { return PropValue(static_cast<qint32>(v)); }
    static std::optional<quint8> fromValue(const PropValue& v)
    {
        const std::optional<qint32> i = v.toInteger();
        if (!i || *i < 0 || *i > std::numeric_limits<quint8>::max()) {
            return std::nullopt;
        }
        return static_cast<quint8>(*i);
    }
};

template<> struct FieldCodec<double>
{
    static constexpr ValueType type = ValueType::Real;
    static PropValue toValue(double v) { return PropValue(v); }
    static std::optional<double> fromValue(const PropValue& v) { return v.toReal(); }
};

template<> struct FieldCodec<bool>
{
    static constexpr ValueType type = ValueType::Boolean;
    static PropValue toValue(bool v) { return PropValue(v); }
    static std::optional<bool> fromValue(const PropValue& v) { return v.toBoolean(); }
};

template<class Owner> struct PropertyBinding
{
    QString key;
    QString matchKey;
    ValueType type;
    // A key the list lacks reads as the empty value of its type (0, "", False) instead of keeping the field.
    bool emptyWhenMissing = false;
    std::function<PropValue(const Owner&)> get;
    // False when the value does not convert to the field's type; the field is then untouched.
    std::function<bool(Owner&, const PropValue&)> set;
};

template<class Owner> class BindingTable
{
public:
    using Binding = PropertyBinding<Owner>;

    // A field of the owner (or of a class derived from it).
    template<class Derived, class T> BindingTable& add(const QString& key, T Derived::*field)
    {
        return addBinding(
            key, FieldCodec<T>::type,
            [field](const Owner& o) { return FieldCodec<T>::toValue(static_cast<const Derived&>(o).*field); },
            [field](Owner& o, const PropValue& v) {
                const std::optional<T> t = FieldCodec<T>::fromValue(v);
                if (t) {
                    static_cast<Derived&>(o).*field = *t;
                }
                return t.has_value();
            });
    }

    // A field of a parameter component the owner holds (the field may belong to a base of the component),
    // stored under "Component.field".
    template<class Derived, class C, class F, class T>
    BindingTable& add(const QString& key, C Derived::*component, T F::*field)
    {
        static_assert(std::is_base_of_v<F, C>);
        return addBinding(
            key, FieldCodec<T>::type,
            [component, field](const Owner& o) {
                const F& c = static_cast<const Derived&>(o).*component;
                return FieldCodec<T>::toValue(c.*field);
            },
            [component, field](Owner& o, const PropValue& v) {
                const std::optional<T> t = FieldCodec<T>::fromValue(v);
                if (t) {
                    F& c = static_cast<Derived&>(o).*component;
                    c.*field = *t;
                }
                return t.has_value();
            });
    }

    // Marks the binding added last: a missing key reads as the empty value of its type.
    BindingTable& emptyWhenMissing()
    {
        m_entries.back().emptyWhenMissing = true;
        return *this;
    }

    const std::vector<Binding>& entries() const { return m_entries; }

    const Binding* find(const QString& key) const
    {
        const auto it = m_index.constFind(TMyList::matchKey(key));
        return it == m_index.constEnd() ? nullptr : &m_entries[static_cast<size_t>(*it)];
    }

    void store(const Owner& owner, TMyList& list) const
    {
        for (const Binding& b : m_entries) {
            list.AddValue(b.key, b.get(owner));
        }
    }

    // Reads every bound key from `list`. A value that does not convert leaves its field as it was and does not
    // stop the others; the keys of such values are returned.
    QStringList load(Owner& owner, const TMyList& list) const
    {
        QHash<QString, int> last; // match key -> index of the last entry, the one lookups see
        last.reserve(list.Count());
        for (int i = 0; i < list.Count(); ++i) {
            last.insert(list.matchKeyAt(i), i);
        }
        QStringList bad;
        for (const Binding& b : m_entries) {
            const auto it = last.constFind(b.matchKey);
            if (it == last.constEnd()) {
                if (b.emptyWhenMissing) {
                    b.set(owner, PropValue());
                }
                continue;
            }
            if (!b.set(owner, list.record(*it).Value)) {
                bad << b.key;
            }
        }
        return bad;
    }

private:
    BindingTable& addBinding(const QString& key, ValueType type, std::function<PropValue(const Owner&)> get,
                             std::function<bool(Owner&, const PropValue&)> set)
    {
        m_entries.push_back(Binding{key, TMyList::matchKey(key), type, false, std::move(get), std::move(set)});
        m_index.insert(m_entries.back().matchKey, static_cast<int>(m_entries.size()) - 1); // the last one wins
        return *this;
    }

    std::vector<Binding> m_entries;
    QHash<QString, int> m_index; // match key -> entry
};
