#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QTextDocument;

// The file forms a calculation book is saved in: RTF by our own writer (also under a ".Doc" name), the others
// through Qt.
enum class ExportFormat { Rtf, Odt, Pdf, Html, Txt };

// "rtf", "doc", "odt", "pdf", "html", "htm", "txt" in any letter case; std::nullopt otherwise.
std::optional<ExportFormat> exportFormatNamed(const QString& name);
// The form a file name's extension asks for.
std::optional<ExportFormat> exportFormatForFile(const QString& path);
QString exportExtension(ExportFormat format);

// The book in that form. PDF pages are A4 with the Song-style face embedded; HTML carries its pictures inline.
QByteArray exportBytes(const QTextDocument& document, ExportFormat format);
// Writes the book atomically; false with the reason in `error` when the file cannot be written.
bool exportReport(const QTextDocument& document, const QString& path, ExportFormat format, QString* error = nullptr);
