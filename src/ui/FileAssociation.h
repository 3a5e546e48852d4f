#pragma once

#include <QString>

// The ".yss" file type in the user's class registry on Windows, written at every start of the desktop program
// (failures are ignored); on other systems the installed .desktop entry and MIME type do this, so nothing is done.
void registerProjectFileType(const QString& programPath);

// The open command registered for project files: the program's path and the file, each in double quotes, so a
// path with blanks ("C:\Program Files\...") opens the file instead of a program named "C:\Program".
QString projectOpenCommand(const QString& programPath);
