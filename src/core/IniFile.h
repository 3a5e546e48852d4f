#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// An INI file as the original platform read and wrote them: "[section]" lines, then "key=value" lines. Section
// and key names match without regard to letter case and outer blanks. GBK on disk. Writing keeps every other
// section, key, comment and line as it was.
class IniFile
{
public:
    // Reads `path`; a missing file is an empty INI and not an error. False with `error` set when the file exists
    // but cannot be read.
    bool load(const QString& path, QString* error = nullptr);
    // Parses GBK bytes (what load reads from disk).
    void parse(const QByteArray& gbk);
    // Writes atomically to the path given to load (or `path` when set); the old file stays on failure.
    bool save(QString* error = nullptr, const QString& path = {}) const;
    QByteArray serialize() const;

    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    bool contains(const QString& section, const QString& key) const;
    // Replaces the first line of `key` in `section`, or appends it (and the section) when missing.
    void setValue(const QString& section, const QString& key, const QString& value);

    QStringList sections() const;
    QStringList keys(const QString& section) const;
    const QString& path() const { return m_path; }

private:
    struct Line
    {
        QString raw; // the line as written to disk
        QString key; // empty for comments and blank lines
        QString value;
        bool isEntry = false;
    };
    struct Section
    {
        QString name; // empty for the lines before the first section
        bool hasHeader = false;
        std::vector<Line> lines;
    };

    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);

    QString m_path;
    std::vector<Section> m_sections;
};
