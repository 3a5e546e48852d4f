#pragma once

#include <QByteArray>
#include <QString>

// GBK exists only at the file boundaries (project file, INI files, RTF); inside the program text is QString.

QByteArray toGbk(const QString& text);
QString fromGbk(const QByteArray& bytes);

// The GBK bytes of the longest leading part of `text` that fits into `maxBytes`; a character is never split.
QByteArray toGbkCut(const QString& text, int maxBytes);

// The longest leading part of `text` whose GBK form fits into `maxBytes` bytes.
QString cutToGbkBytes(const QString& text, int maxBytes);
