#include "TempHome.h"

#include "core/AppPaths.h"

#include <QFile>
#include <stdexcept>

TempHome::TempHome()
    : m_guard(m_messages)
{
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary program folder");
    }
    AppPaths::setHomeOverride(m_dir.path());
}

TempHome::~TempHome()
{
    AppPaths::setHomeOverride(QString());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write a test file");
    }
}
