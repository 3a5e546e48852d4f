#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` so that the old file is replaced only by a complete new one: a failed write leaves the
// old file untouched and returns false with the system's reason in `error`.
bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
