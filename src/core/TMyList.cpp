#include "TMyList.h"

#include "Gbk.h"

QString TMyList::matchKey(const QString& name)
{
    int begin = 0;
    int end = name.size();
    while (begin < end && name[begin].unicode() <= 32) {
        ++begin;
    }
    while (end > begin && name[end - 1].unicode() <= 32) {
        --end;
    }
    QString key = name.mid(begin, end - begin);
    for (QChar& c : key) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        }
    }
    return key;
}

void TMyList::AddValue(const QString& name, const PropValue& value)
{
    AddItem(name, std::make_unique<Tmyrecord>(Tmyrecord{value}));
}

void TMyList::AddItem(const QString& name, std::unique_ptr<Tmyrecord> record)
{
    QString kept = cutToGbkBytes(name, kMaxNameBytes);
    QString key = matchKey(kept);
    m_entries.push_back(Entry{std::move(kept), std::move(key), std::move(record)});
}

const Tmyrecord* TMyList::FindItem(const QString& name) const
{
    const QString key = matchKey(name);
    // The last match wins, so the scan runs from the end.
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        if (it->key == key) {
            return it->record.get();
        }
    }
    return nullptr;
}

void TMyList::GetValue(const QString& name, PropValue& value) const
{
    if (const Tmyrecord* r = FindItem(name)) {
        value = r->Value;
    }
}

void TMyList::Clear()
{
    m_entries.clear();
}
