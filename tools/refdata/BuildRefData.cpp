// Builds the reference database from the schema and one CSV file per table:
//   yunshan-refdata-build SCHEMA.sql CSV_DIR OUT.sqlite
// Every declared table needs its CSV file (named after the table) and every CSV file a table. A CSV header names
// every column of its table (any letter case); further columns are notes and are not loaded. Numeric columns take
// decimal text only, an empty field is NULL. The output is written to a temporary file and renamed at the end, so
// a failed build never leaves a half-filled database behind.
#include "core/NumberText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <stdexcept>

namespace {

struct BuildError : std::runtime_error
{
    explicit BuildError(const QString& text)
        : std::runtime_error(text.toStdString())
    { }
};

// RFC 4180 records: fields separated by commas, optionally quoted with "" as an escaped quote; quoted fields keep
// their blanks and may hold commas and line breaks.
std::vector<QStringList> parseCsv(const QString& text, const QString& fileName)
{
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    auto endField = [&] {
        record << field;
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        if (!(record.size() == 1 && record.front().isEmpty())) {
            records.push_back(record);
        }
        record.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n')) {
                    ++line;
                }
                field += c;
            }
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            ++line;
        } else if (c != QLatin1Char('\r')) {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        throw BuildError(QStringLiteral("%1:%2: unterminated quoted field").arg(fileName).arg(line));
    }
    if (fieldStarted || !record.isEmpty()) {
        endRecord();
    }
    return records;
}

QString readUtf8(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw BuildError(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()));
    }
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    return text;
}

void exec(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql)) {
        throw BuildError(QStringLiteral("%1\n  in: %2").arg(q.lastError().text(), sql.trimmed()));
    }
}

struct Column
{
    QString name;
    QString type; // declared type in upper case
};

std::vector<Column> tableColumns(QSqlDatabase& db, const QString& table)
{
    QSqlQuery q(db);
    exec(q, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    std::vector<Column> cols;
    while (q.next()) {
        cols.push_back({q.value(1).toString(), q.value(2).toString().toUpper()});
    }
    return cols;
}

QVariant fieldValue(const Column& col, const QString& text, const QString& where)
{
    if (text.isEmpty()) {
        return QVariant();
    }
    if (col.type.startsWith(QLatin1String("INT"))) {
        const std::optional<double> v = textToReal(text);
        if (!v || *v != static_cast<double>(static_cast<qint64>(*v))) {
            throw BuildError(QStringLiteral("%1: column %2 expects an integer, not \"%3\"").arg(where, col.name, text));
        }
        return static_cast<qint64>(*v);
    }
    if (col.type == QLatin1String("REAL")) {
        const std::optional<double> v = textToReal(text);
        if (!v) {
            throw BuildError(QStringLiteral("%1: column %2 expects a number, not \"%3\"").arg(where, col.name, text));
        }
        return *v;
    }
    return text;
}

void loadTable(QSqlDatabase& db, const QString& table, const QString& csvPath)
{
    const std::vector<QStringList> records = parseCsv(readUtf8(csvPath), QFileInfo(csvPath).fileName());
    if (records.empty()) {
        throw BuildError(QStringLiteral("%1: no header").arg(csvPath));
    }
    const QStringList& header = records.front();
    const std::vector<Column> cols = tableColumns(db, table);
    std::vector<qsizetype> fieldOf;
    QStringList names;
    QStringList marks;
    for (const Column& col : cols) {
        qsizetype found = -1;
        for (qsizetype i = 0; i < header.size(); ++i) {
            if (header[i].trimmed().compare(col.name, Qt::CaseInsensitive) == 0) {
                if (found >= 0) {
                    throw BuildError(QStringLiteral("%1: column %2 appears twice").arg(csvPath, col.name));
                }
                found = i;
            }
        }
        if (found < 0) {
            throw BuildError(QStringLiteral("%1: no column %2").arg(csvPath, col.name));
        }
        fieldOf.push_back(found);
        names << QStringLiteral("\"%1\"").arg(col.name);
        marks << QStringLiteral("?");
    }
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                            .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))))) {
        throw BuildError(insert.lastError().text());
    }
    for (size_t r = 1; r < records.size(); ++r) {
        const QStringList& rec = records[r];
        const QString where = QStringLiteral("%1 record %2").arg(QFileInfo(csvPath).fileName()).arg(r);
        if (rec.size() != header.size()) {
            throw BuildError(
                QStringLiteral("%1: %2 fields, the header has %3").arg(where).arg(rec.size()).arg(header.size()));
        }
        for (size_t c = 0; c < cols.size(); ++c) {
            insert.addBindValue(fieldValue(cols[c], rec[fieldOf[c]], where));
        }
        if (!insert.exec()) {
            throw BuildError(QStringLiteral("%1: %2").arg(where, insert.lastError().text()));
        }
    }
}

// Statements of the schema file, split at semicolons that end a line; "--" starts a comment.
QStringList schemaStatements(const QString& text)
{
    QStringList statements;
    QString current;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        QString line = rawLine;
        if (const qsizetype dash = line.indexOf(QLatin1String("--")); dash >= 0) {
            line.truncate(dash);
        }
        current += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            statements << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) {
        throw BuildError(QStringLiteral("schema: statement without a closing semicolon"));
    }
    return statements;
}

void build(const QString& schemaPath, const QString& csvDir, const QString& outPath, const QString& connection)
{
    const QString tmpPath = outPath + QStringLiteral(".tmp");
    QFile::remove(tmpPath);
    QDir().mkpath(QFileInfo(outPath).absolutePath());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(tmpPath);
        if (!db.open()) {
            throw BuildError(QStringLiteral("cannot create %1: %2").arg(tmpPath, db.lastError().text()));
        }
        QSqlQuery q(db);
        exec(q, QStringLiteral("PRAGMA foreign_keys = ON"));
        if (!db.transaction()) {
            throw BuildError(db.lastError().text());
        }
        for (const QString& statement : schemaStatements(readUtf8(schemaPath))) {
            exec(q, statement);
        }
        exec(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        QStringList tables;
        while (q.next()) {
            tables << q.value(0).toString();
        }
        QStringList csvFiles = QDir(csvDir).entryList({QStringLiteral("*.csv")}, QDir::Files);
        for (const QString& table : tables) {
            const QString file = table + QStringLiteral(".csv");
            if (!csvFiles.removeOne(file)) {
                throw BuildError(QStringLiteral("table %1 has no file %2 in %3").arg(table, file, csvDir));
            }
            loadTable(db, table, QDir(csvDir).filePath(file));
        }
        if (!csvFiles.isEmpty()) {
            throw BuildError(QStringLiteral("no table for %1").arg(csvFiles.join(QStringLiteral(", "))));
        }
        if (!db.commit()) {
            throw BuildError(db.lastError().text());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    QFile::remove(outPath);
    if (!QFile::rename(tmpPath, outPath)) {
        throw BuildError(QStringLiteral("cannot move %1 to %2").arg(tmpPath, outPath));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: yunshan-refdata-build SCHEMA.sql CSV_DIR OUT.sqlite\n");
        return 2;
    }
    const QString connection = QStringLiteral("refdata-build");
    try {
        build(args[1], args[2], args[3], connection);
    } catch (const BuildError& e) {
        if (QSqlDatabase::contains(connection)) {
            QSqlDatabase::removeDatabase(connection);
        }
        QFile::remove(args[3] + QStringLiteral(".tmp"));
        std::fprintf(stderr, "yunshan-refdata-build: %s\n", e.what());
        return 1;
    }
    return 0;
}
