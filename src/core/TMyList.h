#pragma once

#include "PropValue.h"

#include <QString>
#include <memory>
#include <vector>

// One value holder of a property list.
struct Tmyrecord
{
    PropValue Value;
};

// The property list: an ordered list of (name, value) entries through which every object and the project keep
// their persistent data. Adding never replaces; a lookup ignores ASCII letter case and outer blanks and finds the
// last matching entry, so values appended later win.
class TMyList
{
public:
    // Longest name kept, in GBK bytes; longer names are cut without splitting a character.
    static constexpr int kMaxNameBytes = 255;

    void AddValue(const QString& name, const PropValue& value);
    void AddItem(const QString& name, std::unique_ptr<Tmyrecord> record);
    // The record of the last entry whose name matches, or nullptr.
    const Tmyrecord* FindItem(const QString& name) const;
    // Copies the found value into `value`; leaves it exactly as it was when nothing matches.
    void GetValue(const QString& name, PropValue& value) const;
    void Clear();

    int Count() const { return static_cast<int>(m_entries.size()); }
    const QString& name(int i) const { return m_entries[static_cast<size_t>(i)].name; }
    const Tmyrecord& record(int i) const { return *m_entries[static_cast<size_t>(i)].record; }
    // The name of entry i in the form lookups compare (see matchKey).
    const QString& matchKeyAt(int i) const { return m_entries[static_cast<size_t>(i)].key; }

    // The form two names are compared in: ASCII letters upper-cased, characters up to the blank trimmed.
    static QString matchKey(const QString& name);

private:
    struct Entry
    {
        QString name;
        QString key;
        std::unique_ptr<Tmyrecord> record;
    };
    std::vector<Entry> m_entries;
};
