#include "IniFile.h"

#include "AtomicFile.h"
#include "Gbk.h"

#include <QFile>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

bool IniFile::load(const QString& path, QString* error)
{
    m_path = path;
    m_sections.clear();
    QFile file(path);
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("无法读取文件%1！").arg(path);
        }
        return false;
    }
    parse(file.readAll());
    return true;
}

void IniFile::parse(const QByteArray& gbk)
{
    m_sections.clear();
    m_sections.push_back(Section{});
    const QString text = fromGbk(gbk);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString raw = lines[i];
        if (raw.endsWith(QLatin1Char('\r'))) {
            raw.chop(1);
        }
        if (i == lines.size() - 1 && raw.isEmpty()) {
            break; // the newline ending the last line
        }
        const QString t = raw.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.contains(QLatin1Char(']'))) {
            Section s;
            s.name = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
            s.hasHeader = true;
            m_sections.push_back(std::move(s));
            continue;
        }
        Line line;
        line.raw = raw;
        const int eq = raw.indexOf(QLatin1Char('='));
        if (eq > 0 && !t.startsWith(QLatin1Char(';'))) {
            line.key = raw.left(eq).trimmed();
            line.value = raw.mid(eq + 1).trimmed();
            line.isEntry = !line.key.isEmpty();
        }
        m_sections.back().lines.push_back(std::move(line));
    }
}

QByteArray IniFile::serialize() const
{
    QString out;
    for (const Section& s : m_sections) {
        if (s.hasHeader) {
            out += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        }
        for (const Line& l : s.lines) {
            out += l.raw + QStringLiteral("\r\n");
        }
    }
    return toGbk(out);
}

bool IniFile::save(QString* error, const QString& path) const
{
    const QString target = path.isEmpty() ? m_path : path;
    if (!saveFileAtomically(target, serialize())) {
        if (error) {
            *error = QStringLiteral("无法写入文件%1！").arg(target);
        }
        return false;
    }
    return true;
}

const IniFile::Section* IniFile::findSection(const QString& name) const
{
    for (const Section& s : m_sections) {
        if (s.hasHeader && sameName(s.name, name)) {
            return &s;
        }
    }
    return nullptr;
}

IniFile::Section* IniFile::findSection(const QString& name)
{
    return const_cast<Section*>(static_cast<const IniFile*>(this)->findSection(name));
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    if (const Section* s = findSection(section)) {
        for (const Line& l : s->lines) {
            if (l.isEntry && sameName(l.key, key)) {
                return l.value;
            }
        }
    }
    return defaultValue;
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    if (const Section* s = findSection(section)) {
        for (const Line& l : s->lines) {
            if (l.isEntry && sameName(l.key, key)) {
                return true;
            }
        }
    }
    return false;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    Section* s = findSection(section);
    if (!s) {
        if (m_sections.empty()) {
            m_sections.push_back(Section{});
        }
        Section fresh;
        fresh.name = section;
        fresh.hasHeader = true;
        m_sections.push_back(std::move(fresh));
        s = &m_sections.back();
    }
    for (Line& l : s->lines) {
        if (l.isEntry && sameName(l.key, key)) {
            l.value = value;
            l.raw = l.key + QLatin1Char('=') + value;
            return;
        }
    }
    // Append after the section's last entry, ahead of the blank lines that separate it from the next one.
    auto pos = s->lines.end();
    while (pos != s->lines.begin() && !(pos - 1)->isEntry && (pos - 1)->raw.trimmed().isEmpty()) {
        --pos;
    }
    Line line;
    line.key = key;
    line.value = value;
    line.raw = key + QLatin1Char('=') + value;
    line.isEntry = true;
    s->lines.insert(pos, std::move(line));
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Section& s : m_sections) {
        if (s.hasHeader) {
            out << s.name;
        }
    }
    return out;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList out;
    if (const Section* s = findSection(section)) {
        for (const Line& l : s->lines) {
            if (l.isEntry) {
                out << l.key;
            }
        }
    }
    return out;
}
