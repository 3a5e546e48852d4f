#pragma once

#include <QStringList>

class QTextStream;

// The headless face of the program: new, add, list, get and set on project files. Returns the exit status:
// 0 success, 1 the operation failed (the reason on `err`), 2 a usage error.
int runCli(const QStringList& args, QTextStream& out, QTextStream& err);
