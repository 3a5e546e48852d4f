#pragma once

#include <QString>

// Where the program's files are. The data folder is read only (db/db.sqlite, Bmp/, accessories/); the program
// folder is written (update.ini, config.ini, 我的工程/, 我的计算书/). Both are the executable's folder in a build or a
// portable copy; an installed program reads its data from <prefix>/share/yunshan and writes to the user's own
// folder. $YUNSHAN_DATA and $YUNSHAN_HOME (or setHomeOverride, the command line's --home) override them.
namespace AppPaths {

// Both end without a slash; empty when the executable's folder cannot be determined.
QString dataDir();
QString homeDir();

// The command line's --home; an empty text removes the override.
void setHomeOverride(const QString& dir);

QString updateIniPath();
QString configIniPath();
// The folder the project dialogs start in, "我的工程" in the program folder.
QString projectsDir();
// The report pictures' folder with a trailing slash.
QString picPath();

} // namespace AppPaths
