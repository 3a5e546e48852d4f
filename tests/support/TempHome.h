#pragma once

#include "QtPrinters.h"
#include "core/Messages.h"

#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test: update.ini, projects and reports go there, never beside the build's
// binaries. Also installs scripted messages, so a test asserts on the exact texts shown.
class TempHome
{
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    ScriptedMessages& messages() { return m_messages; }

private:
    QTemporaryDir m_dir;
    ScriptedMessages m_messages;
    MessagesGuard m_guard;
};

// The bytes of a file, or an empty array.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
