#pragma once

#include <QByteArray>
#include <QTextFormat>

class QTextDocument;

// The character-format property (a bool) that marks text as protected; written and read as \protect.
inline constexpr int kProtectedTextProperty = QTextFormat::UserProperty + 1;

// The document as RTF in code page 936: faces (宋体 first, with character set 134), colours, sizes in half points,
// bold, italic, underline, script position, protected text, paragraph alignment and inline pictures as PNG. Every
// non-ASCII character is written as \u with its GBK bytes as the fallback. The same document always gives the
// same bytes, whatever name the file is saved under.
QByteArray writeRtf(const QTextDocument& document);
